#pragma once

#include "data/konfigurace.h"
#include "practice/beh.h"
#include "uceni/pametaktivniho.h"

#include <QStringList>

// What the main window is doing: idle, or one of the three modes that share the question panel.
enum class Rezim { Zadny, Prohlizeni, Procvicovani, Zkouseni };

// The program-wide state, owned by the main window and handed by reference to its dialogs: the
// settings and profiles, the mode, the practice or examination run, and the active profile's memory
// of answers.
struct StavProgramu : Konfigurace {
    QStringList UlozeneProfily{QStringLiteral("Default")}; // Profily as last read or saved
    // Every name this run knew: read at start or created in the settings dialog. Only their
    // records may be deleted at close.
    QStringList ZnameProfily{QStringLiteral("Default")};

    Rezim AktivniRezim = Rezim::Zadny;
    bool SeznamZkouseni = false; // the results list shows examination results

    BehOtazek Beh;
    PametAktivnihoProfilu Pamet;
};

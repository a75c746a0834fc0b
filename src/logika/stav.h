#pragma once

#include "data/konfigurace.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the main window is doing: idle, or one of the three modes that share the question panel.
enum class Rezim { Zadny, Prohlizeni, Procvicovani, Zkouseni };

// The program-wide state, owned by the main window and handed by reference to its dialogs.
struct StavProgramu : Konfigurace {
    QStringList UlozeneProfily{QStringLiteral("Default")}; // Profily as last read or saved
    // Every name this run knew: read at start or created in the settings dialog. Only their
    // records may be deleted at close.
    QStringList ZnameProfily{QStringLiteral("Default")};

    Rezim AktivniRezim = Rezim::Zadny;

    QString PuvodniSkupina;
    bool OpravaZVysledku = false;
    QString KategorieOpravy;

    int AktualniOtazka = 0;
    QString SpravnePismena;
    QString SkupinyOtazky;

    bool CekaNaOdpoved = false;
    bool OpakovatSeznam = false;
    bool SeznamZkouseni = false;
    QList<int> SeznamOtazek, SpatneOtazky, OtazkySNapovedou;
    int PocetSpatnych = 0, PocetNapoved = 0, UspesnostBehu = 0;
    int Zbyva = 0, CelkemOtazek = 0, ZacitOtazkou = 1;
};

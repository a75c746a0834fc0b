#pragma once

#include "data/konfigurace.h"
#include "practice/beh.h"
#include "test/sestaveni.h"
#include "uceni/odpovedi.h"
#include "uceni/pametaktivniho.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class PametProfilu;
class QDateTime;

// The learner's state for the program's run, owned by the main window: the settings and profiles,
// the active profile's memory of answers with its table, and the practice or examination run. The
// windows get what they need of it (the settings, a profile's name, the memory), never the whole.
//
// Every judged answer takes one route, as a record of the answers table: a run's answers the moment
// the run judges them (the state listens to its run), a points test's positions once it is evaluated
// (ZaznamenatTest). Each is appended to Odpovedi under the active profile and taken by the memory
// when it is held. The first failure to store of a series is reported through Hlaseni; the series
// goes on without telling it again.
//
//   StavZaka stav;
//   stav.NastavitHlaseni([this](const QString &text) { Dialogy::Chyba(this, text); });
//   stav.Zacit(nastaveniZConfigIni);
//   stav.ZacitSerii();
//   stav.Beh().Zacit(...); stav.Beh().Potvrdit(); // stored and remembered
class StavZaka {
public:
    // Tells the learner that answers could not be stored: the store's text and what it costs.
    using Hlaseni = std::function<void(const QString &text)>;

    StavZaka();
    StavZaka(const StavZaka &) = delete;
    StavZaka &operator=(const StavZaka &) = delete;

    // The settings and profiles in memory, changed at once by the menus and the settings dialog.
    Konfigurace &Nastaveni() { return m_nastaveni; }
    const Konfigurace &Nastaveni() const { return m_nastaveni; }
    const QString &AktivniProfil() const { return m_nastaveni.AktivniProfil; }
    // The settings the program starts with (config.ini as read, or the defaults): what the file
    // holds, and their profiles the names this run knows.
    void Zacit(const Konfigurace &nastaveni);
    // The settings were saved: config.ini holds them now.
    void Ulozeno() { m_ulozena = m_nastaveni; }
    // The settings as config.ini last held them in this run.
    const Konfigurace &UlozenaNastaveni() const { return m_ulozena; }
    // A setting changed, or a profile created or removed, since config.ini last held the settings:
    // a close without saving would lose it, and with a profile created the profile's records.
    bool NeulozeneZmeny() const { return m_nastaveni != m_ulozena; }
    // Every profile name this run knew: read at start or created in the settings dialog. Only their
    // records may be deleted at close.
    QStringList &ZnameProfily() { return m_znameProfily; }
    // The profiles whose records go when the program closes: known to this run and no longer stored.
    QStringList ProfilyKeSmazani() const;
    // The active profile may have changed: another profile's memory is dropped.
    void ZmenenProfil();

    // The active profile's memory, read from the table on first need. Throws ChybaTabulky when the
    // table cannot be read.
    const PametProfilu &Pamet();
    // The memory held, or nothing before it was read.
    const PametProfilu *NactenaPamet() const { return m_pamet.Nactena(); }

    void NastavitHlaseni(Hlaseni hlaseni) { m_hlaseni = std::move(hlaseni); }
    // A series of answers begins (a run, its retry): its first failure to store will be reported.
    void ZacitSerii() { m_chybaHlasena = false; }
    // Every position of an evaluated points test at the moment of its evaluation, in position order:
    // right, wrong, or left unanswered (wrong with no box ticked). A series of its own.
    void ZaznamenatTest(const PolozkyTestu &polozky, const QDateTime &kdy);

    // The practice or examination run, its judged answers stored as they come.
    BehOtazek &Beh() { return m_beh; }
    const BehOtazek &Beh() const { return m_beh; }

private:
    void ZaznamenatOdpoved(const PosouzenaOdpoved &odpoved);
    // The route itself: the answers stored and remembered in the order given; dusledek says in the
    // report what a failure costs.
    void Ulozit(const QList<Odpovedi::Odpoved> &odpovedi, const QString &dusledek);

    Konfigurace m_nastaveni, m_ulozena;
    QStringList m_znameProfily;
    PametAktivnihoProfilu m_pamet;
    BehOtazek m_beh;
    Hlaseni m_hlaseni;
    bool m_chybaHlasena = false;
};

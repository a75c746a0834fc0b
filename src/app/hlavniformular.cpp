#include "app/hlavniformular.h"

#include "app/panelotazky.h"
#include "app/panelpomoc.h"
#include "app/rizenibehu.h"
#include "app/setup.h"
#include "data/adresare.h"
#include "data/profily.h"
#include "info/Historie.h"
#include "info/napovedaHTML.h"
#include "info/oaplikaci.h"
#include "kresby/kresby.h"
#include "okna/dialogy.h"
#include "okna/vzhled.h"
#include "practice/protokol.h"
#include "practice/vysledky.h"
#include "test/protokoltestu.h"
#include "test/test.h"
#include "test/testtab.h"
#include "test/zaznamzkousky.h"
#include "uceni/modulprehledu.h"
#include "uceni/odpovedi.h"
#include "uceni/pamet.h"
#include "uceni/terminzkousky.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>

namespace {

constexpr int SirkaKlienta = 632;
constexpr int VyskaKlienta = 386;
constexpr int VyskaPomoci = 70;

} // namespace

THlavniFormular::THlavniFormular(QWidget *rodic) : QMainWindow(rodic)
{
    setObjectName(QStringLiteral("HlavniFormular"));
    setWindowTitle(QStringLiteral("Semaforix"));
    setWindowIcon(Kresby::IkonaOkna());
    setStatusTip(QStringLiteral("     Semaforix"));
    setWindowFlags(Qt::Window | Vzhled::Titulek | Qt::WindowMinimizeButtonHint);
    // Every window of the program, and the message boxes too, are in this font; one family also
    // spares start-up the loading of a second one.
    const QFont pismo = Vzhled::PismoOkna();
    QApplication::setFont(pismo);
    setFont(pismo);

    auto *klient = new QWidget(this);
    klient->setObjectName(QStringLiteral("Klient"));
    klient->setFixedSize(SirkaKlienta, VyskaKlienta);
    setCentralWidget(klient);

    m_imgPozadi = new QLabel(klient);
    m_imgPozadi->setObjectName(QStringLiteral("imgPozadi"));
    m_imgPozadi->setAccessibleName(QStringLiteral("Semaforix"));
    m_imgPozadi->setGeometry(85, 70, 453, 227);
    m_imgPozadi->setPixmap(Kresby::Pozadi(453, 227));

    QList<QLabel *> panely;
    m_stavovyRadek = Vzhled::StavovyRadek(klient, "StavovyRadek1", {340, 75, 75, 150}, SirkaKlienta, panely);
    std::copy(panely.begin(), panely.end(), m_panelyStavu.begin());
    Vzhled::TextSeJmenem(m_panelyStavu[1], QString(), QStringLiteral("Default"));
    m_panelyStavu[2]->setText(QStringLiteral("Skupina: B"));
    m_panelyStavu[3]->setText(QStringLiteral("Trenažér testů z pravidel"));
    m_panelyStavu[3]->setAlignment(Qt::AlignCenter);
    m_stavovyRadek->move(0, VyskaKlienta - m_stavovyRadek->height());

    m_pOtazky = new TPanelOtazky(m_banka, klient);
    m_pOtazky->setGeometry(0, 0, SirkaKlienta, VyskaKlienta - VyskaPomoci);
    m_pOtazky->hide();
    m_pPomoc = new TPanelPomoc(klient);
    m_pPomoc->setGeometry(0, VyskaKlienta - VyskaPomoci, SirkaKlienta, VyskaPomoci);
    m_pPomoc->hide();

    m_menu = std::make_unique<Nabidky>(menuBar());
    m_stav.NastavitHlaseni([this](const QString &text) { Dialogy::Chyba(OknoHlaseni(), text); });
    m_beh = new TRizeniBehu(m_stav, m_banka, *m_pOtazky, *m_pPomoc, *this);
    Propojit();
    setFixedSize(sizeHint());

    Spustit();
}

THlavniFormular::~THlavniFormular() = default;

void THlavniFormular::Propojit()
{
    const Nabidky &m = *m_menu;
    connect(m.M1Ukoncit, &QAction::triggered, this, &QWidget::close);
    connect(m.M1StavovyRadek, &QAction::triggered, this, &THlavniFormular::M1StavovyRadekClick);
    connect(m.M1PostupnyVyber, &QAction::triggered, this, &THlavniFormular::M1PostupnyVyberClick);
    connect(m.M1NahodnyVyber, &QAction::triggered, this, &THlavniFormular::M1NahodnyVyberClick);
    connect(m.M1VyberPodlePameti, &QAction::triggered, this, &THlavniFormular::M1VyberPodlePametiClick);
    connect(m.M1PrehledZnalosti, &QAction::triggered, this, &THlavniFormular::M1PrehledZnalostiClick);
    connect(m.M1UlozitNastaveni, &QAction::triggered, this, &THlavniFormular::M1UlozitNastaveniClick);
    connect(m.M1Nastaveni, &QAction::triggered, this, &THlavniFormular::M1NastaveniClick);
    connect(m.M1Prohlizet, &QAction::triggered, this, [this] { PrepnoutRezim(Rezim::Prohlizeni, true); });
    connect(m.smProc, &QAction::triggered, this, &THlavniFormular::smProcClick);
    connect(m.smZkou, &QAction::triggered, this, &THlavniFormular::smZkouClick);
    connect(m.M1VysledekTestu, &QAction::triggered, this, &THlavniFormular::M1VysledekTestuClick);
    connect(m.M1Test, &QAction::triggered, this, &THlavniFormular::M1TestClick);
    connect(m.M2KonecRezimu, &QAction::triggered, this, &THlavniFormular::M2KonecRezimuClick);
    connect(m.M1Procvicovat, &QAction::triggered, this, &THlavniFormular::M1ProcvicovatClick);
    connect(m.M1Zkouset, &QAction::triggered, this, &THlavniFormular::M1ZkousetClick);
    connect(m.M2OznacSpravne, &QAction::triggered, m_beh, &TRizeniBehu::M2OznacSpravneClick);
    connect(m_pOtazky, &TPanelOtazky::stAClick, m_beh, &TRizeniBehu::stAClick);
    connect(m_pOtazky, &TPanelOtazky::pOtazkyMouseDown, m_beh, &TRizeniBehu::pOtazkyMouseDown);
    connect(m_beh, &TRizeniBehu::KonecBehu, this, [this] { PrepnoutRezim(m_rezim, false); });
    connect(m.M1OProgramu, &QAction::triggered, this, &THlavniFormular::M1OProgramuClick);
    connect(m.M2oProgramu, &QAction::triggered, this, &THlavniFormular::M2oProgramuClick);
    connect(m.M1Napoveda, &QAction::triggered, this, &THlavniFormular::M1NapovedaClick);
    connect(m.M1Seznam, &QAction::triggered, this, &THlavniFormular::M1SeznamClick);
}

void THlavniFormular::Spustit()
{
    // 1. The question bank; a failure skips the remaining steps.
    try {
        m_banka.Otevrit();
    } catch (const ChybaTabulky &e) {
        Dialogy::Chyba(this, e.Text());
        return;
    }

    // 2. Centre on the screen.
    if (const QScreen *obrazovka = screen()) {
        const QRect r = obrazovka->availableGeometry();
        move(r.left() + (r.width() - width()) / 2, r.top() + (r.height() - height()) / 2);
    }

    // 3. Settings from config.ini, or the defaults when there is none. A file far larger than any
    // the program writes is not ours: it is reported, left alone, and the defaults hold.
    const QString konfigurace = Adresare::Uzivatele(QStringLiteral("config.ini"));
    if (SouborExistuje(konfigurace)) {
        Konfigurace k;
        QString chyba;
        QStringList vyhrady;
        if (!NacistKonfiguraci(konfigurace, k, &chyba, &vyhrady)) {
            Dialogy::Chyba(this, chyba);
            if (!KonfiguraceJePrilisVelka(konfigurace))
                return;
        }
        if (!vyhrady.isEmpty())
            Dialogy::Chyba(this, vyhrady.join(QStringLiteral("\n\n")));
        m_stav.Zacit(k);
        m_menu->M1StavovyRadek->setChecked(k.StavovyRadek);
        m_stavovyRadek->setVisible(k.StavovyRadek);
        NastavitPoradi(PoradiZNastaveni(k));
        ZobrazitNastaveni();
    }

    // 4. The profiles as stored: the state took them with the settings it started with.
    // 5. Hints go to the first panel of the status bar (see event()).
    // 6. Colours.
    for (QWidget *w : {static_cast<QWidget *>(this), static_cast<QWidget *>(m_stavovyRadek),
                       static_cast<QWidget *>(m_pPomoc)})
        Vzhled::BarvaPozadi(w, Vzhled::BarvaOkna);
    // 8. No replay runs: the state's run starts cleared.
}

void THlavniFormular::ZobrazitNastaveni()
{
    const Konfigurace &nastaveni = m_stav.Nastaveni();
    Vzhled::TextSeJmenem(m_panelyStavu[1], QString(), nastaveni.AktivniProfil);
    m_panelyStavu[2]->setText(QStringLiteral("Skupina: ") + nastaveni.ZvolenaSkupina);
    m_menu->M1Skupina->setText(QStringLiteral("Zvolená skupina: ") + nastaveni.ZvolenaSkupina);
    const bool nektera = std::any_of(nastaveni.PovoleneKategorie.begin(), nastaveni.PovoleneKategorie.end(),
                                     [](bool b) { return b; });
    m_menu->M1Procvicovat->setEnabled(nektera);
    m_menu->M1Zkouset->setEnabled(nektera);
}

bool THlavniFormular::SouborExistuje(const QString &jmeno)
{
    if (jmeno.isEmpty())
        return false;
    QFile f(jmeno);
    return f.open(QIODevice::ReadOnly);
}

bool THlavniFormular::event(QEvent *udalost)
{
    if (udalost->type() == QEvent::StatusTip) {
        // A control without a hint of its own shows the window's hint.
        const QString napoveda = static_cast<QStatusTipEvent *>(udalost)->tip();
        m_panelyStavu[0]->setText(napoveda.isEmpty() ? statusTip() : napoveda);
        return true;
    }
    return QMainWindow::event(udalost);
}

void THlavniFormular::ZobrazitOtazku(int n) { m_pOtazky->ZobrazitOtazku(n); }

void THlavniFormular::M1StavovyRadekClick()
{
    bool &zobrazit = m_stav.Nastaveni().StavovyRadek;
    zobrazit = !m_stavovyRadek->isVisibleTo(this);
    m_stavovyRadek->setVisible(zobrazit);
    m_menu->M1StavovyRadek->setChecked(zobrazit);
}

void THlavniFormular::M1PostupnyVyberClick() { NastavitPoradi(PoradiOtazek::PodleCisla); }

void THlavniFormular::M1NahodnyVyberClick() { NastavitPoradi(PoradiOtazek::Nahodne); }

void THlavniFormular::M1VyberPodlePametiClick() { NastavitPoradi(PoradiOtazek::PodlePameti); }

// Exactly one of the three carries its mark; a save stores the number order's own mark as always.
void THlavniFormular::NastavitPoradi(PoradiOtazek poradi)
{
    m_stav.Nastaveni().PostupnyVyber = poradi == PoradiOtazek::PodleCisla;
    m_stav.Nastaveni().VyberPodlePameti = poradi == PoradiOtazek::PodlePameti;
    Nabidky::Zaskrtnout(m_menu->M1PostupnyVyber, poradi == PoradiOtazek::PodleCisla);
    Nabidky::Zaskrtnout(m_menu->M1NahodnyVyber, poradi == PoradiOtazek::Nahodne);
    Nabidky::Zaskrtnout(m_menu->M1VyberPodlePameti, poradi == PoradiOtazek::PodlePameti);
}

void THlavniFormular::M1UlozitNastaveniClick() { UlozitNastaveni(); }

bool THlavniFormular::UlozitNastaveni()
{
    QString chyba;
    if (!Adresare::PripravitAdresarUzivatele(&chyba)
        || !UlozitKonfiguraci(Adresare::Uzivatele(QStringLiteral("config.ini")), m_stav.Nastaveni(), &chyba)) {
        Dialogy::Chyba(this, chyba);
        return false;
    }
    m_stav.Ulozeno();
    return true;
}

void THlavniFormular::smProcClick() { OtevritVysledky(false, QStringLiteral("Protokol procvičování zatím nebyl vytvořen!")); }

void THlavniFormular::smZkouClick() { OtevritVysledky(true, QStringLiteral("Protokol zkoušení zatím nebyl vytvořen!")); }

void THlavniFormular::OtevritVysledky(bool zkouseni, const QString &bezTabulky)
{
    Vzhled::OtevritSeznam(this, Tabulka::Existuje(Vysledky::JmenoTabulky), bezTabulky, [this, zkouseni] {
        auto seznam = std::make_unique<TProtocol>(m_stav.AktivniProfil(), zkouseni, this);
        connect(seznam.get(), &TProtocol::PrehratOtazky, this, &THlavniFormular::ZacitOpravu);
        return seznam;
    });
}

void THlavniFormular::M1VysledekTestuClick()
{
    Vzhled::OtevritSeznam(this, Tabulka::Existuje(ProtokolTestu::JmenoTabulky),
                          QStringLiteral("Dosud nebyly vytvořeny žádné protokoly z testu!"),
                          [this] { return std::make_unique<TSeznamTestu>(m_stav.AktivniProfil(), this); });
}

void THlavniFormular::M1NastaveniClick()
{
    TNastaveni nastaveni(m_stav.Nastaveni(), m_stav.ZnameProfily(), this);
    Dialogy::Vycentrovat(&nastaveni, this);
    if (nastaveni.exec() == QDialog::Accepted) {
        m_stav.ZmenenProfil();
        ZobrazitNastaveni();
    }
}

// The overview of the active profile, its memory read and its module loaded on first need; a module
// that cannot be loaded is told and the program goes on without it. Its due questions, when the
// learner asks for them, become a practice run of exactly those once the window has closed.
void THlavniFormular::M1PrehledZnalostiClick()
{
    const PametProfilu *pamet = nullptr;
    try {
        pamet = &m_stav.Pamet();
    } catch (const ChybaTabulky &e) {
        Dialogy::Chyba(this, e.Text());
        return;
    }
    const Konfigurace &nastaveni = m_stav.Nastaveni();
    const QList<int> procvicit = ModulPrehledu::Otevrit(m_banka, nastaveni, *pamet, this);
    if (procvicit.isEmpty())
        return;
    Oprava oprava{DruhBehu::Procvicovani, procvicit, nastaveni.ZvolenaSkupina, Kategorie::Cislice(nastaveni.PovoleneKategorie)};
    oprava.opravaChyb = false; // questions due for review, not a replay of this run's mistakes
    ZacitOpravu(oprava);
}

void THlavniFormular::M1ProcvicovatClick()
{
    if (m_beh->PripravitBeh(DruhBehu::Procvicovani))
        PrepnoutRezim(Rezim::Procvicovani, true);
}

void THlavniFormular::M1ZkousetClick()
{
    if (m_beh->PripravitBeh(DruhBehu::Zkouseni))
        PrepnoutRezim(Rezim::Zkouseni, true);
}

void THlavniFormular::ZacitOpravu(const Oprava &oprava)
{
    m_stav.Beh().ZacitOpravu(oprava);
    PrepnoutRezim(oprava.druh == DruhBehu::Zkouseni ? Rezim::Zkouseni : Rezim::Procvicovani, true);
}

// The test window keeps its own view of the bank while it is open; ours is closed meanwhile.
void THlavniFormular::M1TestClick()
{
    m_banka.Zavrit();
    {
        TTestForm test(m_stav.Nastaveni(), this);
        // Every position of the evaluated test goes into the memory.
        connect(&test, &TTestForm::Vyhodnocen, this,
                [this](const PolozkyTestu &polozky, const QDateTime &kdy) { m_stav.ZaznamenatTest(polozky, kdy); });
        if (test.Pripraven())
            test.exec();
    }
    try {
        m_banka.Otevrit();
    } catch (const ChybaTabulky &e) {
        Dialogy::Chyba(this, e.Text());
    }
}

QWidget *THlavniFormular::OknoHlaseni()
{
    QWidget *modalni = QApplication::activeModalWidget();
    return modalni ? modalni : this;
}

void THlavniFormular::M1OProgramuClick()
{
    TAbout okno(this);
    Dialogy::Vycentrovat(&okno, this);
    okno.exec();
}

void THlavniFormular::M2oProgramuClick() { M1OProgramuClick(); }

void THlavniFormular::M1NapovedaClick()
{
    THelpForm okno(this);
    Dialogy::Vycentrovat(&okno, this);
    okno.exec();
}

void THlavniFormular::M1SeznamClick()
{
    TOpravyAktualizace okno(this);
    Dialogy::Vycentrovat(&okno, this);
    okno.exec();
}

void THlavniFormular::closeEvent(QCloseEvent *udalost)
{
    if (m_rezim != Rezim::Zadny
        && !Dialogy::Otazka(this, QStringLiteral("Opravdu chcete vypnout program, i když spuštěný režim je stále aktivní?"))) {
        udalost->ignore();
        return;
    }
    if (!UlozitPredUkoncenim()) {
        udalost->ignore();
        return;
    }
    VycistitVysledky();
    udalost->accept();
}

// A save that fails keeps the program open: closing would delete a new profile's records.
bool THlavniFormular::UlozitPredUkoncenim()
{
    if (!m_stav.NeulozeneZmeny())
        return true;
    switch (Dialogy::OtazkaSeStornem(this, QStringLiteral("Nastavení nejsou uložena. Uložit je před ukončením?"))) {
    case Dialogy::Volba::Ano: return UlozitNastaveni();
    case Dialogy::Volba::Ne: return true;
    case Dialogy::Volba::Storno: break;
    }
    return false;
}

// Deletes the records of the profiles this run knew and the stored list no longer holds: one
// created and never saved, or one whose removal was saved. Names the run never knew keep their
// records, so a damaged or missing config.ini costs nobody their results.
void THlavniFormular::VycistitVysledky()
{
    const QStringList smazat = m_stav.ProfilyKeSmazani();
    if (smazat.isEmpty())
        return;
    for (const QString &tabulka :
         {Vysledky::JmenoTabulky, ProtokolTestu::JmenoTabulky, ZaznamyZkousek::JmenoTabulky, Odpovedi::JmenoTabulky,
          TerminZkousky::JmenoTabulky}) {
        try {
            for (const QString &profil : smazat)
                SmazatZaznamyProfilu(tabulka, profil);
        } catch (const ChybaTabulky &e) {
            Dialogy::Chyba(this, e.Text());
        }
    }
}

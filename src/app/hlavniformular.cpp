#include "app/hlavniformular.h"

#include "app/dialogy.h"
#include "app/kresby.h"
#include "app/spintlacitko.h"
#include "data/filtrvyraz.h"
#include "obrazky/znamky.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>

namespace {

QString T(const char *utf8) { return QString::fromUtf8(utf8); }

constexpr int SirkaKlienta = 632;
constexpr int VyskaKlienta = 386;
constexpr int VyskaPomoci = 70;
const QColor BarvaOkna(224, 223, 227);
const char *const NapovedaOkna = "     Semaforix";

QLabel *Popisek(QWidget *rodic, const char *jmeno, const char *text, int x, int y)
{
    auto *l = new QLabel(T(text), rodic);
    l->setObjectName(QString::fromLatin1(jmeno));
    // Sized when its panel is first shown: measuring text loads fonts, which start-up can spare.
    l->move(x, y);
    return l;
}

void Obarvit(QWidget *w, const QColor &barva)
{
    QPalette paleta = w->palette();
    paleta.setColor(QPalette::Window, barva);
    w->setPalette(paleta);
    w->setAutoFillBackground(true);
}

} // namespace

TPanel::TPanel(QWidget *rodic) : QFrame(rodic), m_titulek(new QLabel(this))
{
    m_titulek->setAlignment(Qt::AlignCenter);
    m_titulek->setObjectName(QStringLiteral("Titulek"));
    m_titulek->hide();
}

QString TPanel::Titulek() const { return m_titulek->text(); }

void TPanel::NastavitTitulek(const QString &text)
{
    m_titulek->setText(text);
    m_titulek->setVisible(!text.isEmpty());
    m_titulek->lower();
}

void TPanel::resizeEvent(QResizeEvent *udalost)
{
    QFrame::resizeEvent(udalost);
    m_titulek->setGeometry(contentsRect());
}

THlavniFormular::THlavniFormular(const QString &adresarProgramu, QWidget *rodic)
    : QMainWindow(rodic),
      m_adresarProgramu(adresarProgramu.isEmpty() ? QCoreApplication::applicationDirPath() : adresarProgramu)
{
    setObjectName(QStringLiteral("HlavniFormular"));
    setWindowTitle(QStringLiteral("Semaforix"));
    setWindowIcon(Kresby::IkonaOkna());
    setStatusTip(T(NapovedaOkna));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // The window's font family is not on Linux desktops; naming its stand-in spares fontconfig
    // a slow search for a fallback.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont pismo(QStringLiteral("MS Sans Serif"));
    pismo.setPointSize(8);
    setFont(pismo);

    Klient = new QWidget(this);
    Klient->setObjectName(QStringLiteral("Klient"));
    Klient->setFixedSize(SirkaKlienta, VyskaKlienta);
    setCentralWidget(Klient);

    imgPozadi = new QLabel(Klient);
    imgPozadi->setObjectName(QStringLiteral("imgPozadi"));
    imgPozadi->setGeometry(85, 70, 453, 227);
    imgPozadi->setPixmap(Kresby::Pozadi(453, 227));

    StavovyRadek1 = new QStatusBar(Klient);
    StavovyRadek1->setObjectName(QStringLiteral("StavovyRadek1"));
    StavovyRadek1->setSizeGripEnabled(false);
    const int sirky[4] = {340, 75, 75, 150};
    const char *texty[4] = {"", "Default", "Skupina: B", "Trenažér testů z pravidel"};
    for (int i = 0; i < 4; ++i) {
        PanelStavu[i] = new QLabel(T(texty[i]), StavovyRadek1);
        PanelStavu[i]->setObjectName(QStringLiteral("PanelStavu%1").arg(i));
        PanelStavu[i]->setFixedWidth(sirky[i]);
        PanelStavu[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        StavovyRadek1->addWidget(PanelStavu[i]);
    }
    PanelStavu[3]->setAlignment(Qt::AlignCenter);
    const int vyskaRadku = StavovyRadek1->sizeHint().height();
    StavovyRadek1->setGeometry(0, VyskaKlienta - vyskaRadku, SirkaKlienta, vyskaRadku);

    VytvoritPanely();
    VytvoritOtazku();
    VytvoritProhlizeni();
    VytvoritMenu();
    setFixedSize(sizeHint());

    Spustit();
}

THlavniFormular::~THlavniFormular() = default;

// An item is checkable only while it carries its mark: a click never toggles the mark (the
// commands set it), and an item without its mark shows no empty box.
void THlavniFormular::Zaskrtnout(QAction *polozka, bool zaskrtnuto)
{
    polozka->setCheckable(zaskrtnuto);
    polozka->setChecked(zaskrtnuto);
}

void THlavniFormular::Nastavit(QAction *polozka, const char *jmeno, const char *titulek, const char *napoveda)
{
    polozka->setObjectName(QString::fromLatin1(jmeno));
    polozka->setText(T(titulek));
    polozka->setStatusTip(T(napoveda));
    polozka->setToolTip(T(napoveda));
}

void THlavniFormular::VytvoritMenu()
{
    QMenuBar *lista = menuBar();
    lista->setObjectName(QStringLiteral("Menu1"));

    auto podmenu = [&](const char *jmeno, const char *titulek, const char *napoveda) {
        QMenu *m = lista->addMenu(T(titulek));
        m->setObjectName(QString::fromLatin1(jmeno));
        m->menuAction()->setObjectName(QString::fromLatin1(jmeno));
        m->menuAction()->setStatusTip(T(napoveda));
        Menu1.append(m->menuAction());
        return m;
    };
    auto polozka = [&](QMenu *menu, const char *jmeno, const char *titulek, const char *napoveda) {
        QAction *a = menu->addAction(QString());
        Nastavit(a, jmeno, titulek, napoveda);
        return a;
    };
    auto oddelovac = [](QMenu *menu, const char *jmeno) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(jmeno));
    };

    Program1 = podmenu("Program1", "&Program", "Program...");
    M1Ukoncit = polozka(Program1, "M1Ukoncit", "&Ukončit", "Ukončí program Semaforix");

    Konfigurace1 = podmenu("Konfigurace1", "&Konfigurace", "Konfigurace...");
    M1Skupina = polozka(Konfigurace1, "M1Skupina", "Zvolená skupina: B",
                        "Zobrazuje zvolenou skupinu řidičského oprávnění");
    oddelovac(Konfigurace1, "N3");
    M1Nastaveni = polozka(Konfigurace1, "M1Nastaveni", "&Nastavení...", "Spustí okno nastavení programu");
    M1StavovyRadek = polozka(Konfigurace1, "M1StavovyRadek", "&Zobrazit stavový řádek", "Zobrazí/skryje stavový řádek");
    M1StavovyRadek->setCheckable(true);
    M1StavovyRadek->setChecked(true);
    oddelovac(Konfigurace1, "N2");
    M1PostupnyVyber = polozka(Konfigurace1, "M1PostupnyVyber", "Pos&tupný výběr otázek",
                              "Nastaví postupný výběr otázek podle čísla otázky");
    M1NahodnyVyber = polozka(Konfigurace1, "M1NahodnyVyber", "Ná&hodný výběr otázek", "Nastaví náhodný výběr otázek");
    Zaskrtnout(M1PostupnyVyber, true);
    oddelovac(Konfigurace1, "N4");
    M1UlozitNastaveni = polozka(Konfigurace1, "M1UlozitNastaveni", "&Uložit nastavení", "Uloží nastavení programu");

    Start1 = podmenu("Start1", "&Start", "Start...");
    M1Prohlizet = polozka(Start1, "M1Prohlizet", "&Prohlížet otázky",
                          "Spustí režim prohlížení všech 757 otázek (mimo vyřazených)");
    oddelovac(Start1, "N5");
    M1Procvicovat = polozka(Start1, "M1Procvicovat", "Pro&cvičovat otázky", "Spustí režim procvičování otázek");
    M1Zkouset = polozka(Start1, "M1Zkouset", "&Zkoušet otázky", "Spustí režim zkoušení otázek");
    oddelovac(Start1, "N6");
    M1Test = polozka(Start1, "M1Test", "&Test na body", "Vytvoří test z předpisů o provozu na pozemních komunikacích");

    Vysledky1 = podmenu("Vysledky1", "&Výsledky", "Výsledky...");
    M1Protokol = Vysledky1->addMenu(T("Výsledk&y z"));
    M1Protokol->setObjectName(QStringLiteral("M1Protokol"));
    M1Protokol->menuAction()->setObjectName(QStringLiteral("M1Protokol"));
    M1Protokol->menuAction()->setStatusTip(T("Zobrazí výsledky z..."));
    smProc = polozka(M1Protokol, "smProc", "P&rocvičování", "Zobrazí výsledky z procvičování otázek");
    smZkou = polozka(M1Protokol, "smZkou", "&Zkoušení", "Zobrazí výsledky ze zkoušení otázek");
    oddelovac(Vysledky1, "N1");
    M1VysledekTestu = polozka(Vysledky1, "M1VysledekTestu", "Výsledky &testu na body",
                              "Zobrazí výsledky testů z pravidel silničního provozu");

    Informace1 = podmenu("Informace1", "&Informace", "Informace...");
    M1OProgramu = polozka(Informace1, "M1OProgramu", "Informace o p&rogramu", "Zobrazí základní informace o programu");
    M1Seznam = polozka(Informace1, "M1Seznam", "&Historie oprav a aktualizací", "Zobrazí historii oprav a aktualizací");
    oddelovac(Informace1, "N7");
    M1Napoveda = polozka(Informace1, "M1Napoveda", "&Nápověda", "Spustí nápovědu programu Semaforix");

    // Menu2 stands in the same menu bar and replaces Menu1 while a mode runs.
    auto polozkaListy = [&](const char *jmeno, const char *titulek) {
        QAction *a = lista->addAction(T(titulek));
        a->setObjectName(QString::fromLatin1(jmeno));
        a->setVisible(false);
        Menu2.append(a);
        return a;
    };
    M2KonecRezimu = polozkaListy("M2KonecRezimu", "  &Konec režimu  ");
    M2OznacSpravne = polozkaListy("M2OznacSpravne", "  Označ správnou odpověď  ");
    M2oProgramu = polozkaListy("M2oProgramu", "  &O programu  ");

    connect(M1Ukoncit, &QAction::triggered, this, &QWidget::close);
    connect(M1StavovyRadek, &QAction::triggered, this, &THlavniFormular::M1StavovyRadekClick);
    connect(M1PostupnyVyber, &QAction::triggered, this, &THlavniFormular::M1PostupnyVyberClick);
    connect(M1NahodnyVyber, &QAction::triggered, this, &THlavniFormular::M1NahodnyVyberClick);
    connect(M1UlozitNastaveni, &QAction::triggered, this, &THlavniFormular::M1UlozitNastaveniClick);
    connect(M1Prohlizet, &QAction::triggered, this, &THlavniFormular::M1ProhlizetClick);
    connect(smProc, &QAction::triggered, this, &THlavniFormular::smProcClick);
    connect(smZkou, &QAction::triggered, this, &THlavniFormular::smZkouClick);
    connect(M1VysledekTestu, &QAction::triggered, this, &THlavniFormular::M1VysledekTestuClick);
    connect(M2KonecRezimu, &QAction::triggered, this, &THlavniFormular::M2KonecRezimuClick);
}

void THlavniFormular::VytvoritPanely()
{
    pOtazky = new TPanel(Klient);
    pOtazky->setObjectName(QStringLiteral("pOtazky"));
    pOtazky->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Obarvit(pOtazky, Qt::white);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(16);
    pOtazky->setFont(arial);
    pOtazky->setGeometry(0, 0, SirkaKlienta, VyskaKlienta - VyskaPomoci);
    pOtazky->hide();

    pPomoc = new QFrame(Klient);
    pPomoc->setObjectName(QStringLiteral("pPomoc"));
    pPomoc->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pPomoc->setGeometry(0, VyskaKlienta - VyskaPomoci, SirkaKlienta, VyskaPomoci);
    pPomoc->hide();

    lbInfo = Popisek(pPomoc, "lbInfo", "Info:", 10, 8);
    const std::pair<QLabel **, Znamky::Druh> legenda[3] = {{&imgInfoYes, Znamky::Druh::Spravne},
                                                           {&imgInfoNo, Znamky::Druh::Spatne},
                                                           {&imgInfoNic, Znamky::Druh::Opomenuta}};
    const char *jmenaLegendy[3] = {"imgInfoYes", "imgInfoNo", "imgInfoNic"};
    for (int i = 0; i < 3; ++i) {
        QLabel *img = new QLabel(pPomoc);
        img->setObjectName(QString::fromLatin1(jmenaLegendy[i]));
        img->setPixmap(QPixmap::fromImage(Znamky::Nakreslit(legenda[i].second)));
        img->setGeometry(40, 6 + 20 * i, Znamky::Velikost, Znamky::Velikost);
        *legenda[i].first = img;
    }
    lbAno = Popisek(pPomoc, "lbAno", "Správná odpověď", 60, 8);
    lbNe = Popisek(pPomoc, "lbNe", "Špatná odpověď", 60, 28);
    lbNic = Popisek(pPomoc, "lbNic", "Ignorovaná správná odpověď", 60, 48);
    for (auto [cara, jmeno, x] : {std::tuple{&Cara1, "Cara1", 205}, std::tuple{&Cara2, "Cara2", 514}}) {
        *cara = new QFrame(pPomoc);
        (*cara)->setObjectName(QString::fromLatin1(jmeno));
        (*cara)->setFrameStyle(QFrame::VLine | QFrame::Sunken);
        (*cara)->setGeometry(x, 5, 2, 60);
    }
    lbJakNaTo = Popisek(pPomoc, "lbJakNaTo", "Levým tlačítkem vyberte správné odpovědi a pravým potvrďte", 212, 4);
    lbKonecRezimu = Popisek(pPomoc, "lbKonecRezimu", "", 212, 19);
    lbNapoveda = Popisek(pPomoc, "lbNapoveda", "Pro pomoc stiskněte \"Označ správnou odpověď\"", 212, 35);
    lbUzivatel = Popisek(pPomoc, "lbUzivatel", "Aktivní profil uživatele: ", 212, 52);
    lbSkupina = Popisek(pPomoc, "lbSkupina", "Skupina:", 384, 52);
    lbCelkemOtazek = Popisek(pPomoc, "lbCelkemOtazek", "Celkem otázek:", 520, 8);
    lbZbyvaOtazek = Popisek(pPomoc, "lbZbyvaOtazek", "Zbývá:", 559, 28);
    lbUspesnost = Popisek(pPomoc, "lbUspesnost", "Úspěšnost: 0%", 539, 48);
}

void THlavniFormular::Spustit()
{
    // 1. The display view of the question bank; a failure skips the remaining steps.
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

    // 3. Settings from config.ini, or the defaults when there is none.
    if (SouborExistuje(QStringLiteral("config.ini"))) {
        Konfigurace k;
        QString chyba;
        if (!NacistKonfiguraci(QDir(m_adresarProgramu).filePath(QStringLiteral("config.ini")), k, &chyba)) {
            Dialogy::Chyba(this, chyba);
            return;
        }
        static_cast<Konfigurace &>(m_stav) = k;
        M1StavovyRadek->setChecked(m_stav.StavovyRadek);
        StavovyRadek1->setVisible(m_stav.StavovyRadek);
        if (m_stav.PostupnyVyber)
            M1PostupnyVyberClick();
        else
            M1NahodnyVyberClick();
        ZobrazitNastaveni();
    }

    // 4. The profiles as stored.
    m_stav.UlozeneProfily = m_stav.Profily;

    // 5. Hints go to the first panel of the status bar (see event()).
    // 6. Colours.
    for (QWidget *w : {static_cast<QWidget *>(this), static_cast<QWidget *>(StavovyRadek1), static_cast<QWidget *>(pPomoc),
                       static_cast<QWidget *>(pSpravne)})
        Obarvit(w, BarvaOkna);
    // 8.
    m_stav.OpravaZVysledku = false;
}

void THlavniFormular::ZobrazitNastaveni()
{
    PanelStavu[1]->setText(m_stav.AktivniProfil);
    PanelStavu[2]->setText(T("Skupina: ") + m_stav.ZvolenaSkupina);
    M1Skupina->setText(T("Zvolená skupina: ") + m_stav.ZvolenaSkupina);
    const bool nektera = std::any_of(m_stav.PovoleneKategorie.begin(), m_stav.PovoleneKategorie.end(),
                                     [](bool b) { return b; });
    M1Procvicovat->setEnabled(nektera);
    M1Zkouset->setEnabled(nektera);
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
        // ZobrazitHint: a control without a hint of its own shows the window's hint.
        const QString napoveda = static_cast<QStatusTipEvent *>(udalost)->tip();
        PanelStavu[0]->setText(napoveda.isEmpty() ? statusTip() : napoveda);
        return true;
    }
    return QMainWindow::event(udalost);
}

void THlavniFormular::M1StavovyRadekClick()
{
    m_stav.StavovyRadek = !StavovyRadek1->isVisibleTo(this);
    StavovyRadek1->setVisible(m_stav.StavovyRadek);
    M1StavovyRadek->setChecked(m_stav.StavovyRadek);
}

void THlavniFormular::M1PostupnyVyberClick()
{
    m_stav.PostupnyVyber = true;
    Zaskrtnout(M1PostupnyVyber, true);
    Zaskrtnout(M1NahodnyVyber, false);
}

void THlavniFormular::M1NahodnyVyberClick()
{
    m_stav.PostupnyVyber = false;
    Zaskrtnout(M1NahodnyVyber, true);
    Zaskrtnout(M1PostupnyVyber, false);
}

void THlavniFormular::M1UlozitNastaveniClick()
{
    QString chyba;
    if (!UlozitKonfiguraci(QDir(m_adresarProgramu).filePath(QStringLiteral("config.ini")), m_stav, &chyba)) {
        Dialogy::Chyba(this, chyba);
        return;
    }
    m_stav.UlozeneProfily = m_stav.Profily;
}

void THlavniFormular::M1ProhlizetClick() { PrepnoutRezim(QStringLiteral("Prohlizeni"), true); }

void THlavniFormular::smProcClick()
{
    if (!SouborExistuje(QStringLiteral("Vysledky.DB")))
        Dialogy::Informace(this, T("Protokol procvičování zatím nebyl vytvořen!"));
}

void THlavniFormular::smZkouClick()
{
    if (!SouborExistuje(QStringLiteral("Vysledky.DB")))
        Dialogy::Informace(this, T("Protokol zkoušení zatím nebyl vytvořen!"));
}

void THlavniFormular::M1VysledekTestuClick()
{
    if (!SouborExistuje(QStringLiteral("Protokoly.DB")))
        Dialogy::Informace(this, T("Dosud nebyly vytvořeny žádné protokoly z testu!"));
}

bool THlavniFormular::RezimBezi() const { return pOtazky->isVisibleTo(const_cast<THlavniFormular *>(this)); }

void THlavniFormular::closeEvent(QCloseEvent *udalost)
{
    if (RezimBezi()
        && !Dialogy::Otazka(this, T("Opravdu chcete vypnout program, i když spuštěný režim je stále aktivní?"))) {
        udalost->ignore();
        return;
    }
    VycistitVysledky();
    udalost->accept();
}

void THlavniFormular::VycistitVysledky()
{
    // An empty stored list would match every record; the program never stores one, and a
    // hand-edited file must not cost the user all results.
    if (m_stav.UlozeneProfily.isEmpty())
        return;
    QString filtr;
    for (int j = 0; j < m_stav.UlozeneProfily.size(); ++j) {
        filtr += QStringLiteral("Profil <> ") + LiteralFiltru(m_stav.UlozeneProfily[j]) + u' ';
        if (j + 1 < m_stav.UlozeneProfily.size())
            filtr += QStringLiteral("AND ");
    }
    for (const QString &jmeno : {QStringLiteral("Vysledky"), QStringLiteral("Protokoly")}) {
        if (!Tabulka::Existuje(jmeno))
            continue;
        try {
            Tabulka t(jmeno);
            t.Otevrit();
            t.NastavitFiltrovani(false);
            t.NastavitFiltr(filtr);
            t.NastavitFiltrovani(true);
            for (int n = t.PocetZaznamu(); n > 0; --n)
                t.SmazatAktualni();
            t.Zavrit();
        } catch (const ChybaTabulky &e) {
            Dialogy::Chyba(this, e.Text());
        }
    }
}

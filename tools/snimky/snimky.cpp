#include "snimky/snimky.h"

#include "snimky/porizeni.h"

#include "app/hlavniformular.h"
#include "app/panelotazky.h"
#include "app/panelpomoc.h"
#include "data/hodiny.h"
#include "info/Historie.h"
#include "info/napovedaHTML.h"
#include "info/oaplikaci.h"
#include "okna/dialogy.h"
#include "uceni/modulprehledu.h"
#include "uceni/pamet.h"
#include "uceni/prehled.h"

#include "historie.h"
#include "tichyoffscreen.h"

// Windows of the other parts of the program, each pictured once it is part of the build.
#if __has_include("app/setup.h")
#define SNIMKY_NASTAVENI 1
#endif
#if __has_include("practice/dotaz.h") && __has_include("practice/vyhodnoceni.h")
#define SNIMKY_BEH 1
#include "practice/vyhodnoceni.h"
#include "practice/vysledky.h"
#endif
#if defined(SNIMKY_BEH) && __has_include("practice/protokol.h") && __has_include("practice/podrobnosti.h")
#define SNIMKY_VYSLEDKY 1
#endif
#if __has_include("test/test.h")
#define SNIMKY_TEST 1
#include "test/test.h"
#endif
#if defined(SNIMKY_TEST) && __has_include("test/testtab.h") && __has_include("test/testdetail.h")
#define SNIMKY_TESTY 1
#endif

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <algorithm>

namespace Snimky {

namespace {

TPanelOtazky &Otazky(THlavniFormular &o) { return *o.findChild<TPanelOtazky *>(QStringLiteral("pOtazky")); }
TPanelPomoc &Pomoc(THlavniFormular &o) { return *o.findChild<TPanelPomoc *>(QStringLiteral("pPomoc")); }

// A practice or examination run of 20 questions standing on question n, with the counters the
// user's answers so far would have left.
void SpustitBeh(THlavniFormular &o, Rezim rezim, int n, int zbyva, int uspesnost)
{
    o.Stav().Beh().Zacit(o.Banka(), o.Stav().Nastaveni(),
                         rezim == Rezim::Zkouseni ? DruhBehu::Zkouseni : DruhBehu::Procvicovani, PoradiOtazek::PodleCisla,
                         20, 1);
    o.PrepnoutRezim(rezim, true);
    o.ZobrazitOtazku(n);
    Pomoc(o).NastavitCelkem(20);
    Pomoc(o).NastavitZbyva(zbyva);
    Pomoc(o).NastavitUspesnost(uspesnost);
}

// The right letters of the question on screen.
QString Spravne(THlavniFormular &o) { return o.Banka().SpravneOdpovedi(Otazky(o).Cislo()); }

// The marks of an evaluated answer: chosen right, chosen wrong, right but not chosen.
void Vyhodnotit(THlavniFormular &o, const QString &zvolene)
{
    const QString spravne = Spravne(o);
    bool dobre = true;
    for (int i = 0; i < 4; ++i) {
        const QChar pismeno(u'A' + i);
        const bool z = zvolene.contains(pismeno), s = spravne.contains(pismeno);
        if (z && !s)
            Otazky(o).NacistZnacku(i, Znamky::Druh::Spatne);
        else if (!z && s)
            Otazky(o).NacistZnacku(i, Znamky::Druh::Opomenuta);
        Otazky(o).UkazatZnacku(i, z || s);
        dobre = dobre && z == s;
    }
    Otazky(o).UkazatVerdikt(dobre);
}

// A wrong answer that shows all three marks where it can: the first right letter chosen, the
// first wrong one chosen too, the other right letters left out.
QString SpatnaOdpoved(const QString &spravne)
{
    QString odpoved = spravne.left(1);
    for (QChar p : {u'A', u'B', u'C'})
        if (!spravne.contains(p))
            return odpoved + p;
    return odpoved;
}

#ifdef SNIMKY_BEH
// A finished practice run of 20 questions as its record stands: the first with three wrong answers
// and a hint, the second with one wrong answer.
ZaznamVysledku DokoncenyBeh(int poradi)
{
    ZaznamVysledku z;
    z.TypTestu = Vysledky::TextTypu(DruhBehu::Procvicovani);
    z.Profil = QStringLiteral("Default");
    z.Datum = Hodiny::Ted().date();
    z.Cas = Hodiny::Ted().time();
    z.Skupina = QStringLiteral("B");
    z.Kategorie = QStringLiteral("1234567");
    z.PocetOtazek = 20;
    z.Spatne = poradi == 0 ? 3 : 1;
    z.SpatneCisla = poradi == 0 ? QStringLiteral("12, 57, 233") : QStringLiteral("58");
    z.SNapovedou = poradi == 0 ? 1 : 0;
    z.SNapovedouCisla = poradi == 0 ? QStringLiteral("140") : QString();
    const int hodnocene = z.PocetOtazek - z.SNapovedou;
    z.Uspesnost = BehOtazek::Procenta(hodnocene - z.Spatne, hodnocene);
    return z;
}
#endif

#ifdef SNIMKY_TEST
// The test window as the user fills it in: the first answer of every question ticked, the clock
// four minutes on, and evaluated when asked for.
QImage TestNaBody(THlavniFormular &o, bool vyhodnotit)
{
    return Porizeni::Modalni([&] { Porizeni::Prikaz(o, "M1Test")->trigger(); },
                             [&](QDialog &d) {
                                 for (int p = 1; p <= 25; ++p)
                                     if (auto *cb = d.findChild<QCheckBox *>(QStringLiteral("cb%1A").arg(p)))
                                         cb->click();
                                 if (auto *test = qobject_cast<TTestForm *>(&d))
                                     for (int i = 0; i < 4 * 60; ++i)
                                         test->Timer1Timer();
                                 if (vyhodnotit)
                                     Porizeni::Stisknout(d, "btnVyhodnotit");
                                 return Porizeni::Okno(d);
                             });
}
#endif

// A dialog opened from the main window.
template <typename Okno>
QImage Dialog(THlavniFormular &o)
{
    Okno okno(&o);
    return Porizeni::Okno(okno);
}

} // namespace

const QList<Snimek> &Seznam()
{
    using Porizeni::HlavniOkno;
    using Porizeni::Nabidka;
    static const QList<Snimek> seznam{
        // The main window and its menus.
        {QStringLiteral("hlavni-okno.png"), [](THlavniFormular &o) { return HlavniOkno(o); }},
        {QStringLiteral("nabidka-program.png"), [](THlavniFormular &o) { return Nabidka(o, "Program1", "M1Ukoncit"); }},
        {QStringLiteral("nabidka-konfigurace.png"),
         [](THlavniFormular &o) { return Nabidka(o, "Konfigurace1", "M1Nastaveni"); }},
        {QStringLiteral("nabidka-pamet.png"),
         [](THlavniFormular &o) {
             Porizeni::Prikaz(o, "M1VyberPodlePameti")->trigger();
             return Nabidka(o, "Konfigurace1", "M1VyberPodlePameti");
         }},
        {QStringLiteral("nabidka-start.png"), [](THlavniFormular &o) { return Nabidka(o, "Start1", "M1Prohlizet"); }},
        {QStringLiteral("nabidka-start-test.png"), [](THlavniFormular &o) { return Nabidka(o, "Start1", "M1Test"); }},
        {QStringLiteral("nabidka-vysledky.png"),
         [](THlavniFormular &o) { return Nabidka(o, "Vysledky1", "smProc", "M1Protokol"); }},
        {QStringLiteral("nabidka-informace.png"),
         [](THlavniFormular &o) { return Nabidka(o, "Informace1", "M1Napoveda"); }},

        // Browsing: a question with its note, a sign, a crossroad and a retired number.
        {QStringLiteral("prohlizeni.png"),
         [](THlavniFormular &o) {
             o.PrepnoutRezim(Rezim::Prohlizeni, true);
             return HlavniOkno(o);
         }},
        {QStringLiteral("prohlizeni-znacka.png"),
         [](THlavniFormular &o) {
             o.PrepnoutRezim(Rezim::Prohlizeni, true);
             Porizeni::Prejit(o, 621);
             return HlavniOkno(o);
         }},
        {QStringLiteral("prohlizeni-krizovatka.png"),
         [](THlavniFormular &o) {
             o.PrepnoutRezim(Rezim::Prohlizeni, true);
             Porizeni::Prejit(o, 721);
             return HlavniOkno(o);
         }},
        {QStringLiteral("prohlizeni-vyrazena.png"),
         [](THlavniFormular &o) {
             o.PrepnoutRezim(Rezim::Prohlizeni, true);
             Porizeni::Prejit(o, 181);
             return HlavniOkno(o);
         }},

        // Practice and examination: answering, the verdict and the hint.
        {QStringLiteral("procvicovani.png"),
         [](THlavniFormular &o) {
             SpustitBeh(o, Rezim::Procvicovani, 3, 15, 80);
             Otazky(o).UkazatZnacku(1, true);
             return HlavniOkno(o);
         }},
        {QStringLiteral("procvicovani-spatne.png"),
         [](THlavniFormular &o) {
             SpustitBeh(o, Rezim::Procvicovani, 3, 15, 67);
             Vyhodnotit(o, SpatnaOdpoved(Spravne(o)));
             return HlavniOkno(o);
         }},
        {QStringLiteral("procvicovani-napoveda.png"),
         [](THlavniFormular &o) {
             SpustitBeh(o, Rezim::Procvicovani, 3, 15, 80);
             Otazky(o).UkazatSpravne(Spravne(o));
             return HlavniOkno(o);
         }},
        {QStringLiteral("zkouseni.png"),
         [](THlavniFormular &o) {
             SpustitBeh(o, Rezim::Zkouseni, 622, 8, 91);
             Vyhodnotit(o, Spravne(o));
             return HlavniOkno(o);
         }},

#ifdef SNIMKY_NASTAVENI
        {QStringLiteral("nastaveni.png"),
         [](THlavniFormular &o) { return Porizeni::Modalni([&] { Porizeni::Prikaz(o, "M1Nastaveni")->trigger(); }); }},
#endif
#ifdef SNIMKY_BEH
        {QStringLiteral("dotaz.png"),
         [](THlavniFormular &o) { return Porizeni::Modalni([&] { Porizeni::Prikaz(o, "M1Procvicovat")->trigger(); }); }},
        {QStringLiteral("dotaz-pamet.png"),
         [](THlavniFormular &o) {
             Porizeni::Prikaz(o, "M1VyberPodlePameti")->trigger();
             return Porizeni::Modalni([&] { Porizeni::Prikaz(o, "M1Procvicovat")->trigger(); });
         }},
        {QStringLiteral("vyhodnoceni.png"),
         [](THlavniFormular &o) {
             TResult okno(DokoncenyBeh(0), DruhBehu::Procvicovani, TResult::Protokol::Zapsan, &o);
             return Porizeni::Okno(okno);
         }},
#endif
#ifdef SNIMKY_VYSLEDKY
        {QStringLiteral("vysledky-seznam.png"),
         [](THlavniFormular &o) {
             for (int poradi : {0, 1})
                 Vysledky::Zapsat(DokoncenyBeh(poradi));
             return Porizeni::Modalni([&] { Porizeni::Prikaz(o, "smProc")->trigger(); });
         }},
        {QStringLiteral("vysledky-podrobnosti.png"),
         [](THlavniFormular &o) {
             Vysledky::Zapsat(DokoncenyBeh(0));
             return Porizeni::Modalni([&] { Porizeni::Prikaz(o, "smProc")->trigger(); }, [](QDialog &seznam) {
                 return Porizeni::Modalni([&] { Porizeni::Stisknout(seznam, "btnPodrobnosti"); });
             });
         }},
#endif
#ifdef SNIMKY_TEST
        {QStringLiteral("test.png"), [](THlavniFormular &o) { return TestNaBody(o, false); }},
        {QStringLiteral("test-vyhodnoceni.png"), [](THlavniFormular &o) { return TestNaBody(o, true); }},
#endif
#ifdef SNIMKY_TESTY
        {QStringLiteral("testy-seznam.png"),
         [](THlavniFormular &o) {
             o.Stav().Nastaveni().VytvaretProtokol[2] = true;
             TestNaBody(o, true);
             return Porizeni::Modalni([&] { Porizeni::Prikaz(o, "M1VysledekTestu")->trigger(); });
         }},
        {QStringLiteral("protokol-testu.png"),
         [](THlavniFormular &o) {
             o.Stav().Nastaveni().VytvaretProtokol[2] = true;
             TestNaBody(o, true);
             return Porizeni::Modalni([&] { Porizeni::Prikaz(o, "M1VysledekTestu")->trigger(); }, [](QDialog &seznam) {
                 return Porizeni::Modalni([&] { Porizeni::Stisknout(seznam, "btnDetail"); });
             });
         }},
#endif

        // The knowledge overview of a learner with a month of answers behind them.
        {QStringLiteral("prehled.png"),
         [](THlavniFormular &o) {
             PametProfilu pamet(o.Stav().AktivniProfil());
             Pomocnik::Zak zak;
             zak.dovednost = {0.85, 0.9, 0.75, 0.95, 0.8, 0.55, 0.7};
             for (const Odpovedi::Odpoved &odpoved : Pomocnik::Historie(24, 420, Hodiny::Ted().date(), 30, zak))
                 pamet.Pridat(odpoved);
             ModulPrehledu::PouzitTovarnu([](const PrehledZnalosti::UdajePrehledu &udaje,
                                             PrehledZnalosti::ObsluhaPrehledu &obsluha, QWidget *rodic) -> QDialog * {
                 return new TPrehled(udaje, obsluha, rodic);
             });
             return Porizeni::Modalni([&] { ModulPrehledu::Otevrit(o.Banka(), o.Stav().Nastaveni(), pamet, &o); },
                                      [](QDialog &okno) {
                                          okno.resize(1100, 860);
                                          return Porizeni::Okno(okno);
                                      });
         }},

        // The information windows.
        {QStringLiteral("o-programu.png"), [](THlavniFormular &o) { return Dialog<TAbout>(o); }},
        {QStringLiteral("historie.png"), [](THlavniFormular &o) { return Dialog<TOpravyAktualizace>(o); }},
        // Last, so that the pictures on the start page it shows are already written.
        {QStringLiteral("napoveda.png"),
         [](THlavniFormular &o) {
             THelpForm okno(&o);
             return Porizeni::Okno(okno);
         }},
    };
    return seznam;
}

int SirkaNapovedy()
{
    constexpr int OkrajStranky = 8; // body { margin } of styl.css
    THelpForm okno;
    okno.show();
    QApplication::processEvents();
    const auto *prohlizec = okno.findChild<QTextBrowser *>();
    const QScrollBar *posuvnik = prohlizec->verticalScrollBar();
    const int bezPosuvniku = posuvnik->isVisible() ? 0 : prohlizec->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return prohlizec->viewport()->width() - bezPosuvniku
           - 2 * (static_cast<int>(prohlizec->document()->documentMargin()) + OkrajStranky);
}

QStringList Jmena()
{
    QStringList jmena;
    for (const Snimek &s : Seznam())
        jmena.append(s.soubor);
    return jmena;
}

QStringList Zapsat(const QString &adresarProgramu, const QString &cil)
{
    QStringList chyby;
    QTemporaryDir kopie;
    if (!kopie.isValid())
        return {QStringLiteral("no temporary directory: ") + kopie.errorString()};
    // The program's read-only files, linked into a directory of its own.
    const QDir zdroj(adresarProgramu);
    for (const QString &jmeno : {QStringLiteral("otazky.DB"), QStringLiteral("otazky.MB"), QStringLiteral("grafika"),
                                 QStringLiteral("obrazky"), QStringLiteral("Help")}) {
        if (zdroj.exists(jmeno) && !QFile::link(zdroj.absoluteFilePath(jmeno), QDir(kopie.path()).filePath(jmeno)))
            chyby.append(QStringLiteral("cannot link %1").arg(jmeno));
    }
    if (!QDir().mkpath(cil))
        chyby.append(QStringLiteral("cannot create %1").arg(cil));
    if (!chyby.isEmpty())
        return chyby;

    const QString puvodni = QDir::currentPath();
    QDir::setCurrent(kopie.path());
    const TTichyOffscreen ticho;
    Dialogy::Test::Zapnout();
    // What the points test tells every user; any other message is a problem of the picture.
    const int sirka = SirkaNapovedy();
    const QStringList ocekavane{QStringLiteral("Po stisknutí tlačítka OK začne plynout doba 30 minut"),
                                QStringLiteral("Test byl úspěšně vyřešen!"), QStringLiteral("Test nebyl úspěšně vyřešen!")};
    for (const Snimek &s : Seznam()) {
        // Every picture starts from a new user's program: no settings, no results.
        for (const QString &soubor :
             {QStringLiteral("config.ini"), QStringLiteral("Vysledky.DB"), QStringLiteral("Vysledky.MB"),
              QStringLiteral("Protokoly.DB"), QStringLiteral("Protokoly.MB"), QStringLiteral("Odpovedi.DB"),
              QStringLiteral("Odpovedi.MB"), QStringLiteral("TerminyZkousek.DB"), QStringLiteral("TerminyZkousek.MB")})
            QFile::remove(soubor);
        THlavniFormular okno;
        QImage obrazek = s.porid(okno);
        if (obrazek.width() > sirka)
            obrazek = obrazek.scaledToWidth(sirka, Qt::SmoothTransformation);
        for (const Dialogy::Zobrazeni &z : Dialogy::Test::Zobrazene()) {
            if (std::none_of(ocekavane.begin(), ocekavane.end(), [&](const QString &o) { return z.text.startsWith(o); }))
                chyby.append(QStringLiteral("%1: the program said: %2").arg(s.soubor, z.text));
        }
        if (obrazek.isNull() || !obrazek.save(QDir(cil).filePath(s.soubor), "PNG"))
            chyby.append(QStringLiteral("%1: not written").arg(s.soubor));
    }
    QDir::setCurrent(puvodni);
    return chyby;
}

} // namespace Snimky

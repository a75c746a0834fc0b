// Practice and examination runs through the main window: the set-up dialog, answering with the
// mouse and the keyboard, the hint, the evaluation dialog with its record in Vysledky and the retry.
#include "pomocnik.h"

#include "app/dialogy.h"
#include "app/hlavniformular.h"
#include "app/panelotazky.h"
#include "practice/dotaz.h"
#include "practice/rizenibehu.h"
#include "practice/vyhodnoceni.h"
#include "practice/vysledky.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Runs f on the modal dialog as soon as it is shown.
template <typename F>
void PriDialogu(F f)
{
    QTimer::singleShot(0, qApp, [f] {
        QWidget *d = QApplication::activeModalWidget();
        if (!d)
            qFatal("no modal dialog was shown");
        f(d);
    });
}

void Kliknout(QWidget *okno, const char *jmeno) { QTest::mouseClick(Pomocnik::Prvek<QWidget>(okno, jmeno), Qt::LeftButton); }

QString Text(QWidget *okno, const char *jmeno) { return Pomocnik::Prvek<QLabel>(okno, jmeno)->text(); }

struct Radek {
    QString typ, kategorie, spatne, napovedy;
    int pocet, pocetSpatnych, pocetNapoved, uspesnost;
};

QList<Radek> Ulozene()
{
    QList<Radek> z;
    if (!Tabulka::Existuje(Vysledky::JmenoTabulky))
        return z;
    Tabulka t(Vysledky::JmenoTabulky);
    t.Otevrit(true);
    for (int i = 0; i < t.PocetZaznamu(); ++i) {
        t.PrejitNa(i);
        z.append({t.Text(Vysledky::TypTestu), t.Text(Vysledky::Kategorie), t.Text(Vysledky::SpatneCisla),
                  t.Text(Vysledky::SNapovedouCisla), t.Cislo(Vysledky::PocetOtazek), t.Cislo(Vysledky::Spatne),
                  t.Cislo(Vysledky::SNapovedou), t.Cislo(Vysledky::Uspesnost)});
    }
    return z;
}

} // namespace

class TestProcvicovani : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<THlavniFormular> m_okno;

    THlavniFormular &O() { return *m_okno; }
    StavProgramu &S() { return m_okno->Stav(); }
    template <typename T = QWidget>
    T *W(const char *jmeno) { return Pomocnik::Prvek<T>(m_okno.get(), jmeno); }
    QAction *A(const char *jmeno) { return Pomocnik::Prvek<QAction>(m_okno.get(), jmeno); }
    TRizeniBehu *Rizeni() { return Pomocnik::Prvek<TRizeniBehu>(m_okno.get(), "RizeniBehu"); }
    bool Znacka(int i) { return O().PanelOtazky().ZnackaViditelna(i); }
    void Pravym() { QTest::mouseClick(W("pOtazky"), Qt::RightButton); }
    void Vyber(const char *jmeno) { Kliknout(m_okno.get(), jmeno); }

    // Starts a run from the menu with the count set in the set-up dialog.
    void Spustit(const char *polozka, int pocet, int zacatek = 1)
    {
        PriDialogu([pocet, zacatek](QWidget *d) {
            Pomocnik::Prvek<QScrollBar>(d, "sbOtazka")->setValue(zacatek);
            Pomocnik::Prvek<QScrollBar>(d, "sbPocet")->setValue(pocet);
            Kliknout(d, "btnPotvrdit");
        });
        A(polozka)->trigger();
    }

    // Judges the answer and lets the verdict's 1.5 s pass.
    QString Potvrdit()
    {
        Pravym();
        const QString verdikt = Text(m_okno.get(), "lbSpravne");
        if (!O().PanelOtazky().VerdiktViditelny())
            return {};
        Pravym(); // ignored while the verdict shows
        Rizeni()->Timer1Timer();
        return verdikt;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(m_dir->path());
        Dialogy::Test::Zapnout();
        QList<Banka::OtazkaZdroje> otazky;
        for (int n : {1, 2, 3, 5, 476})
            otazky << Pomocnik::Otazka(n);
        otazky[0].spravne = QStringLiteral("AC");
        otazky[1].spravne = QStringLiteral("B");
        otazky[3].skupina = QStringLiteral("CD");
        QCOMPARE(Pomocnik::ZapsatBanku(otazky, m_dir->path()), QString());
        m_okno = std::make_unique<THlavniFormular>();
        m_okno->show();
        S().PovoleneKategorie = {true, false, false, false, false, false, false}; // 1, 2, 3 for group B
        S().VytvaretProtokol = {true, true, false};
    }

    void cleanup() { m_okno.reset(); }

    void dotazPocitaAVazePosuvniky()
    {
        StavProgramu s;
        TDotazPZ d(s, false, 25);
        QCOMPARE(d.windowTitle(), QStringLiteral("Dotaz programu Semaforix"));
        QCOMPARE(Text(&d, "lbNadpis"), QStringLiteral("Procvičování otázek"));
        QCOMPARE(Pomocnik::Prvek<QPushButton>(&d, "btnPotvrdit")->text(), QStringLiteral("Start Procvičování"));
        auto *pocet = Pomocnik::Prvek<QScrollBar>(&d, "sbPocet");
        auto *otazka = Pomocnik::Prvek<QScrollBar>(&d, "sbOtazka");
        QCOMPARE(std::make_tuple(pocet->minimum(), pocet->maximum(), pocet->value()), std::make_tuple(1, 25, 20));
        QCOMPARE(std::make_tuple(otazka->minimum(), otazka->maximum(), otazka->value()), std::make_tuple(1, 25, 1));
        QCOMPARE(Text(&d, "lbPocet"), QStringLiteral("Počet otázek: 20"));
        QCOMPARE(Text(&d, "lbOtazka"), QStringLiteral("Začít otázkou: 1*"));
        QCOMPARE(Text(&d, "stHvezda"), QStringLiteral("Myslí se relativně vzhledem k možnosti výběru okruhu otázek"));
        QVERIFY(otazka->isEnabled() && Pomocnik::Prvek<QLabel>(&d, "lbHvezda")->isEnabled());

        otazka->setValue(10); // 20 + 10 > 26: the count gives way
        QCOMPARE(pocet->value(), 16);
        QCOMPARE(Text(&d, "lbPocet"), QStringLiteral("Počet otázek: 16"));
        QCOMPARE(Text(&d, "lbOtazka"), QStringLiteral("Začít otázkou: 10*"));
        pocet->setValue(20); // and the start gives way to the count
        QCOMPARE(otazka->value(), 6);
        otazka->setValue(2); // nothing to adjust
        QCOMPARE(pocet->value(), 20);

        // No cancel: Escape closes with the positions shown.
        QTest::keyClick(&d, Qt::Key_Escape);
        QCOMPARE(std::make_pair(s.Zbyva, s.ZacitOtazkou), std::make_pair(20, 2));

        StavProgramu z;
        z.PostupnyVyber = false;
        TDotazPZ nahodne(z, true, 5);
        QCOMPARE(Text(&nahodne, "lbNadpis"), QStringLiteral("Zkoušení otázek"));
        QCOMPARE(Pomocnik::Prvek<QPushButton>(&nahodne, "btnPotvrdit")->text(), QStringLiteral("Start Zkoušení"));
        QCOMPARE(Pomocnik::Prvek<QScrollBar>(&nahodne, "sbPocet")->value(), 5);
        for (const char *jmeno : {"sbOtazka", "lbOtazka", "lbHvezda", "stHvezda"})
            QVERIFY2(!Pomocnik::Prvek<QWidget>(&nahodne, jmeno)->isEnabled(), jmeno);
        QVERIFY(Pomocnik::Prvek<QWidget>(&nahodne, "sbPocet")->isEnabled());
        nahodne.show();
        nahodne.close();
        QCOMPARE(std::make_pair(z.Zbyva, z.ZacitOtazkou), std::make_pair(5, 1));
    }

    void vyhodnoceniProcvicovani()
    {
        S().CelkemOtazek = 20;
        S().SpatneOtazky = {3, 7, 15};
        S().PocetSpatnych = 3;
        S().OtazkySNapovedou = {9};
        S().PocetNapoved = 1;
        S().UspesnostBehu = 84;
        S().PovoleneKategorie = {false, true, false, false, false, true, false};
        TResult r(S(), false, m_okno.get());
        QCOMPARE(r.windowTitle(), QStringLiteral("Vyhodnocení programu Semaforix"));
        QCOMPARE(Text(&r, "lbTyp"), QStringLiteral("Vyhodnocení procvičování"));
        QCOMPARE(Text(&r, "lbUzivatel"), QStringLiteral("Uživatel: Default"));
        QCOMPARE(Text(&r, "lbSkupina"), QStringLiteral("Skupina: B"));
        QCOMPARE(Text(&r, "lbPocet"), QStringLiteral("Počet otázek: 20"));
        QCOMPARE(Text(&r, "lbSpravne"), QStringLiteral("Správných odpovědí: 16"));
        QCOMPARE(Text(&r, "lbSpatne"), QStringLiteral("Špatných odpovědí: 3"));
        QCOMPARE(Text(&r, "lbSNapovedou"), QStringLiteral("Použití nápovědy: 1"));
        QCOMPARE(Text(&r, "lbUspesnost"), QStringLiteral("Úspěšnost: 84%"));
        QCOMPARE(Text(&r, "lbSoubor"), QStringLiteral("Byl vytvořen protokol - přístupen je z menu Výsledky -> Protokol z..."));
        QVERIFY(Pomocnik::Prvek<QLabel>(&r, "lbSNapovedou")->isVisibleTo(&r));
        QVERIFY(qAbs(Pomocnik::Prvek<QWidget>(&r, "lbTyp")->geometry().center().x() - r.width() / 2) <= 1);
        QVERIFY(Pomocnik::Prvek<QWidget>(&r, "btnOK")->x() < Pomocnik::Prvek<QWidget>(&r, "btnPrezkouset")->x());
        QVERIFY(Pomocnik::Prvek<QWidget>(&r, "Bevel1")->y() < Pomocnik::Prvek<QWidget>(&r, "lbPocet")->y());
        QVERIFY(Pomocnik::Prvek<QWidget>(&r, "Bevel2")->y() < Pomocnik::Prvek<QWidget>(&r, "lbUspesnost")->y());
        QVERIFY(QFontInfo(Pomocnik::Prvek<QLabel>(&r, "lbPocet")->font()).fixedPitch());

        const QList<Radek> z = Ulozene();
        QCOMPARE(z.size(), 1);
        QCOMPARE(z[0].typ, QStringLiteral("Procvičování"));
        QCOMPARE(z[0].kategorie, QStringLiteral("26"));
        QCOMPARE(z[0].spatne, QStringLiteral("3, 7, 15"));
        QCOMPARE(z[0].napovedy, QStringLiteral("9"));
        QCOMPARE(std::make_tuple(z[0].pocet, z[0].pocetSpatnych, z[0].pocetNapoved, z[0].uspesnost), std::make_tuple(20, 3, 1, 84));

        auto *prezkouset = Pomocnik::Prvek<QPushButton>(&r, "btnPrezkouset");
        QCOMPARE(prezkouset->text(), QStringLiteral("Procvičit &špatné odpovědi"));
        QVERIFY(prezkouset->isEnabled());
        prezkouset->click();
        QCOMPARE(r.result(), TResult::Opakovat);
        QCOMPARE(S().SeznamOtazek, (QList<int>{3, 7, 15, 9}));
        QCOMPARE(std::make_pair(S().CelkemOtazek, S().Zbyva), std::make_pair(4, 4));
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());
    }

    void vyhodnoceniZkouseni()
    {
        S().CelkemOtazek = 5;
        S().SpatneOtazky = {2};
        S().PocetSpatnych = 1;
        S().UspesnostBehu = 80;
        S().VytvaretProtokol = {true, false, false};
        TResult r(S(), true, m_okno.get());
        QCOMPARE(Text(&r, "lbTyp"), QStringLiteral("Vyhodnocení zkoušení"));
        QVERIFY(!Pomocnik::Prvek<QLabel>(&r, "lbSNapovedou")->isVisibleTo(&r));
        QCOMPARE(Pomocnik::Prvek<QWidget>(&r, "lbPocet")->y(), 98);
        QCOMPARE(Pomocnik::Prvek<QWidget>(&r, "lbSpravne")->y(), 119);
        QCOMPARE(Pomocnik::Prvek<QWidget>(&r, "lbSpatne")->y(), 141);
        QCOMPARE(Text(&r, "lbSpravne"), QStringLiteral("Správných odpovědí: 4"));
        QCOMPARE(Pomocnik::Prvek<QPushButton>(&r, "btnPrezkouset")->text(), QStringLiteral("Přezkoušet ze &špatných odpovědí"));
        QCOMPARE(Text(&r, "lbSoubor"), QStringLiteral("Nebyl vytvořen protokol - chcete-li ho vytvářet změňte nastavení"));
        QVERIFY(!Tabulka::Existuje(Vysledky::JmenoTabulky));

        // Nothing wrong and nothing hinted: nothing to retry.
        StavProgramu cisty = S();
        cisty.SpatneOtazky.clear();
        cisty.PocetSpatnych = 0;
        TResult bez(cisty, true, m_okno.get());
        QVERIFY(!Pomocnik::Prvek<QWidget>(&bez, "btnPrezkouset")->isEnabled());
    }

    void vyhodnoceniOpravy()
    {
        // A replay of a stored result: the record is asked for first; No writes nothing.
        S().CelkemOtazek = 2;
        S().OpakovatSeznam = S().OpravaZVysledku = true;
        S().PuvodniSkupina = QStringLiteral("A1");
        S().ZvolenaSkupina = QStringLiteral("C");
        S().KategorieOpravy = QStringLiteral("34");
        Dialogy::Test::Odpovedet(false);
        {
            TResult r(S(), false, m_okno.get());
            auto zpravy = Dialogy::Test::Zobrazene();
            QCOMPARE(zpravy.size(), 1);
            QCOMPARE(zpravy[0].druh, Dialogy::Druh::Otazka);
            QCOMPARE(zpravy[0].text, QStringLiteral("Chcete vytvořit protokol i z této opravy?"));
            QCOMPARE(Text(&r, "lbSoubor"), QStringLiteral("Protokol z opravy procvičování nebyl vytvořen"));
            QCOMPARE(Text(&r, "lbSkupina"), QStringLiteral("Skupina: C"));
            QVERIFY(!Tabulka::Existuje(Vysledky::JmenoTabulky));
            r.show();
            r.close(); // the close button too gives the own group back
            QCOMPARE(S().ZvolenaSkupina, QStringLiteral("A1"));
            QVERIFY(!S().OpravaZVysledku);
        }
        S().OpravaZVysledku = true;
        S().ZvolenaSkupina = QStringLiteral("C");
        Dialogy::Test::Odpovedet(false);
        {
            TResult r(S(), true, m_okno.get());
            QCOMPARE(Text(&r, "lbSoubor"), QStringLiteral("Protokol z opravy zkoušení nebyl vytvořen"));
            Kliknout(&r, "btnOK");
            QCOMPARE(S().ZvolenaSkupina, QStringLiteral("A1"));
        }
        S().OpravaZVysledku = true;
        S().ZvolenaSkupina = QStringLiteral("C");
        Dialogy::Test::Odpovedet(true);
        {
            TResult r(S(), false, m_okno.get());
            QCOMPARE(Ulozene().size(), 1);
            QCOMPARE(Ulozene()[0].kategorie, QStringLiteral("34")); // the stored result's categories
        }
    }

    void vysledkyNelzeZapsat()
    {
        QFile f(QStringLiteral("Vysledky.DB"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("nejde o tabulku");
        f.close();
        S().CelkemOtazek = 1;
        TResult r(S(), false, m_okno.get());
        const auto zpravy = Dialogy::Test::Zobrazene();
        QCOMPARE(zpravy.size(), 1);
        QCOMPARE(zpravy[0].druh, Dialogy::Druh::Chyba);
        QVERIFY2(zpravy[0].text.startsWith(QStringLiteral("Tabulka Vysledky")), qPrintable(zpravy[0].text));
        QCOMPARE(Text(&r, "lbSoubor"), QStringLiteral("Protokol nebyl vytvořen - výsledek nelze zapsat do souboru výsledků"));
        QFile znovu(QStringLiteral("Vysledky.DB"));
        QVERIFY(znovu.open(QIODevice::ReadOnly));
        QCOMPARE(znovu.readAll(), QByteArray("nejde o tabulku"));
    }

    void procvicovaniAOpakovani()
    {
        Spustit("M1Procvicovat", 3);
        QCOMPARE(S().AktivniRezim, Rezim::Procvicovani);
        QVERIFY(A("M2OznacSpravne")->isVisible());
        QCOMPARE(Text(m_okno.get(), "lbCelkemOtazek"), QStringLiteral("Celkem otázek: 3"));
        QCOMPARE(Text(m_okno.get(), "lbZbyvaOtazek"), QStringLiteral("Zbývá: 3"));
        QCOMPARE(S().AktualniOtazka, 1);

        // Question 1, right letters A and C: nothing selected cannot be confirmed.
        Pravym();
        QVERIFY(!O().PanelOtazky().VerdiktViditelny() && S().CekaNaOdpoved);
        Vyber("lbA");
        Vyber("stC");
        Vyber("stB");
        Vyber("lbB"); // clicked again: deselected
        QVERIFY(Znacka(0) && !Znacka(1) && Znacka(2) && !Znacka(3));
        QCOMPARE(Potvrdit(), QStringLiteral("Správně"));
        QCOMPARE(Pomocnik::Prvek<QLabel>(m_okno.get(), "lbSpravne")->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QCOMPARE(Text(m_okno.get(), "lbUspesnost"), QStringLiteral("Úspěšnost: 100%"));
        Vyber("lbD"); // judged: answers no longer toggle
        QVERIFY(!Znacka(3));

        // Question 2, right letter B, answered A.
        Pravym();
        QCOMPARE(S().AktualniOtazka, 2);
        QCOMPARE(Text(m_okno.get(), "lbZbyvaOtazek"), QStringLiteral("Zbývá: 2"));
        QVERIFY(!Znacka(0) && !Znacka(1) && !Znacka(2) && !Znacka(3));
        Vyber("stA");
        QCOMPARE(Potvrdit(), QStringLiteral("Špatně"));
        QCOMPARE(Pomocnik::Prvek<QLabel>(m_okno.get(), "lbSpravne")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(Znacka(0) && Znacka(1)); // the wrong choice and the ignored right answer
        QCOMPARE(Text(m_okno.get(), "lbUspesnost"), QStringLiteral("Úspěšnost: 50%"));

        // Question 3: the hint replaces the selection with the right answer.
        Pravym();
        QCOMPARE(S().AktualniOtazka, 3);
        Vyber("lbB");
        A("M2OznacSpravne")->trigger();
        QVERIFY(Znacka(0) && !Znacka(1));
        A("M2OznacSpravne")->trigger(); // once only
        QCOMPARE(S().PocetNapoved, 1);
        Vyber("stC"); // hinted: answers no longer toggle
        QVERIFY(!Znacka(2));
        QTest::mouseClick(W("pOtazky"), Qt::MiddleButton); // only the right button moves on
        QCOMPARE(S().AktualniOtazka, 3);
        QVERIFY(!O().PanelOtazky().VerdiktViditelny());
        QCOMPARE(Text(m_okno.get(), "lbUspesnost"), QStringLiteral("Úspěšnost: 50%"));

        // The evaluation: 1 right, 1 wrong, 1 hint; then the retry of 2 and 3.
        PriDialogu([](QWidget *d) {
            QCOMPARE(Text(d, "lbSpravne"), QStringLiteral("Správných odpovědí: 1"));
            QCOMPARE(Text(d, "lbSpatne"), QStringLiteral("Špatných odpovědí: 1"));
            QCOMPARE(Text(d, "lbSNapovedou"), QStringLiteral("Použití nápovědy: 1"));
            QCOMPARE(Text(d, "lbUspesnost"), QStringLiteral("Úspěšnost: 50%"));
            Kliknout(d, "btnPrezkouset");
        });
        Pravym();
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(Ulozene().size(), 1);
        const Radek z = Ulozene()[0];
        QCOMPARE(std::make_tuple(z.typ, z.kategorie, z.spatne, z.napovedy), std::make_tuple(QStringLiteral("Procvičování"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")));
        QCOMPARE(std::make_tuple(z.pocet, z.pocetSpatnych, z.pocetNapoved, z.uspesnost), std::make_tuple(3, 1, 1, 50));

        QCOMPARE(S().AktivniRezim, Rezim::Procvicovani);
        QCOMPARE(S().AktualniOtazka, 2);
        QCOMPARE(Text(m_okno.get(), "lbCelkemOtazek"), QStringLiteral("Celkem otázek: 2"));
        QCOMPARE(Text(m_okno.get(), "lbZbyvaOtazek"), QStringLiteral("Zbývá: 2"));
        QCOMPARE(Text(m_okno.get(), "lbUspesnost"), QStringLiteral("Úspěšnost: 0%"));
        Vyber("lbB");
        QCOMPARE(Potvrdit(), QStringLiteral("Správně"));
        Pravym();
        QCOMPARE(S().AktualniOtazka, 3);
        Vyber("lbA");
        QCOMPARE(Potvrdit(), QStringLiteral("Správně"));

        // The retry's evaluation asks about a record of it; OK ends the mode.
        Dialogy::Test::Odpovedet(true);
        PriDialogu([](QWidget *d) {
            QCOMPARE(Text(d, "lbPocet"), QStringLiteral("Počet otázek: 2"));
            QVERIFY(!Pomocnik::Prvek<QWidget>(d, "btnPrezkouset")->isEnabled());
            Kliknout(d, "btnOK");
        });
        Pravym();
        QCOMPARE(Dialogy::Test::Zobrazene().size(), 1);
        QCOMPARE(Ulozene().size(), 2);
        QCOMPARE(Ulozene()[1].pocet, 2);
        QCOMPARE(Ulozene()[1].uspesnost, 100);
        QCOMPARE(S().AktivniRezim, Rezim::Zadny);
        QVERIFY(!W("pOtazky")->isVisibleTo(m_okno.get()));
        QVERIFY(S().SeznamOtazek.isEmpty());
    }

    void zkouseniNahodneKlavesnici()
    {
        A("M1NahodnyVyber")->trigger();
        S().PovoleneKategorie = {true, false, true, false, false, false, false}; // 1, 2, 3, 476
        Spustit("M1Zkouset", 4);
        QCOMPARE(S().AktivniRezim, Rezim::Zkouseni);
        QVERIFY(!A("M2OznacSpravne")->isVisible());
        A("M2OznacSpravne")->trigger(); // no hint in an examination, whatever reaches the item
        QCOMPARE(S().PocetNapoved, 0);
        QList<int> videne;
        for (int i = 0; i < 4; ++i) {
            videne << S().AktualniOtazka;
            const QString spravne = S().SpravnePismena;
            // Letters select and deselect; digits select too; Enter confirms.
            QTest::keyClick(m_okno.get(), Qt::Key_D);
            QKeyEvent drzena(QEvent::KeyPress, Qt::Key_D, Qt::NoModifier, QStringLiteral("d"), true);
            QApplication::sendEvent(m_okno.get(), &drzena); // a key held down does not toggle again
            QVERIFY(Znacka(3));
            QTest::keyClick(m_okno.get(), Qt::Key_D);
            for (QChar c : spravne)
                QTest::keyClick(m_okno.get(), static_cast<Qt::Key>(Qt::Key_1 + (c.unicode() - u'A')));
            QTest::keyClick(m_okno.get(), i == 3 ? Qt::Key_Space : Qt::Key_Return);
            QCOMPARE(Text(m_okno.get(), "lbSpravne"), QStringLiteral("Správně"));
            Rizeni()->Timer1Timer();
            if (i < 3)
                QTest::keyClick(m_okno.get(), Qt::Key_Enter);
        }
        std::sort(videne.begin(), videne.end());
        QCOMPARE(videne, (QList<int>{1, 2, 3, 476}));
        PriDialogu([](QWidget *d) {
            QCOMPARE(Text(d, "lbTyp"), QStringLiteral("Vyhodnocení zkoušení"));
            d->close();
        });
        QTest::keyClick(m_okno.get(), Qt::Key_Return);
        QCOMPARE(S().AktivniRezim, Rezim::Zadny);
        const QList<Radek> z = Ulozene();
        QCOMPARE(z.size(), 1);
        QCOMPARE(std::make_tuple(z[0].typ, z[0].kategorie, z[0].pocet, z[0].uspesnost, z[0].pocetNapoved),
                 std::make_tuple(QStringLiteral("Zkoušení"), QStringLiteral("13"), 4, 100, 0));
    }

    void konecRezimuNicNezapise()
    {
        Spustit("M1Procvicovat", 2, 2);
        QCOMPARE(S().AktualniOtazka, 2);
        Vyber("lbA");
        QCOMPARE(Potvrdit(), QStringLiteral("Špatně"));
        Dialogy::Test::Odpovedet(true);
        A("M2KonecRezimu")->trigger();
        QCOMPARE(S().AktivniRezim, Rezim::Zadny);
        QVERIFY(!Tabulka::Existuje(Vysledky::JmenoTabulky));
        QTest::keyClick(m_okno.get(), Qt::Key_A); // keys do nothing outside a run
        QVERIFY(!Znacka(0));
    }

    void opravaZVysledkuPrehrajeSeznam()
    {
        // As the results list starts a replay of a stored result under that result's group.
        S().SeznamOtazek = {3, 1};
        S().CelkemOtazek = S().Zbyva = 2;
        S().OpravaZVysledku = true;
        S().PuvodniSkupina = S().ZvolenaSkupina;
        S().ZvolenaSkupina = QStringLiteral("C");
        S().KategorieOpravy = QStringLiteral("17");
        O().PrepnoutRezim(Rezim::Procvicovani, true);
        QCOMPARE(S().AktualniOtazka, 3);
        QVERIFY(S().OpakovatSeznam);
        Vyber("lbB");
        QCOMPARE(Potvrdit(), QStringLiteral("Špatně"));
        Pravym();
        QCOMPARE(S().AktualniOtazka, 1);
        Vyber("lbA");
        Vyber("lbC");
        QCOMPARE(Potvrdit(), QStringLiteral("Správně"));
        Dialogy::Test::Odpovedet(true);
        PriDialogu([](QWidget *d) {
            QCOMPARE(Text(d, "lbSkupina"), QStringLiteral("Skupina: C"));
            Kliknout(d, "btnOK");
        });
        Pravym();
        const auto zpravy = Dialogy::Test::Zobrazene();
        QCOMPARE(zpravy.size(), 1);
        QCOMPARE(zpravy[0].text, QStringLiteral("Chcete vytvořit protokol i z této opravy?"));
        const QList<Radek> z = Ulozene();
        QCOMPARE(z.size(), 1);
        QCOMPARE(std::make_tuple(z[0].kategorie, z[0].spatne, z[0].pocet, z[0].uspesnost),
                 std::make_tuple(QStringLiteral("17"), QStringLiteral("3"), 2, 50));
        QCOMPARE(S().ZvolenaSkupina, QStringLiteral("B"));
        QVERIFY(!S().OpravaZVysledku);
        QCOMPARE(S().AktivniRezim, Rezim::Zadny);
    }

    void zadnaOtazkaNevyhovuje()
    {
        S().PovoleneKategorie = {false, true, false, false, false, false, false}; // no question of category 2
        A("M1Procvicovat")->trigger();
        const auto zpravy = Dialogy::Test::Zobrazene();
        QCOMPARE(zpravy.size(), 1);
        QCOMPARE(zpravy[0].druh, Dialogy::Druh::Informace);
        QVERIFY(zpravy[0].text.contains(QStringLiteral("žádná otázka")));
        QCOMPARE(S().AktivniRezim, Rezim::Zadny);
    }
};

QTEST_MAIN(TestProcvicovani)
#include "tst_procvicovani.moc"

// Practice and examination runs through the main window: the set-up dialog, answering with the
// mouse and the keyboard, the hint, the note after a mistake, the evaluation dialog with the record in Vysledky and the retry.
// The replay of a stored result is tst_opravazvysledku's.
#include "odpovidani.h"
#include "popisky.h"
#include "zaznamy.h"

#include "app/rizenibehu.h"
#include "practice/dotaz.h"
#include "practice/vyhodnoceni.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using Pomocnik::Kliknout;
using Pomocnik::PriDialogu;
using Pomocnik::Prvek;
using Pomocnik::Text;

class TestProcvicovani : public QObject {
    Q_OBJECT

    std::unique_ptr<Pomocnik::Program> m_program;

    THlavniFormular &O() { return *m_program->okno; }
    Konfigurace &S() { return O().Stav().Nastaveni(); }
    const BehOtazek &Beh() { return O().Stav().Beh(); }
    template <typename T = QWidget>
    T *W(const char *jmeno) { return Prvek<T>(&O(), jmeno); }
    QAction *A(const char *jmeno) { return Prvek<QAction>(&O(), jmeno); }
    QString T(const char *jmeno) { return Text(&O(), jmeno); }
    bool Znacka(const char *jmeno) { return W(jmeno)->isVisibleTo(&O()); }
    QString Znacky()
    {
        QString videt;
        for (const char *z : {"imgA", "imgB", "imgC", "imgD"})
            videt += QLatin1Char(Znacka(z) ? z[3] : '-');
        return videt;
    }
    bool Verdikt() { return W("pSpravne")->isVisibleTo(&O()); }
    bool Poznamka() { return W("stPoznamka")->isVisibleTo(&O()); }
    void Pravym() { QTest::mouseClick(W("pOtazky"), Qt::RightButton); }
    void Vyber(const char *jmeno) { Kliknout(&O(), jmeno); }

    // Starts a run from the menu with the count and start set in the set-up dialog.
    void Spustit(const char *polozka, int pocet, int zacatek = 1) { Pomocnik::Odpovidani{O()}.Spustit(polozka, pocet, zacatek); }

    // Judges the answer and lets the verdict's 1.5 s pass.
    QString Potvrdit()
    {
        Pravym();
        if (!Verdikt())
            return {};
        const QString verdikt = T("lbSpravne");
        Pravym(); // ignored while the verdict shows
        Prvek<TRizeniBehu>(&O(), "RizeniBehu")->Timer1Timer();
        return verdikt;
    }

    // The evaluation dialog at the end of the run: its figures to the check, then the button.
    void Vyhodnotit(const std::function<void(QWidget *)> &kontrola, const char *tlacitko)
    {
        bool videno = false;
        PriDialogu([&](QWidget *d) {
            videno = true;
            kontrola(d);
            Kliknout(d, tlacitko);
        });
        Pravym();
        QVERIFY(videno);
    }

private slots:
    void init()
    {
        QList<Banka::OtazkaZdroje> otazky = Pomocnik::Otazky({1, 2, 3, 5, 476});
        otazky[0].spravne = QStringLiteral("AC");
        otazky[1].spravne = QStringLiteral("B");
        otazky[3].skupina = QStringLiteral("CD");
        m_program = std::make_unique<Pomocnik::Program>(otazky);
        O().show();
        S().PovoleneKategorie = {true, false, false, false, false, false, false}; // 1, 2, 3 for group B
        S().VytvaretProtokol = {true, true, false};
    }

    void cleanup() { m_program.reset(); }

    void dotazPocitaAVazePosuvniky()
    {
        TDotazPZ d(DruhBehu::Procvicovani, 25, PoradiOtazek::PodleCisla);
        QCOMPARE(d.windowTitle(), QStringLiteral("Dotaz programu Semaforix"));
        auto *pocet = Prvek<QScrollBar>(&d, "sbPocet");
        auto *otazka = Prvek<QScrollBar>(&d, "sbOtazka");
        QCOMPARE(std::make_tuple(pocet->minimum(), pocet->maximum(), pocet->value()), std::make_tuple(1, 25, 20));
        QCOMPARE(std::make_tuple(otazka->minimum(), otazka->maximum(), otazka->value()), std::make_tuple(1, 25, 1));
        QCOMPARE(Pomocnik::Texty(&d, "lbNadpis btnPotvrdit lbPocet lbOtazka stHvezda"),
                 QStringLiteral("Procvičování otázek | Start Procvičování | Počet otázek: 20 | Začít otázkou: 1* | "
                                "Myslí se relativně vzhledem k možnosti výběru okruhu otázek"));

        otazka->setValue(10); // 20 + 10 > 26: the count gives way
        QCOMPARE(pocet->value(), 16);
        QCOMPARE(Pomocnik::Texty(&d, "lbPocet lbOtazka"), QStringLiteral("Počet otázek: 16 | Začít otázkou: 10*"));
        pocet->setValue(20); // and the start gives way to the count
        QCOMPARE(otazka->value(), 6);
        otazka->setValue(2); // nothing to adjust
        QCOMPARE(pocet->value(), 20);
        // No cancel: Escape closes with the positions shown.
        QTest::keyClick(&d, Qt::Key_Escape);
        QCOMPARE(std::make_pair(d.Pocet(), d.Zacatek()), std::make_pair(20, 2));
        QVERIFY(!d.isVisible());

        TDotazPZ nahodne(DruhBehu::Zkouseni, 5, PoradiOtazek::Nahodne);
        QCOMPARE(Pomocnik::Texty(&nahodne, "lbNadpis btnPotvrdit"), QStringLiteral("Zkoušení otázek | Start Zkoušení"));
        QCOMPARE(Prvek<QScrollBar>(&nahodne, "sbPocet")->value(), 5);
        for (const char *jmeno : {"sbOtazka", "lbOtazka", "lbHvezda", "stHvezda"})
            QVERIFY2(!Prvek<QWidget>(&nahodne, jmeno)->isEnabled(), jmeno);
        QVERIFY(Prvek<QWidget>(&nahodne, "sbPocet")->isEnabled());

        // Without a mouse: both bars are reached by Tab and moved by the keys, coupled as by the mouse.
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        pocet->setValue(20);
        otazka->setValue(1);
        QCOMPARE(QApplication::focusWidget(), pocet);
        // Each step's keys; then the count and the start, and the bar with the focus.
        using K = QList<Qt::Key>;
        for (const auto &[klavesy, pocetPak, zacatekPak, fokus] :
             {std::tuple{K{Qt::Key_End}, 25, 1, pocet},
              std::tuple{K{Qt::Key_Tab, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}, 22, 4, otazka}, // the count gives way
              std::tuple{K{Qt::Key_PageDown}, 12, 14, otazka}, std::tuple{K{Qt::Key_PageUp, Qt::Key_Left, Qt::Key_Home}, 12, 1, otazka},
              std::tuple{K{Qt::Key_End, Qt::Key_Backtab, Qt::Key_PageDown}, 11, 15, pocet}, // and the start to the count
              std::tuple{K{Qt::Key_Home, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up}, 1, 15, pocet}}) {
            for (Qt::Key k : klavesy)
                QTest::keyClick(QApplication::focusWidget(), k, k == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            QCOMPARE(std::make_tuple(pocet->value(), otazka->value(), QApplication::focusWidget()),
                     std::make_tuple(pocetPak, zacatekPak, static_cast<QWidget *>(fokus)));
        }
        QCOMPARE(Pomocnik::Texty(&d, "lbPocet lbOtazka"), QStringLiteral("Počet otázek: 1 | Začít otázkou: 15*"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Prvek<QPushButton>(&d, "btnPotvrdit"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    // What the evaluation shows of a record, and what it says became of the record.
    void vyhodnoceniUkazujeZaznam()
    {
        TResult r(Pomocnik::VysledekSChybami(), DruhBehu::Procvicovani, TResult::Protokol::Zapsan);
        QCOMPARE(r.windowTitle(), QStringLiteral("Vyhodnocení programu Semaforix"));
        QCOMPARE(Pomocnik::Prekryvy(&r), QStringList());
        QCOMPARE(Pomocnik::Texty(&r, "lbTyp lbUzivatel lbSkupina lbPocet lbSpravne lbSpatne lbSNapovedou lbUspesnost lbSoubor btnPrezkouset"),
                 QStringLiteral("Vyhodnocení procvičování | Uživatel: Default | Skupina: C | Počet otázek: 20 | Správných odpovědí: 16 | "
                                "Špatných odpovědí: 3 | Použití nápovědy: 1 | Úspěšnost: 80% | "
                                "Byl vytvořen protokol - přístupen je z menu Výsledky -> Protokol z... | Procvičit &špatné odpovědi"));
        QVERIFY(qAbs(Prvek<QWidget>(&r, "lbTyp")->geometry().center().x() - r.width() / 2) <= 1);
        QVERIFY(QFontInfo(Prvek<QLabel>(&r, "lbPocet")->font()).fixedPitch());
        Prvek<QPushButton>(&r, "btnPrezkouset")->click();
        QCOMPARE(r.result(), TResult::Opakovat);

        // An examination: no hint line, its figures closed up, nothing to retry without mistakes.
        ZaznamVysledku cisty = Pomocnik::Vysledek(QStringLiteral("Zkoušení"));
        cisty.PocetOtazek = 5;
        TResult z(cisty, DruhBehu::Zkouseni, TResult::Protokol::Vypnuto);
        QCOMPARE(Pomocnik::Texty(&z, "lbTyp btnPrezkouset lbSoubor"),
                 QStringLiteral("Vyhodnocení zkoušení | Přezkoušet ze &špatných odpovědí | "
                                "Nebyl vytvořen protokol - chcete-li ho vytvářet změňte nastavení"));
        QVERIFY(!Prvek<QLabel>(&z, "lbSNapovedou")->isVisibleTo(&z));
        QCOMPARE(Pomocnik::Prekryvy(&z), QStringList());
        QVERIFY(!Prvek<QWidget>(&z, "btnPrezkouset")->isEnabled());
        for (auto [protokol, text] : {std::pair{TResult::Protokol::Odmitnut, "Protokol z opravy zkoušení nebyl vytvořen"},
                                      std::pair{TResult::Protokol::Chyba,
                                                "Protokol nebyl vytvořen - výsledek nelze zapsat do souboru výsledků"}})
            QCOMPARE(Text(std::make_unique<TResult>(cisty, DruhBehu::Zkouseni, protokol).get(), "lbSoubor"),
                     QString::fromUtf8(text));
    }

    void procvicovaniAOpakovani()
    {
        Spustit("M1Procvicovat", 3);
        QCOMPARE(O().AktivniRezim(), Rezim::Procvicovani);
        QVERIFY(A("M2OznacSpravne")->isVisible());
        QCOMPARE(std::make_tuple(T("lbCelkemOtazek"), T("lbZbyvaOtazek"), T("lbCisloOtazky")),
                 std::make_tuple(QStringLiteral("Celkem otázek: 3"), QStringLiteral("Zbývá: 3"), QStringLiteral("Otázka číslo 1")));

        // Question 1, right letters A and C: nothing selected cannot be confirmed.
        Pravym();
        QVERIFY(!Verdikt());
        Vyber("lbA");
        Vyber("stC");
        Vyber("stB");
        Vyber("lbB"); // clicked again: deselected
        QCOMPARE(Znacky(), QStringLiteral("A-C-"));
        QCOMPARE(Potvrdit(), QStringLiteral("Správně"));
        QCOMPARE(W<QLabel>("lbSpravne")->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QCOMPARE(T("lbUspesnost"), QStringLiteral("Úspěšnost: 100%"));
        QVERIFY(!Poznamka()); // a right answer needs no explaining
        QVERIFY(!W("lbDuvod")->isVisibleTo(&O())); // number order gives no reason
        Vyber("lbD"); // judged: answers no longer toggle
        QCOMPARE(Znacky(), QStringLiteral("A-C-"));

        // Question 2, right letter B, answered A: the wrong choice and the ignored right answer.
        Pravym();
        QCOMPARE(std::make_tuple(T("lbCisloOtazky"), T("lbZbyvaOtazek"), Znacky()),
                 std::make_tuple(QStringLiteral("Otázka číslo 2"), QStringLiteral("Zbývá: 2"), QStringLiteral("----")));
        Vyber("stA");
        QCOMPARE(Potvrdit(), QStringLiteral("Špatně"));
        QCOMPARE(W<QLabel>("lbSpravne")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(Znacky(), QStringLiteral("AB--"));
        QCOMPARE(T("lbUspesnost"), QStringLiteral("Úspěšnost: 50%"));
        // A mistake is explained by the question's note until the next question.
        QVERIFY(Poznamka());
        QCOMPARE(T("stPoznamka"), QStringLiteral("Poznámka 2."));

        // Question 3: the hint (Alt+S) replaces the selection with the right answer, once.
        Pravym();
        QVERIFY(!Poznamka());
        Vyber("lbB");
        O().activateWindow(); // the offscreen platform gives no window the focus back after a dialog
        QVERIFY(QTest::qWaitForWindowActive(&O()));
        QTest::keyClick(&O(), Qt::Key_S, Qt::AltModifier);
        QCOMPARE(Znacky(), QStringLiteral("A---"));
        QVERIFY(Poznamka() && T("stPoznamka") == QStringLiteral("Poznámka 3."));
        A("M2OznacSpravne")->trigger();
        Vyber("stC"); // hinted: answers no longer toggle
        QCOMPARE(Znacky(), QStringLiteral("A---"));
        QTest::mouseClick(W("pOtazky"), Qt::MiddleButton); // only the right button moves on
        QCOMPARE(T("lbCisloOtazky"), QStringLiteral("Otázka číslo 3"));
        QCOMPARE(T("lbUspesnost"), QStringLiteral("Úspěšnost: 50%"));

        // The evaluation: 1 right, 1 wrong, 1 hint, the record written; then the retry of 2 and 3.
        Vyhodnotit(
            [](QWidget *d) {
                QCOMPARE(Pomocnik::Texty(d, "lbSpravne lbSNapovedou lbUspesnost"),
                         QStringLiteral("Správných odpovědí: 1 | Použití nápovědy: 1 | Úspěšnost: 50%"));
                QCOMPARE(Pomocnik::UlozeneVysledky().size(), 1); // written before the dialog shows
            },
            "btnPrezkouset");
        ZaznamVysledku z = Pomocnik::UlozeneVysledky().value(0);
        QCOMPARE(std::make_tuple(z.TypTestu, z.Kategorie, z.SpatneCisla, z.SNapovedouCisla, z.PocetOtazek, z.Uspesnost),
                 std::make_tuple(QStringLiteral("Procvičování"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), 3, 50));

        QCOMPARE(O().AktivniRezim(), Rezim::Procvicovani);
        QCOMPARE(std::make_tuple(T("lbCisloOtazky"), T("lbCelkemOtazek"), T("lbZbyvaOtazek"), T("lbUspesnost"), Znacky()),
                 std::make_tuple(QStringLiteral("Otázka číslo 2"), QStringLiteral("Celkem otázek: 2"), QStringLiteral("Zbývá: 2"),
                                 QStringLiteral("Úspěšnost: 0%"), QStringLiteral("----")));
        Vyber("lbB");
        QCOMPARE(Potvrdit(), QStringLiteral("Správně"));
        Pravym();
        QCOMPARE(T("lbCisloOtazky"), QStringLiteral("Otázka číslo 3"));
        Vyber("lbA");
        QCOMPARE(Potvrdit(), QStringLiteral("Správně"));

        // The retry's evaluation asks about a record of it; No writes nothing, OK ends the mode.
        Dialogy::Test::Odpovedet(false);
        Vyhodnotit(
            [](QWidget *d) {
                QCOMPARE(Pomocnik::Texty(d, "lbPocet lbSoubor"),
                         QStringLiteral("Počet otázek: 2 | Protokol z opravy procvičování nebyl vytvořen"));
                QVERIFY(!Prvek<QWidget>(d, "btnPrezkouset")->isEnabled());
            },
            "btnOK");
        QCOMPARE(Dialogy::Test::Zobrazene().value(0).text, QStringLiteral("Chcete vytvořit protokol i z této opravy?"));
        QCOMPARE(Pomocnik::UlozeneVysledky().size(), 1);
        QCOMPARE(O().AktivniRezim(), Rezim::Zadny);
        QVERIFY(!W("pOtazky")->isVisibleTo(&O()));
    }

    void zkouseniNahodneKlavesnici()
    {
        A("M1NahodnyVyber")->trigger();
        S().PovoleneKategorie = {true, false, true, false, false, false, false}; // 1, 2, 3, 476
        // Set up from the keyboard: the count to its end, Tab past the start (unused at random), Enter.
        PriDialogu([](QWidget *d) {
            QTest::keyClick(d->focusWidget(), Qt::Key_End);
            QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
            QCOMPARE(d->focusWidget(), Prvek<QWidget>(d, "btnPotvrdit"));
            QTest::keyClick(d->focusWidget(), Qt::Key_Return);
        });
        A("M1Zkouset")->trigger();
        QCOMPARE(Beh().CelkemOtazek(), 4);
        QCOMPARE(O().AktivniRezim(), Rezim::Zkouseni);
        QVERIFY(!A("M2OznacSpravne")->isVisible());
        A("M2OznacSpravne")->trigger(); // no hint in an examination, whatever reaches the item
        QCOMPARE(Znacky(), QStringLiteral("----"));
        QStringList videne;
        for (int i = 0; i < 4; ++i) {
            videne << T("lbCisloOtazky");
            const QString spravne = Beh().SpravnePismena();
            // Letters select and deselect; digits select too; Enter confirms.
            QTest::keyClick(&O(), Qt::Key_D);
            QKeyEvent drzena(QEvent::KeyPress, Qt::Key_D, Qt::NoModifier, QStringLiteral("d"), true);
            QApplication::sendEvent(&O(), &drzena); // a key held down does not toggle again
            QVERIFY(Znacka("imgD"));
            QTest::keyClick(&O(), Qt::Key_D);
            for (QChar c : spravne)
                QTest::keyClick(&O(), static_cast<Qt::Key>(Qt::Key_1 + (c.unicode() - u'A')));
            QTest::keyClick(&O(), i == 3 ? Qt::Key_Space : Qt::Key_Return);
            QCOMPARE(T("lbSpravne"), QStringLiteral("Správně"));
            Prvek<TRizeniBehu>(&O(), "RizeniBehu")->Timer1Timer();
            if (i < 3)
                QTest::keyClick(&O(), Qt::Key_Enter);
        }
        videne.sort();
        QCOMPARE(videne, (QStringList{QStringLiteral("Otázka číslo 1"), QStringLiteral("Otázka číslo 2"),
                                      QStringLiteral("Otázka číslo 3"), QStringLiteral("Otázka číslo 476")}));
        PriDialogu([](QWidget *d) {
            QCOMPARE(Text(d, "lbTyp"), QStringLiteral("Vyhodnocení zkoušení"));
            d->close();
        });
        QTest::keyClick(&O(), Qt::Key_Return);
        QCOMPARE(O().AktivniRezim(), Rezim::Zadny);
        // The run, no replay, ended and left the learner's group as it was.
        QCOMPARE(std::make_pair(S().ZvolenaSkupina, T("PanelStavu2")), std::make_pair(QStringLiteral("B"), QStringLiteral("Skupina: B")));
        const QList<ZaznamVysledku> z = Pomocnik::UlozeneVysledky();
        QCOMPARE(z.size(), 1);
        QCOMPARE(std::make_tuple(z[0].TypTestu, z[0].Kategorie, z[0].PocetOtazek, z[0].Uspesnost, z[0].SNapovedou),
                 std::make_tuple(QStringLiteral("Zkoušení"), QStringLiteral("13"), 4, 100, 0));
    }

    // Ending a run asks; it records nothing, and keys do nothing outside a run. A results file that
    // is not a table is reported at the evaluation and left as it is.
    void konecRezimuAPoskozenySoubor()
    {
        Spustit("M1Procvicovat", 2, 2);
        QCOMPARE(T("lbCisloOtazky"), QStringLiteral("Otázka číslo 2"));
        Vyber("lbA");
        QCOMPARE(Potvrdit(), QStringLiteral("Špatně"));
        Dialogy::Test::Odpovedet(true);
        A("M2KonecRezimu")->trigger();
        QCOMPARE(std::make_pair(O().AktivniRezim(), S().ZvolenaSkupina), std::make_pair(Rezim::Zadny, QStringLiteral("B")));
        QVERIFY(!Tabulka::Existuje(Vysledky::JmenoTabulky));
        QTest::keyClick(&O(), Qt::Key_A);
        QCOMPARE(Znacky(), QStringLiteral("----"));

        QVERIFY(Pomocnik::Zapsat(QStringLiteral("Vysledky.DB"), "nejde o tabulku"));
        Dialogy::Test::Zobrazene();
        Spustit("M1Procvicovat", 1, 3);
        Vyber("lbA");
        Potvrdit();
        Vyhodnotit(
            [](QWidget *d) {
                QCOMPARE(Text(d, "lbSoubor"), QStringLiteral("Protokol nebyl vytvořen - výsledek nelze zapsat do souboru výsledků"));
            },
            "btnOK");
        QCOMPARE(Pomocnik::KromeJedneZpravy(Dialogy::Druh::Chyba, QStringLiteral("Tabulka Vysledky")), QString());
        QCOMPARE(Pomocnik::Obsah(QStringLiteral("Vysledky.DB")), QByteArray("nejde o tabulku"));
    }

    void zadnaOtazkaNevyhovuje()
    {
        S().PovoleneKategorie = {false, true, false, false, false, false, false}; // no question of category 2
        A("M1Procvicovat")->trigger();
        QCOMPARE(Pomocnik::KromeJedneZpravy(Dialogy::Druh::Informace, QStringLiteral("žádná otázka")), QString());
        QCOMPARE(O().AktivniRezim(), Rezim::Zadny);
    }
};

QTEST_MAIN(TestProcvicovani)
#include "tst_procvicovani.moc"

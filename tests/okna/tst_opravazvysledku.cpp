// A stored practice result replayed from the results list to its end: the run asks exactly the
// stored wrong and hinted questions in the stored group, its record carries the stored categories,
// and the user's own group comes back.
#include "pomocnik.h"
#include "zaznamy.h"

#include "practice/podrobnosti.h"
#include "practice/protokol.h"
#include "practice/rizenibehu.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using Pomocnik::Prvek;

class TestOpravaZVysledku : public QObject {
    Q_OBJECT

private slots:
    void opravaDoKonce()
    {
        QList<Banka::OtazkaZdroje> otazky = Pomocnik::Otazky({3, 7, 9, 15});
        for (Banka::OtazkaZdroje &q : otazky)
            q.skupina = QStringLiteral("CD"); // not a question of group B
        Pomocnik::Program program(otazky);
        THlavniFormular &okno = *program.okno;
        okno.show();
        Pomocnik::ZapsatVysledky({Pomocnik::VysledekSChybami()});
        StavProgramu &s = okno.Stav();
        s.VytvaretProtokol = {true, true, false};

        // The list, its detail, and the detail's replay button.
        Pomocnik::PriDialogu([](QWidget *seznam) {
            Pomocnik::PriDialogu([](QWidget *d) { Prvek<QPushButton>(d, "btnPrezkouset")->click(); });
            Prvek<QPushButton>(seznam, "btnPodrobnosti")->click();
        });
        Prvek<QAction>(&okno, "smProc")->trigger();
        QVERIFY(!okno.findChild<TProtocol *>() && !okno.findChild<TDetail *>());
        QCOMPARE(s.AktivniRezim, Rezim::Procvicovani);

        QWidget *panel = Prvek<QWidget>(&okno, "pOtazky");
        QStringList polozene;
        for (int i = 0; i < 4; ++i) {
            const QString cislo = Prvek<QLabel>(&okno, "lbCisloOtazky")->text();
            polozene << cislo;
            QCOMPARE(Prvek<QLabel>(&okno, "lbSkupina")->text(), QStringLiteral("Skupina: C"));
            // Right on 3 and 15, wrong on 7 and 9.
            const bool spravne = cislo.endsWith(QStringLiteral(" 3")) || cislo.endsWith(QStringLiteral(" 15"));
            QTest::mouseClick(Prvek<QWidget>(&okno, spravne ? "lbA" : "lbB"), Qt::LeftButton);
            QTest::mouseClick(panel, Qt::RightButton);
            QCOMPARE(Prvek<QLabel>(&okno, "lbSpravne")->text(), spravne ? QStringLiteral("Správně") : QStringLiteral("Špatně"));
            Prvek<TRizeniBehu>(&okno, "RizeniBehu")->Timer1Timer();
            if (i < 3)
                QTest::mouseClick(panel, Qt::RightButton);
        }
        QCOMPARE(polozene, (QStringList{QStringLiteral("Otázka číslo 3"), QStringLiteral("Otázka číslo 7"),
                                        QStringLiteral("Otázka číslo 15"), QStringLiteral("Otázka číslo 9")}));

        Dialogy::Test::Odpovedet(true); // a record of the replay too
        QString skupinaVyhodnoceni;
        Pomocnik::PriDialogu([&](QWidget *d) {
            skupinaVyhodnoceni = Prvek<QLabel>(d, "lbSkupina")->text();
            QTest::mouseClick(Prvek<QWidget>(d, "btnOK"), Qt::LeftButton);
        });
        QTest::mouseClick(panel, Qt::RightButton);
        QCOMPARE(skupinaVyhodnoceni, QStringLiteral("Skupina: C"));
        QCOMPARE(Dialogy::Test::Zobrazene().value(0).text, QStringLiteral("Chcete vytvořit protokol i z této opravy?"));

        const QList<ZaznamVysledku> z = Pomocnik::UlozeneVysledky();
        QCOMPARE(z.size(), 2);
        QCOMPARE(std::make_tuple(z[1].Kategorie, z[1].Skupina, z[1].PocetOtazek, z[1].SpatneCisla),
                 std::make_tuple(QStringLiteral("26"), QStringLiteral("C"), 4, QStringLiteral("7, 9")));
        QCOMPARE(s.ZvolenaSkupina, QStringLiteral("B"));
        QCOMPARE(s.AktivniRezim, Rezim::Zadny);
    }
};

QTEST_MAIN(TestOpravaZVysledku)
#include "tst_opravazvysledku.moc"

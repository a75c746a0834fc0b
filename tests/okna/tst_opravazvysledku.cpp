// A stored practice result replayed from the results list to its end: the run asks exactly the
// stored wrong and hinted questions in the stored group, its record carries the stored categories,
// and the user's own group comes back.
#include "pomocnik.h"
#include "zaznamy.h"

#include "app/dialogy.h"
#include "app/hlavniformular.h"
#include "app/panelotazky.h"
#include "practice/podrobnosti.h"
#include "practice/protokol.h"
#include "practice/rizenibehu.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestOpravaZVysledku : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(m_dir->path());
        Dialogy::Test::Zapnout();
    }

    void opravaDoKonce()
    {
        QList<Banka::OtazkaZdroje> otazky;
        for (int n : {3, 7, 9, 15}) {
            Banka::OtazkaZdroje q = Pomocnik::Otazka(n);
            q.skupina = QStringLiteral("CD"); // not a question of group B
            otazky << q;
        }
        QCOMPARE(Pomocnik::ZapsatBanku(otazky, m_dir->path()), QString());
        Pomocnik::Vysledek v;
        v.skupina = QStringLiteral("C");
        v.kategorie = QStringLiteral("26");
        v.spatne = 3;
        v.spatneCisla = QStringLiteral("3, 7, 15");
        v.sNapovedou = 1;
        v.sNapovedouCisla = QStringLiteral("9");
        v.uspesnost = 80;
        Pomocnik::ZapsatVysledky({v});

        THlavniFormular okno;
        okno.show();
        StavProgramu &s = okno.Stav();
        s.VytvaretProtokol = {true, true, false};
        QCOMPARE(s.ZvolenaSkupina, QStringLiteral("B"));

        QTimer::singleShot(0, this, [&] {
            auto *seznam = okno.findChild<TProtocol *>();
            if (!seznam)
                return;
            QTimer::singleShot(0, this, [seznam] {
                if (auto *d = seznam->findChild<TDetail *>())
                    Pomocnik::Prvek<QPushButton>(d, "btnPrezkouset")->click();
            });
            Pomocnik::Prvek<QPushButton>(seznam, "btnPodrobnosti")->click();
            if (seznam->isVisible())
                seznam->reject();
        });
        Pomocnik::Prvek<QAction>(&okno, "smProc")->trigger();
        QCOMPARE(s.AktivniRezim, Rezim::Procvicovani);

        auto *rizeni = Pomocnik::Prvek<TRizeniBehu>(&okno, "RizeniBehu");
        QWidget *panel = Pomocnik::Prvek<QWidget>(&okno, "pOtazky");
        QList<int> polozene;
        for (int i = 0; i < 4; ++i) {
            polozene << s.AktualniOtazka;
            QCOMPARE(s.ZvolenaSkupina, QStringLiteral("C"));
            // Right on 3 and 15, wrong on 7 and 9.
            const bool spravne = s.AktualniOtazka == 3 || s.AktualniOtazka == 15;
            QTest::mouseClick(Pomocnik::Prvek<QWidget>(&okno, spravne ? "lbA" : "lbB"), Qt::LeftButton);
            QTest::mouseClick(panel, Qt::RightButton);
            QVERIFY(okno.PanelOtazky().VerdiktViditelny());
            rizeni->Timer1Timer();
            if (i < 3)
                QTest::mouseClick(panel, Qt::RightButton);
        }
        QCOMPARE(polozene, (QList<int>{3, 7, 15, 9}));

        Dialogy::Test::Odpovedet(true); // a record of the replay too
        QString skupinaVyhodnoceni;
        QTimer::singleShot(0, this, [&] {
            QWidget *d = QApplication::activeModalWidget();
            if (!d)
                return;
            skupinaVyhodnoceni = Pomocnik::Prvek<QLabel>(d, "lbSkupina")->text();
            QTest::mouseClick(Pomocnik::Prvek<QWidget>(d, "btnOK"), Qt::LeftButton);
        });
        QTest::mouseClick(panel, Qt::RightButton);
        QCOMPARE(skupinaVyhodnoceni, QStringLiteral("Skupina: C"));
        QCOMPARE(Dialogy::Test::Zobrazene().value(0).text, QStringLiteral("Chcete vytvořit protokol i z této opravy?"));

        Tabulka t(QStringLiteral("Vysledky"));
        t.Otevrit(true);
        QCOMPARE(t.PocetZaznamu(), 2);
        t.PrejitNa(1);
        QCOMPARE(t.Text(QStringLiteral("Kategorie")), QStringLiteral("26"));
        QCOMPARE(t.Text(QStringLiteral("Skupina")), QStringLiteral("C"));
        QCOMPARE(t.Cislo(QStringLiteral("PocetOtazek")), 4);
        QCOMPARE(t.Text(QStringLiteral("SpatneCisla")), QStringLiteral("7, 9"));
        QCOMPARE(s.ZvolenaSkupina, QStringLiteral("B"));
        QVERIFY(!s.OpravaZVysledku);
        QCOMPARE(s.AktivniRezim, Rezim::Zadny);
    }
};

QTEST_MAIN(TestOpravaZVysledku)
#include "tst_opravazvysledku.moc"

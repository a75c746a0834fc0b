// The detail of a stored result: its category lines, and the replay of its wrong answers.
#include "zaznamy.h"

#include "practice/podrobnostitext.h"

#include <QTest>

class TestPodrobnostiText : public QObject {
    Q_OBJECT

private slots:
    void radkyKategorii()
    {
        const QStringList vse = Podrobnosti::RadkyKategorii(QStringLiteral("1234567"));
        QCOMPARE(vse.size(), 7);
        QCOMPARE(vse.first(), QStringLiteral("Pravidla provozu na pozemních komunikacích"));
        QCOMPARE(vse.last(), QStringLiteral("Řešení dopravních situací na křižovatkách"));
        QCOMPARE(Podrobnosti::RadkyKategorii(QStringLiteral("26")),
                 (QStringList{QStringLiteral("Řidičské oprávnění a řidičský průkaz"), QStringLiteral("Dopravní značky a zařízení")}));
        // Characters other than 1..7 give no line, yet count for the height.
        QCOMPARE(Podrobnosti::RadkyKategorii(QStringLiteral("408")), QStringList{QStringLiteral("První pomoc - Zdravověda")});
        QCOMPARE(Podrobnosti::VyskaKategorii(QStringLiteral("408")), 39);
    }

    void rustOkna()
    {
        QCOMPARE(Podrobnosti::VyskaKategorii(QStringLiteral("1234567")), 91);
        QCOMPARE(Podrobnosti::Posun(QStringLiteral("1234567")), 78);
        QCOMPARE(Podrobnosti::VyskaKategorii(QStringLiteral("4")), 13);
        QCOMPARE(Podrobnosti::Posun(QStringLiteral("4")), 0);
    }

    void opravaVysledku()
    {
        ZaznamVysledku z = Pomocnik::VysledekSChybami(); // wrong 3, 7, 15, hinted 9, group C, categories 26
        const Oprava o = Podrobnosti::OpravaVysledku(z, DruhBehu::Zkouseni);
        QCOMPARE(o.otazky, (QList<int>{3, 7, 15, 9}));
        QCOMPARE(std::make_tuple(o.druh, o.skupina, o.kategorie),
                 std::make_tuple(DruhBehu::Zkouseni, QStringLiteral("C"), QStringLiteral("26")));
        // A list is read only when its count says there are numbers.
        z.Spatne = 0;
        QCOMPARE(Podrobnosti::OpravaVysledku(z, DruhBehu::Procvicovani).otazky, QList<int>{9});
        z.SNapovedou = 0;
        QVERIFY(Podrobnosti::OpravaVysledku(z, DruhBehu::Procvicovani).otazky.isEmpty());
        z.Spatne = 2;
        z.SpatneCisla = QStringLiteral("701, 12");
        QCOMPARE(Podrobnosti::OpravaVysledku(z, DruhBehu::Procvicovani).otazky, (QList<int>{701, 12}));
    }
};

QTEST_APPLESS_MAIN(TestPodrobnostiText)
#include "tst_podrobnostitext.moc"

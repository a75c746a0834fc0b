// The detail of a stored result: its category lines, and the replay of its wrong answers.
#include "logika/stav.h"
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

    void otazkyOpravy()
    {
        UdajeVysledku u;
        u.spatne = 3;
        u.spatneCisla = QStringLiteral("3, 7, 15");
        u.sNapovedou = 1;
        u.sNapovedouCisla = QStringLiteral("9");
        QCOMPARE(Podrobnosti::OtazkyOpravy(u), (QList<int>{3, 7, 15, 9}));
        // A list is read only when its count says there are numbers.
        u.spatne = 0;
        QCOMPARE(Podrobnosti::OtazkyOpravy(u), QList<int>{9});
        u.sNapovedou = 0;
        QVERIFY(Podrobnosti::OtazkyOpravy(u).isEmpty());
        u.spatne = 2;
        u.spatneCisla = QStringLiteral("701, 12");
        QCOMPARE(Podrobnosti::OtazkyOpravy(u), (QList<int>{701, 12}));
    }

    void zacatekOpravy()
    {
        StavProgramu s;
        s.ZvolenaSkupina = QStringLiteral("B");
        s.SpatneOtazky = {1, 2};
        s.OtazkySNapovedou = {5};
        s.SeznamOtazek = {100, 200};
        UdajeVysledku u;
        u.skupina = QStringLiteral("C");
        u.kategorie = QStringLiteral("26");
        u.spatne = 3;
        u.spatneCisla = QStringLiteral("3, 7, 15");
        u.sNapovedou = 1;
        u.sNapovedouCisla = QStringLiteral("9");
        Podrobnosti::ZacitOpravu(s, u);
        QCOMPARE(s.SeznamOtazek, (QList<int>{3, 7, 15, 9}));
        QVERIFY(s.SpatneOtazky.isEmpty() && s.OtazkySNapovedou.isEmpty());
        QCOMPARE(s.CelkemOtazek, 4);
        QCOMPARE(s.Zbyva, 4);
        QVERIFY(s.OpravaZVysledku);
        QCOMPARE(s.PuvodniSkupina, QStringLiteral("B"));
        QCOMPARE(s.ZvolenaSkupina, QStringLiteral("C"));
        QCOMPARE(s.KategorieOpravy, QStringLiteral("26"));
        QCOMPARE(s.PovoleneKategorie, (std::array<bool, 7>{true, true, true, true, true, true, true}));
    }

    void spravnych()
    {
        UdajeVysledku u;
        u.pocetOtazek = 20;
        u.spatne = 3;
        u.sNapovedou = 1;
        QCOMPARE(u.Spravnych(), 16);
    }
};

QTEST_APPLESS_MAIN(TestPodrobnostiText)
#include "tst_podrobnostitext.moc"

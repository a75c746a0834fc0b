// Scoring of the points test and the texts of its result: the message, the countdown and the
// time used in words.
#include "test/vysledektestu.h"

#include <QTest>

namespace {

// A composed test whose every correct answer is "A", answered rightly except where changed.
PolozkyTestu Test()
{
    PolozkyTestu t;
    for (int p = 1; p <= 25; ++p) {
        PolozkaTestu &q = t[static_cast<size_t>(p - 1)];
        q.pozice = p;
        q.SkutCis = p * 10;
        q.Body = PlanTestu::BodyPozice(p);
        q.SpravnaOdpoved = QStringLiteral("A");
        q.Odpoved = QStringLiteral("A");
    }
    return t;
}

QStringList Radky(const QString &zprava) { return zprava.split(QStringLiteral("\r\n")); }

} // namespace

class TestVysledekTestu : public QObject {
    Q_OBJECT

private slots:
    void pismenaOdpovedi()
    {
        QCOMPARE(VysledekTestu::PismenaOdpovedi({false, false, false, false}), QString());
        QCOMPARE(VysledekTestu::PismenaOdpovedi({true, false, true, true}), QStringLiteral("ACD"));
        QCOMPARE(VysledekTestu::PismenaOdpovedi({false, true, false, false}), QStringLiteral("B"));
    }

    // One letter too many, none, or another one: the whole position is lost.
    void chybne4_12_15()
    {
        PolozkyTestu t = Test();
        t[3].Odpoved = QStringLiteral("AB");
        t[11].Odpoved.clear();
        t[14].Odpoved = QStringLiteral("B");
        const VysledekTestu::Skore s = VysledekTestu::Vyhodnot(t);
        QCOMPARE(s.PocetBodu, 59);
        QCOMPARE(s.PocetChyb, 3);
        for (const PolozkaTestu &q : t)
            QCOMPARE(q.Chybne, q.pozice == 4 || q.pozice == 12 || q.pozice == 15);
        QCOMPARE(VysledekTestu::SeznamChybnych(t), QStringLiteral(", jejich čísla jsou 4, 12, 15"));
        QCOMPARE(Radky(VysledekTestu::Zprava(t, s, 56, 1000)),
                 (QStringList{QStringLiteral("Test byl úspěšně vyřešen!"),
                              QStringLiteral(" - Dosáhli jste 59 bodů z 65 možných, minimem pro složení testu bylo 56 bodů"),
                              QStringLiteral(" - Počet špatných odpovědí byl: 3, jejich čísla jsou 4, 12, 15"),
                              QStringLiteral("Více se dozvíte z protokolu po stisku klávesy OK")}));
    }

    void presneMinimum()
    {
        PolozkyTestu t = Test();
        for (int i : {0, 1, 2}) // three positions of 3 points: 56
            t[static_cast<size_t>(i)].Odpoved = QStringLiteral("C");
        VysledekTestu::Skore s = VysledekTestu::Vyhodnot(t);
        QCOMPARE(s.PocetBodu, 56);
        QVERIFY(VysledekTestu::Prosel(56, 56));
        QCOMPARE(Radky(VysledekTestu::Zprava(t, s, 56, 5)).first(), QStringLiteral("Test byl úspěšně vyřešen!"));
        t[15].Odpoved = QStringLiteral("AC"); // one point less
        s = VysledekTestu::Vyhodnot(t);
        QCOMPARE(s.PocetBodu, 55);
        QCOMPARE(Radky(VysledekTestu::Zprava(t, s, 56, 5)).first(), QStringLiteral("Test nebyl úspěšně vyřešen!"));
    }

    void vseSpravneACasUplynul()
    {
        PolozkyTestu t = Test();
        t[24].SpravnaOdpoved.clear(); // an empty correct answer is matched by no tick
        t[24].Odpoved.clear();
        const VysledekTestu::Skore s = VysledekTestu::Vyhodnot(t);
        QCOMPARE(s.PocetBodu, 65);
        QCOMPARE(s.PocetChyb, 0);
        const QStringList r = Radky(VysledekTestu::Zprava(t, s, 61, 0));
        QCOMPARE(r.size(), 4);
        QCOMPARE(r[0], QStringLiteral("Čas vymezený pro test uplynul! - Test byl úspěšně vyřešen!"));
        QCOMPARE(r[2], QStringLiteral(" - Počet špatných odpovědí byl: 0"));
    }

    void casNaText()
    {
        for (const auto &[sekundy, text] : {std::pair{1800, "30:00"}, std::pair{1799, "29:59"}, std::pair{725, "12:05"},
                                            std::pair{59, "00:59"}, std::pair{60, "01:00"}, std::pair{0, "00:00"}})
            QCOMPARE(VysledekTestu::CasNaText(sekundy), QString::fromLatin1(text));
    }

    void delkaSlovy()
    {
        const QList<std::pair<int, QString>> pripady{
            {725, QStringLiteral("12 minut, 5 sekund")}, {61, QStringLiteral("1 minuta, 1 sekunda")},
            {202, QStringLiteral("3 minuty, 22 sekund")}, {1800, QStringLiteral("30 minut")},
            {45, QStringLiteral("45 sekund")},          {120, QStringLiteral("2 minuty")},
            {605, QStringLiteral("10 minut, 5 sekund")}, {242, QStringLiteral("4 minuty, 2 sekundy")},
            {300, QStringLiteral("5 minut")},           {1, QStringLiteral("1 sekunda")},
            {0, QStringLiteral("0 sekund")}};
        for (const auto &[sekundy, text] : pripady)
            QCOMPARE(VysledekTestu::DelkaSlovy(sekundy), text);
    }
};

QTEST_GUILESS_MAIN(TestVysledekTestu)
#include "tst_vysledektestu.moc"

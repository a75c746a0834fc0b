// The random generator that chooses questions: its sequence from a known seed, and its seed taken
// from the clock's UTC time of day.
#include "data/hodiny.h"
#include "logika/nahoda.h"

#include <QTest>
#include <QTimeZone>

class TestNahoda : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Hodiny::Pustit(); }

    void seedZHodin()
    {
        // 01:02:03.004 UTC is 3,723,004 ms after midnight, whatever the local zone says.
        Hodiny::Zastavit(QDateTime(QDate(2026, 3, 1), QTime(1, 2, 3, 4), QTimeZone::utc()).toTimeZone(QTimeZone(3600)));
        Nahoda n = Nahoda::ZCasu();
        QCOMPARE(n.Seed(), 3723004u);
        QList<int> tahy;
        for (int i = 0; i < 5; ++i)
            tahy << n.Dalsi(757);
        QCOMPARE(tahy, (QList<int>{484, 210, 542, 324, 295}));
    }

    void meze()
    {
        // The largest seed wraps around modulo 2^32; every draw stays inside 0 .. n-1.
        Nahoda n(0xFFFFFFFFu);
        QCOMPARE(n.Dalsi(145), 140);
        QCOMPARE(n.Dalsi(145), 29);
        QCOMPARE(n.Dalsi(145), 75);
        Nahoda m(7);
        for (int i = 0; i < 10000; ++i) {
            const int t = m.Dalsi(25);
            QVERIFY(t >= 0 && t < 25);
        }
        QCOMPARE(Nahoda(5).Dalsi(1), 0);
    }
};

QTEST_GUILESS_MAIN(TestNahoda)
#include "tst_nahoda.moc"

// The clock that record stamps and random seeds read.
#include "data/hodiny.h"

#include <QTest>

class TestHodiny : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Hodiny::Pustit(); }

    void milisekundyDneVUtc()
    {
        const QDateTime utc(QDate(2026, 12, 7), QTime(1, 2, 3, 4), Qt::UTC);
        Hodiny::Zastavit(utc.toLocalTime());
        QCOMPARE(Hodiny::MilisekundyDne(), ((1 * 60 + 2) * 60 + 3) * 1000 + 4);
        QCOMPARE(Hodiny::Ted(), utc.toLocalTime());
        Hodiny::Zastavit(QDateTime(QDate(2026, 12, 7), QTime(23, 59, 59, 999), Qt::UTC));
        QCOMPARE(Hodiny::MilisekundyDne(), 86'399'999);
    }
};

QTEST_GUILESS_MAIN(TestHodiny)
#include "tst_hodiny.moc"

// How result records write lists: question numbers "3, 7, 15", the memo tokens of a test protocol
// with empty tokens kept in place, and the category digits.
#include "data/kategorie.h"
#include "practice/seznamcisel.h"
#include "test/tokeny.h"

#include <QTest>

class TestZaznamy : public QObject {
    Q_OBJECT

private slots:
    void seznamCisel()
    {
        QCOMPARE(SeznamCisel::Text({3, 7, 15}), QStringLiteral("3, 7, 15"));
        QCOMPARE(SeznamCisel::Text({9}), QStringLiteral("9"));
        QCOMPARE(SeznamCisel::Text({}), QString());
        QCOMPARE(SeznamCisel::Cisla(QStringLiteral("3, 7, 15")), (QList<int>{3, 7, 15}));
        QCOMPARE(SeznamCisel::Cisla(QStringLiteral("757")), QList<int>{757});
        QCOMPARE(SeznamCisel::Cisla(QString()), QList<int>{});
        for (const QList<int> &cisla : {QList<int>{1}, QList<int>{420, 5, 757, 12}})
            QCOMPARE(SeznamCisel::Cisla(SeznamCisel::Text(cisla)), cisla);
    }

    void tokeny()
    {
        QStringList odpovedi;
        for (int i = 1; i <= 25; ++i)
            odpovedi << (i == 1 || i == 7 || i == 25 ? QString() : QStringLiteral("AC"));
        const QString memo = Tokeny::Spojit(odpovedi);
        QVERIFY(memo.startsWith(u' ') && memo.endsWith(u' '));
        QCOMPARE(memo.count(u' '), 24);
        QCOMPARE(Tokeny::Rozdelit(memo, 25), odpovedi);
        // The last position takes whatever remains, blanks included.
        QCOMPARE(Tokeny::Rozdelit(QStringLiteral("a b c d"), 3), (QStringList{QStringLiteral("a"), QStringLiteral("b"),
                                                                             QStringLiteral("c d")}));
        QCOMPARE(Tokeny::Rozdelit(QStringLiteral("a"), 3), (QStringList{QStringLiteral("a"), QString(), QString()}));
    }

    void cisliceKategorii()
    {
        QCOMPARE(Kategorie::Cislice({true, true, true, true, true, true, true}), QStringLiteral("1234567"));
        QCOMPARE(Kategorie::Cislice({false, true, false, false, false, true, false}), QStringLiteral("26"));
        QCOMPARE(Kategorie::KategorieOtazky(420), 1);
        QCOMPARE(Kategorie::KategorieOtazky(421), 2);
        QVERIFY(!Kategorie::MaObrazek(620) && Kategorie::MaObrazek(621) && Kategorie::MaObrazek(757));
    }
};

QTEST_GUILESS_MAIN(TestZaznamy)
#include "tst_zaznamy.moc"

// Layout of a question: widths by picture range, the note beside a picture, lines of a wrapped text.
// How the texts stack is checked on screen by tst_prohlizeni.
#include "okna/rozvrzeni.h"

#include <QTest>

using namespace Rozvrzeni;

namespace {

// One line per started 100 characters, so that the expected figures are plain to see.
int Radky(Text, const QString &text, int) { return static_cast<int>((text.size() + 99) / 100); }

std::array<QString, PocetTextu> Texty(int otazka, int a, int b, int c, int d, int poznamka)
{
    return {QString(otazka, u'x'), QString(a, u'x'), QString(b, u'x'), QString(c, u'x'), QString(d, u'x'),
            QString(poznamka, u'x')};
}

} // namespace

class TestRozvrzeni : public QObject {
    Q_OBJECT

private slots:
    // Signs (621-720) stand at 530, crossroads (721-757) at 326; the texts beside them give way.
    void sirkyPodleCisla_data()
    {
        QTest::addColumn<int>("cislo");
        QTest::addColumn<int>("obrazek"); // width of the picture shown
        QTest::addColumn<int>("leva");
        QTest::addColumn<int>("otazka");
        QTest::addColumn<int>("odpoved");
        QTest::newRow("620") << 620 << 0 << 0 << 617 << 580;
        QTest::newRow("621") << 621 << 96 << 530 << 521 << 484;
        QTest::newRow("720") << 720 << 96 << 530 << 521 << 484;
        QTest::newRow("721") << 721 << 300 << 326 << 317 << 280;
        QTest::newRow("757") << 757 << 300 << 326 << 317 << 280;
    }

    void sirkyPodleCisla()
    {
        QFETCH(int, cislo);
        QFETCH(int, obrazek);
        QFETCH(int, leva);
        QFETCH(int, otazka);
        QFETCH(int, odpoved);
        QCOMPARE(LevaObrazku(cislo), leva);
        const auto v = Rozvrhnout(cislo, Texty(1, 1, 1, 1, 1, 1), obrazek, obrazek ? 96 : 0, Radky);
        QCOMPARE(v.texty[Otazka].sirka, otazka);
        for (int i = A; i <= D; ++i)
            QCOMPARE(v.texty[i].sirka, odpoved);
        QCOMPARE(v.texty[Poznamka].sirka, 597); // the note is never narrowed
    }

    void poznamkaPodObrazkem()
    {
        // Short texts beside a crossroad picture: the note goes below the picture.
        const auto v = Rozvrhnout(721, Texty(10, 10, 10, 10, 0, 10), 300, 175, Radky);
        QCOMPARE(v.texty[Poznamka].y, 8 + 175 + 10);
        // Texts that already end below the picture keep their place.
        const auto dlouhe = Rozvrhnout(621, Texty(300, 300, 300, 300, 300, 10), 96, 96, Radky);
        QCOMPARE(dlouhe.texty[Poznamka].y, dlouhe.texty[D].y + dlouhe.texty[D].vyska + 10);
        // No picture, no move.
        const auto bez = Rozvrhnout(5, Texty(10, 10, 10, 10, 0, 10), 0, 0, Radky);
        QCOMPARE(bez.texty[Poznamka].y, 24 + 18 + 10 + 3 * 18 + 10);
    }

    void pocetRadku()
    {
        QFont arial(QStringLiteral("Arial"));
        arial.setPixelSize(16);
        QCOMPARE(PocetRadku(arial, QString(), 580), 0);
        QCOMPARE(PocetRadku(arial, QStringLiteral("Krátká odpověď."), 580), 1);
        QCOMPARE(PocetRadku(arial, QStringLiteral("Krátká odpověď.\n"), 580), 1);
        QCOMPARE(PocetRadku(arial, QStringLiteral("Krátká odpověď.\r\n"), 580), 1);
        QCOMPARE(PocetRadku(arial, QStringLiteral("Řádek\n\n"), 580), 2);
        QCOMPARE(PocetRadku(arial, QStringLiteral("jedna\ndvě"), 580), 2);
        const QString dlouhy = QStringLiteral("slovo ").repeated(40);
        QVERIFY(PocetRadku(arial, dlouhy, 580) < PocetRadku(arial, dlouhy, 280));
    }
};

QTEST_MAIN(TestRozvrzeni)
#include "tst_rozvrzeni.moc"

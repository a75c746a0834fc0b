// Composition of the points test: the plan's ranges, the redraws, the sort of the first ten
// positions, the group rule and the refusal of a bank or group that cannot give a whole test.
#include "adresar.h"
#include "malabanka.h"

#include "data/banka.h"
#include "data/kategorie.h"
#include "logika/nahoda.h"
#include "test/plan.h"
#include "test/sestaveni.h"

#include <QSet>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// Group letters of fixture question n: "B", "AB", "CD" or "ABCD" by n mod 4.
QString SkupinaFixture(int n)
{
    static const QString skupiny[] = {QStringLiteral("ABCD"), QStringLiteral("B"), QStringLiteral("AB"), QStringLiteral("CD")};
    return skupiny[n % 4];
}

QString SpravneFixture(int n)
{
    static const QString odpovedi[] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("CD"), QStringLiteral("ABD")};
    return odpovedi[n % 4];
}

const QSet<int> NesouvislePismena{41, 441, 736};

// Questions of every row with retired numbers between them, each as SkupinaFixture and
// SpravneFixture say, and (when asked for) two questions whose four letters do not stand together,
// which group T must never draw.
void ZapsatBanku(const QList<int> &cisla, bool nesouvisle = false)
{
    QList<OtazkaBanky> otazky;
    for (int n : cisla)
        otazky << Pomocnik::Zaznam(n, SkupinaFixture(n), SpravneFixture(n));
    if (nesouvisle)
        for (int n : NesouvislePismena)
            otazky << Pomocnik::Zaznam(n, QStringLiteral("BACD"), SpravneFixture(n));
    Pomocnik::ZapsatMalouBanku(otazky);
}

QList<int> CislaFixture()
{
    QList<int> cisla;
    for (const auto &[od, po] : {std::pair{1, 40}, std::pair{421, 440}, std::pair{476, 480}, std::pair{501, 505},
                                 std::pair{581, 585}, std::pair{621, 640}, std::pair{721, 735}})
        for (int n = od; n <= po; ++n)
            cisla << n;
    return cisla;
}

} // namespace

class TestSestaveni : public QObject {
    Q_OBJECT

    // The full fixture is written once: the store writes each record durably, which takes time.
    QTemporaryDir m_fixture;

    static void OtevritBanku(BankaOtazek &banka, const QList<int> &cisla)
    {
        ZapsatBanku(cisla);
        banka.Otevrit();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(m_fixture.path()));
        ZapsatBanku(CislaFixture(), true);
    }

    void init() { QVERIFY(QDir::setCurrent(m_fixture.path())); }

    void planAMinima()
    {
        int soucet = 0;
        for (int p = 1; p <= PlanTestu::PocetPozic; ++p)
            soucet += PlanTestu::BodyPozice(p);
        QCOMPARE(soucet, 65);
        QCOMPARE(PlanTestu::BodyPozice(15), 1);
        QCOMPARE(PlanTestu::BodyPozice(22), 3);
        // The pass minimum of every group: AM, A1, A, B1, B, C, D, T.
        QList<int> minima;
        for (const QString &skupina : Skupiny::Vsechny)
            minima << PlanTestu::MinPocetBodu(skupina).value_or(0);
        QCOMPARE(minima, (QList<int>{50, 52, 56, 54, 56, 59, 61, 54}));
        QVERIFY(!PlanTestu::MinPocetBodu(QStringLiteral("X")).has_value());
    }

    // A scripted source: each rejection draws again for the same position, 15 and 16 draw over
    // 476 to 620 and skip first aid, and only 1 to 10 are sorted.
    void prelosovaniARazeni()
    {
        BankaOtazek banka;
        banka.Otevrit();
        // Numbers wanted, each given as the number itself; the source turns it into an offset.
        const QList<int> chtena{
            100, 3, 5,       // 1: retired, group CD, then 5
            5, 1,            // 2: 5 again, then 1
            38, 37, 36, 34, 33, 32, 30, 29,
            440, 438, 437, 436,
            504, 583, 581,   // 15: first aid is out of the row, 583 is CD
            476,
            621, 622, 624, 625, 626,
            501,
            721, 722, 724};
        QList<int> rozsahy;
        int i = 0;
        Nahoda nahradni(7); // past the script, so that a wrong extra draw still ends
        const auto zdroj = [&](int n) {
            rozsahy << n;
            if (i >= chtena.size()) {
                ++i;
                return nahradni.Dalsi(n);
            }
            const int cislo = chtena.at(i++);
            const int od = n == 420 ? 1 : n == 55 ? 421 : n == 145 ? 476 : n == 100 ? 621 : n == 80 ? 501 : 721;
            return cislo - od;
        };
        const PolozkyTestu t = VylosujTest(banka, QStringLiteral("B"), zdroj).value();
        QCOMPARE(i, chtena.size());
        QList<int> skutecna;
        QStringList spravne;
        for (const PolozkaTestu &q : t) {
            skutecna << q.SkutCis;
            spravne << q.SpravnaOdpoved;
        }
        const QList<int> ocekavana{1, 5, 29, 30, 32, 33, 34, 36, 37, 38, 440, 438, 437, 436, 581, 476,
                                   621, 622, 624, 625, 626, 501, 721, 722, 724};
        QCOMPARE(skutecna, ocekavana);
        QStringList ocekavaneSpravne;
        for (int n : ocekavana)
            ocekavaneSpravne << SpravneFixture(n);
        QCOMPARE(spravne, ocekavaneSpravne);
        QList<int> ocekavaneRozsahy;
        for (const auto &[tahu, rozsah] : {std::pair{13, 420}, {4, 55}, {4, 145}, {5, 100}, {1, 80}, {3, 37}})
            ocekavaneRozsahy += QList<int>(tahu, rozsah);
        QCOMPARE(rozsahy, ocekavaneRozsahy);
    }

    // Small banks, each just short of one row for group T.
    void nelzeSestavit()
    {
        Pomocnik::Adresar adresar;
        // Rows 1 and 2 complete for T, then one question in 476..500 and 581..620 together.
        QList<int> cisla{4, 8, 12, 16, 20, 24, 28, 32, 36, 40, 424, 428, 432, 436, 476};
        {
            BankaOtazek banka;
            OtevritBanku(banka, cisla);
            const QString t = ProcNelzeSestavit(banka, QStringLiteral("T"));
            QVERIFY2(t.contains(QStringLiteral("skupinu T")) && t.contains(QStringLiteral("15. až 16.")), qPrintable(t));
            QVERIFY2(t.contains(QStringLiteral("Silniční zákon")) && t.contains(QStringLiteral("Podmínky provozu")), qPrintable(t));
            QVERIFY(t.contains(QStringLiteral("jen 1 otázek")));
            QVERIFY(ProcNelzeSestavit(banka, QStringLiteral("B")).contains(QStringLiteral("skupinu B")));
            QVERIFY(ProcNelzeSestavit(banka, QStringLiteral("C")).contains(QStringLiteral("skupinu C")));
        }
        QVERIFY(QDir().remove(QStringLiteral("otazky.DB")) && QDir().remove(QStringLiteral("otazky.MB")));

        // Everything but the third crossroad.
        cisla << 584 << 624 << 628 << 632 << 636 << 640 << 504 << 724 << 728;
        BankaOtazek banka;
        OtevritBanku(banka, cisla);
        const QString k = ProcNelzeSestavit(banka, QStringLiteral("T"));
        QVERIFY2(k.contains(QStringLiteral("Řešení dopravních situací na křižovatkách")) && k.contains(QStringLiteral("23. až 25.")),
                 qPrintable(k));
        QVERIFY(k.contains(QStringLiteral("jen 2 otázek")));

        for (const QString &spatna : {QStringLiteral("X"), QString(), QStringLiteral("BB")}) {
            const QString z = ProcNelzeSestavit(banka, spatna);
            QVERIFY2(z.contains(QStringLiteral("„%1“").arg(spatna)), qPrintable(z));
        }

        // The drawing itself refuses, without drawing at all.
        int tahu = 0;
        QString chyba;
        QVERIFY(!VylosujTest(banka, QStringLiteral("T"), [&tahu](int) { return ++tahu, 0; }, &chyba));
        QCOMPARE(chyba, k);
        QCOMPARE(tahu, 0);
        QVERIFY(!VylosujTest(banka, QStringLiteral("X"), [&tahu](int) { return ++tahu, 0; }));
        QCOMPARE(tahu, 0);
    }

    // Many seeds for every group: each position from its range, 1 to 10 ascending, nothing twice,
    // only questions of the group, the correct letters of the drawn number. The drawing over the bank
    // read once draws what the test window always drew for the same source: the fingerprint of 1,600
    // tests over every group was taken from the drawing that asked the bank per draw. The test
    // window's VylosujTest and the estimate's Vylosovat agree too.
    void mnohoSemenJakoDriv()
    {
        BankaOtazek banka;
        banka.Otevrit();
        quint64 otisk = 1469598103934665603ull;
        for (const QString &skupina : Skupiny::Vsechny) {
            QCOMPARE(ProcNelzeSestavit(banka, skupina), QString());
            const SestavovaniTestu sestavovani(banka, skupina);
            const QString pismena = skupina == QStringLiteral("T") ? QStringLiteral("ABCD") : skupina.left(1);
            for (quint32 seme = 1; seme <= 200; ++seme) {
                Nahoda nahoda(seme * 2654435761u), tataz(seme * 2654435761u);
                const PolozkyTestu t = *VylosujTest(banka, skupina, [&nahoda](int n) { return nahoda.Dalsi(n); });
                const SestavovaniTestu::Cisla cisla = sestavovani.Vylosovat([&tataz](int n) { return tataz.Dalsi(n); });
                QCOMPARE(tataz.Seed(), nahoda.Seed());
                QSet<int> videne;
                int body = 0;
                for (const PolozkaTestu &q : t) {
                    const int n = q.SkutCis, k = Kategorie::KategorieOtazky(n), p = q.pozice;
                    QCOMPARE(cisla[static_cast<size_t>(p - 1)], n);
                    otisk = (otisk ^ quint64(n)) * 1099511628211ull;
                    QVERIFY2(!videne.contains(n), qPrintable(QStringLiteral("%1 twice").arg(n)));
                    videne.insert(n);
                    body += q.Body;
                    QCOMPARE(q.Body, PlanTestu::BodyPozice(p));
                    const int ocekavana = p <= 10 ? 1 : p <= 14 ? 2 : p <= 16 ? (k == 5 ? 5 : 3) : p <= 21 ? 6 : p == 22 ? 4 : 7;
                    QVERIFY2(k == ocekavana, qPrintable(QStringLiteral("%1 at %2").arg(n).arg(p)));
                    if (p > 1 && p <= 10)
                        QVERIFY(t[static_cast<size_t>(p - 2)].SkutCis < n);
                    QVERIFY2(banka.SkupinaOtazky(n).contains(pismena) && !(NesouvislePismena.contains(n) && skupina == QStringLiteral("T")),
                             qPrintable(skupina + QString::number(n)));
                    QCOMPARE(q.SpravnaOdpoved, SpravneFixture(n));
                    QVERIFY(q.Odpoved.isEmpty() && !q.Chybne);
                }
                QCOMPARE(std::make_tuple(t.front().pozice, t.back().pozice, body), std::make_tuple(1, 25, 65));
            }
        }
        QCOMPARE(otisk, 0xd9629227fb63731bull);
    }
};

QTEST_GUILESS_MAIN(TestSestaveni)
#include "tst_sestaveni.moc"

// Composition of the points test: the plan's ranges, the redraws, the sort of the first ten
// positions, the group rule and the refusal of a bank or group that cannot give a whole test.
#include "data/banka.h"
#include "data/kategorie.h"
#include "logika/nahoda.h"
#include "test/plan.h"
#include "test/sestaveni.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
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

// Questions of every row, retired numbers between them, and two questions whose four letters do
// not stand together, which group T must never draw.
QList<int> CislaFixture()
{
    QList<int> cisla;
    for (int n = 1; n <= 40; ++n)
        cisla << n;
    for (int n = 421; n <= 440; ++n)
        cisla << n;
    for (int n = 476; n <= 480; ++n)
        cisla << n;
    for (int n = 501; n <= 505; ++n)
        cisla << n;
    for (int n = 581; n <= 585; ++n)
        cisla << n;
    for (int n = 621; n <= 640; ++n)
        cisla << n;
    for (int n = 721; n <= 735; ++n)
        cisla << n;
    return cisla;
}

const QSet<int> NesouvislePismena{41, 441, 736};

void ZapsatBanku(const QList<int> &cisla)
{
    Tabulka::Vytvorit(BankaOtazek::JmenoTabulky, BankaOtazek::PoleTabulky());
    Tabulka t(BankaOtazek::JmenoTabulky);
    t.Otevrit();
    for (int n : cisla) {
        t.Vlozit();
        t.Nastavit(BankaOtazek::JmenoPole(BankaOtazek::Cislo), n);
        t.Nastavit(BankaOtazek::JmenoPole(BankaOtazek::Otazka), QStringLiteral("Otázka %1").arg(n));
        t.Nastavit(BankaOtazek::JmenoPole(BankaOtazek::Spravne), SpravneFixture(n));
        t.Nastavit(BankaOtazek::JmenoPole(BankaOtazek::Skupina),
                   NesouvislePismena.contains(n) ? QStringLiteral("BACD") : SkupinaFixture(n));
        t.Ulozit();
    }
}

} // namespace

class TestSestaveni : public QObject {
    Q_OBJECT

    // The full fixture is written once: the store writes each record durably, which takes time.
    QTemporaryDir m_fixture;
    std::unique_ptr<QTemporaryDir> m_dir;

    static void OtevritBanku(BankaOtazek &banka, const QList<int> &cisla)
    {
        ZapsatBanku(cisla);
        banka.Otevrit();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(m_fixture.path()));
        QList<int> cisla = CislaFixture();
        cisla << NesouvislePismena.values();
        ZapsatBanku(cisla);
    }

    void init()
    {
        QVERIFY(QDir::setCurrent(m_fixture.path()));
    }

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

    // Many seeds for every group: each position from its range, 1 to 10 ascending, nothing twice,
    // only questions of the group, the correct letters of the drawn number.
    void mnohoSemen()
    {
        BankaOtazek banka;
        banka.Otevrit();
        for (const QString &skupina : Skupiny::Vsechny) {
            for (quint32 seme = 1; seme <= 150; ++seme) {
                Nahoda nahoda(seme * 2654435761u);
                const auto test = VylosujTest(banka, skupina, [&nahoda](int n) { return nahoda.Dalsi(n); });
                QVERIFY(test);
                const PolozkyTestu &t = *test;
                QSet<int> videne;
                int body = 0;
                for (const PolozkaTestu &q : t) {
                    const int n = q.SkutCis, k = Kategorie::KategorieOtazky(n);
                    const int p = q.pozice;
                    QVERIFY2(!videne.contains(n), qPrintable(QStringLiteral("%1 twice").arg(n)));
                    videne.insert(n);
                    body += q.Body;
                    QCOMPARE(q.Body, PlanTestu::BodyPozice(p));
                    if (p <= 10)
                        QCOMPARE(k, 1);
                    else if (p <= 14)
                        QCOMPARE(k, 2);
                    else if (p <= 16)
                        QVERIFY2(k == 3 || k == 5, qPrintable(QString::number(n)));
                    else if (p <= 21)
                        QCOMPARE(k, 6);
                    else if (p == 22)
                        QCOMPARE(k, 4);
                    else
                        QCOMPARE(k, 7);
                    if (p > 1 && p <= 10)
                        QVERIFY(t[static_cast<size_t>(p - 2)].SkutCis < n);
                    QVERIFY(!NesouvislePismena.contains(n) || skupina != QStringLiteral("T"));
                    const QString pismena = skupina == QStringLiteral("T") ? QStringLiteral("ABCD") : skupina.left(1);
                    QVERIFY2(banka.SkupinaOtazky(n).contains(pismena), qPrintable(skupina + QString::number(n)));
                    QCOMPARE(q.SpravnaOdpoved, SpravneFixture(n));
                    QVERIFY(q.Odpoved.isEmpty() && !q.Chybne);
                }
                QCOMPARE(t.front().pozice, 1);
                QCOMPARE(t.back().pozice, 25);
                QCOMPARE(body, 65);
            }
        }
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
        QCOMPARE(rozsahy.mid(0, 13), QList<int>(13, 420));
        QCOMPARE(rozsahy.mid(13, 4), QList<int>(4, 55));
        QCOMPARE(rozsahy.mid(17, 4), QList<int>(4, 145));
        QCOMPARE(rozsahy.mid(21, 5), QList<int>(5, 100));
        QCOMPARE(rozsahy.mid(26, 1), QList<int>(1, 80));
        QCOMPARE(rozsahy.mid(27, 3), QList<int>(3, 37));
    }

    // Small banks, each just short of one row for group T.
    void nelzeSestavit()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_dir->path()));
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

    // The drawing over the bank read once draws what the test window always drew for the same
    // source: the fingerprint of 1,600 tests over every group was taken from the drawing that asked
    // the bank per draw. The test window's VylosujTest and the estimate's Vylosovat agree too.
    void stejneLosovaniJakoDriv()
    {
        BankaOtazek banka;
        banka.Otevrit();
        quint64 otisk = 1469598103934665603ull;
        for (const QString &skupina : Skupiny::Vsechny) {
            const SestavovaniTestu sestavovani(banka, skupina);
            QVERIFY(sestavovani.ProcNelze().isEmpty());
            for (quint32 seme = 1; seme <= 200; ++seme) {
                Nahoda nahoda(seme * 2654435761u), tataz(seme * 2654435761u);
                const PolozkyTestu test = *VylosujTest(banka, skupina, [&nahoda](int n) { return nahoda.Dalsi(n); });
                const SestavovaniTestu::Cisla cisla = sestavovani.Vylosovat([&tataz](int n) { return tataz.Dalsi(n); });
                for (size_t i = 0; i < cisla.size(); ++i) {
                    QCOMPARE(cisla[i], test[i].SkutCis);
                    otisk = (otisk ^ quint64(cisla[i])) * 1099511628211ull;
                }
                QCOMPARE(tataz.Seed(), nahoda.Seed());
            }
        }
        QCOMPARE(otisk, 0xd9629227fb63731bull);
    }

    void celaFixtureProVsechnySkupiny()
    {
        BankaOtazek banka;
        banka.Otevrit();
        for (const QString &skupina : Skupiny::Vsechny)
            QCOMPARE(ProcNelzeSestavit(banka, skupina), QString());
    }
};

QTEST_GUILESS_MAIN(TestSestaveni)
#include "tst_sestaveni.moc"

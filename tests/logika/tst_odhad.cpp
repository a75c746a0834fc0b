// The readiness estimate: calibrated against tests composed and answered independently by learners
// whose true chances are drawn from Beta distributions, and read from a learner's memory: what a
// category answered right, a later exam day, everything right and everything just wrong do to it.
#include "historie.h"
#include "malabanka.h"
#include "odpovedi.h"

#include "data/banka.h"
#include "test/sestaveni.h"
#include "uceni/odhad.h"

#include <QTest>

#include <algorithm>
#include <random>

using Pomocnik::Kdy;

namespace {

const QDate Dnes(2026, 5, 4);
const QString B = QStringLiteral("B");

// The plan of the sheet written out again: categories, positions, points each.
struct Radek {
    std::vector<int> kategorie;
    int pozic, body;
};
const std::vector<Radek> Plan{{{1}, 10, 3}, {{2}, 4, 2}, {{3, 5}, 2, 1}, {{6}, 5, 2}, {{4}, 1, 3}, {{7}, 3, 4}};

// Every question of the bank that group B may draw.
QList<int> OtazkyB(const BankaOtazek &banka)
{
    QList<int> otazky;
    for (int n = 1; n <= Kategorie::NejvyssiCislo; ++n)
        if (banka.SkupinaOtazky(n).contains(u'B'))
            otazky.append(n);
    return otazky;
}

// The pass rate of tests composed and answered without the estimate's code: each row's questions
// a uniform choice without repetition among the bank's questions of group B, each answered right
// with its true chance, passed at 56 points.
double SimulovanaUspesnost(const BankaOtazek &banka, const Odhad::Sance &sance, int testu, quint64 seme)
{
    std::mt19937_64 g(seme);
    std::uniform_real_distribution<double> u;
    std::vector<std::vector<int>> zasoby;
    for (const Radek &r : Plan) {
        zasoby.emplace_back();
        for (int n : OtazkyB(banka))
            if (std::find(r.kategorie.begin(), r.kategorie.end(), Kategorie::KategorieOtazky(n)) != r.kategorie.end())
                zasoby.back().push_back(n);
    }
    int prosle = 0;
    std::vector<int> vybrane;
    for (int t = 0; t < testu; ++t) {
        int body = 0;
        for (size_t r = 0; r < Plan.size(); ++r) {
            vybrane.clear();
            std::sample(zasoby[r].begin(), zasoby[r].end(), std::back_inserter(vybrane), Plan[r].pozic, g);
            for (int n : vybrane)
                body += u(g) < sance[static_cast<size_t>(n)] ? Plan[r].body : 0;
        }
        prosle += body >= 56;
    }
    return double(prosle) / testu;
}

// A learner whose chance of each question is drawn from Beta(a, b).
Odhad::Sance BetaZak(double a, double b, quint64 seme)
{
    std::mt19937_64 g(seme);
    std::gamma_distribution<double> x(a), y(b);
    Odhad::Sance sance{};
    for (double &p : sance) {
        const double gx = x(g);
        p = gx / (gx + y(g));
    }
    return sance;
}

void Vsechny(PametProfilu &pamet, const QList<int> &otazky, Odpovedi::Vysledek vysledek, const QDateTime &kdy)
{
    for (int n : otazky)
        pamet.Pridat(Pomocnik::Odpoved({n, kdy, vysledek}));
}

} // namespace

class TestOdhad : public QObject {
    Q_OBJECT

    Pomocnik::OtevrenaBanka m_fixture{Pomocnik::BankaTestu()};
    const BankaOtazek &m_banka = m_fixture.banka;

private slots:
    // Learners near 10 %, 50 % and 90 %: the estimate of 10,000 tests within 2 points of the pass
    // rate of 100,000 tests simulated apart from it.
    void kalibrace_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("blizko");
        QTest::newRow("10 %") << 3.5 << 1.0 << 0.10;
        QTest::newRow("50 %") << 7.0 << 1.25 << 0.50;
        QTest::newRow("90 %") << 12.0 << 0.8 << 0.90;
    }
    void kalibrace()
    {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, blizko);
        const Odhad::Sance sance = BetaZak(a, b, 24);
        const SestavovaniTestu sestavovani(m_banka, B);
        const Odhad::OdhadUspechu odhad = Odhad::OdhadnoutUspech(sestavovani, sance, 56);
        const double simulace = SimulovanaUspesnost(m_banka, sance, 100000, 77);
        qInfo("Beta(%.2f, %.2f): estimate %.4f, independent simulation %.4f", a, b, odhad.pravdepodobnost, simulace);
        QVERIFY2(std::abs(odhad.pravdepodobnost - simulace) < 0.02, qPrintable(QString::number(simulace)));
        QVERIFY(std::abs(simulace - blizko) < 0.08);
        QCOMPARE(odhad.testu, Odhad::PocetTestu);
        // The expected points and the points lost add up to the sheet.
        double ztraceno = 0;
        for (double z : odhad.ztraceneBody)
            ztraceno += z;
        QVERIFY(std::abs(odhad.ocekavaneBody + ztraceno - 65) < 1e-6);
    }

    // One learner's memory, day by day: a weak category costs the most points until it is answered
    // right; a later exam day lets the recall decay; everything right passes for certain, and a
    // question just answered wrong counts no better than an unseen one.
    void zPameti()
    {
        PametProfilu pamet(QStringLiteral("Jana"));
        QString proc;
        QVERIFY(!Odhad::OdhadZPameti(m_banka, B, pamet, Dnes, &proc));
        QVERIFY(proc.startsWith(QStringLiteral("Odhad potřebuje nejdříve vaše odpovědi.")));

        Pomocnik::Zak zak;
        zak.dovednost = {0.9, 0.9, 0.9, 0.9, 0.9, 0.15, 0.9};
        zak.otazky = OtazkyB(m_banka);
        for (const Odpovedi::Odpoved &o : Pomocnik::Historie(5, 600, Dnes, 30, zak))
            pamet.Pridat(o);
        QVERIFY(!Odhad::OdhadZPameti(m_banka, QStringLiteral("X"), pamet, Dnes, &proc));
        QVERIFY(proc.contains(QStringLiteral("„X“")));

        const auto slaby = Odhad::OdhadZPameti(m_banka, B, pamet, Dnes, &proc);
        QVERIFY(slaby && proc.isEmpty());
        QCOMPARE(slaby->minimum, 56);
        QCOMPARE(slaby->nejviceZtraci, 6);

        QList<int> znacky;
        for (int n : zak.otazky)
            if (Kategorie::KategorieOtazky(n) == 6)
                znacky.append(n);
        Vsechny(pamet, znacky, Odpovedi::Vysledek::Spravne, Kdy(2026, 5, 4, 20));
        const auto silny = Odhad::OdhadZPameti(m_banka, B, pamet, Dnes);
        QVERIFY2(silny->pravdepodobnost > slaby->pravdepodobnost + 0.1, qPrintable(QString::number(silny->pravdepodobnost)));
        QVERIFY(silny->ztraceneBody[5] < slaby->ztraceneBody[5] / 3);
        QVERIFY(silny->nejviceZtraci != 6);
        const auto pozdeji = Odhad::OdhadZPameti(m_banka, B, pamet, Dnes.addDays(120));
        QVERIFY(pozdeji->pravdepodobnost < silny->pravdepodobnost - 0.05);

        Vsechny(pamet, zak.otazky, Odpovedi::Vysledek::Spravne, Kdy(2026, 5, 4, 21));
        const auto vse = Odhad::OdhadZPameti(m_banka, B, pamet, Dnes);
        QCOMPARE(vse->pravdepodobnost, 1.0);
        QCOMPARE(vse->ocekavaneBody, 65.0);
        QCOMPARE(vse->nejviceZtraci, 0);
        QCOMPARE(Odhad::TextPravdepodobnosti(vse->pravdepodobnost), QStringLiteral("100 %"));

        // Wrong and hinted today: the model's recall on the day is 1, the chance that of the
        // category's first answers.
        Vsechny(pamet, zak.otazky, Odpovedi::Vysledek::SNapovedou, Kdy(2026, 5, 4, 22));
        const Odhad::Sance sance = Odhad::SanceOtazek(pamet, Dnes);
        const auto podil = Odhad::PodilPrvnichOdpovedi(pamet);
        QCOMPARE(sance[static_cast<size_t>(znacky.first())], podil[5]);
        Odhad::Sance nevidene{};
        for (int n = 1; n <= Kategorie::NejvyssiCislo; ++n)
            nevidene[static_cast<size_t>(n)] = podil[static_cast<size_t>(Kategorie::KategorieOtazky(n) - 1)];
        const auto spatne = Odhad::OdhadZPameti(m_banka, B, pamet, Dnes);
        QCOMPARE(spatne->pravdepodobnost,
                 Odhad::OdhadnoutUspech(SestavovaniTestu(m_banka, B), nevidene, 56).pravdepodobnost);
        QVERIFY(spatne->pravdepodobnost < 0.5);
    }

    // First answers only, smoothed toward one half with the weight of five answers; and the
    // percentages shown, which never round to a certainty the estimate does not have.
    void podilATexty()
    {
        PametProfilu pamet(QStringLiteral("Petr"));
        using V = Odpovedi::Vysledek;
        Pomocnik::Prehrat(pamet, {{421, Kdy(2026, 5, 1)}, {422, Kdy(2026, 5, 1)}, {423, Kdy(2026, 5, 1)},
                                  {424, Kdy(2026, 5, 1), V::SNapovedou}, {424, Kdy(2026, 5, 2)},
                                  {421, Kdy(2026, 5, 2), V::Spatne}, {1, Kdy(2026, 5, 2), V::Spatne}});
        const auto podil = Odhad::PodilPrvnichOdpovedi(pamet);
        QCOMPARE(podil[1], (3 + 2.5) / (4 + 5));
        QCOMPARE(podil[0], 2.5 / 6);
        QCOMPARE(podil[6], 0.5);
        const Odhad::Sance sance = Odhad::SanceOtazek(pamet, QDate(2026, 5, 2));
        QVERIFY(sance[422] > 0.9 && sance[422] < 1); // right the day before: the recall a day later
        QCOMPARE(sance[421], podil[1]);               // wrong on the day
        QCOMPARE(sance[730], 0.5);                    // never answered, nor any of its category

        QCOMPARE(Odhad::TextPravdepodobnosti(0.125), QStringLiteral("12 %"));
        QCOMPARE(Odhad::TextPravdepodobnosti(0.7449), QStringLiteral("74 %"));
        QCOMPARE(Odhad::TextPravdepodobnosti(0.996), QStringLiteral("více než 99 %"));
        QCOMPARE(Odhad::TextPravdepodobnosti(0.004), QStringLiteral("méně než 1 %"));
        QCOMPARE(Odhad::TextPravdepodobnosti(0), QStringLiteral("0 %"));
    }
};

QTEST_GUILESS_MAIN(TestOdhad)
#include "tst_odhad.moc"

// The readiness estimate for today's exam: worked out exactly over every exam the composition can
// draw (checked against exams drawn one by one), read from a learner's memory, and a range instead of
// a figure exactly while the learner has answered too few of the exam's questions.
#include "malabanka.h"
#include "odpovedi.h"

#include "logika/nahoda.h"
#include "test/sestavenizkousky.h"
#include "uceni/odhadzkousky.h"
#include "uceni/pamet.h"

#include <QTest>

#include <random>

using Pomocnik::Kdy;
using V = Odpovedi::Vysledek;

namespace {

const QDate Dnes(2026, 5, 4);
const QString B = QStringLiteral("B");

// The pass rate of exams drawn one by one and scored position by position: each position right with
// its question's chance, every combination of right and wrong enumerated.
double PoZkouskach(const SestavovaniZkousky &sestavovani, const Odhad::Sance &sance, int zkousek)
{
    Nahoda nahoda(99);
    double prosle = 0;
    for (int t = 0; t < zkousek; ++t) {
        const SestavovaniZkousky::Cisla cisla = sestavovani.Vylosovat([&nahoda](int n) { return nahoda.Dalsi(n); });
        std::vector<double> body(51); // the chance of each total so far
        body[0] = 1;
        for (int p = 1; p <= 25; ++p) {
            const double s = sance[size_t(cisla[size_t(p - 1)])];
            const int b = PlanZkousky::RadekPozice(p).body;
            for (int j = 50; j >= 0; --j)
                body[size_t(j)] = body[size_t(j)] * (1 - s) + (j >= b ? body[size_t(j - b)] * s : 0);
        }
        for (int j = 43; j <= 50; ++j)
            prosle += body[size_t(j)];
    }
    return prosle / zkousek;
}

} // namespace

class TestOdhadZkousky : public QObject {
    Q_OBJECT

    Pomocnik::OtevrenaBanka m_fixture{Pomocnik::BankaTestu()};
    const BankaOtazek &m_banka = m_fixture.banka;

private slots:
    // Learners with varied chances per question: the exact figure within a point of 40,000 exams drawn
    // by the composition itself.
    void presneJakoLosovani()
    {
        const SestavovaniZkousky sestavovani(m_banka, B);
        std::mt19937_64 g(3);
        for (double zaklad : {0.75, 0.85, 0.93}) {
            Odhad::Sance sance{};
            std::uniform_real_distribution<double> u(zaklad - 0.2, std::min(zaklad + 0.2, 1.0));
            for (double &s : sance)
                s = u(g);
            const double presne = OdhadZkousky::PravdepodobnostUspechu(sestavovani, sance);
            const double losovane = PoZkouskach(sestavovani, sance, 40000);
            qInfo("chances about %.2f: exact %.4f, drawn %.4f", zaklad, presne, losovane);
            QVERIFY2(std::abs(presne - losovane) < 0.01, qPrintable(QString::number(losovane)));
            QVERIFY(presne > 0.005 && presne < 0.995);
        }
    }

    // The memory counts how its recall held a day or more after a right answer, and nothing else; a
    // learner right every time then forgets more slowly than the model, one wrong every time faster,
    // and without such answers the model stands.
    void zapominani()
    {
        PametProfilu dobra(QStringLiteral("Dobrá")), spatna(QStringLiteral("Špatná"));
        for (int n = 1; n <= 60; ++n)
            for (auto [pamet, vysledek] : {std::pair{&dobra, V::Spravne}, std::pair{&spatna, V::Spatne}})
                Pomocnik::Prehrat(*pamet, {{n, Kdy(2026, 4, 1)}, {n, Kdy(2026, 4, 1, 12)}, {n, Kdy(2026, 4, 2 + n % 20), vysledek},
                                           {n, Kdy(2026, 4, 28)}});
        QCOMPARE(dobra.Overeni().Odpovedi(), 120);
        int spravne = 0;
        for (const OvereniVybavitelnosti::Kos &k : spatna.Overeni().kose)
            spravne += k.spravne;
        QCOMPARE(std::make_pair(spatna.Overeni().Odpovedi(), spravne), std::make_pair(60, 0));

        const auto r = [](const PametProfilu &p) {
            return OdhadZkousky::Vybavitelnost(0.8, OdhadZkousky::ZapominaniZOvereni(p.Overeni(), 0.6).Odhad());
        };
        QVERIFY2(r(dobra) > 0.85, qPrintable(QString::number(r(dobra))));
        QVERIFY2(r(spatna) < 0.5, qPrintable(QString::number(r(spatna))));
        const OdhadZkousky::Zapominani model = OdhadZkousky::ZapominaniZOvereni({}, 0.6).Odhad();
        QVERIFY(std::abs(model.tempo - 1) < 1e-3 && std::abs(model.strmost - 1) < 1e-3);
    }

    // No answers, or a group that is none of the eight: a reason, no estimate. Then answers
    // question by question: a range while fewer than 100 of the group's questions are answered (here
    // the fifth of the pool is lower), one figure from the hundredth; the range narrows with the
    // answers and holds the figure; everything right today passes for certain, and a question just
    // answered wrong counts as one never seen.
    void hrubyOdhad()
    {
        PametProfilu pamet(QStringLiteral("Jana"));
        QString proc;
        QVERIFY(!OdhadZkousky::ZPameti(m_banka, B, pamet, Dnes, &proc));
        QVERIFY(proc.startsWith(QStringLiteral("Odhad pro dnešní zkoušku potřebuje nejdříve vaše odpovědi.")));
        pamet.Pridat(Pomocnik::Odpoved({5, Kdy(2026, 5, 1)}));
        QVERIFY(!OdhadZkousky::ZPameti(m_banka, QStringLiteral("X"), pamet, Dnes, &proc));
        QVERIFY(proc.contains(QStringLiteral("„X“")));

        const SestavovaniZkousky sestavovani(m_banka, B);
        QList<int> zasoba;
        for (Okruhy::Okruh o : Okruhy::Vsechny)
            for (int n : sestavovani.Zasoba(o))
                zasoba << n;
        QVERIFY(zasoba.size() < 500 && zasoba.size() > 100);
        PametProfilu zak(QStringLiteral("Petr"));
        zak.Pridat(Pomocnik::Odpoved({1, Kdy(2026, 4, 1)})); // not a question of the exam
        double predchoziSirka = 2;
        for (int i = 0; i < 100; ++i) {
            // Four of five right, ten a day in the first days of April.
            zak.Pridat(Pomocnik::Odpoved({zasoba[i], Kdy(2026, 4, 1 + i / 10), i % 5 == 4 ? V::Spatne : V::Spravne}));
            const auto odhad = OdhadZkousky::ZPameti(m_banka, B, zak, Dnes);
            QCOMPARE(std::make_pair(odhad->zodpovezeno, odhad->otazek), std::make_pair(i + 1, int(zasoba.size())));
            QCOMPARE(odhad->hruby, i + 1 < 100);
            QVERIFY(odhad->dolni <= odhad->pravdepodobnost && odhad->pravdepodobnost <= odhad->horni);
            if (i % 30 == 9 && i < 99) {
                const double sirka = odhad->horni - odhad->dolni;
                qInfo("%d answered: %.3f in %.3f .. %.3f", i + 1, odhad->pravdepodobnost, odhad->dolni, odhad->horni);
                QVERIFY(sirka < predchoziSirka && sirka > 0.05);
                predchoziSirka = sirka;
            }
            if (i == 98) {
                QCOMPARE(OdhadZkousky::VetaHrubehoOdhadu(*odhad),
                         QStringLiteral("Odhad je zatím hrubý: zodpověděli jste 99 z %1 otázek.").arg(zasoba.size()));
                QVERIFY(OdhadZkousky::TextOdhadu(*odhad).contains(QStringLiteral(" až ")));
            }
            if (i == 99) {
                QCOMPARE(OdhadZkousky::VetaHrubehoOdhadu(*odhad), QString());
                QCOMPARE(std::make_pair(odhad->dolni, odhad->horni), std::make_pair(odhad->pravdepodobnost, odhad->pravdepodobnost));
                QCOMPARE(OdhadZkousky::TextOdhadu(*odhad), Odhad::TextPravdepodobnosti(odhad->pravdepodobnost));
            }
        }
        for (int n : zasoba)
            zak.Pridat(Pomocnik::Odpoved({n, Kdy(2026, 5, 4, 20)}));
        const auto vse = OdhadZkousky::ZPameti(m_banka, B, zak, Dnes);
        QCOMPARE(std::make_tuple(vse->pravdepodobnost, vse->ocekavaneBody, vse->nejviceZtraci.has_value()),
                 std::make_tuple(1.0, 50.0, false));
        // Answered wrong just now: the model's recall on the day is 1, the chance that of the topic.
        zak.Pridat(Pomocnik::Odpoved({zasoba[0], Kdy(2026, 5, 4, 21), V::Spatne}));
        const auto podily = OdhadZkousky::Podily(OdhadZkousky::SecistPrvniOdpovedi(m_banka, zak));
        const Odhad::Sance sance = OdhadZkousky::SanceOtazek(sestavovani, zak, Dnes, podily);
        QCOMPARE(sance[size_t(zasoba[0])], podily[size_t(Okruhy::Index(*m_banka.OkruhOtazky(zasoba[0])))]);
        QCOMPARE(sance[size_t(zasoba[1])], 1.0);

        // The fifth of a larger pool: 100 answered of 500 is enough, of 501 it is not.
        QVERIFY(!OdhadZkousky::Hruby(100, 500) && OdhadZkousky::Hruby(100, 501) && !OdhadZkousky::Hruby(121, 601));
        QVERIFY(OdhadZkousky::Hruby(120, 601) && OdhadZkousky::Hruby(99, 200));
    }
};

QTEST_GUILESS_MAIN(TestOdhadZkousky)
#include "tst_odhadzkousky.moc"

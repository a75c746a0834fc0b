// Calibration of the readiness estimate for today's exam (uceni/odhadzkousky.h) against simulated
// learners whose answers follow a model of their own, not the estimate's memory model:
//
//   each learner has an ability, and a skill of their own in each topic around it; each question a
//   fixed difficulty. Without study the learner knows a question with the chance
//   σ(1.7·(ability + topic skill − difficulty) − 1); each answer, with its right answer seen after
//   it, strengthens a trace that is forgotten on a power curve (1 + t/h)^−d, its half-life h
//   growing with the number of answers to the question and with the ability. Known by either way,
//   the answer is right; otherwise one of the three is guessed.
//
// Each learner answers N questions of group B over one to eight weeks, about two days in three, a
// third of them questions answered before, and sits the exam one to three weeks after the last day.
// The true chance of passing is worked out from the true chance of every question on the exam day
// over every exam the composition can draw; the estimate sees only the learner's answers. Printed
// per N: the mean true chance, the mean error of the estimate and its mean distance from the truth,
// how often the range holds the truth (aimed at 80 %) and its mean width, and the share of rough
// estimates. Run in the program directory: `kalibrace_zkousky [learners per N] [d, 0.6 unless given]`.
#include "bankazkousky.h"

#include "data/banka.h"
#include "test/sestavenizkousky.h"
#include "uceni/odhadzkousky.h"
#include "uceni/pamet.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

struct Otazka {
    int cislo;
    size_t okruh;
    double obtiznost;
};

struct Stopa {
    int odpovedi = 0;
    double posledni = 0; // days since the start
};

double Sigmoida(double x) { return 1 / (1 + std::exp(-x)); }

struct Zak {
    double zapominani; // d
    double schopnost;
    std::array<double, Okruhy::Pocet> okruhy;

    double Sance(const Otazka &q, const Stopa &s, double den) const
    {
        const double a = schopnost + okruhy[q.okruh] - q.obtiznost;
        const double zaklad = Sigmoida(1.7 * a - 1);
        double stopa = 0;
        if (s.odpovedi > 0) {
            const double polocas = 2 * std::exp(0.8 * a) * std::pow(s.odpovedi, 1.5);
            stopa = std::pow(1 + std::max(den - s.posledni, 0.0) / polocas, -zapominani);
        }
        const double zna = 1 - (1 - zaklad) * (1 - stopa);
        return zna + (1 - zna) / 3;
    }
};

struct Souhrn {
    int zaku = 0, hrubych = 0, pokryto = 0;
    double pravda = 0, chyba = 0, odchylka = 0, sirka = 0, ruznych = 0;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int zakuNaN = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    const double zapominani = argc > 2 ? std::atof(argv[2]) : 0.6;
    try {
        const BenchZkouska::Banky banky;
        const BankaOtazek &banka = banky.Zkousky();
        const SestavovaniZkousky sestavovani(banka, BenchZkouska::Skupina);
        std::mt19937_64 g(2026);
        std::normal_distribution<double> normalni;
        std::vector<Otazka> otazky;
        for (Okruhy::Okruh o : Okruhy::Vsechny)
            for (int n : sestavovani.Zasoba(o))
                otazky.push_back({n, static_cast<size_t>(Okruhy::Index(o)), normalni(g)});
        std::printf("calibration of the estimate for today's exam on %s; group %s, %zu questions the exam draws from, "
                    "%d learners per row, forgetting (1 + t/h)^-%.2f\n\n",
                    qPrintable(banky.Popis()), qPrintable(BenchZkouska::Skupina), otazky.size(), zakuNaN, zapominani);
        std::printf("answers  questions  rough  true chance  estimate - truth  |estimate - truth|  range holds truth  "
                    "range width\n");

        const QDate start(2026, 1, 5);
        for (int pocet : {20, 50, 100, 150, 250, 500, 1000, 2500}) {
            Souhrn s;
            for (int z = 0; z < zakuNaN; ++z) {
                Zak zak{zapominani, std::normal_distribution<double>(1.0, 1.0)(g), {}};
                for (double &t : zak.okruhy)
                    t = std::normal_distribution<double>(0, 0.4)(g);
                const int dni = std::uniform_int_distribution<int>(7, 56)(g);
                std::vector<int> dny;
                for (int d = 0; d < dni; ++d)
                    if (d == dni - 1 || std::uniform_int_distribution<int>(0, 2)(g) != 0)
                        dny.push_back(d);
                const int zkouska = dni - 1 + std::uniform_int_distribution<int>(7, 21)(g);

                std::vector<Stopa> stopy(otazky.size());
                std::vector<size_t> videne;
                PametProfilu pamet(QStringLiteral("Simulace"));
                for (int i = 0; i < pocet; ++i) {
                    const int den = dny[static_cast<size_t>(i) * dny.size() / static_cast<size_t>(pocet)];
                    size_t q;
                    if (!videne.empty() && std::uniform_real_distribution<double>()(g) < 1.0 / 3)
                        q = videne[std::uniform_int_distribution<size_t>(0, videne.size() - 1)(g)];
                    else {
                        do
                            q = std::uniform_int_distribution<size_t>(0, otazky.size() - 1)(g);
                        while (stopy[q].odpovedi > 0 && videne.size() < otazky.size());
                        if (stopy[q].odpovedi == 0)
                            videne.push_back(q);
                    }
                    const double kdy = den + 16.0 / 24;
                    const bool spravne = std::uniform_real_distribution<double>()(g) < zak.Sance(otazky[q], stopy[q], kdy);
                    stopy[q] = {stopy[q].odpovedi + 1, kdy};
                    pamet.Pridat({start.addDays(den), QTime(16, 0), otazky[q].cislo,
                                  spravne ? Odpovedi::Vysledek::Spravne : Odpovedi::Vysledek::Spatne,
                                  Odpovedi::Zdroj::Procvicovani});
                }
                Odhad::Sance pravda{};
                for (size_t q = 0; q < otazky.size(); ++q)
                    pravda[static_cast<size_t>(otazky[q].cislo)] = zak.Sance(otazky[q], stopy[q], zkouska + 9.0 / 24);
                const double p = OdhadZkousky::PravdepodobnostUspechu(sestavovani, pravda);
                const auto odhad = OdhadZkousky::ZPameti(banka, BenchZkouska::Skupina, pamet, start.addDays(zkouska), nullptr, true);
                if (!odhad)
                    return 1;
                ++s.zaku;
                s.hrubych += odhad->hruby;
                s.pokryto += odhad->dolni <= p && p <= odhad->horni;
                s.pravda += p;
                s.chyba += odhad->pravdepodobnost - p;
                s.odchylka += std::abs(odhad->pravdepodobnost - p);
                s.sirka += odhad->horni - odhad->dolni;
                s.ruznych += odhad->zodpovezeno;
            }
            const double n = s.zaku;
            std::printf("%7d  %9.0f  %4.0f %%  %9.1f %%  %+14.1f pt  %15.1f pt  %15.1f %%  %8.1f pt\n", pocet,
                        s.ruznych / n, 100 * s.hrubych / n, 100 * s.pravda / n, 100 * s.chyba / n, 100 * s.odchylka / n,
                        100 * s.pokryto / n, 100 * s.sirka / n);
        }
        return 0;
    } catch (const ChybaTabulky &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Text()));
        return 1;
    }
}

// Crossroads in motion, for every crossroad question of the bank (read from otazky.DB/.MB in the
// working directory, as the program reads a question's scene), at the size of the picture and of
// its enlarged version: one frame painted against painting the still scene in the same run (the
// floor), and all the frames of a scene against its playing time, on one core (processor time
// of this thread). Also the cost of preparing the motion when play is pressed.
#include "data/banka.h"
#include "kresby/krizovatky.h"
#include "kresby/krizovatky_snimky.h"

#include <QGuiApplication>
#include <QTextStream>

#include "casprocesoru.h"

#include <algorithm>
#include <vector>

using Mereni::CasMs;
using Mereni::Median;

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    const int opakovani = qEnvironmentVariableIntValue("RUNS") > 0 ? qEnvironmentVariableIntValue("RUNS") : 5;

    BankaOtazek banka;
    banka.Otevrit();
    QList<std::pair<int, Krizovatky::Jizda>> sceny;
    std::vector<double> priprava;
    for (int n = Kategorie::Prvni(7); n <= Kategorie::Posledni(7); ++n) {
        if (!banka.OtazkaExistuje(n))
            continue;
        const QString popis = banka.Nacist(n).krizovatka;
        const double t = CasMs();
        std::optional<Krizovatky::Jizda> j = Krizovatky::Jizda::ZPopisu(popis);
        priprava.push_back(CasMs() - t);
        if (!j) {
            out << "question " << n << ": no motion (a bank built before scenes were stored?)\n";
            return 1;
        }
        sceny.append({n, *j});
    }
    out << QStringLiteral("crossroads in motion: %1 scenes, processor time of one core, %2 runs\n").arg(sceny.size()).arg(opakovani);
    out << QStringLiteral("  preparing the motion of a scene: median %1 ms, worst %2 ms\n")
               .arg(Median(priprava), 0, 'f', 2).arg(*std::max_element(priprava.begin(), priprava.end()), 0, 'f', 2);

    bool vyhovuje = true;
    for (const int meritko : {1, ObrazkyOtazek::Zvetseni}) {
        std::vector<double> pomery, snimkyVsech, stojiciVsech, podilyHrani;
        int nejhorsiScena = 0;
        double nejhorsiPodil = 0, nejhorsiPomer = 0;
        for (const auto &[cislo, jizda] : std::as_const(sceny)) {
            std::vector<double> stojici, snimek, cele;
            const double t0 = CasMs();
            const Krizovatky::SnimkyKrizovatky snimky(jizda, meritko);
            const double pozadi = CasMs() - t0;
            for (int r = 0; r < opakovani; ++r) {
                double t = CasMs();
                const QImage s = Krizovatky::Nakreslit(jizda.Zadani(), meritko);
                stojici.push_back(CasMs() - t);
                const double zacatek = CasMs();
                for (int i = 0; i < snimky.PocetSnimku(); ++i) {
                    t = CasMs();
                    const QImage f = snimky.Snimek(i);
                    snimek.push_back(CasMs() - t);
                }
                cele.push_back(CasMs() - zacatek + pozadi);
            }
            const double pomer = Median(snimek) / Median(stojici);
            const double podil = Median(cele) / (jizda.Delka() * 1000.0);
            pomery.push_back(pomer);
            snimkyVsech.push_back(Median(snimek));
            stojiciVsech.push_back(Median(stojici));
            podilyHrani.push_back(podil);
            nejhorsiPomer = std::max(nejhorsiPomer, pomer);
            if (podil > nejhorsiPodil) {
                nejhorsiPodil = podil;
                nejhorsiScena = cislo;
            }
        }
        vyhovuje = vyhovuje && nejhorsiPomer <= 1.5 && nejhorsiPodil <= 1.0;
        out << QStringLiteral("  %1 × %2 px: one frame median %3 ms, the still scene (floor) median %4 ms; ratio per scene: "
                              "median %5, worst %6 (limit 1.5)\n")
                   .arg(Krizovatky::Sirka * meritko).arg(Krizovatky::Vyska * meritko)
                   .arg(Median(snimkyVsech), 0, 'f', 3).arg(Median(stojiciVsech), 0, 'f', 3)
                   .arg(Median(pomery), 0, 'f', 2).arg(nejhorsiPomer, 0, 'f', 2);
        out << QStringLiteral("  %1 × %2 px: all frames of a scene against its playing time: median %3 %, worst %4 % "
                              "(question %5; limit 100 %)\n")
                   .arg(Krizovatky::Sirka * meritko).arg(Krizovatky::Vyska * meritko)
                   .arg(100 * Median(podilyHrani), 0, 'f', 1).arg(100 * nejhorsiPodil, 0, 'f', 1).arg(nejhorsiScena);
    }
    out << (vyhovuje ? "  within the limits\n" : "  OVER THE LIMITS\n");
    return vyhovuje ? 0 : 1;
}

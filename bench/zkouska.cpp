// Composing a mock exam for group B (its pools read from the bank's index, 25 questions drawn and
// their answers shuffled) against floors measured interleaved in the same run: one pass over the
// bank's index asking what the composition must ask of every number (is it there, its group, its
// right letters), and the points test's composition. Prints medians and their ratios. Runs in the
// program directory (the real bank, or a stand-in with topics while it has none: bankazkousky.h).
#include "bankazkousky.h"
#include "odpovedi_sql.h"

#include "data/banka.h"
#include "logika/nahoda.h"
#include "test/sestaveni.h"
#include "test/sestavenizkousky.h"

#include <QCoreApplication>

using namespace BenchOdpovedi;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    try {
        const BenchZkouska::Banky banky;
        const BankaOtazek &banka = banky.Zkousky();
        const QString &skupina = BenchZkouska::Skupina;
        const int behu = Behu("RUNS", 201);
        Nahoda nahoda(12345);
        const ZdrojNahody zdroj = [&nahoda](int n) { return nahoda.Dalsi(n); };
        qint64 soucet = 0;
        std::vector<double> zkouska, index, test;
        for (int i = 0; i < behu + 1; ++i) {
            const double z = Ms([&] { soucet += VylosujZkousku(banka, skupina, zdroj)->back().SkutCis; });
            const double x = Ms([&] {
                for (int n = 1; n <= Kategorie::NejvyssiCislo; ++n)
                    soucet += banka.OtazkaExistuje(n) + banka.SkupinaOtazky(n).size() + banka.SpravneOdpovedi(n).size();
            });
            const double t = Ms([&] { soucet += VylosujTest(banka, skupina, zdroj)->back().SkutCis; });
            if (i == 0)
                continue; // the first fills the caches
            zkouska.push_back(z);
            index.push_back(x);
            test.push_back(t);
        }
        const double mz = Median(zkouska), mx = Median(index), mt = Median(test);
        std::printf("mock exam composed for group %s on %s, median of %d: %.3f ms; floor (one pass over the bank's index) "
                    "%.3f ms, ratio %.2f; the points test's composition %.3f ms, ratio %.2f\n",
                    qPrintable(skupina), qPrintable(banky.Popis()), behu, mz, mx, mz / mx, mt, mz / mt);
        return soucet == 0;
    } catch (const ChybaTabulky &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Text()));
        return 1;
    }
}

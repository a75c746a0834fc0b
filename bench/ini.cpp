// Reading a config.ini of 40 000 sections against the floor of splitting the same bytes into lines,
// interleaved in the same run. Prints the medians and their ratio.
#include "mereni.h"

#include "data/ini.h"

#include <QElapsedTimer>

#include <cstdio>
#include <vector>

using Mereni::Median;

namespace {

constexpr int PocetSekci = 40000;

} // namespace

int main()
{
    const int behu = Mereni::Behu("RUNS", 31);
    // Empty sections, the worst case of a damaged file: every line names a new section.
    QByteArray soubor;
    for (int i = 0; i < PocetSekci; ++i)
        soubor += "[Sekce " + QByteArray::number(i) + "]\r\n";

    std::vector<double> cteni, radky;
    qint64 soucet = 0;
    for (int i = 0; i < behu; ++i) {
        QElapsedTimer t;
        t.start();
        const IniDokument ini = IniDokument::Nacist(soubor);
        soucet += ini.ReadInteger(QStringLiteral("sekce 39999"), QStringLiteral("x"), 1);
        cteni.push_back(double(t.nsecsElapsed()) / 1e6);

        t.start();
        soucet += soubor.split('\n').size();
        radky.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    const double mc = Median(cteni), mr = Median(radky);
    std::printf("config.ini of %d sections (%lld kB), runs: %d\n", PocetSekci, qint64(soubor.size() / 1024), behu);
    std::printf("read: median %.2f ms, split into lines: median %.2f ms, ratio %.2f (goal <= 3)%s\n", mc, mr, mc / mr,
                soucet ? "" : " ");
    return 0;
}

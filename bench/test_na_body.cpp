// Creating the points-test window: the test composed, all seven pages filled and laid out and the
// start message answered, against its floor measured in the same run: the 25 look-ups of the
// questions by number and the 125 wrapped-line measurements of their texts that the window needs
// at least. Runs in the program directory with the real bank. The first window of the process is
// shown apart: it fills the font and picture caches that later windows find filled.
#include "data/banka.h"
#include "data/konfigurace.h"
#include "logika/nahoda.h"
#include "okna/dialogy.h"
#include "okna/rozvrzeni.h"
#include "test/pozicetestu.h"
#include "test/sestaveni.h"
#include "test/test.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Dialogy::Test::Zapnout(); // the start message is answered at once
    const int behy = qEnvironmentVariableIntValue("RUNS") > 0 ? qEnvironmentVariableIntValue("RUNS") : 30;
    Konfigurace nastaveni;

    BankaOtazek banka;
    try {
        banka.Otevrit();
    } catch (const ChybaTabulky &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Text()));
        return 1;
    }
    const QFont pismo = ListTestu::PismoTextu();

    auto okno = [&] {
        QElapsedTimer t;
        t.start();
        TTestForm test(nastaveni);
        const double ms = t.nsecsElapsed() / 1e6;
        if (!test.Pripraven())
            std::exit(1);
        return ms;
    };
    int soucet = 0; // keeps the floor's work from being optimised away
    Nahoda nahoda(12345);
    auto podlaha = [&] {
        const PolozkyTestu polozky = *VylosujTest(banka, nastaveni.ZvolenaSkupina, [&nahoda](int n) { return nahoda.Dalsi(n); });
        QElapsedTimer t;
        t.start();
        for (const PolozkaTestu &p : polozky) {
            const OtazkaBanky o = banka.Nacist(p.SkutCis);
            soucet += Rozvrzeni::PocetRadku(pismo, o.otazka, 734);
            for (const QString &odpoved : o.odpovedi)
                soucet += Rozvrzeni::PocetRadku(pismo, odpoved, 700);
        }
        return t.nsecsElapsed() / 1e6;
    };

    const double prvni = okno(); // fonts and pictures not yet in their caches
    podlaha();
    std::vector<double> casyOkna, casyPodlahy;
    for (int i = 0; i < behy; ++i) {
        casyOkna.push_back(okno());
        casyPodlahy.push_back(podlaha());
    }
    const double mo = Median(casyOkna), mp = Median(casyPodlahy);
    std::printf("points-test window created (composition, 7 pages laid out), median of %d: %.2f ms; "
                "floor (25 look-ups, 125 line measurements): %.2f ms; ratio %.2f\n",
                behy, mo, mp, mo / mp);
    std::printf("first window of the process: %.2f ms\n", prvni);
    return soucet < 0;
}

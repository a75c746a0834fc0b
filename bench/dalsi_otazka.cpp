// The cost of choosing a run's questions against showing one: a random run of every qualifying
// question of category 3 for group D, in the real bank, repeated. Prints medians and their ratio.
#include "mereni.h"

#include "app/hlavniformular.h"
#include "app/panelotazky.h"
#include "practice/beh.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

#include <cstdio>

using Mereni::Median;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int behu = argc > 1 ? std::max(1, std::atoi(argv[1])) : 101;
    THlavniFormular okno;
    okno.show();
    Konfigurace &stav = okno.Stav().Nastaveni();
    stav.PovoleneKategorie = {false, false, true, false, false, false, false};
    stav.ZvolenaSkupina = QStringLiteral("D");
    stav.PostupnyVyber = false;
    BankaOtazek &banka = okno.Banka();
    const int q = BehOtazek::PocetOtazek(banka, stav);
    if (q < 1) {
        std::fprintf(stderr, "no question of category 3 for group D in %s\n", qPrintable(QDir::currentPath()));
        return 1;
    }
    auto *panel = okno.findChild<TPanelOtazky *>();
    BehOtazek beh;

    std::vector<qint64> vyber, zobrazeni, volani;
    QElapsedTimer t;
    for (int b = 0; b < behu; ++b) {
        // The whole run's choosing, from the bank's index.
        beh.Zacit(banka, stav, DruhBehu::Zkouseni, PoradiOtazek::Nahodne, q, 1);
        t.start();
        for (int i = 0; i < q; ++i)
            beh.DalsiOtazka(banka);
        vyber.push_back(t.nsecsElapsed());
        // Showing each question the run chose, one at a time.
        for (int cislo : beh.SeznamOtazek()) {
            t.start();
            panel->ZobrazitOtazku(cislo);
            zobrazeni.push_back(t.nsecsElapsed());
        }
        // The next question as a run takes it: choosing and showing.
        beh.Zacit(banka, stav, DruhBehu::Zkouseni, PoradiOtazek::Nahodne, q, 1);
        for (int i = 0; i < q; ++i) {
            t.start();
            if (const std::optional<int> x = beh.DalsiOtazka(banka))
                panel->ZobrazitOtazku(*x);
            volani.push_back(t.nsecsElapsed());
        }
    }
    const double mVyber = Median(vyber), mZobrazeni = Median(zobrazeni), mVolani = Median(volani);
    std::printf("random run of all %d qualifying questions of category 3, group D; %d runs\n", q, behu);
    std::printf("choosing the whole run, median: %.1f us\n", mVyber / 1000.0);
    std::printf("showing one question (ZobrazitOtazku), median: %.1f us\n", mZobrazeni / 1000.0);
    std::printf("next question (choose and show one), median: %.1f us\n", mVolani / 1000.0);
    std::printf("whole run's choosing / showing one question: %.2f (goal: below 3)\n", mVyber / mZobrazeni);
    return 0;
}

#include "test/planzkousky.h"

namespace PlanZkousky {

const Radek &RadekPozice(int pozice)
{
    int konec = 0;
    for (const Radek &r : Radky) {
        konec += r.pocet;
        if (pozice <= konec)
            return r;
    }
    return Radky.front();
}

const Radek &RadekOkruhu(Okruhy::Okruh okruh)
{
    for (const Radek &r : Radky)
        if (r.okruh == okruh)
            return r;
    return Radky.front();
}

bool Prospel(int pocetBodu) { return pocetBodu >= MinPocetBodu; }

} // namespace PlanZkousky

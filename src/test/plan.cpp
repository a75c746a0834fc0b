#include "test/plan.h"

#include "data/kategorie.h"

namespace PlanTestu {

const Radek &RadekPozice(int pozice)
{
    for (const Radek &r : Radky)
        if (pozice >= r.prvni && pozice <= r.posledni)
            return r;
    return Radky.front();
}

int BodyPozice(int pozice) { return RadekPozice(pozice).body; }

bool CisloVRadku(const Radek &radek, int cislo)
{
    const int k = Kategorie::KategorieOtazky(cislo);
    return k != 0 && (k == radek.kategorie[0] || k == radek.kategorie[1]);
}

// Decided by the first letter, and for A and B by the whole code: AM and B1 share the letter of
// A and B but need fewer points.
std::optional<int> MinPocetBodu(const QString &skupina)
{
    if (skupina == QStringLiteral("A"))
        return 56;
    if (skupina == QStringLiteral("A1"))
        return 52;
    if (skupina == QStringLiteral("AM"))
        return 50;
    if (skupina == QStringLiteral("B"))
        return 56;
    if (skupina == QStringLiteral("B1"))
        return 54;
    if (skupina == QStringLiteral("C"))
        return 59;
    if (skupina == QStringLiteral("D"))
        return 61;
    if (skupina == QStringLiteral("T"))
        return 54;
    return std::nullopt;
}

} // namespace PlanTestu

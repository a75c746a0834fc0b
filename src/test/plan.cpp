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

// The whole code decides: AM and A1 share the letter of A, and B1 that of B, but need fewer points.
std::optional<int> MinPocetBodu(const QString &skupina)
{
    static const std::array<std::pair<QString, int>, 8> minima{{
        {QStringLiteral("AM"), 50}, {QStringLiteral("A1"), 52}, {QStringLiteral("A"), 56}, {QStringLiteral("B1"), 54},
        {QStringLiteral("B"), 56},  {QStringLiteral("C"), 59},  {QStringLiteral("D"), 61}, {QStringLiteral("T"), 54},
    }};
    for (const auto &[kod, minimum] : minima)
        if (kod == skupina)
            return minimum;
    return std::nullopt;
}

} // namespace PlanTestu

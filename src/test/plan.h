#pragma once

#include <QString>

#include <array>
#include <optional>

// The fixed plan of the points test: 25 positions, each drawn from fixed categories of the bank
// and worth fixed points, 65 points and 30 minutes in all.
namespace PlanTestu {

inline constexpr int PocetPozic = 25;
inline constexpr int MaxBodu = 65;
inline constexpr int CasTestuSekund = 1800;

// Positions prvni..posledni draw from the categories kategorie (one category, or 3 and 5 together)
// and are worth body points each.
struct Radek {
    int prvni, posledni;
    std::array<int, 2> kategorie;
    int body;
    int PocetPozic() const { return posledni - prvni + 1; }
};

inline constexpr std::array<Radek, 6> Radky{{
    {1, 10, {1, 1}, 3},
    {11, 14, {2, 2}, 2},
    {15, 16, {3, 5}, 1},
    {17, 21, {6, 6}, 2},
    {22, 22, {4, 4}, 3},
    {23, 25, {7, 7}, 4},
}};

// The plan row of a position 1..25.
const Radek &RadekPozice(int pozice);
int BodyPozice(int pozice);
// Whether question n belongs to the categories of the row.
bool CisloVRadku(const Radek &radek, int cislo);

// Points needed to pass for a group code; nothing for a code that is not one of the eight groups.
std::optional<int> MinPocetBodu(const QString &skupina);

} // namespace PlanTestu

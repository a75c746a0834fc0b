#pragma once

#include <QString>

#include <array>

// The seven question categories are fixed ranges of question numbers.
namespace Kategorie {

inline constexpr int Pocet = 7;
inline constexpr int NejvyssiCislo = 757;

// Category k (1..7) holds the numbers n with Meze[k-1] < n <= Meze[k].
inline constexpr std::array<int, Pocet + 1> Meze{0, 420, 475, 500, 580, 620, 720, 757};

// Category 1..7 of question n, or 0 when n lies outside 1..757.
constexpr int KategorieOtazky(int n)
{
    for (int k = 1; k <= Pocet; ++k)
        if (n > Meze[k - 1] && n <= Meze[k])
            return k;
    return 0;
}

constexpr int Prvni(int k) { return Meze[k - 1] + 1; }
constexpr int Posledni(int k) { return Meze[k]; }

// Questions of the sign and crossroad categories carry a picture, no others.
inline constexpr int KategorieZnacek = 6;
inline constexpr int KategorieKrizovatek = 7;
constexpr bool MaObrazek(int n) { return n >= Prvni(KategorieZnacek) && n <= NejvyssiCislo; }

// Safe driving and vehicle control, numbered apart from the seven: three answers, one right, no
// picture. The bank holds it beside them; the seven and the points test's plan end at 757.
inline constexpr int KategorieBezpecneJizdy = 8;
inline constexpr int PrvniBezpecneJizdy = 801;
inline constexpr int PosledniBezpecneJizdy = 999;
constexpr bool BezpecnaJizda(int n) { return n >= PrvniBezpecneJizdy && n <= PosledniBezpecneJizdy; }

// Key in the "Kategorie otazek" section of config.ini.
QString Klic(int k);
// Name shown to the user.
QString Nazev(int k);

// The digits of the categories switched on, ascending: "1234567", "26".
QString Cislice(const std::array<bool, Pocet> &povolene);

} // namespace Kategorie

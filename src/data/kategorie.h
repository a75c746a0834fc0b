#pragma once

#include <QString>

#include <array>

// The seven question categories are fixed ranges of question numbers.
namespace Kategorie {

inline constexpr int Pocet = 7;
inline constexpr int NejvyssiCislo = 757;

// Category k (1..7) holds the numbers n with Meze[k-1] < n <= Meze[k].
inline constexpr std::array<int, Pocet + 1> Meze{0, 420, 475, 500, 580, 620, 720, 757};

struct Popis {
    const char *klic;   // key in the "Kategorie otazek" section of config.ini
    const char *nazev;  // name shown to the user (UTF-8)
};

inline constexpr std::array<Popis, Pocet> Popisy{{
    {"Pravidla provozu", "Pravidla provozu na pozemních komunikacích"},
    {"Ridicke opravneni", "Řidičské oprávnění a řidičský průkaz"},
    {"Silnicni zakon", "Silniční zákon, silniční doprava a pojištění odpovědnosti"},
    {"Zdravoveda", "První pomoc - Zdravověda"},
    {"Podminky provozu", "Podmínky provozu na pozemních komunikacích"},
    {"Znacky", "Dopravní značky a zařízení"},
    {"Krizovatky", "Řešení dopravních situací na křižovatkách"},
}};

// Category 1..7 of question n, or 0 when n lies outside 1..757.
constexpr int KategorieOtazky(int n)
{
    for (int k = 1; k <= Pocet; ++k)
        if (n > Meze[k - 1] && n <= Meze[k])
            return k;
    return 0;
}

inline QString Klic(int k) { return QString::fromUtf8(Popisy[k - 1].klic); }
inline QString Nazev(int k) { return QString::fromUtf8(Popisy[k - 1].nazev); }

} // namespace Kategorie

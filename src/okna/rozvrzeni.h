#pragma once

#include <QFont>
#include <QString>

#include <array>
#include <functional>

// Layout of one question on the question panel: every text wrapped to its width, given the
// height of its wrapped lines and stacked below the one before it.
namespace Rozvrzeni {

inline constexpr int ZakladniSirka = 580;
inline constexpr int SirkaPoznamky = 597;
inline constexpr int TopOtazky = 24;
inline constexpr int Mezera = 10;
inline constexpr int VyskaRadku = 18;
inline constexpr int LevaOtazky = 8, LevaOdpovedi = 45, LevaPoznamky = 25;
inline constexpr int LevaObrazkuZnacky = 530, LevaObrazkuKrizovatky = 326;

enum Text { Otazka, A, B, C, D, Poznamka, PocetTextu };

struct Obdelnik {
    int x = 0, y = 0, sirka = 0, vyska = 0;
    bool operator==(const Obdelnik &) const = default;
};

// Number of wrapped lines of one of the texts at a width.
using MeraniRadku = std::function<int(Text ktery, const QString &text, int sirka)>;

// Where the picture of question n stands: 0 when the question has none.
int LevaObrazku(int cislo);

struct Vysledek {
    std::array<Obdelnik, PocetTextu> texty;
};

inline constexpr int TopObrazku = 8;

// sirkaObrazku, vyskaObrazku: size of the picture shown beside the texts (0 when there is none).
Vysledek Rozvrhnout(int cislo, const std::array<QString, PocetTextu> &texty, int sirkaObrazku,
                    int vyskaObrazku, const MeraniRadku &radky);

// The line count of a text wrapped in a font at a width; an empty last line is not counted.
int PocetRadku(const QFont &pismo, const QString &text, int sirka);

} // namespace Rozvrzeni

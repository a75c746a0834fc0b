#pragma once

#include "data/okruhy.h"

#include <QString>

#include <array>

// The plan of the mock exam, laid out as today's theory exam at a driving school: 25 questions by
// topic, each with three answers of which one is right, 50 points, passed at 43 for every group,
// 30 minutes.
namespace PlanZkousky {

inline constexpr int PocetPozic = 25;
inline constexpr int MaxBodu = 50;
inline constexpr int MinPocetBodu = 43;
inline constexpr int CasSekund = 1800;
inline constexpr int PocetOdpovedi = 3;

// pocet positions of the topic, body points each; the rows follow one another on the sheet.
struct Radek {
    Okruhy::Okruh okruh;
    int pocet, body;
};

inline constexpr std::array<Radek, Okruhy::Pocet> Radky{{
    {Okruhy::Okruh::PP, 10, 2},
    {Okruhy::Okruh::DZ, 3, 1},
    {Okruhy::Okruh::ZBJ, 4, 2},
    {Okruhy::Okruh::DS, 3, 4},
    {Okruhy::Okruh::PPV, 2, 1},
    {Okruhy::Okruh::SP, 2, 2},
    {Okruhy::Okruh::ZP, 1, 1},
}};

// The row of a position 1..25; positions outside count as the first.
const Radek &RadekPozice(int pozice);
// The row of a topic.
const Radek &RadekOkruhu(Okruhy::Okruh okruh);

bool Prospel(int pocetBodu);

} // namespace PlanZkousky

#pragma once

#include "data/okruhy.h"
#include "uceni/odhad.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>

class BankaOtazek;
class PametProfilu;
class SestavovaniZkousky;
struct OvereniVybavitelnosti;

// The readiness estimate for today's exam: the chance that the learner would pass the mock exam
// (25 questions by topic, 43 of 50 points) on a chosen day, worked out from their own answers.
//
// Each question the exam may draw gets the learner's chance of it on the day: never answered, or last
// answered wrong, after the hint or not at all: the share of right first answers in its topic; last
// answered right: the memory's recall on the day, and the topic's share of what is not recalled
// (three answers: a learner who does not recall it may still reason it out or guess). The memory's
// recall follows the learner's own forgetting: how its recall held when they answered a question
// again (PametProfilu::Overeni) says how much faster or slower, and how much more steeply, than the
// model they forget.
// Over every exam the composition can draw (each topic's questions a uniform choice from its pool,
// the pools of the composition itself) the chance of losing no more than 7 points is worked out
// exactly.
//
// With few answers the topics' shares and the forgetting are uncertain, and so is the figure: while the
// learner has answered fewer than a fifth of the questions the exam may draw, or fewer than 100 of
// them, the estimate is a range, the middle 80 % of the chances that the shares and the forgetting
// make likely. Calibrated against simulated learners of another model (bench/kalibrace_zkousky.cpp).
namespace OdhadZkousky {

inline constexpr int NejmeneOtazek = 100;
inline constexpr int DilOtazek = 5; // a fifth
// A topic's share of right first answers leans towards the learner's share over all topics with
// the weight of this many answers; that share towards two thirds, halfway between guessing one of three
// answers and knowing it, with the weight of VahaVyhlazeni.
inline constexpr double VahaOkruhu = 10;
inline constexpr double VahaVyhlazeni = Odhad::VahaVyhlazeni;
inline constexpr double VychoziPodil = 2.0 / 3;
// The range: the shares drawn this many times from what the answers make likely, with the answers
// counted as if there were RozptylPodilu times fewer (the shares of a real learner vary more than
// the counts alone say: calibrated).
inline constexpr int PocetVzorku = 100;
inline constexpr double RozptylPodilu = 1.25;
inline constexpr double Pokryti = 0.8;
inline constexpr quint64 VychoziSeme = 0x3c6ef372fe94f82bull;
// The learner's forgetting against the model's, before any evidence: the logarithms of its pace and
// steepness (Zapominani) normal around 0, the model as it is, with these spreads.
inline constexpr double RozptylTempa = 0.75;
inline constexpr double RozptylStrmosti = 0.5;

// Right and all first answers per topic (index Okruhy::Index), over every question with a topic.
struct PrvniOdpovedi {
    std::array<int, Okruhy::Pocet> spravne{}, vsechny{};
    int Spravne() const;
    int Vsechny() const;
};
PrvniOdpovedi SecistPrvniOdpovedi(const BankaOtazek &banka, const PametProfilu &pamet);
// The share of right first answers over all topics, and per topic, each smoothed as above.
double Podil(const PrvniOdpovedi &prvni);
std::array<double, Okruhy::Pocet> Podily(const PrvniOdpovedi &prvni);

// The learner's forgetting: their recall after t days is the model's curve (1 + F·t/S)^(−w) run tempo
// times as fast and strmost times as steep, (1 + F·tempo·t/S)^(−w·strmost).
struct Zapominani {
    double tempo = 1, strmost = 1;
};
// The model's recall r as the learner's forgetting turns it.
double Vybavitelnost(double r, const Zapominani &zapominani);

// What the learner's answers to questions again say of their forgetting, over a grid of the
// logarithms of its pace and steepness: each point's weight given those answers (each right with the
// recall turned, or by the share of right first answers when not recalled) and the prior above.
struct RozlozeniZapominani {
    static constexpr int BoduTempa = 31, BoduStrmosti = 41;
    static constexpr double OdTempa = -3, KrokTempa = 0.2;     // ln tempo from −3 to 3
    static constexpr double OdStrmosti = -2, KrokStrmosti = 0.1;   // ln strmost from −2 to 2
    std::array<double, BoduTempa * BoduStrmosti> vaha{};        // sums to 1
    Zapominani Odhad() const;            // e to the means of the logarithms
    Zapominani Vzorek(double u) const;   // the point at the quantile u of 0..1
};
RozlozeniZapominani ZapominaniZOvereni(const OvereniVybavitelnosti &overeni, double podil);

// The learner's chance of each question of the exam's pools on the day, from the topics' shares and
// the learner's forgetting.
Odhad::Sance SanceOtazek(const SestavovaniZkousky &sestavovani, const PametProfilu &pamet, const QDate &den,
                         const std::array<double, Okruhy::Pocet> &podily, const Zapominani &zapominani = {});

// The chance of passing over every exam the composition can draw, each question right with its chance.
double PravdepodobnostUspechu(const SestavovaniZkousky &sestavovani, const Odhad::Sance &sance);

struct Vysledek {
    double pravdepodobnost = 0;     // of passing, 0..1
    double dolni = 0, horni = 0;    // the range holding the chance with Pokryti's probability
    bool hruby = true;              // too few answers: show the range, not the figure
    int zodpovezeno = 0, otazek = 0; // questions of the exam's pools answered, and in them
    double ocekavaneBody = 0;
    std::array<double, Okruhy::Pocet> ztraceneBody{}; // mean points an exam loses per topic
    std::optional<Okruhy::Okruh> nejviceZtraci;        // nothing when no topic loses any
    Zapominani zapominani;                             // the learner's forgetting
};

// Whether the estimate from N of the M questions is rough.
bool Hruby(int zodpovezeno, int otazek);

// The estimate for the group on the day from the learner's memory; nothing, with the reason for the
// learner in *proc, when they have no answer yet or the bank gives the group no whole exam. The range
// is worked out for a rough estimate only, unless vzdyRozsah (the calibration's measure); otherwise
// both its ends are the figure.
std::optional<Vysledek> ZPameti(const BankaOtazek &banka, const QString &skupina, const PametProfilu &pamet,
                                const QDate &den, QString *proc = nullptr, bool vzdyRozsah = false);

// "74 %", or for a rough estimate the range "15 až 60 %".
QString TextOdhadu(const Vysledek &odhad);
// "Odhad je zatím hrubý: zodpověděli jste N z M otázek."; empty for an estimate that is not rough.
QString VetaHrubehoOdhadu(const Vysledek &odhad);

} // namespace OdhadZkousky

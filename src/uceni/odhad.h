#pragma once

#include "data/kategorie.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>

class BankaOtazek;
class PametProfilu;
class SestavovaniTestu;

// The readiness estimate: the chance that the learner would pass the points test on a chosen day,
// worked out from their own answers. Tests are composed as the test window composes them (the same
// composition unit, with a random source of the estimate's own, seeded alike every time so that the
// same answers give the same estimate); each drawn question is answered right with the learner's
// chance of it; a test passes at the group's minimum.
namespace Odhad {

inline constexpr int PocetTestu = 10000;
// A category's share of right first answers starts from 0.5 with the weight of this many answers.
inline constexpr double VahaVyhlazeni = 5;
inline constexpr quint64 VychoziSeme = 0x5e3af0a1c2d4b697ull;

// The learner's chance of a right answer for every question number 1..757 (index 0 unused).
using Sance = std::array<double, Kategorie::NejvyssiCislo + 1>;

// Per category 1..7 (index k−1): (right first answers + 0.5·5) / (first answers + 5), over the
// first answer of every question the learner has answered.
std::array<double, Kategorie::Pocet> PodilPrvnichOdpovedi(const PametProfilu &pamet);

// The chance of every question on the day:
//   never answered: its category's share of right first answers;
//   last answer right: the memory's recall on that day;
//   last answer wrong, after the hint or left unanswered: the recall, but at most the category's
//   share. The model counts such a question as just relearnt (its recall on the day of the answer
//   is 1), yet the learner has not shown they know it: a learner who got half the bank wrong today
//   must not read that they would pass today.
Sance SanceOtazek(const PametProfilu &pamet, const QDate &den);

struct OdhadUspechu {
    int testu = 0;
    int minimum = 0;                                     // points needed to pass
    double pravdepodobnost = 0;                          // of passing, 0..1
    double ocekavaneBody = 0;                            // mean points of a test
    std::array<double, Kategorie::Pocet> ztraceneBody{}; // mean points a test loses per category
    int nejviceZtraci = 0;                               // the category losing most, 0 when none loses any
};

// Composes `testu` tests and scores each exactly: the chance that its 25 questions lose no more than
// 65 − minimum points, worked out over the points lost, and the points each question is expected
// to bring and lose. Averaged over the tests, these are the estimate. Only for a composition that
// can draw a whole test (ProcNelze() empty).
OdhadUspechu OdhadnoutUspech(const SestavovaniTestu &sestavovani, const Sance &sance, int minimum,
                             int testu = PocetTestu, quint64 seme = VychoziSeme);

// The estimate for the group on the day from the learner's memory; nothing, with the reason for the
// learner in *proc, when they have no answer yet or the bank gives the group no whole test.
std::optional<OdhadUspechu> OdhadZPameti(const BankaOtazek &banka, const QString &skupina, const PametProfilu &pamet,
                                         const QDate &den, QString *proc = nullptr);

// "74 %"; "více než 99 %" and "méně než 1 %" where rounding would claim a certainty the estimate
// does not have.
QString TextPravdepodobnosti(double pravdepodobnost);

} // namespace Odhad

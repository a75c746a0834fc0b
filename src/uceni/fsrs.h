#pragma once

#include <array>

// The memory model of one question: FSRS version 6 (the free spaced-repetition scheduler) with its
// published default parameters. A question's memory is its stability S (the days after which the
// chance of recalling it has fallen to 90 %) and its difficulty D (1 to 10); the chance of recall
// after t days is the forgetting curve R(t, S). Each answer moves S and D by the model's formulas.
//
// Time counts in whole days: an answer on the same calendar day as the one before is a same-day
// review, and a negative span (an answer stamped earlier than the one before) counts as 0.
namespace Fsrs {

inline constexpr std::array<double, 21> W{0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                          0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                          1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
// The recall the schedule aims at: a question is due once its recall falls below it.
inline constexpr double CilovaVybavitelnost = 0.9;
inline constexpr double NejmensiStabilita = 0.001;
// Longest interval between two reviews, 100 years: keeps every due date a real date.
inline constexpr int NejdelsiInterval = 36500;

// How an answer is graded: the program gives Dobre for a right answer and Znovu otherwise.
enum class Znamka { Znovu = 1, Tezko = 2, Dobre = 3, Snadno = 4 };

struct Stav {
    double stabilita = 0; // days
    double obtiznost = 0; // 1 .. 10
};

// R(t, S) = (1 + F·t/S)^(−w20) with F = 0.9^(−1/w20) − 1, so that R(S, S) = 0.9; t below 0 counts as 0.
double Vybavitelnost(double dny, double stabilita);

// The memory after the first answer of a question.
Stav PrvniOdpoved(Znamka znamka);

// The memory after a further answer given dny whole days after the one before; the recall it had
// then into *vybavitelnost when given and dny is 1 or more.
Stav DalsiOdpoved(const Stav &stav, Znamka znamka, int dny, double *vybavitelnost = nullptr);

// Whole days after the last answer on which the question falls due: the first day on which its
// recall is below 0.9, ⌊S⌋ + 1 (R < 0.9 exactly when t > S), at most NejdelsiInterval.
int DnuDoOpakovani(double stabilita);

// Called before a long run of the model's arithmetic (a whole memory read at once). On x86 processors
// with AVX it clears the upper halves of the vector registers: some library of the desktop leaves
// them in use, and while they are, every call into the maths library (pow, exp) changes between the
// two instruction encodings at a cost. Measured after the start of a Qt window: a memory of 200,000
// answers took ten times as long. Nothing elsewhere.
void PripravitProcesor();

} // namespace Fsrs

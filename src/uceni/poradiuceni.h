#pragma once

#include <QDate>
#include <QList>

class BankaOtazek;
class PametProfilu;
struct Konfigurace;

// The learning order: the questions that qualify for a run (given in number order) arranged so that
// a run taking the first N asks first what the learner is about to forget:
//   1. questions whose last answer was wrong, came after the hint or was left unanswered, the oldest
//      such answer first (the learner has seen the right answer since, so the model's recall is
//      high, but they have not yet shown they know it);
//   2. questions that are due on that day (recall below 0.9), the lowest recall first;
//   3. questions never answered, in number order;
//   4. the rest, the lowest recall first.
// Ties keep number order. Every question appears once, however often it is given; a number
// outside 1..757 is no question and is left out.
QList<int> PoradiUceni(const QList<int> &kvalifikujici, const PametProfilu &pamet, const QDate &dnes);

// The questions of a run of `pocet` in the learning order: the first of those that qualify for a run
// (group and enabled categories, BehOtazek::VyhovujiciOtazky) as the memory arranges them on the day.
QList<int> OtazkyBehuPodlePameti(const BankaOtazek &banka, const Konfigurace &nastaveni, const PametProfilu &pamet,
                                 const QDate &dnes, int pocet);

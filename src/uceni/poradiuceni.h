#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class BankaOtazek;
class BehOtazek;
class PametProfilu;
struct Konfigurace;
enum class DruhBehu;

// Why the learning order asks a question, in the order it asks them (see PoradiUceni).
enum class DuvodUceni { NaposledyChybne, KOpakovani, Nova, Opakovani };

// A question in the learning order with its reason and the recall the memory gives it on the day.
struct OtazkaUceni {
    int cislo = 0;
    DuvodUceni duvod = DuvodUceni::Nova;
    double vybavitelnost = 0;
};

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
QList<OtazkaUceni> PoradiSDuvody(const QList<int> &kvalifikujici, const PametProfilu &pamet, const QDate &dnes);
QList<int> PoradiUceni(const QList<int> &kvalifikujici, const PametProfilu &pamet, const QDate &dnes);

// The reason as the information panel names it: "Naposledy chybně", "K opakování (jistota 85 %)"
// (the recall a whole percentage, rounded to the nearest, a tie to the even one), "Nová otázka",
// "Opakování".
QString TextDuvodu(const OtazkaUceni &otazka);

// What a run of the first `pocet` of the order holds, as the set-up dialog says it: "Podle paměti:
// N k opakování, M nových" (1 nová, 2 nové), where the questions to review are those answered wrongly
// last and those due, as the knowledge overview counts them; questions known and not yet due, which
// a run longer than those two groups takes after them, follow as ", K známých" (1 známá, 2 známé).
QString SlozeniBehu(const QList<OtazkaUceni> &poradi, int pocet);

// Every question that qualifies for a run (group and enabled categories, BehOtazek::VyhovujiciOtazky)
// in the learning order of the day.
QList<OtazkaUceni> PoradiBehu(const BankaOtazek &banka, const Konfigurace &nastaveni, const PametProfilu &pamet,
                              const QDate &dnes);

// The questions of a run of `pocet` in the learning order: the first of those that qualify for a run
// as the memory arranges them on the day.
QList<int> OtazkyBehuPodlePameti(const BankaOtazek &banka, const Konfigurace &nastaveni, const PametProfilu &pamet,
                                 const QDate &dnes, int pocet);

// Starts the run of the first `pocet` of poradi in the settings' group and categories, each question
// with its reason for the information panel.
void ZacitPodlePameti(BehOtazek &beh, const Konfigurace &nastaveni, DruhBehu druh, const QList<OtazkaUceni> &poradi,
                      int pocet);

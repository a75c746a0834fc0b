#pragma once

#include "logika/stav.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <optional>

class BankaOtazek;

// A practice or examination run, computed on the program's state without any window: how many
// questions qualify, where a sequential run begins, which question comes next, how an answer is
// judged and counted, the retry list and the values of the stored result.
namespace Beh {

// Number of questions of the enabled categories that suit the group by the counting rule.
int PocetOtazek(const BankaOtazek &banka, const StavProgramu &stav);

// After the set-up dialog has put the chosen count into Zbyva: an empty list of that length.
void PripravitSeznam(StavProgramu &stav);

// Turns the 1-based start position ZacitOtazkou into AktualniOtazka: the position counts through
// the qualifying questions of the enabled categories in ascending number. False when the position
// lies beyond them (AktualniOtazka is then left as it was).
bool NajitPrvniOtazku(const BankaOtazek &banka, StavProgramu &stav);

// The rule of choosing: an enabled category, a record in the bank and the group letters.
bool OtazkaVyhovuje(const BankaOtazek &banka, const StavProgramu &stav, int cislo);

// Chooses the next question of the run from the bank's index, records it in SeznamOtazek, makes it
// AktualniOtazka and decreases Zbyva: a replayed run takes the next entry of the list; otherwise
// numbers after AktualniOtazka are tried in order, or random numbers 1..757 (the generator seeded
// from the clock once per call) not yet in the run. Nothing when no question can follow (the list
// is used up, or no further question qualifies); the state is then unchanged.
std::optional<int> DalsiOtazka(const BankaOtazek &banka, StavProgramu &stav);

// Whole percentage of a / b rounded to the nearest, a tie to the even one; 0 when b is 0.
int Procenta(int a, int b);

// What becomes of an answer mark when the answer is judged.
enum class Znacka { BezeZmeny, Spatna, Opomenuta };

struct Hodnoceni {
    bool spravne = false;
    std::array<Znacka, 4> znacky{};
};

// Judges the selected answers a)..d) against SpravnePismena, ends the waiting for the answer and
// counts it: a wrong one into PocetSpatnych and SpatneOtazky; the success rate of the questions
// shown so far, hinted ones left out, into UspesnostBehu.
Hodnoceni VyhodnotitOdpoved(StavProgramu &stav, const std::array<bool, 4> &vybrane);

// The hint: counted once for the question awaiting its answer; false when none awaits one.
bool Napoveda(StavProgramu &stav);

// The retry: the wrong questions, in practice followed by the hinted ones, become the new run.
void PripravitOpakovani(StavProgramu &stav, bool procvicovani);

// What the evaluation does about a record.
enum class Zaznam { Vypnuto, ZeptatSe, Zapsat };
Zaznam RozhodnoutOZaznamu(const StavProgramu &stav, bool zkouseni);

// One record of the results table.
struct Vysledek {
    QString TypTestu, Profil;
    QDate Datum;
    QTime Cas;
    QString Skupina, Kategorie;
    int PocetOtazek = 0, Spatne = 0;
    QString SpatneCisla;
    int SNapovedou = 0;
    QString SNapovedouCisla;
    int Uspesnost = 0;
};

// "Procvičování" or "Zkoušení".
QString TypTestu(bool zkouseni);
Vysledek VysledekBehu(const StavProgramu &stav, bool zkouseni, const QDateTime &kdy);

} // namespace Beh

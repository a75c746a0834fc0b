#pragma once

#include "data/tabulka.h"

#include <QString>

// The question bank table "otazky" as the main window uses it: a display view that stays
// open for the whole run and a second view that only asks whether a question exists.
class BankaOtazek {
public:
    // The display view filters by the number shown, or counts a category's questions for the group.
    enum class RezimFiltru { Cislo, Pocitani };

    BankaOtazek();

    // The display view; throws ChybaTabulky when the bank cannot be opened.
    void Otevrit();
    void Zavrit();
    void ZnovuOtevrit(); // close and open again, unfiltered
    Tabulka &Zobrazeni() { return m_zobrazeni; }

    bool OtazkaExistuje(int n);

    // Filter parameters read by the predicates.
    int AktualniOtazka = 0;
    int HledaneCislo = 0;
    int DolniMez = 0;
    int HorniMez = 0;
    QString ZvolenaSkupina;
    RezimFiltru Rezim = RezimFiltru::Cislo;

private:
    Tabulka m_zobrazeni;
    Tabulka m_existence;
};

// "ABCD" for group T, otherwise the group's first character.
QString PismenaSkupiny(const QString &skupina);
// Whether a question with the groups skupinaOtazky suits the chosen group.
bool OtazkaProSkupinu(const QString &skupinaOtazky, const QString &skupina);

// Field names and positions of the bank's records.
namespace PoleOtazky {
inline constexpr int Cislo = 0, Otazka = 1, A = 2, B = 3, C = 4, D = 5, Spravne = 6, Skupina = 7,
                     Obrazek = 8, Poznamka = 9;
}

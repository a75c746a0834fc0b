#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct StavProgramu;

// One stored result of a practice or examination run, as the results list hands it to its detail.
struct UdajeVysledku {
    QString typTestu;
    QString datum, cas; // as the table shows them
    QString profil, skupina, kategorie;
    QString spatneCisla, sNapovedouCisla;
    int pocetOtazek = 0, spatne = 0, sNapovedou = 0, uspesnost = 0;

    int Spravnych() const { return pocetOtazek - spatne - sNapovedou; }
};

// What the detail of a stored result shows and what its replay starts from.
namespace Podrobnosti {

// Every line of the category list takes this many pixels.
inline constexpr int VyskaRadku = 13;

// The names of the categories written in the record's Kategorie ("26"), one per digit 1 to 7, in
// the record's order; any other character gives no line.
QStringList RadkyKategorii(const QString &kategorie);
// Height of the category list: one line per character of the record's Kategorie.
int VyskaKategorii(const QString &kategorie);
// How far everything below the list moves, and the window grows, against the designed single line.
int Posun(const QString &kategorie);

// The questions of the replay: the wrong ones in their order, then those answered with the hint.
QList<int> OtazkyOpravy(const UdajeVysledku &u);
// Prepares the run state for a replay of the stored result: its questions, its group (the user's
// own is kept to be put back) and its categories for the replay's own record.
void ZacitOpravu(StavProgramu &stav, const UdajeVysledku &u);

} // namespace Podrobnosti

#pragma once

#include "practice/beh.h"

#include <QList>
#include <QString>
#include <QStringList>

struct ZaznamVysledku;

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

// The replay of a stored result: its wrong questions in their order, then those answered with the
// hint, in the result's group and with its categories.
Oprava OpravaVysledku(const ZaznamVysledku &z, DruhBehu druh);

} // namespace Podrobnosti

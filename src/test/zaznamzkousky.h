#pragma once

#include "data/tabulka.h"
#include "test/sestavenizkousky.h"

#include <QDateTime>
#include <QList>
#include <QString>

class ZkouskaNanecisto;

// One record of the table "Zkousky": an ended mock exam as its window stores it and the list of
// tests, the result view and the printable protocol read it back. The fields the points test's
// protocols also have carry the same names and meanings, so that one list shows both kinds; its
// memos hold 25 tokens each, one per position, joined by single blanks (Tokeny):
//   Body            the points of each position
//   Okruh           its topic's code
//   SkutCis         the question's number in the bank
//   Poradi          the bank's letters in the order shown as a), b), c): "CAB"
//   Odpoved         the bank's letter chosen, an empty token when none was
//   SpravnaOdpoved  the bank's right letter
// A table of its own: the points test's "Protokoly" stay exactly as they are.
struct ZaznamZkousky {
    QString Profil;
    QDateTime DatumACas; // when the countdown started
    QString Skupina;
    QString DelkaTestu; // the time used, "12:05"
    int Spravne = 0, PocetBodu = 0, MinPocetBodu = 0;
    QString Verdikt; // "Prošel" or "Neprošel", as the points test's protocols say it
    QString Body, Okruh, SkutCis, Poradi, Odpoved, SpravnaOdpoved;
    bool operator==(const ZaznamZkousky &) const = default;
};

namespace ZaznamyZkousek {

inline const QString JmenoTabulky = QStringLiteral("Zkousky");
// The kind of test as the list of tests names it beside the points test's "Test na body".
inline const QString Druh = QStringLiteral("Zkouška nanečisto");

// The fourteen fields in their stored order.
QList<DefinicePole> PoleTabulky();

// The record of an ended exam.
ZaznamZkousky Zaznam(const ZkouskaNanecisto &zkouska);

// Appends the record, creating the table with its fields first when there is none (built aside and
// moved into place). The record is stored whole or not at all; a table whose fields are not these is
// refused before anything is written. Throws ChybaTabulky with the store's text.
void Zapsat(const ZaznamZkousky &z);

// The table's current record.
ZaznamZkousky Precist(const Tabulka &t);

// The positions of a record, each read from its tokens: a token that is no number, topic or letter of
// the answers (a record changed by hand) leaves that part empty, or for the shown order the bank's
// own "ABC", and never stops the reading.
PolozkyZkousky Polozky(const ZaznamZkousky &z);

} // namespace ZaznamyZkousek

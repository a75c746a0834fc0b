#pragma once

#include "test/protokoltestu.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The printable protocol of a points test: forty fixed-width lines made of the twelve fields of
// a stored protocol record (ZaznamProtokolu), and the form in which it is saved as a text file.
namespace ProtokolText {

// Every line of the question table is this wide.
inline constexpr int SirkaRadku = 47;

// "Test z <date and time>; Uživatel: <profile>"
QString Titulek(const ZaznamProtokolu &z);
// The line of question i: number, bank number, given answer, correct answer and points, with "x"
// in the fourth column when the answer was wrong.
QString RadekOtazky(int i, const QString &skutCis, const QString &odpoved, const QString &spravna,
                    const QString &body);
// "Celkem :" with the right answers under the answer column and the points under the points column.
QString RadekCelkem(int spravne, int pocetBodu);
// The forty lines of the protocol, in order.
QStringList Radky(const ZaznamProtokolu &z);

// The name the protocol is saved under: the chosen name, with ".txt" appended unless it already
// ends in ".txt" in any letter case.
QString JmenoSouboru(const QString &zvolene);
// The name the print dialog proposes for printing into a file: the whole caption, with every
// character that a file name cannot hold on the common file systems replaced by "_".
QString JmenoTisku(const QString &titulek);
// The file's bytes: every line in Windows-1250 ended by CR LF. A character that code page lacks is
// written as "?".
QByteArray ObsahSouboru(const QStringList &radky);

} // namespace ProtokolText

#pragma once

#include "test/zaznamzkousky.h"

#include <QString>
#include <QStringList>

// The printable protocol of a mock exam, made from its stored record in the manner of the points
// test's (test/protokoltext.h, which also names, encodes and saves it): a header, a line per
// position with an "x" before a wrong one, the verdict and the totals, then the points per topic.
// Answers are given as the learner saw them, a) to c); the shown order says which of the bank's
// answers stood there.
namespace ZkouskaText {

// Every line of the question table is this wide.
inline constexpr int SirkaRadku = 63;

// "Zkouška nanečisto z <date and time>; Uživatel: <profile>"
QString Titulek(const ZaznamZkousky &z);
// The line of a position: its number, the bank's number, the topic, the shown order, the answer
// chosen and the right one as shown, and the points reached.
QString RadekPozice(const PolozkaZkousky &p);
QStringList Radky(const ZaznamZkousky &z);

} // namespace ZkouskaText

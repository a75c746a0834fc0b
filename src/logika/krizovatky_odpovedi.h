#pragma once

// Whether a crossroad question's marked answers say what the order of passing says.
//
// The texts name the vehicles as the questions do: by colour ("modré", "modrému vozidlu"), by kind
// ("tramvaj", "sanitka", "hasičský automobil", "nákladní automobil", "motocyklista",
// "cyklista"), the driver's own by "vy", "vám", "mi". What an answer asserts follows from the
// question:
// - "V jakém pořadí…": the vehicles the answer lists, in the order of passing (those of one
//   group in any order); no unmarked answer lists it too;
// - "…jako první": the vehicle the answer names first goes in the first group; no unmarked
//   answer names first one that does;
// - "Smíte … před X / dříve než X?": "Ano" your vehicle goes before X, "Ne" after it;
// - "Kdo musí dát přednost X?" ("Kdo vám…"): each vehicle the answer names goes after X;
// - "Která vozidla smějí nyní vjet…": exactly the vehicles named may enter now;
// - any other question, sentence by sentence: "dám přednost X" (you go after X), "X vám musí
//   dát přednost" (X goes after you), "smíte projet", "pojedu" (you may go now, first),
//   "nesmím" (you wait for your signal), "X má červenou" (X waits), "přednost určují
//   světelné signály", "znamení … vpravo/vlevo/nedávám" (the indicator the law asks for).
// A marked answer of which none of this can be read, or that sets a condition ("pokud",
// "je-li", "jen tehdy, když"), is reported, so that no answer goes unchecked.
#include "logika/prednost.h"

#include <QString>

#include <array>

namespace Krizovatky {

// Empty when the answers agree with the order; otherwise a Czech message naming the answer and
// the order the rules give.
QString OveritOdpovedi(const Scena &s, const Reseni &r, const QString &otazka, const std::array<QString, 4> &odpovedi,
                       const QString &spravne);

} // namespace Krizovatky

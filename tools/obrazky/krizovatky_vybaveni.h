#pragma once

#include "krizovatky_scena.h"

class QPainter;

namespace Krizovatky {

// Traffic signals and signs at the right of each arm's approach, upright, in a row across the
// picture's width (where it has room): the signal first, then the signs in the scene's order.
// The painter draws meritko device pixels a unit; the signs are drawn at that size.
void KreslitVybaveni(QPainter &p, const Scena &s, int meritko = 1);

} // namespace Krizovatky

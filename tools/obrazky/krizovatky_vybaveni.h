#pragma once

#include "krizovatky_scena.h"

class QPainter;

namespace Krizovatky {

// Traffic signals and signs at the right of each arm's approach, upright, in a row across the
// picture's width (where it has room): the signal first, then the signs in the scene's order.
void KreslitVybaveni(QPainter &p, const Scena &s);

} // namespace Krizovatky

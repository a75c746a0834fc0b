#pragma once

#include "krizovatky_scena.h"

class QPainter;

namespace Krizovatky {

// Traffic signals and signs beside each arm's approach, upright and side by side outwards
// from the kerb: the signal first, then the signs in the order the scene lists them.
void KreslitVybaveni(QPainter &p, const Scena &s);

} // namespace Krizovatky

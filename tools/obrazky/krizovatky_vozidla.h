#pragma once

#include "krizovatky_scena.h"

class QPainter;

namespace Krizovatky {

// The vehicles of the scene: each in its place, facing its way, with its turn indicator and
// blue lights, the arrow of its intended course (first vehicle of each arm and vehicles on a
// roundabout's ring), and the label "VY" at the driver's own vehicle.
void KreslitVozidla(QPainter &p, const Scena &s);

} // namespace Krizovatky

#pragma once

#include "logika/krizovatky_scena.h"

class QPainter;

namespace Krizovatky {

// Grass, the carriageways with their kerbs, the roundabout's island, tram tracks and the road
// markings: lane lines, stop and give-way lines, and the edge line that shows the course of
// the main road.
void KreslitSilnice(QPainter &p, const Scena &s);

// A police officer directing the traffic from the middle of a crossroads, seen from above: facing
// the arm "celem", arms held out sideways or the right one forward. Nothing without one.
void KreslitPolicistu(QPainter &p, const std::optional<Policista> &policista);

} // namespace Krizovatky

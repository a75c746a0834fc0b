#pragma once

#include "krizovatky_scena.h"

class QPainter;

namespace Krizovatky {

// Grass, the carriageways with their kerbs, the roundabout's island, tram tracks and the road
// markings: lane lines, stop and give-way lines, and the edge line that shows the course of
// the main road.
void KreslitSilnice(QPainter &p, const Scena &s);

} // namespace Krizovatky

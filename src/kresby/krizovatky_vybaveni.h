#pragma once

#include "logika/krizovatky_scena.h"

#include <QList>

class QPainter;

namespace Krizovatky {

// Traffic signals and signs at the right of each arm's approach, upright, in a row across the
// picture's width (where it has room): the signal first, then the signs in the scene's order.
// The painter draws meritko device pixels a unit; the signs are drawn at that size.
void KreslitVybaveni(QPainter &p, const Scena &s, int meritko = 1);

// The two halves of it, for a picture whose signals change: the signs alone, and the signals
// alone showing stavy (one for each of Scena::semafory, in order).
void KreslitZnacky(QPainter &p, const Scena &s, int meritko = 1);
void KreslitSemafory(QPainter &p, const Scena &s, const QList<Svetlo> &stavy);

} // namespace Krizovatky

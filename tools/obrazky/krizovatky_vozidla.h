#pragma once

#include "krizovatky_scena.h"

#include <QColor>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QSizeF>

class QPainter;

namespace Krizovatky {

// Where a vehicle stands: the centre of its body and the unit vector it faces.
struct Poloha {
    QPointF stred;
    QPointF smer;
};

// The arrow of one vehicle's intended course.
struct Sipka {
    qsizetype vozidlo = 0; // index into Scena::vozidla
    QPainterPath trasa;    // the shaft, ending where the head begins to narrow
    QPolygonF hrot;        // the head at the end of the shaft
    QColor barva;
};

// Length and width of a vehicle kind, facing up.
QSizeF Rozmer(Druh d);

// The body colour: the scene's colour or the kind's own livery.
QColor Barva(const Vozidlo &v);

Poloha Umisteni(const Scena &s, const Vozidlo &v);

// The arrows of the scene (first vehicle of each arm and every vehicle on a roundabout's ring),
// in drawing order. Arrows into the same exit run side by side in its leaving lane and end at
// different lengths, so each stays whole and each head stands free.
QList<Sipka> Sipky(const Scena &s);

// The vehicles of the scene: each in its place, facing its way, with its turn indicator and
// blue lights, the arrow of its intended course, and the label "VY" at the driver's own vehicle.
void KreslitVozidla(QPainter &p, const Scena &s);

} // namespace Krizovatky

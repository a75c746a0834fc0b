#pragma once

#include "logika/krizovatky_geometrie.h"

#include <QColor>
#include <QList>
#include <QPainterPath>
#include <QPolygonF>

class QPainter;

namespace Krizovatky {

// The arrow of one vehicle's intended course.
struct Sipka {
    qsizetype vozidlo = 0; // index into Scena::vozidla
    QPainterPath trasa;    // the shaft, ending where the head begins to narrow
    QPolygonF hrot;        // the head at the end of the shaft
    QColor barva;
};

// The body colour: the scene's colour or the kind's own livery.
QColor BarvaVozidla(const Vozidlo &v);

// The arrows of the scene (first vehicle of each arm and every vehicle on a roundabout's ring),
// in drawing order. Arrows into the same exit run side by side in its leaving lane and end at
// different lengths, so each stays whole and each head stands free.
QList<Sipka> Sipky(const Scena &s);

// The lights a vehicle shows at a moment: its turn indicator lit, its blue lights lit.
struct Svetla {
    Smerovka smerovka = Smerovka::Zadna;
    bool majak = false;
};

// One vehicle with its sections where they stand (ClankyRovne for a vehicle standing straight).
void KreslitVozidlo(QPainter &p, const Vozidlo &v, const QList<Poloha> &clanky, const Svetla &svetla);

// The vehicles of the scene: each in its place, facing its way, with its turn indicator and
// blue lights, the arrow of its intended course, and the label "VY" at the driver's own vehicle.
void KreslitVozidla(QPainter &p, const Scena &s);

} // namespace Krizovatky

#pragma once

#include "logika/krizovatky_geometrie.h"
#include "logika/krizovatky_scena.h"

#include <QImage>
#include <QJsonObject>
#include <QPainterPath>
#include <QString>

// Traffic scenes at crossroads seen from above, described by a question's "krizovatka" object.
namespace Krizovatky {

// Empty when the scene is well formed; otherwise a Czech message naming what is wrong
// (an unknown arm, vehicle kind, colour, sign code, light state or a missing value).
QString Zkontrolovat(const QJsonObject &scena);

// The scene drawn at Sirka × Vyska pixels, or meritko times as large (every line and sign drawn
// at that size, not scaled up); call only for a scene that Zkontrolovat accepted.
QImage Nakreslit(const QJsonObject &scena, int meritko = 1);
QImage Nakreslit(const Scena &scena, int meritko = 1);

// The course as a painter path, built by the same calls.
QPainterPath NaCestu(const Cesta &cesta);

} // namespace Krizovatky

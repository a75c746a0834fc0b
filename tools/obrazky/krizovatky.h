#pragma once

#include <QImage>
#include <QJsonObject>
#include <QString>

// Traffic scenes at crossroads seen from above, described by a question's "krizovatka" object.
namespace Krizovatky {

inline constexpr int Sirka = 300;
inline constexpr int Vyska = 175;

// Empty when the scene is well formed; otherwise a Czech message naming what is wrong
// (an unknown arm, vehicle kind, colour, sign code, light state or a missing value).
QString Zkontrolovat(const QJsonObject &scena);

// The scene drawn at Sirka × Vyska pixels, or meritko times as large (every line and sign drawn
// at that size, not scaled up); call only for a scene that Zkontrolovat accepted.
QImage Nakreslit(const QJsonObject &scena, int meritko = 1);

} // namespace Krizovatky

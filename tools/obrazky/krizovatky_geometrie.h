#pragma once

#include "krizovatky_scena.h"

#include <QPainterPath>
#include <QPointF>

// Where things lie in the 300 × 175 picture. Each arm has its own frame: "podel" runs from the
// centre outwards along the arm, "napric" to the right of the traffic that approaches on it, so
// the approach lane lies at napric = +Pruh / 2 and the leaving lane at -Pruh / 2.
namespace Krizovatky::Geometrie {

inline constexpr QPointF Stred{150.0, 87.5};
inline constexpr double Pruh = 18.0;          // lane width
inline constexpr double Okraj = Pruh;         // half the road width
inline constexpr double Zaobleni = 10.0;      // kerb radius at the corners of a crossroads
inline constexpr double OkruhVnejsi = 41.0;   // outer edge of a roundabout's ring
inline constexpr double OkruhOstruvek = 22.0; // its central island
inline constexpr double OkruhJizda = (OkruhVnejsi + OkruhOstruvek) / 2.0;

// Unit vector from the centre out along the arm.
QPointF Vektor(Rameno r);

QPointF Bod(Rameno r, double podel, double napric);

// Distance from the centre at which an arm's approach ends (stop line, give-way line).
double Vstup(const Scena &s);

// The painter rotation, in degrees, that turns something facing up (north) to face `smer`.
double Natoceni(QPointF smer);

// Radial offsets of courses on a roundabout's ring: vehicles entering ride its outer half,
// vehicles already on it the inner half, so that courses sharing a stretch run side by side.
inline constexpr double OkruhVnejsiPolovina = 3.5;
inline constexpr double OkruhVnitrniPolovina = -3.5;

// A vehicle's course from the end of its approach to `delka` past the kerb of its exit, ending
// `posun` across the exit's leaving lane (positive towards the lane line between the directions).
QPainterPath Trasa(const Scena &s, Rameno odkud, Smer smer, double posun = 0.0,
                   double delka = 14.0);

// Ring positions: screen angle in degrees of the place just before the arm `pred`, and the
// course of a vehicle there that leaves at that arm (vpravo) or goes on round (rovne).
double UhelNaOkruhu(Rameno pred);
QPointF BodNaOkruhu(double uhel, double posun = 0.0);
QPointF SmerNaOkruhu(double uhel);
QPainterPath TrasaPoOkruhu(Rameno pred, Smer smer);

// A track or lane from the picture's edge on arm `a` through the crossroads to the picture's
// edge on arm `b`.
QPainterPath Spojeni(Rameno a, Rameno b);

} // namespace Krizovatky::Geometrie

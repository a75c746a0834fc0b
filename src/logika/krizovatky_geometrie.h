#pragma once

#include "logika/krizovatky_scena.h"

#include <QList>
#include <QPointF>
#include <QSizeF>

#include <array>

namespace Krizovatky {

// The picture of a scene is Sirka × Vyska units; every place below is in them.
inline constexpr int Sirka = 300;
inline constexpr int Vyska = 175;

// A course of straight pieces and Bézier curves, kept as a painter path is built, so that the
// picture draws exactly the course that the motion follows.
class Cesta {
public:
    enum class Druh { Usecka, Kvadraticka, Kubicka };
    struct Dil {
        Druh druh = Druh::Usecka;
        std::array<QPointF, 3> body{}; // the control points, then the end: 1, 2 or 3 of them
    };

    explicit Cesta(QPointF zacatek = {}) : m_zacatek(zacatek) {}
    void lineTo(QPointF konec) { m_dily.append({Druh::Usecka, {konec}}); }
    void quadTo(QPointF ridici, QPointF konec) { m_dily.append({Druh::Kvadraticka, {ridici, konec}}); }
    void cubicTo(QPointF r1, QPointF r2, QPointF konec) { m_dily.append({Druh::Kubicka, {r1, r2, konec}}); }

    // The other course joined on, by a straight piece to its start.
    void Pripojit(const Cesta &dalsi)
    {
        lineTo(dalsi.m_zacatek);
        m_dily.append(dalsi.m_dily);
    }

    QPointF Zacatek() const { return m_zacatek; }
    const QList<Dil> &Dily() const { return m_dily; }
    // Points along the course, the start and the end among them, each curve divided finely
    // enough that no two neighbours lie more than about krok apart.
    QList<QPointF> Body(double krok) const;

private:
    QPointF m_zacatek;
    QList<Dil> m_dily;
};

// Where a vehicle (or one section of a tram) stands: the centre of its body and the unit vector
// it faces.
struct Poloha {
    QPointF stred;
    QPointF smer;
};

// The corners of a body, front left first, clockwise as the driver sees them from above.
using Obrys = std::array<QPointF, 4>;

// Length (height) and width of a vehicle kind, facing up.
QSizeF Rozmer(Druh d);
// A tram is two sections that bend apart on a curve; every other kind is one body.
int PocetClanku(Druh d);
QSizeF RozmerClanku(Druh d);
Obrys ObrysClanku(Druh d, const Poloha &kde);
// Whether two outlines overlap (touching edges do not).
bool Prekryvaji(const Obrys &a, const Obrys &b);
// The sections of a vehicle standing straight at kde, front first.
QList<Poloha> ClankyRovne(Druh d, const Poloha &kde);

// Where the vehicle stands in the still picture: queued on its arm behind the vehicles nearer
// the crossroads, or on a roundabout's ring just before its arm.
Poloha Umisteni(const Scena &s, const Vozidlo &v);
// Whether the vehicle is the first of its arm (not one on the ring).
bool JePrvni(const Scena &s, const Vozidlo &v);

// Where things lie in the 300 × 175 picture. Each arm has its own frame: "podel" runs from the
// centre outwards along the arm, "napric" to the right of the traffic that approaches on it, so
// the approach lane lies at napric = +Pruh / 2 and the leaving lane at -Pruh / 2.
namespace Geometrie {

inline constexpr QPointF Stred{150.0, 87.5};
inline constexpr double Pruh = 18.0;          // lane width
inline constexpr double Okraj = Pruh;         // half the road width
inline constexpr double Zaobleni = 10.0;      // kerb radius at the corners of a crossroads
inline constexpr double OkruhVnejsi = 41.0;   // outer edge of a roundabout's ring
inline constexpr double OkruhOstruvek = 22.0; // its central island
inline constexpr double OkruhJizda = (OkruhVnejsi + OkruhOstruvek) / 2.0;
inline constexpr double Daleko = 200.0;       // beyond the picture's edge on every arm

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
// On a roundabout it rides the ring `okruh` off its middle.
Cesta Trasa(const Scena &s, Rameno odkud, Smer smer, double posun = 0.0, double delka = 14.0,
            double okruh = OkruhVnejsiPolovina);

// Ring positions: screen angle in degrees of the place just before the arm `pred`, and the
// course of a vehicle there that leaves at that arm (vpravo) or goes on round (rovne).
double UhelRamene(Rameno r);
double UhelNaOkruhu(Rameno pred);
QPointF BodNaOkruhu(double uhel, double posun = 0.0);
QPointF SmerNaOkruhu(double uhel);
Cesta TrasaPoOkruhu(Rameno pred, Smer smer);
// The arm a vehicle on the ring before `pred` leaves by, and the whole course from where it
// stands to `delka` past the exit's kerb, `okruh` off the ring's middle.
Rameno VyjezdZOkruhu(const Scena &s, Rameno pred, Smer smer);
Cesta TrasaZOkruhu(const Scena &s, Rameno pred, Smer smer, double delka, double okruh = 0.0);

// A track or lane from the picture's edge on arm `a` through the crossroads to the picture's
// edge on arm `b`.
Cesta Spojeni(Rameno a, Rameno b);

// Whether the point lies on the carriageway: an arm, the square of a crossroads with its
// rounded corners, or a roundabout's ring (not its island). Arms run on past the picture.
bool NaVozovce(const Scena &s, QPointF bod);

} // namespace Geometrie

} // namespace Krizovatky

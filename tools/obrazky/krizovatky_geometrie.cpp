#include "krizovatky_geometrie.h"

#include <QLineF>

#include <cmath>
#include <numbers>

namespace Krizovatky::Geometrie {

namespace {

constexpr double Stupen = std::numbers::pi / 180.0;

// Handle length that makes a cubic Bézier follow a quarter circle.
constexpr double Ctvrtkruh = 0.5523;

// Beyond the picture's edge on every arm, so that lines run off the picture.
constexpr double Daleko = 200.0;

// How far round from an arm's axis, in degrees, a course joins or leaves the ring.
constexpr double UhelVjezdu = 28.0;

double UhelRamene(Rameno r)
{
    const QPointF v = Vektor(r);
    return std::atan2(v.y(), v.x()) / Stupen;
}

// Bézier between two lane ends, tangent to both arms.
void Oblouk(QPainterPath &p, Rameno a, QPointF z, Rameno b, QPointF k)
{
    const double delka = QLineF(z, k).length();
    const bool primo = Vektor(a) + Vektor(b) == QPointF();
    const double ucho = primo ? delka / 3.0 : Ctvrtkruh * delka / std::numbers::sqrt2;
    p.cubicTo(z - Vektor(a) * ucho, k - Vektor(b) * ucho, k);
}

// Anticlockwise along the ring, as right-hand traffic goes: from angle od down to po.
void PoOkruhu(QPainterPath &p, double od, double po, double posun)
{
    for (double u = od - 5.0; u > po; u -= 5.0)
        p.lineTo(BodNaOkruhu(u, posun));
    p.lineTo(BodNaOkruhu(po, posun));
}

// From the ring out into the leaving lane of arm r.
void Vyjezd(QPainterPath &p, Rameno r, double posun, double delka)
{
    p.quadTo(Bod(r, OkruhJizda + 4.0, -Pruh / 2 + posun),
             Bod(r, OkruhVnejsi + 2.0, -Pruh / 2 + posun));
    p.lineTo(Bod(r, OkruhVnejsi + delka - 2.0, -Pruh / 2 + posun));
}

} // namespace

QPointF Vektor(Rameno r)
{
    switch (r) {
    case Rameno::Sever: return {0, -1};
    case Rameno::Vychod: return {1, 0};
    case Rameno::Jih: return {0, 1};
    case Rameno::Zapad: return {-1, 0};
    }
    return {};
}

QPointF Bod(Rameno r, double podel, double napric)
{
    const QPointF ven = Vektor(r);
    // Right of a vehicle heading in (-ven): a quarter turn of the heading.
    const QPointF vpravo(ven.y(), -ven.x());
    return Stred + ven * podel + vpravo * napric;
}

double Vstup(const Scena &s)
{
    return s.okruzni ? OkruhVnejsi + 2.0 : Okraj + 3.0;
}

double Natoceni(QPointF smer)
{
    return std::atan2(smer.x(), -smer.y()) / Stupen;
}

QPainterPath Trasa(const Scena &s, Rameno odkud, Smer smer, double posun, double delka)
{
    const Rameno cil = Cil(odkud, smer);
    QPainterPath p(Bod(odkud, Vstup(s), Pruh / 2));
    if (!s.okruzni) {
        Oblouk(p, odkud, Bod(odkud, Okraj, Pruh / 2), cil, Bod(cil, Okraj, -Pruh / 2 + posun));
        p.lineTo(Bod(cil, Okraj + delka, -Pruh / 2 + posun));
        return p;
    }
    const double od = UhelRamene(odkud) - UhelVjezdu;
    double po = UhelRamene(cil) + UhelVjezdu;
    while (po >= od)
        po -= 360.0;
    p.quadTo(Bod(odkud, OkruhJizda + 4.0, Pruh / 2), BodNaOkruhu(od, OkruhVnejsiPolovina));
    PoOkruhu(p, od, po, OkruhVnejsiPolovina);
    Vyjezd(p, cil, posun, delka);
    return p;
}

double UhelNaOkruhu(Rameno pred)
{
    return UhelRamene(pred) + 42.0;
}

QPointF BodNaOkruhu(double uhel, double posun)
{
    return Stred +
           QPointF(std::cos(uhel * Stupen), std::sin(uhel * Stupen)) * (OkruhJizda + posun);
}

QPointF SmerNaOkruhu(double uhel)
{
    return {std::sin(uhel * Stupen), -std::cos(uhel * Stupen)};
}

QPainterPath TrasaPoOkruhu(Rameno pred, Smer smer)
{
    // From just in front of the vehicle, which covers some 20 degrees of the ring.
    const double od = UhelNaOkruhu(pred) - 24.0;
    QPainterPath p(BodNaOkruhu(od, OkruhVnitrniPolovina));
    // Leaving, it is already where the exit begins; going on round, the arrow stops a little
    // past the arm.
    if (smer == Smer::Vpravo)
        Vyjezd(p, pred, 0.0, 14.0);
    else
        PoOkruhu(p, od, UhelRamene(pred) - 50.0, OkruhVnitrniPolovina);
    return p;
}

QPainterPath Spojeni(Rameno a, Rameno b)
{
    QPainterPath p(Bod(a, Daleko, Pruh / 2));
    p.lineTo(Bod(a, Okraj, Pruh / 2));
    Oblouk(p, a, Bod(a, Okraj, Pruh / 2), b, Bod(b, Okraj, -Pruh / 2));
    p.lineTo(Bod(b, Daleko, -Pruh / 2));
    return p;
}

} // namespace Krizovatky::Geometrie

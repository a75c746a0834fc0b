#include "logika/krizovatky_geometrie.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Krizovatky {

namespace {

constexpr double MezeraVeFronte = 4.0;

QPointF Kvadraticka(const QPointF &a, const QPointF &b, const QPointF &c, double t)
{
    const double u = 1.0 - t;
    return a * (u * u) + b * (2 * u * t) + c * (t * t);
}

QPointF Kubicka(const QPointF &a, const QPointF &b, const QPointF &c, const QPointF &d, double t)
{
    const double u = 1.0 - t;
    return a * (u * u * u) + b * (3 * u * u * t) + c * (3 * u * t * t) + d * (t * t * t);
}

} // namespace

QList<QPointF> Cesta::Body(double krok) const
{
    QList<QPointF> body{m_zacatek};
    for (const Dil &d : m_dily) {
        const QPointF a = body.last();
        const int ridicich = d.druh == Druh::Usecka ? 0 : d.druh == Druh::Kvadraticka ? 1 : 2;
        // The control polygon is never shorter than the curve it holds.
        double delka = 0;
        QPointF pred = a;
        for (int i = 0; i <= ridicich; ++i) {
            delka += QLineF(pred, d.body[size_t(i)]).length();
            pred = d.body[size_t(i)];
        }
        const int kusu = std::max(1, int(std::ceil(delka / krok)));
        for (int i = 1; i <= kusu; ++i) {
            const double t = double(i) / kusu;
            switch (d.druh) {
            case Druh::Usecka: body << a + (d.body[0] - a) * t; break;
            case Druh::Kvadraticka: body << Kvadraticka(a, d.body[0], d.body[1], t); break;
            case Druh::Kubicka: body << Kubicka(a, d.body[0], d.body[1], d.body[2], t); break;
            }
        }
    }
    return body;
}

QSizeF Rozmer(Druh d)
{
    switch (d) {
    case Druh::Osobni: return {11, 22};
    case Druh::Nakladni: return {14, 32};
    case Druh::Autobus: return {14, 38};
    case Druh::Tramvaj: return {13, 52};
    case Druh::Motocykl: return {8, 19};
    case Druh::Kolo: return {7, 18};
    case Druh::Sanitka: return {13, 28};
    case Druh::Hasici: return {15, 34};
    case Druh::Policie: return {12, 24};
    }
    return {};
}

int PocetClanku(Druh d)
{
    return d == Druh::Tramvaj ? 2 : 1;
}

QSizeF RozmerClanku(Druh d)
{
    const QSizeF z = Rozmer(d);
    return {z.width(), z.height() / PocetClanku(d)};
}

Obrys ObrysClanku(Druh d, const Poloha &kde)
{
    const QSizeF z = RozmerClanku(d);
    const QPointF podel = kde.smer * (z.height() / 2);
    const QPointF vpravo = QPointF(-kde.smer.y(), kde.smer.x()) * (z.width() / 2);
    return {kde.stred + podel - vpravo, kde.stred + podel + vpravo, kde.stred - podel + vpravo,
            kde.stred - podel - vpravo};
}

bool Prekryvaji(const Obrys &a, const Obrys &b)
{
    // Two rectangles are apart when one of their four side directions separates them.
    for (const Obrys *o : {&a, &b})
        for (size_t k = 0; k < 2; ++k) {
            const QPointF osa = (*o)[k + 1] - (*o)[k];
            const auto rozsah = [&osa](const Obrys &x) {
                double od = QPointF::dotProduct(x[0], osa), po = od;
                for (const QPointF &b : x) {
                    od = std::min(od, QPointF::dotProduct(b, osa));
                    po = std::max(po, QPointF::dotProduct(b, osa));
                }
                return std::pair{od, po};
            };
            const auto [a1, a2] = rozsah(a);
            const auto [b1, b2] = rozsah(b);
            if (a2 <= b1 || b2 <= a1)
                return false;
        }
    return true;
}

QList<Poloha> ClankyRovne(Druh d, const Poloha &kde)
{
    const int n = PocetClanku(d);
    const double delka = RozmerClanku(d).height();
    QList<Poloha> clanky;
    for (int i = 0; i < n; ++i)
        clanky << Poloha{kde.stred + kde.smer * (delka * ((n - 1) / 2.0 - i)), kde.smer};
    return clanky;
}

bool JePrvni(const Scena &s, const Vozidlo &v)
{
    return std::none_of(s.vozidla.cbegin(), s.vozidla.cend(), [&v](const Vozidlo &jine) {
        return !jine.naOkruhu && jine.rameno == v.rameno && jine.poradi < v.poradi;
    });
}

Poloha Umisteni(const Scena &s, const Vozidlo &v)
{
    namespace G = Geometrie;
    if (v.naOkruhu) {
        const double u = G::UhelNaOkruhu(v.rameno);
        return {G::BodNaOkruhu(u), G::SmerNaOkruhu(u)};
    }
    // Queued behind the vehicles of the same arm that stand nearer the crossroads.
    double podel = G::Vstup(s) + 4.5;
    for (const Vozidlo &jine : s.vozidla)
        if (!jine.naOkruhu && jine.rameno == v.rameno && jine.poradi < v.poradi)
            podel += Rozmer(jine.druh).height() + MezeraVeFronte;
    podel += Rozmer(v.druh).height() / 2;
    return {G::Bod(v.rameno, podel, G::Pruh / 2), -G::Vektor(v.rameno)};
}

namespace Geometrie {

namespace {

constexpr double Stupen = std::numbers::pi / 180.0;

// Handle length that makes a cubic Bézier follow a quarter circle.
constexpr double Ctvrtkruh = 0.5523;

// How far round from an arm's axis, in degrees, a course joins or leaves the ring.
constexpr double UhelVjezdu = 28.0;

// Bézier between two lane ends, tangent to both arms.
void Oblouk(Cesta &p, Rameno a, QPointF z, Rameno b, QPointF k)
{
    const double delka = QLineF(z, k).length();
    const bool primo = Vektor(a) + Vektor(b) == QPointF();
    const double ucho = primo ? delka / 3.0 : Ctvrtkruh * delka / std::numbers::sqrt2;
    p.cubicTo(z - Vektor(a) * ucho, k - Vektor(b) * ucho, k);
}

// Anticlockwise along the ring, as right-hand traffic goes: from angle od down to po.
void PoOkruhu(Cesta &p, double od, double po, double posun)
{
    for (double u = od - 5.0; u > po; u -= 5.0)
        p.lineTo(BodNaOkruhu(u, posun));
    p.lineTo(BodNaOkruhu(po, posun));
}

// From the ring out into the leaving lane of arm r.
void Vyjezd(Cesta &p, Rameno r, double posun, double delka)
{
    p.quadTo(Bod(r, OkruhJizda + 4.0, -Pruh / 2 + posun), Bod(r, OkruhVnejsi + 2.0, -Pruh / 2 + posun));
    p.lineTo(Bod(r, OkruhVnejsi + delka - 2.0, -Pruh / 2 + posun));
}

// The ring angle of the exit to arm r, lowered below od: the ring is ridden anticlockwise.
double UhelVyjezdu(Rameno r, double od)
{
    double po = UhelRamene(r) + UhelVjezdu;
    while (po >= od)
        po -= 360.0;
    return po;
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

double UhelRamene(Rameno r)
{
    const QPointF v = Vektor(r);
    return std::atan2(v.y(), v.x()) / Stupen;
}

Cesta Trasa(const Scena &s, Rameno odkud, Smer smer, double posun, double delka, double okruh)
{
    const Rameno cil = Cil(odkud, smer);
    Cesta p(Bod(odkud, Vstup(s), Pruh / 2));
    if (!s.okruzni) {
        Oblouk(p, odkud, Bod(odkud, Okraj, Pruh / 2), cil, Bod(cil, Okraj, -Pruh / 2 + posun));
        p.lineTo(Bod(cil, Okraj + delka, -Pruh / 2 + posun));
        return p;
    }
    const double od = UhelRamene(odkud) - UhelVjezdu;
    p.quadTo(Bod(odkud, OkruhJizda + 4.0, Pruh / 2), BodNaOkruhu(od, okruh));
    PoOkruhu(p, od, UhelVyjezdu(cil, od), okruh);
    Vyjezd(p, cil, posun, delka);
    return p;
}

double UhelNaOkruhu(Rameno pred)
{
    return UhelRamene(pred) + 42.0;
}

QPointF BodNaOkruhu(double uhel, double posun)
{
    return Stred + QPointF(std::cos(uhel * Stupen), std::sin(uhel * Stupen)) * (OkruhJizda + posun);
}

QPointF SmerNaOkruhu(double uhel)
{
    return {std::sin(uhel * Stupen), -std::cos(uhel * Stupen)};
}

Cesta TrasaPoOkruhu(Rameno pred, Smer smer)
{
    // From just in front of the vehicle, which covers some 20 degrees of the ring.
    const double od = UhelNaOkruhu(pred) - 24.0;
    Cesta p(BodNaOkruhu(od, OkruhVnitrniPolovina));
    // Leaving, it is already where the exit begins; going on round, the arrow stops a little
    // past the arm.
    if (smer == Smer::Vpravo)
        Vyjezd(p, pred, 0.0, 14.0);
    else
        PoOkruhu(p, od, UhelRamene(pred) - 50.0, OkruhVnitrniPolovina);
    return p;
}

Rameno VyjezdZOkruhu(const Scena &s, Rameno pred, Smer smer)
{
    if (smer == Smer::Vpravo)
        return pred;
    // Going on round: the next arm anticlockwise that the roundabout has.
    Rameno r = pred;
    do
        r = Rameno((int(r) + 3) % 4);
    while (!s.maRameno(r));
    return r;
}

Cesta TrasaZOkruhu(const Scena &s, Rameno pred, Smer smer, double delka, double okruh)
{
    const double od = UhelNaOkruhu(pred);
    Cesta p(BodNaOkruhu(od, okruh));
    const Rameno cil = VyjezdZOkruhu(s, pred, smer);
    PoOkruhu(p, od, UhelVyjezdu(cil, od), okruh);
    Vyjezd(p, cil, 0.0, delka);
    return p;
}

Cesta Spojeni(Rameno a, Rameno b)
{
    Cesta p(Bod(a, Daleko, Pruh / 2));
    p.lineTo(Bod(a, Okraj, Pruh / 2));
    Oblouk(p, a, Bod(a, Okraj, Pruh / 2), b, Bod(b, Okraj, -Pruh / 2));
    p.lineTo(Bod(b, Daleko, -Pruh / 2));
    return p;
}

bool NaVozovce(const Scena &s, QPointF bod)
{
    const QPointF d = bod - Stred;
    const double odStredu = std::hypot(d.x(), d.y());
    if (s.okruzni && odStredu < OkruhOstruvek)
        return false;
    if (s.okruzni ? odStredu <= OkruhVnejsi : std::abs(d.x()) <= Okraj && std::abs(d.y()) <= Okraj)
        return true;
    for (Rameno r : s.ramena) {
        // The point in the arm's frame.
        const QPointF ven = Vektor(r);
        const double podel = QPointF::dotProduct(d, ven);
        const double napric = QPointF::dotProduct(d, QPointF(ven.y(), -ven.x()));
        if (podel >= 0 && std::abs(napric) <= Okraj)
            return true;
        // The rounded kerb between the arm and its neighbour on the right.
        const double z = Okraj + Zaobleni;
        if (!s.okruzni && s.maRameno(Cil(r, Smer::Vpravo)) && podel >= Okraj && podel <= z && napric >= Okraj &&
            napric <= z && std::hypot(z - podel, z - napric) >= Zaobleni)
            return true;
    }
    return false;
}

} // namespace Geometrie

} // namespace Krizovatky

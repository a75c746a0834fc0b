#include "kresby/krizovatky_vybaveni.h"

#include "kresby/znacky.h"
#include "logika/krizovatky_geometrie.h"

#include <QPainter>

namespace Krizovatky {

namespace G = Geometrie;

namespace {

// In the picture: large enough that the signs' strokes stay two pixels wide and each sign
// reads as itself (P 1 apart from A 3, P 4 apart from A 22).
constexpr int VelikostZnacky = 28;
constexpr double SemaforSirka = 10.0;
constexpr double SemaforVyska = 26.0;
constexpr double Mezera = 2.0;
constexpr double OdKraje = 4.0;  // gap between the kerb and the row

const QColor Zhasnuto(0x3c, 0x3c, 0x3c);
const QColor Cervena(0xff, 0x2a, 0x1a);
const QColor Zluta(0xff, 0xc4, 0x00);
const QColor Zelena(0x22, 0xe0, 0x5a);

// The catalogue draws on a white square; the white that touches the square's border is made
// transparent so the sign stands on the grass, while white inside its outline stays.
QImage BezPozadi(QImage obr)
{
    obr = obr.convertToFormat(QImage::Format_ARGB32);
    const auto bila = [&obr](int x, int y) {
        const QRgb c = obr.pixel(x, y);
        return qAlpha(c) > 0 && qRed(c) > 232 && qGreen(c) > 232 && qBlue(c) > 232;
    };
    QList<QPoint> fronta;
    for (int i = 0; i < obr.width(); ++i)
        fronta << QPoint(i, 0) << QPoint(i, obr.height() - 1);
    for (int i = 0; i < obr.height(); ++i)
        fronta << QPoint(0, i) << QPoint(obr.width() - 1, i);
    while (!fronta.isEmpty()) {
        const QPoint b = fronta.takeLast();
        if (!obr.rect().contains(b) || !bila(b.x(), b.y()))
            continue;
        obr.setPixel(b, qRgba(0, 0, 0, 0));
        fronta << b + QPoint(1, 0) << b - QPoint(1, 0) << b + QPoint(0, 1) << b - QPoint(0, 1);
    }
    return obr;
}

Znacky::Strana StranaTabule(Rameno odkud, Rameno r)
{
    if (r == Cil(odkud, Smer::Vlevo))
        return Znacky::Strana::Vlevo;
    if (r == Cil(odkud, Smer::Rovne))
        return Znacky::Strana::Nahore;
    if (r == Cil(odkud, Smer::Vpravo))
        return Znacky::Strana::Vpravo;
    return Znacky::Strana::Dole;
}

// The plate "Tvar křižovatky" follows this crossroads as the driver on arm r sees it.
QImage TvarKrizovatky(const Scena &s, Rameno r, int velikost)
{
    QList<Znacky::Strana> ramena;
    for (Rameno a : s.ramena)
        ramena << StranaTabule(r, a);
    return Znacky::TvarKrizovatky(ramena, {StranaTabule(r, s.hlavni[0]), StranaTabule(r, s.hlavni[1])},
                                  velikost);
}

QImage ZnackaMala(const Scena &s, const Znacka &z, int meritko)
{
    // Drawn at twice the size and scaled down, which keeps thin outlines smooth.
    const int velikost = VelikostZnacky * meritko;
    const QImage velka = z.kod == KodTvaruKrizovatky ? TvarKrizovatky(s, z.rameno, 2 * velikost)
                                                     : Znacky::Nakreslit(z.kod, 2 * velikost);
    return BezPozadi(velka).scaled(velikost, velikost, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void Lampa(QPainter &p, QPointF stred, QColor barva, bool sviti, bool blika)
{
    p.setPen(Qt::NoPen);
    p.setBrush(sviti ? barva : Zhasnuto);
    p.drawEllipse(stred, 3.4, 3.4);
    if (!sviti)
        return;
    // A lit lamp glows; a flashing one also gets short rays.
    QColor zare = barva;
    zare.setAlpha(90);
    p.setBrush(zare);
    p.drawEllipse(stred, 5.5, 5.5);
    if (blika) {
        p.setPen(QPen(barva, 1.2));
        for (const QPointF d : {QPointF(1, 0), QPointF(-1, 0)})
            p.drawLine(stred + d * 6.5, stred + d * 9.5);
    }
}

void Sipka(QPainter &p, QPointF stred, Smer smer)
{
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(QColor(0x20, 0x20, 0x20));
    p.drawRoundedRect(QRectF(stred - QPointF(5, 5), QSizeF(10, 10)), 2, 2);
    const double k = smer == Smer::Vpravo ? 1.0 : -1.0;
    p.setPen(QPen(Zelena, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(stred - QPointF(3.2 * k, 0), stred + QPointF(3.2 * k, 0));
    p.drawPolyline(QPolygonF({stred + QPointF(0.6 * k, -2.6), stred + QPointF(3.2 * k, 0),
                              stred + QPointF(0.6 * k, 2.6)}));
}

// The width a signal takes beside the road: its head, and the arrow lamp if it has one.
double SirkaSemaforu(const Semafor &m)
{
    return SemaforSirka + (m.sipka ? 11.0 : 0.0);
}

void KreslitSemafor(QPainter &p, const Semafor &m, Svetlo stav, QPointF stred)
{
    const QPointF hlava = stred - QPointF(m.sipka ? 5.5 : 0.0, 0);
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(QColor(0x20, 0x20, 0x20));
    p.drawRoundedRect(QRectF(hlava - QPointF(SemaforSirka / 2, SemaforVyska / 2),
                             QSizeF(SemaforSirka, SemaforVyska)),
                      2, 2);
    const bool c = stav == Svetlo::Cervena || stav == Svetlo::CervenaZluta;
    const bool z = stav == Svetlo::Zluta || stav == Svetlo::CervenaZluta || stav == Svetlo::ZlutaBlikajici;
    Lampa(p, hlava + QPointF(0, -8), Cervena, c, false);
    Lampa(p, hlava, Zluta, z, stav == Svetlo::ZlutaBlikajici);
    Lampa(p, hlava + QPointF(0, 8), Zelena, stav == Svetlo::Zelena, false);
    if (m.sipka)
        Sipka(p, hlava + QPointF(11, 8), *m.sipka);
}

// Where each device of the scene stands: the signal first, then the signs in the scene's order.
struct Mista {
    QList<QPointF> semafory; // for each of Scena::semafory
    QList<QPointF> znacky;   // for each of Scena::znacky
};

Mista Rozmistit(const Scena &s)
{
    Mista m{QList<QPointF>(s.semafory.size()), QList<QPointF>(s.znacky.size())};
    for (Rameno r : s.ramena) {
        // North and south arms: the row runs out from the kerb; east and west arms: along the
        // kerb, away from the crossroads. Either way it runs across the picture's width.
        const bool svisle = G::Vektor(r).x() == 0;
        QPointF kraj = svisle ? G::Bod(r, G::Vstup(s) + OdKraje + SemaforVyska / 2,
                                       G::Okraj + OdKraje)
                              : G::Bod(r, G::Vstup(s) + OdKraje,
                                       G::Okraj + OdKraje + SemaforVyska / 2);
        const double smer = svisle ? (G::Bod(r, 0, 1) - G::Stred).x() : G::Vektor(r).x();
        const auto misto = [&kraj, smer](double sirka) {
            const QPointF stred = kraj + QPointF(smer * sirka / 2, 0);
            kraj += QPointF(smer * (sirka + Mezera), 0);
            return stred;
        };
        for (qsizetype i = 0; i < s.semafory.size(); ++i)
            if (s.semafory[i].rameno == r)
                m.semafory[i] = misto(SirkaSemaforu(s.semafory[i]));
        for (qsizetype i = 0; i < s.znacky.size(); ++i)
            if (s.znacky[i].rameno == r)
                m.znacky[i] = misto(VelikostZnacky);
    }
    return m;
}

} // namespace

void KreslitZnacky(QPainter &p, const Scena &s, int meritko)
{
    const Mista m = Rozmistit(s);
    const QPointF pul(VelikostZnacky / 2.0, VelikostZnacky / 2.0);
    for (qsizetype i = 0; i < s.znacky.size(); ++i)
        p.drawImage(QRectF(m.znacky[i] - pul, m.znacky[i] + pul), ZnackaMala(s, s.znacky[i], meritko));
}

void KreslitSemafory(QPainter &p, const Scena &s, const QList<Svetlo> &stavy)
{
    const Mista m = Rozmistit(s);
    for (qsizetype i = 0; i < s.semafory.size(); ++i)
        KreslitSemafor(p, s.semafory[i], stavy.value(i, s.semafory[i].stav), m.semafory[i]);
}

void KreslitVybaveni(QPainter &p, const Scena &s, int meritko)
{
    QList<Svetlo> stavy;
    for (const Semafor &m : s.semafory)
        stavy << m.stav;
    KreslitSemafory(p, s, stavy);
    KreslitZnacky(p, s, meritko);
}

} // namespace Krizovatky

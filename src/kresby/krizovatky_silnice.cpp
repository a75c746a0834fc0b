#include "kresby/krizovatky_silnice.h"

#include "kresby/krizovatky.h"
#include "logika/krizovatky_geometrie.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace Krizovatky {

namespace G = Geometrie;

namespace {

const QColor Trava(0xa9, 0xc9, 0x8a);
const QColor Asfalt(0x6e, 0x6e, 0x70);
const QColor Obrubnik(0xd0, 0xd0, 0xcc);
const QColor Kolejnice(0xc4, 0xc4, 0xbc);
const QColor Barva(0xfa, 0xfa, 0xfa);

// A white marking line; dash and gap, if given, in pen widths.
QPen Cara(double sirka, double carka = 0, double mezera = 0)
{
    QPen pero(Barva, sirka, Qt::SolidLine, Qt::FlatCap);
    if (carka > 0)
        pero.setDashPattern({carka, mezera});
    return pero;
}

// The carriageway as one outline. Strips, centre square and corners overlap, so they are
// joined as a union: filling one path of overlapping parts would leave out, under the odd-even
// rule, every area covered an even number of times.
QPainterPath Vozovka(const Scena &s)
{
    QPainterPath v;
    const auto pridat = [&v](const QPainterPath &dil) { v = v.united(dil); };
    for (Rameno r : s.ramena) {
        QPainterPath pas;
        pas.addPolygon(QPolygonF({G::Bod(r, 0, -G::Okraj), G::Bod(r, 400, -G::Okraj),
                                  G::Bod(r, 400, G::Okraj), G::Bod(r, 0, G::Okraj)}));
        pas.closeSubpath();
        pridat(pas);
    }
    QPainterPath stred;
    if (s.okruzni)
        stred.addEllipse(G::Stred, G::OkruhVnejsi, G::OkruhVnejsi);
    else
        stred.addRect(QRectF(G::Stred - QPointF(G::Okraj, G::Okraj),
                             QSizeF(2 * G::Okraj, 2 * G::Okraj)));
    pridat(stred);
    if (s.okruzni)
        return v;
    // Rounded kerbs where two neighbouring arms meet: the square corner less a quarter disc.
    for (Rameno r : s.ramena) {
        const Rameno soused = Cil(r, Smer::Vpravo);
        if (!s.maRameno(soused))
            continue;
        const double z = G::Okraj + G::Zaobleni;
        QPainterPath roh;
        roh.addPolygon(QPolygonF({G::Bod(r, G::Okraj, G::Okraj), G::Bod(r, z, G::Okraj),
                                  G::Bod(r, z, z), G::Bod(r, G::Okraj, z)}));
        roh.closeSubpath();
        QPainterPath kruh;
        kruh.addEllipse(G::Bod(r, z, z), G::Zaobleni, G::Zaobleni);
        pridat(roh.subtracted(kruh));
    }
    return v;
}

void KreslitKoleje(QPainter &p, const Scena &s)
{
    QList<QPainterPath> koleje;
    for (const auto &[a, b] : s.koleje)
        koleje << NaCestu(G::Spojeni(a, b)) << NaCestu(G::Spojeni(b, a));
    // A wide light stroke less a narrower road-coloured one leaves the two rails; drawing all
    // outer strokes first lets tracks that share a stretch merge cleanly.
    for (const QPainterPath &k : std::as_const(koleje)) {
        p.setPen(QPen(Kolejnice, 7.0));
        p.drawPath(k);
    }
    for (const QPainterPath &k : std::as_const(koleje)) {
        p.setPen(QPen(Asfalt, 4.4));
        p.drawPath(k);
    }
}

void KreslitVodorovne(QPainter &p, const Scena &s)
{
    const double vstup = G::Vstup(s);
    for (Rameno r : s.ramena) {
        // Lane line between the two directions of the arm.
        p.setPen(Cara(1.5, 4, 3));
        p.drawLine(G::Bod(r, vstup, 0), G::Bod(r, 400, 0));
        // Stop line (P6 or signals) or give-way line (P4) across the approach lane.
        const QLineF pricna(G::Bod(r, vstup, 0.5), G::Bod(r, vstup, G::Okraj - 0.5));
        if (s.maZnacku(r, u"P6"_s) || s.semafor(r)) {
            p.setPen(Cara(3.0));
            p.drawLine(pricna.translated(G::Vektor(r) * 1.5));
        } else if (s.maZnacku(r, u"P4"_s)) {
            p.setPen(Cara(2.5, 1.2, 0.8));
            p.drawLine(pricna.translated(G::Vektor(r) * 1.25));
        }
        // The main road's edge line runs across the mouth of every other arm.
        if (!s.hlavni.isEmpty() && !s.hlavni.contains(r)) {
            p.setPen(Cara(1.5, 3, 2));
            p.drawLine(G::Bod(r, G::Okraj, -G::Okraj), G::Bod(r, G::Okraj, G::Okraj));
        }
    }
}

void KreslitOstruvek(QPainter &p)
{
    p.setPen(QPen(Obrubnik, 2.0));
    p.setBrush(Trava.darker(108));
    p.drawEllipse(G::Stred, G::OkruhOstruvek, G::OkruhOstruvek);
    // The paved apron that lorries may roll over.
    p.setPen(QPen(Obrubnik.darker(115), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(G::Stred, G::OkruhOstruvek - 5.0, G::OkruhOstruvek - 5.0);
}

} // namespace

void KreslitSilnice(QPainter &p, const Scena &s)
{
    p.fillRect(QRectF(0, 0, Sirka, Vyska), Trava);
    p.setPen(QPen(Obrubnik, 3.0));
    p.setBrush(Asfalt);
    p.drawPath(Vozovka(s));
    p.setBrush(Qt::NoBrush);
    KreslitKoleje(p, s);
    KreslitVodorovne(p, s);
    if (s.okruzni)
        KreslitOstruvek(p);
}

void KreslitPolicistu(QPainter &p, const std::optional<Policista> &policista)
{
    if (!policista)
        return;
    // Drawn facing up, so that his right hand is on the right, then turned to look out along the
    // arm he faces.
    p.save();
    p.translate(G::Stred);
    p.rotate(G::Natoceni(G::Vektor(policista->celem)));
    // A dark rim round the white sleeves keeps them plain on the asphalt and on the arrows.
    const auto ruka = [&p](QPointF od, QPointF po) {
        p.setPen(QPen(QColor(0x20, 0x20, 0x20), 3.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(od, po);
        p.setPen(QPen(QColor(0xf4, 0xf4, 0xf4), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(od, po);
    };
    if (policista->predpazeni) {
        ruka(QPointF(4.5, 0), QPointF(4.5, -10.0)); // the right arm forward
        ruka(QPointF(-4.5, 0), QPointF(-12.0, 0));  // the left one sideways
    } else {
        ruka(QPointF(-12.0, 0), QPointF(12.0, 0));
    }
    p.setPen(QPen(Qt::black, 0.8));
    p.setBrush(QColor(0x1e, 0x2a, 0x5a));
    p.drawEllipse(QPointF(0, 0), 6.0, 3.8);
    p.setBrush(QColor(0xf4, 0xf4, 0xf4)); // the white cap
    p.drawEllipse(QPointF(0, 0), 2.8, 2.8);
    p.restore();
}

} // namespace Krizovatky

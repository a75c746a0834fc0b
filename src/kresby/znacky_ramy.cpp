// Frames of the sign families: shapes, borders and background colours.
#include "kresby/znacky_dily.h"

#include <QPolygonF>

#include <cmath>

namespace Znacky::Dily {

namespace {

constexpr QPointF Stred{50, 50};
constexpr qreal Polomer = 46;         // outer radius of every round sign
constexpr qreal CervenyLem = 8.5;     // red ring of prohibitory signs

// Equilateral triangle with rounded corners: a red body and a white face inset by the
// border width. The corners are rounded by stroking the body with a round join.
void Trojuhelnik(QPainter &p, bool spickouDolu)
{
    const auto y = [spickouDolu](qreal hodnota) { return spickouDolu ? 100 - hodnota : hodnota; };
    const QPolygonF telo{QPointF(50, y(10.5)), QPointF(94, y(86.7)), QPointF(6, y(86.7))};
    const QPointF teziste(50, y(61.3));
    QPolygonF plocha;
    for (const QPointF &vrchol : telo)
        plocha << teziste + (vrchol - teziste) * 0.764;

    p.setPen(QPen(Barva::Cervena, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Barva::Cervena);
    p.drawPolygon(telo);
    p.setPen(QPen(Barva::Bila, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Barva::Bila);
    p.drawPolygon(plocha);
    p.setPen(Qt::NoPen);
}

void Kruh(QPainter &p, qreal polomer, const QColor &barva)
{
    p.setPen(Qt::NoPen);
    p.setBrush(barva);
    p.drawEllipse(Stred, polomer, polomer);
}

// A band across the face of a round sign, kept inside the face.
void Pruh(QPainter &p, QPointF od, QPointF k, qreal sirka, const QColor &barva, qreal polomer)
{
    p.save();
    QPainterPath tvar;
    tvar.addEllipse(Stred, polomer, polomer);
    p.setClipPath(tvar);
    p.setPen(QPen(barva, sirka, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(od, k);
    p.restore();
}

} // namespace

QPointF Vystraha(QPainter &p)
{
    Trojuhelnik(p, false);
    return {50, 63};
}

void DejPrednost(QPainter &p)
{
    Trojuhelnik(p, true);
}

void Zakaz(QPainter &p, const QColor &plocha)
{
    Kruh(p, Polomer, Barva::Cervena);
    Kruh(p, Polomer - CervenyLem, plocha);
}

void KonecZakazu(QPainter &p)
{
    Kruh(p, Polomer, Barva::Cerna);
    Kruh(p, Polomer - 1.5, Barva::Bila);
}

void PreskrtnutiKonce(QPainter &p)
{
    // Runs from the upper right to the lower left, as on every "end of" sign.
    Pruh(p, QPointF(84, 16), QPointF(16, 84), 8, Barva::Cerna, Polomer - 1.5);
}

void PreskrtnutiZakazu(QPainter &p)
{
    Pruh(p, QPointF(20, 20), QPointF(80, 80), CervenyLem, Barva::Cervena, Polomer - CervenyLem);
}

void Prikaz(QPainter &p)
{
    Kruh(p, Polomer, Barva::Modra);
}

void Informace(QPainter &p, const QRectF &deska)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Barva::Modra);
    p.drawRoundedRect(deska, 4, 4);
    p.setPen(QPen(Barva::Bila, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(deska.adjusted(2.8, 2.8, -2.8, -2.8), 2.5, 2.5);
    p.setPen(Qt::NoPen);
}

void BilaTabule(QPainter &p, const QRectF &deska, qreal lem)
{
    p.setPen(QPen(Barva::Cerna, lem));
    p.setBrush(Barva::Bila);
    p.drawRoundedRect(deska.adjusted(lem / 2, lem / 2, -lem / 2, -lem / 2), 3, 3);
    p.setPen(Qt::NoPen);
}

void TvarKrizovatky(QPainter &p, const QList<Strana> &ramena, std::pair<Strana, Strana> hlavni)
{
    BilaTabule(p, QRectF(12, 12, 76, 76), 2.5);
    const auto konec = [](Strana s) {
        switch (s) {
        case Strana::Dole: return QPointF(50, 80);
        case Strana::Vlevo: return QPointF(20, 50);
        case Strana::Nahore: return QPointF(50, 20);
        case Strana::Vpravo: return QPointF(80, 50);
        }
        return Stred;
    };
    // Strokes bold enough to stay two pixels wide when the plate stands in a scene.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Barva::Cerna, 7.5, Qt::SolidLine, Qt::FlatCap));
    for (const Strana r : ramena)
        if (r != hlavni.first && r != hlavni.second)
            p.drawLine(Stred, konec(r));
    QPainterPath hlavniCesta(konec(hlavni.first));
    hlavniCesta.lineTo(Stred);
    hlavniCesta.lineTo(konec(hlavni.second));
    p.setPen(QPen(Barva::Cerna, 18, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPath(hlavniCesta);
    p.setPen(Qt::NoPen);
}

void Osmiuhelnik(QPainter &p)
{
    const auto osm = [](qreal r) {
        QPolygonF vrcholy;
        for (int i = 0; i < 8; ++i) {
            const qreal uhel = (22.5 + 45.0 * i) * M_PI / 180.0;
            vrcholy << Stred + QPointF(r * std::cos(uhel), r * std::sin(uhel));
        }
        return vrcholy;
    };
    p.setPen(QPen(Barva::Cervena, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Barva::Cervena);
    p.drawPolygon(osm(Polomer + 1.5));
    p.setPen(QPen(Barva::Bila, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(osm(Polomer - 1.5));
    p.setPen(Qt::NoPen);
    Text(p, QRectF(17, 38, 66, 24), QStringLiteral("STOP"), Barva::Bila);
}

void HlavniSilnice(QPainter &p, bool konec)
{
    const auto kosoctverec = [](qreal r) {
        return QPolygonF{Stred + QPointF(0, -r), Stred + QPointF(r, 0), Stred + QPointF(0, r),
                         Stred + QPointF(-r, 0)};
    };
    p.setPen(QPen(Barva::Cerna, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Barva::Bila);
    p.drawPolygon(kosoctverec(Polomer + 1));
    p.setPen(Qt::NoPen);
    p.setBrush(Barva::Zluta);
    p.drawPolygon(kosoctverec(Polomer - 11));
    if (!konec)
        return;
    // Thin black strokes across the whole diamond, lower left to upper right.
    p.save();
    QPainterPath tvar;
    tvar.addPolygon(kosoctverec(Polomer));
    p.setClipPath(tvar);
    p.setPen(QPen(Barva::Cerna, 1.8, Qt::SolidLine, Qt::FlatCap));
    for (int i = -3; i <= 3; ++i) {
        const qreal posun = i * 5.0;
        p.drawLine(QPointF(10 + posun, 90 + posun), QPointF(90 + posun, 10 + posun));
    }
    p.restore();
}

void Vozovka(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8d, 0xb8, 0x5a));
    p.drawRect(QRectF(0, 0, 100, 100));
    p.setBrush(Barva::Asfalt);
    p.drawRect(QRectF(8, 0, 84, 100));
}

QList<QPointF> Semafor(QPainter &p, int pocet)
{
    const qreal krok = 26;
    const qreal vyska = krok * pocet + 6;
    const QRectF skrin(33, 50 - vyska / 2, 34, vyska);
    p.setPen(QPen(Barva::Bila, 1.5));
    p.setBrush(Barva::Cerna);
    p.drawRoundedRect(skrin, 5, 5);
    p.setPen(Qt::NoPen);
    QList<QPointF> svetla;
    for (int i = 0; i < pocet; ++i)
        svetla << QPointF(50, skrin.top() + 3 + krok * (i + 0.5));
    return svetla;
}

void Svetlo(QPainter &p, QPointF stred, const QColor &barva, bool sviti)
{
    p.setPen(Qt::NoPen);
    if (sviti) {
        QColor zare = barva;
        zare.setAlpha(90);
        p.setBrush(zare);
        p.drawEllipse(stred, 12.5, 12.5);
        p.setBrush(barva);
    } else {
        p.setBrush(QColor(0x3a, 0x3a, 0x3a));
    }
    p.drawEllipse(stred, 10, 10);
}

} // namespace Znacky::Dily

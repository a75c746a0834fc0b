// Pictograms the signs share: arrows, vehicles, persons, animals and text.
#include "kresby/znacky_dily.h"

#include <QFont>
#include <QPolygonF>
#include <QTransform>

#include <cmath>

namespace Znacky::Dily {

namespace {

// Maps the unit square onto r, so that every pictogram is described once in 0..1
// coordinates and fitted wherever a sign needs it.
QTransform DoObdelniku(const QRectF &r, bool zrcadlit = false)
{
    QTransform t;
    if (zrcadlit)
        t.translate(r.right(), r.top()).scale(-r.width(), r.height());
    else
        t.translate(r.left(), r.top()).scale(r.width(), r.height());
    return t;
}

QPainterPath Mnohouhelnik(std::initializer_list<QPointF> body)
{
    QPainterPath cesta;
    cesta.addPolygon(QPolygonF(QList<QPointF>(body)));
    cesta.closeSubpath();
    return cesta;
}

QPainterPath Elipsa(QPointF stred, qreal rx, qreal ry)
{
    QPainterPath cesta;
    cesta.addEllipse(stred, rx, ry);
    return cesta;
}

QPainterPath Obdelnik(qreal x1, qreal y1, qreal x2, qreal y2)
{
    QPainterPath cesta;
    cesta.addRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
    return cesta;
}

void Vyplnit(QPainter &p, const QPainterPath &cesta, const QTransform &t, const QColor &barva)
{
    p.setPen(Qt::NoPen);
    p.setBrush(barva);
    p.drawPath(t.map(cesta));
}

// Strokes a polyline given in unit coordinates with a pen in sign units.
void Tah(QPainter &p, const QTransform &t, std::initializer_list<QPointF> body, qreal sirka,
         const QColor &barva)
{
    QPolygonF cara;
    for (const QPointF &bod : body)
        cara << t.map(bod);
    p.setPen(QPen(barva, sirka, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(cara);
    p.setPen(Qt::NoPen);
}

// Wheels cut a gap into the body around them, as in the decree's pictograms.
QPainterPath SKoly(const QPainterPath &telo, std::initializer_list<QPointF> kola, qreal r)
{
    QPainterPath vyrezy, pneu;
    for (const QPointF &kolo : kola) {
        vyrezy.addEllipse(kolo, r * 1.3, r * 1.3);
        pneu.addEllipse(kolo, r, r);
    }
    return telo.subtracted(vyrezy).united(pneu);
}

// A ring (wheel of a two-wheeler) as a stroked ellipse that keeps its shape in any rectangle.
void Prstenec(QPainter &p, const QTransform &t, QPointF stred, qreal r, qreal sirka,
              const QColor &barva)
{
    p.setPen(QPen(barva, sirka));
    p.setBrush(Qt::NoBrush);
    p.drawPath(t.map(Elipsa(stred, r, r)));
    p.setPen(Qt::NoPen);
}

} // namespace

void SipkaPo(QPainter &p, const QPainterPath &cesta, qreal tloustka, const QColor &barva,
             qreal hlava)
{
    if (hlava <= 0)
        hlava = tloustka * 2.2;
    const qreal delka = cesta.length();
    const qreal uhel = -cesta.angleAtPercent(1) * M_PI / 180.0;
    const QPointF spicka = cesta.pointAtPercent(1);
    const QPointF smer(std::cos(uhel), std::sin(uhel));
    const QPointF kolmo(-smer.y(), smer.x());

    // The shaft stops where the head begins; sampled so that curves stay curves.
    QPolygonF driek;
    const int kroku = 48;
    const qreal konec = std::max<qreal>(0, delka - hlava * 0.9);
    for (int i = 0; i <= kroku; ++i)
        driek << cesta.pointAtPercent(cesta.percentAtLength(konec * i / kroku));
    p.setPen(QPen(barva, tloustka, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(driek);

    const QPointF zaklad = spicka - smer * hlava;
    const qreal pul = tloustka * 1.35;
    p.setPen(Qt::NoPen);
    p.setBrush(barva);
    p.drawPolygon(QPolygonF{spicka, zaklad + kolmo * pul, zaklad - kolmo * pul});
}

void Sipka(QPainter &p, std::initializer_list<QPointF> body, qreal tloustka, const QColor &barva,
           qreal hlava)
{
    QPainterPath cesta;
    bool prvni = true;
    for (const QPointF &bod : body) {
        if (prvni)
            cesta.moveTo(bod);
        else
            cesta.lineTo(bod);
        prvni = false;
    }
    SipkaPo(p, cesta, tloustka, barva, hlava);
}

void OsobniAuto(QPainter &p, const QRectF &r, const QColor &barva)
{
    const QTransform t = DoObdelniku(r);
    QPainterPath telo = Mnohouhelnik({{0.02, 0.8}, {0.02, 0.52}, {0.1, 0.45}, {0.26, 0.42},
                                      {0.37, 0.16}, {0.71, 0.16}, {0.84, 0.42}, {0.97, 0.48},
                                      {0.98, 0.8}});
    telo = telo.subtracted(Mnohouhelnik({{0.39, 0.23}, {0.52, 0.23}, {0.52, 0.41}, {0.32, 0.41}}));
    telo = telo.subtracted(Mnohouhelnik({{0.56, 0.23}, {0.68, 0.23}, {0.76, 0.41}, {0.56, 0.41}}));
    Vyplnit(p, SKoly(telo, {{0.23, 0.8}, {0.78, 0.8}}, 0.13), t, barva);
}

void NakladniAuto(QPainter &p, const QRectF &r, const QColor &barva)
{
    const QTransform t = DoObdelniku(r);
    QPainterPath telo = Obdelnik(0, 0.08, 0.66, 0.7);
    telo = telo.united(Obdelnik(0, 0.66, 0.98, 0.76));
    QPainterPath kabina = Mnohouhelnik({{0.7, 0.28}, {0.87, 0.28}, {0.99, 0.5}, {0.99, 0.76},
                                        {0.7, 0.76}});
    kabina = kabina.subtracted(Mnohouhelnik({{0.74, 0.34}, {0.85, 0.34}, {0.93, 0.5}, {0.74, 0.5}}));
    telo = telo.united(kabina);
    Vyplnit(p, SKoly(telo, {{0.17, 0.82}, {0.38, 0.82}, {0.84, 0.82}}, 0.1), t, barva);
}

void Autobus(QPainter &p, const QRectF &r, const QColor &barva)
{
    const QTransform t = DoObdelniku(r);
    QPainterPath telo;
    telo.addRoundedRect(QRectF(0.01, 0.1, 0.98, 0.7), 0.06, 0.1);
    for (int i = 0; i < 5; ++i)
        telo = telo.subtracted(Obdelnik(0.06 + i * 0.15, 0.2, 0.18 + i * 0.15, 0.44));
    telo = telo.subtracted(Obdelnik(0.83, 0.2, 0.95, 0.6));
    Vyplnit(p, SKoly(telo, {{0.2, 0.8}, {0.74, 0.8}}, 0.12), t, barva);
}

void Motocykl(QPainter &p, const QRectF &r, const QColor &barva)
{
    const QTransform t = DoObdelniku(r);
    const qreal s = r.height() * 0.08;
    Prstenec(p, t, {0.18, 0.78}, 0.16, s, barva);
    Prstenec(p, t, {0.84, 0.78}, 0.16, s, barva);
    // Frame, tank and seat.
    Vyplnit(p, Mnohouhelnik({{0.3, 0.5}, {0.44, 0.44}, {0.68, 0.44}, {0.66, 0.62}, {0.5, 0.74},
                             {0.36, 0.7}}),
            t, barva);
    Tah(p, t, {{0.18, 0.78}, {0.36, 0.6}}, s, barva);
    Tah(p, t, {{0.84, 0.78}, {0.72, 0.36}, {0.66, 0.3}}, s, barva);
    // Rider.
    Vyplnit(p, Elipsa({0.5, 0.08}, 0.07, 0.08), t, barva);
    Tah(p, t, {{0.47, 0.2}, {0.42, 0.44}}, s * 1.5, barva);
    Tah(p, t, {{0.47, 0.24}, {0.62, 0.32}, {0.68, 0.3}}, s, barva);
    Tah(p, t, {{0.42, 0.44}, {0.56, 0.52}, {0.54, 0.68}}, s * 1.2, barva);
}

void JizdniKolo(QPainter &p, const QRectF &r, const QColor &barva)
{
    const QTransform t = DoObdelniku(r);
    const qreal s = r.height() * 0.08;
    Prstenec(p, t, {0.2, 0.7}, 0.19, s, barva);
    Prstenec(p, t, {0.8, 0.7}, 0.19, s, barva);
    Tah(p, t, {{0.2, 0.7}, {0.46, 0.7}, {0.36, 0.36}, {0.2, 0.7}}, s, barva);
    Tah(p, t, {{0.46, 0.7}, {0.73, 0.36}, {0.36, 0.36}}, s, barva);
    Tah(p, t, {{0.8, 0.7}, {0.7, 0.22}, {0.8, 0.2}}, s, barva);
    Tah(p, t, {{0.3, 0.28}, {0.42, 0.28}}, s * 1.2, barva);
}

void Cyklista(QPainter &p, const QRectF &r, const QColor &barva)
{
    JizdniKolo(p, QRectF(r.left(), r.top() + r.height() * 0.35, r.width(), r.height() * 0.65),
               barva);
    const QTransform t = DoObdelniku(r);
    const qreal s = r.height() * 0.08;
    Vyplnit(p, Elipsa({0.56, 0.09}, 0.08, 0.08), t, barva);
    Tah(p, t, {{0.38, 0.52}, {0.52, 0.2}}, s * 1.3, barva);
    Tah(p, t, {{0.52, 0.24}, {0.66, 0.4}, {0.72, 0.49}}, s * 0.9, barva);
    Tah(p, t, {{0.38, 0.52}, {0.56, 0.6}, {0.46, 0.8}}, s, barva);
}

void Tramvaj(QPainter &p, const QRectF &r, const QColor &barva)
{
    const QTransform t = DoObdelniku(r);
    QPainterPath telo;
    telo.addRoundedRect(QRectF(0.02, 0.3, 0.96, 0.54), 0.08, 0.12);
    for (int i = 0; i < 4; ++i)
        telo = telo.subtracted(Obdelnik(0.08 + i * 0.22, 0.38, 0.24 + i * 0.22, 0.56));
    telo = telo.united(Obdelnik(0.1, 0.88, 0.3, 0.96)).united(Obdelnik(0.7, 0.88, 0.9, 0.96));
    Vyplnit(p, telo, t, barva);
    Tah(p, t, {{0.42, 0.3}, {0.56, 0.16}, {0.44, 0.04}}, r.height() * 0.05, barva);
    Tah(p, t, {{0.34, 0.04}, {0.6, 0.04}}, r.height() * 0.05, barva);
}

void Lokomotiva(QPainter &p, const QRectF &r, const QColor &barva)
{
    const QTransform t = DoObdelniku(r, true);
    QPainterPath telo = Obdelnik(0.02, 0.08, 0.32, 0.74);
    telo = telo.subtracted(Obdelnik(0.08, 0.16, 0.24, 0.36));
    telo = telo.united(Obdelnik(0.0, 0.02, 0.36, 0.1));
    telo = telo.united(Obdelnik(0.3, 0.34, 0.92, 0.72));
    telo = telo.united(Mnohouhelnik({{0.74, 0.1}, {0.88, 0.1}, {0.85, 0.34}, {0.77, 0.34}}));
    telo = telo.united(Obdelnik(0.9, 0.56, 0.99, 0.74));
    telo = telo.united(Obdelnik(0.02, 0.72, 0.95, 0.78));
    Vyplnit(p, SKoly(telo, {{0.2, 0.86}, {0.48, 0.86}, {0.76, 0.86}}, 0.12), t, barva);
}

void AutoZezadu(QPainter &p, const QRectF &r, const QColor &barva)
{
    const QTransform t = DoObdelniku(r);
    QPainterPath telo;
    telo.addRoundedRect(QRectF(0.02, 0.44, 0.96, 0.4), 0.1, 0.12);
    telo = telo.united(Mnohouhelnik({{0.2, 0.08}, {0.8, 0.08}, {0.92, 0.48}, {0.08, 0.48}}));
    telo = telo.subtracted(Mnohouhelnik({{0.26, 0.16}, {0.74, 0.16}, {0.82, 0.42}, {0.18, 0.42}}));
    telo = telo.united(Obdelnik(0.06, 0.8, 0.26, 0.98)).united(Obdelnik(0.74, 0.8, 0.94, 0.98));
    Vyplnit(p, telo, t, barva);
}

void NakladniZezadu(QPainter &p, const QRectF &r, const QColor &barva)
{
    const QTransform t = DoObdelniku(r);
    QPainterPath telo;
    telo.addRoundedRect(QRectF(0.04, 0.02, 0.92, 0.8), 0.06, 0.06);
    telo = telo.subtracted(Obdelnik(0.14, 0.12, 0.86, 0.4));
    telo = telo.united(Obdelnik(0.06, 0.8, 0.28, 0.98)).united(Obdelnik(0.72, 0.8, 0.94, 0.98));
    Vyplnit(p, telo, t, barva);
}

// Side view, walking to the right in a long stride: the body leans into the step, the arms
// swing against the legs, the rear foot pushes off from its toes.
void Chodec(QPainter &p, const QRectF &r, const QColor &barva)
{
    const QTransform t = DoObdelniku(r);
    const qreal s = r.height() * 0.1;
    Vyplnit(p, Elipsa({0.6, 0.085}, 0.085 * r.height() / r.width(), 0.085), t, barva);
    Tah(p, t, {{0.57, 0.22}, {0.49, 0.52}}, s * 1.45, barva);
    Tah(p, t, {{0.58, 0.25}, {0.7, 0.39}, {0.8, 0.47}}, s * 0.75, barva);
    Tah(p, t, {{0.54, 0.25}, {0.4, 0.37}, {0.3, 0.46}}, s * 0.75, barva);
    Tah(p, t, {{0.5, 0.53}, {0.66, 0.72}, {0.8, 0.92}, {0.92, 0.95}}, s, barva);
    Tah(p, t, {{0.47, 0.53}, {0.36, 0.74}, {0.18, 0.89}, {0.24, 0.96}}, s, barva);
}

namespace {

// A running child, to the right: a large head, knees high, the arms bent and swinging, the
// rear leg kicked back off the ground; with a skirt for a girl.
void Bezec(QPainter &p, const QRectF &r, const QColor &barva, bool sukne)
{
    const QTransform t = DoObdelniku(r);
    const qreal s = r.height() * 0.1;
    Vyplnit(p, Elipsa({0.62, 0.11}, 0.11 * r.height() / r.width(), 0.11), t, barva);
    Tah(p, t, {{0.6, 0.27}, {0.48, 0.55}}, s * 1.4, barva);
    Tah(p, t, {{0.6, 0.31}, {0.74, 0.42}, {0.86, 0.32}}, s * 0.8, barva);
    Tah(p, t, {{0.56, 0.32}, {0.42, 0.42}, {0.36, 0.56}}, s * 0.8, barva);
    Tah(p, t, {{0.5, 0.56}, {0.72, 0.66}, {0.7, 0.9}, {0.8, 0.93}}, s, barva);
    Tah(p, t, {{0.46, 0.57}, {0.34, 0.76}, {0.12, 0.82}}, s, barva);
    if (sukne)
        Vyplnit(p, Mnohouhelnik({{0.5, 0.44}, {0.32, 0.7}, {0.7, 0.66}}), t, barva);
}

} // namespace

void Deti(QPainter &p, const QRectF &r, const QColor &barva)
{
    const qreal w = r.width(), h = r.height();
    // The girl runs ahead, the smaller boy behind her.
    Bezec(p, QRectF(r.left() + w * 0.42, r.top(), w * 0.58, h), barva, true);
    Bezec(p, QRectF(r.left(), r.top() + h * 0.2, w * 0.48, h * 0.8), barva, false);
}

void Delnik(QPainter &p, const QRectF &r, const QColor &barva)
{
    const QTransform t = DoObdelniku(r);
    const qreal s = r.height() * 0.09;
    Vyplnit(p, Elipsa({0.42, 0.12}, 0.09 * r.height() / r.width(), 0.09), t, barva);
    Tah(p, t, {{0.38, 0.26}, {0.26, 0.56}}, s * 1.3, barva);
    Tah(p, t, {{0.26, 0.56}, {0.38, 0.76}, {0.34, 0.97}}, s, barva);
    Tah(p, t, {{0.26, 0.56}, {0.14, 0.78}, {0.06, 0.97}}, s, barva);
    Tah(p, t, {{0.37, 0.3}, {0.52, 0.48}, {0.62, 0.5}}, s * 0.8, barva);
    // Shovel handle ending in the blade, pushed into a heap.
    Tah(p, t, {{0.5, 0.3}, {0.74, 0.72}}, s * 0.6, barva);
    Vyplnit(p, Mnohouhelnik({{0.7, 0.7}, {0.8, 0.66}, {0.85, 0.78}, {0.76, 0.82}}), t, barva);
    Vyplnit(p, Mnohouhelnik({{0.62, 1.0}, {0.84, 0.8}, {1.0, 1.0}}), t, barva);
}

// A red deer leaping to the right: forelegs folded under the chest, hind legs stretched back,
// the neck raised and a branched antler.
void Jelen(QPainter &p, const QRectF &r, const QColor &barva)
{
    const QTransform t = DoObdelniku(r);
    const qreal s = r.height() * 0.075;
    QPainterPath telo;
    telo.moveTo(0.18, 0.5);
    telo.cubicTo(0.26, 0.36, 0.52, 0.34, 0.66, 0.38);
    telo.lineTo(0.76, 0.2);
    telo.lineTo(0.9, 0.22);
    telo.lineTo(0.96, 0.29);
    telo.lineTo(0.84, 0.31);
    telo.lineTo(0.76, 0.48);
    telo.cubicTo(0.66, 0.6, 0.38, 0.62, 0.26, 0.58);
    telo.closeSubpath();
    // The white scut and tail.
    telo = telo.united(Mnohouhelnik({{0.2, 0.46}, {0.1, 0.4}, {0.14, 0.48}}));
    Vyplnit(p, telo, t, barva);
    Tah(p, t, {{0.66, 0.52}, {0.82, 0.58}, {0.76, 0.7}}, s, barva);
    Tah(p, t, {{0.6, 0.55}, {0.72, 0.66}, {0.64, 0.76}}, s, barva);
    Tah(p, t, {{0.28, 0.55}, {0.14, 0.7}, {0.0, 0.84}}, s, barva);
    Tah(p, t, {{0.34, 0.57}, {0.22, 0.76}, {0.08, 0.94}}, s, barva);
    Tah(p, t, {{0.78, 0.21}, {0.7, 0.08}, {0.58, 0.02}}, s * 0.6, barva);
    Tah(p, t, {{0.72, 0.11}, {0.78, 0.0}}, s * 0.6, barva);
    Tah(p, t, {{0.66, 0.05}, {0.66, 0.0}}, s * 0.6, barva);
}

void Text(QPainter &p, const QRectF &r, const QString &text, const QColor &barva, bool tucne)
{
    QFont pismo(QStringLiteral("DejaVu Sans"));
    pismo.setStretch(QFont::Condensed);
    pismo.setBold(tucne);
    pismo.setPixelSize(100);
    QPainterPath cesta;
    cesta.addText(0, 0, pismo, text);
    const QRectF meze = cesta.boundingRect();
    if (meze.isEmpty())
        return;
    const qreal meritko = std::min(r.height() / meze.height(), r.width() / meze.width());
    QTransform t;
    t.translate(r.center().x(), r.center().y());
    t.scale(meritko, meritko);
    t.translate(-meze.center().x(), -meze.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(barva);
    p.drawPath(t.map(cesta));
}

} // namespace Znacky::Dily

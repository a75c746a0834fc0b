#pragma once

#include <QColor>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include "kresby/znacky.h"

#include <initializer_list>
#include <utility>

// Reusable parts the signs are put together from. Every part draws in the sign's own
// coordinates: a 100 × 100 square with (0, 0) at the top left, whatever the picture size.
namespace Znacky::Dily {

// Colours of the decree's colour scheme as they look on screen.
namespace Barva {
inline const QColor Cervena{0xcc, 0x12, 0x1d};
inline const QColor Modra{0x0b, 0x4e, 0xa2};
inline const QColor Zluta{0xf6, 0xb4, 0x00};
inline const QColor Zelena{0x1f, 0xb1, 0x4a};
inline const QColor Cerna{0x1a, 0x1a, 0x1a};
inline const QColor Seda{0x6e, 0x6e, 0x6e};
inline const QColor Bila{0xff, 0xff, 0xff};
inline const QColor Asfalt{0x5a, 0x5c, 0x60};
} // namespace Barva

// ---- Frames, one per family (znacky_ramy.cpp) ----

// Warning triangle, point up: white face, red border. Returns the centre of the face.
QPointF Vystraha(QPainter &p);
// Triangle with the point down (P 4, P 5).
void DejPrednost(QPainter &p);
// Prohibitory disc: red ring round a face of the given colour.
void Zakaz(QPainter &p, const QColor &plocha = Barva::Bila);
// "End of" disc: white face, thin grey rim (B 20b, B 21b, B 26 ...).
void KonecZakazu(QPainter &p);
// The black band that crosses out an "end of" sign, drawn over its symbol.
void PreskrtnutiKonce(QPainter &p);
// Red diagonal bar of a prohibition over a symbol (B 24a, B 25 ...).
void PreskrtnutiZakazu(QPainter &p);
// Mandatory disc: blue face with a thin white rim.
void Prikaz(QPainter &p);
// Blue information board with a white rim; the rectangle is in sign units.
void Informace(QPainter &p, const QRectF &deska);
// White board with a black rim (additional panels, the "Obec" board).
void BilaTabule(QPainter &p, const QRectF &deska, qreal lem = 1.6);
// The crossroads plate (E 2b): a white board, the arms from its centre, the main road thick.
void TvarKrizovatky(QPainter &p, const QList<Strana> &ramena, std::pair<Strana, Strana> hlavni);
// Octagon of the STOP sign.
void Osmiuhelnik(QPainter &p);
// Yellow diamond of the main road (P 2); konec adds the crossing stripes (P 3).
void HlavniSilnice(QPainter &p, bool konec);
// A piece of road seen from above, as the background of road markings.
void Vozovka(QPainter &p);
// Housing of a traffic light with the given number of lamp places; returns their centres
// from the top, the lamps themselves are drawn with Svetlo.
QList<QPointF> Semafor(QPainter &p, int pocet);
void Svetlo(QPainter &p, QPointF stred, const QColor &barva, bool sviti);

// ---- Symbols (znacky_symboly.cpp) ----

// A thick arrow along a polyline with the head at the last point.
void Sipka(QPainter &p, std::initializer_list<QPointF> body, qreal tloustka,
           const QColor &barva, qreal hlava = 0);
// The same along any path (curves); the head continues the path's end direction.
void SipkaPo(QPainter &p, const QPainterPath &cesta, qreal tloustka, const QColor &barva,
             qreal hlava = 0);

// Vehicles: side view facing right, fitted into the rectangle.
void OsobniAuto(QPainter &p, const QRectF &r, const QColor &barva);
void NakladniAuto(QPainter &p, const QRectF &r, const QColor &barva);
void Autobus(QPainter &p, const QRectF &r, const QColor &barva);
void Motocykl(QPainter &p, const QRectF &r, const QColor &barva);
void JizdniKolo(QPainter &p, const QRectF &r, const QColor &barva);
void Tramvaj(QPainter &p, const QRectF &r, const QColor &barva);
// The steam locomotive of the level-crossing sign faces left.
void Lokomotiva(QPainter &p, const QRectF &r, const QColor &barva);
// Cars seen from behind, as on the overtaking signs.
void AutoZezadu(QPainter &p, const QRectF &r, const QColor &barva);
void NakladniZezadu(QPainter &p, const QRectF &r, const QColor &barva);

// Persons: a walking figure standing on the bottom edge of the rectangle.
void Chodec(QPainter &p, const QRectF &r, const QColor &barva);
void Cyklista(QPainter &p, const QRectF &r, const QColor &barva);
// Two running children (A 12a).
void Deti(QPainter &p, const QRectF &r, const QColor &barva);
// A man digging (A 15).
void Delnik(QPainter &p, const QRectF &r, const QColor &barva);

// Animals.
void Jelen(QPainter &p, const QRectF &r, const QColor &barva);

// Text centred in the rectangle, scaled to fill its height but never wider than it.
void Text(QPainter &p, const QRectF &r, const QString &text, const QColor &barva,
          bool tucne = true);

} // namespace Znacky::Dily

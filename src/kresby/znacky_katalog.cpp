// The catalogue: every sign is a short description put together from the shared parts.
#include "kresby/znacky_katalog.h"

#include "kresby/znacky_dily.h"

#include <QPolygonF>

#include <cmath>

namespace Znacky::Katalog {

using namespace Dily;

namespace {

const QColor &Cerna = Barva::Cerna;
const QColor &Bila = Barva::Bila;
const QColor &Cervena = Barva::Cervena;

// Mirrors the drawing left to right for the duration of kresba (signs that come in a
// left and a right variant are described once).
template <typename F>
void Zrcadlove(QPainter &p, F kresba)
{
    p.save();
    p.translate(100, 0);
    p.scale(-1, 1);
    kresba();
    p.restore();
}

// Stroke without arrow head (bends of the curve signs, bars of the crossroads signs).
void Cara(QPainter &p, const QPainterPath &cesta, qreal sirka, const QColor &barva,
          Qt::PenCapStyle konec = Qt::FlatCap)
{
    p.setPen(QPen(barva, sirka, Qt::SolidLine, konec, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cesta);
    p.setPen(Qt::NoPen);
}

QPainterPath Usecka(QPointF od, QPointF k)
{
    QPainterPath cesta(od);
    cesta.lineTo(k);
    return cesta;
}

// Three arrows chasing each other anticlockwise round the centre (roundabout signs).
void KruhoveSipky(QPainter &p, QPointF stred, qreal r, qreal tloustka, const QColor &barva)
{
    const QRectF kruh(stred.x() - r, stred.y() - r, 2 * r, 2 * r);
    for (int i = 0; i < 3; ++i) {
        const qreal zacatek = 100 + 120.0 * i;
        QPainterPath oblouk;
        oblouk.arcMoveTo(kruh, zacatek);
        oblouk.arcTo(kruh, zacatek, 104);
        SipkaPo(p, oblouk, tloustka, barva, tloustka * 1.9);
    }
}

// Symbols of the signs that come as a right and a left variant; the left one is mirrored.
void Zatacka(QPainter &p)
{
    QPainterPath cesta(QPointF(44, 82));
    cesta.lineTo(44, 62);
    cesta.cubicTo(44, 47, 50, 41, 64, 41);
    Cara(p, cesta, 7, Cerna);
}

void SmerVpravo(QPainter &p)
{
    QPainterPath cesta(QPointF(40, 82));
    cesta.lineTo(40, 56);
    cesta.quadTo(40, 42, 54, 42);
    cesta.lineTo(82, 42);
    SipkaPo(p, cesta, 11, Bila);
}

void SmerPrimoAVpravo(QPainter &p)
{
    Sipka(p, {{42, 84}, {42, 16}}, 9, Bila);
    QPainterPath odbocka(QPointF(42, 66));
    odbocka.quadTo(42, 50, 58, 50);
    odbocka.lineTo(84, 50);
    SipkaPo(p, odbocka, 9, Bila);
}

// Slope wedge with the gradient; klesani = the road falls in the direction of travel.
void Sklon(QPainter &p, bool klesani)
{
    const auto klin = [&p] {
        p.setBrush(Cerna);
        p.drawPolygon(QPolygonF{QPointF(27, 56), QPointF(74, 79), QPointF(27, 79)});
    };
    // The gradient stands above the low end of the wedge and is never mirrored.
    if (klesani) {
        klin();
        Text(p, QRectF(49, 55, 20, 9), QStringLiteral("12%"), Cerna);
    } else {
        Zrcadlove(p, klin);
        Text(p, QRectF(31, 55, 20, 9), QStringLiteral("12%"), Cerna);
    }
}

void ZuzenaVozovka(QPainter &p, bool zObouStran)
{
    const auto strana = [&p](bool zuzena) {
        QPainterPath cesta(QPointF(37, 82));
        if (zuzena) {
            cesta.lineTo(37, 64);
            cesta.lineTo(44, 54);
            cesta.lineTo(44, 38);
        } else {
            cesta.lineTo(37, 38);
        }
        Cara(p, cesta, 4.5, Cerna);
    };
    Zrcadlove(p, [&] { strana(true); });
    strana(zObouStran);
}

void Rychlost(QPainter &p, const QString &cislo, const QColor &barva)
{
    Text(p, QRectF(24, 33, 52, 34), cislo, barva);
}

void Nejvyssi(QPainter &p, const QString &cislo)
{
    Zakaz(p);
    Rychlost(p, cislo, Cerna);
}

// Arrowheads pointing at each other across the sign, with the limit between them
// (width and height limits).
void Rozmer(QPainter &p, const QString &mez, bool svisle)
{
    Zakaz(p);
    const auto kresba = [&] {
        p.setBrush(Cerna);
        p.drawPolygon(QPolygonF{QPointF(41, 17), QPointF(59, 17), QPointF(50, 28)});
        p.drawPolygon(QPolygonF{QPointF(41, 83), QPointF(59, 83), QPointF(50, 72)});
    };
    if (svisle) {
        kresba();
    } else {
        p.save();
        p.translate(50, 50);
        p.rotate(90);
        p.translate(-50, -50);
        kresba();
        p.restore();
    }
    Text(p, QRectF(28, 42, 44, 16), mez, Cerna);
}

void ModryCtverec(QPainter &p)
{
    Informace(p, QRectF(6, 6, 88, 88));
}

// Five broad bars of a zebra crossing, wider than the gaps between them.
void Zebra(QPainter &p, const QRectF &r, const QColor &barva)
{
    p.setPen(Qt::NoPen);
    p.setBrush(barva);
    const qreal pruh = r.width() / 7.0;
    for (int i = 0; i < 5; ++i)
        p.drawRect(QRectF(r.left() + i * pruh * 1.5, r.top(), pruh, r.height()));
}

// Pedestrian on a zebra in a white triangle (the information sign of a crossing).
void PrechodVeTrojuhelniku(QPainter &p)
{
    ModryCtverec(p);
    p.setPen(QPen(Bila, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Bila);
    p.drawPolygon(QPolygonF{QPointF(50, 14), QPointF(86, 80), QPointF(14, 80)});
    Zebra(p, QRectF(22, 71, 56, 5), Cerna);
    Chodec(p, QRectF(36, 34, 26, 36), Cerna);
}

// White board with black lettering, one text line per entry.
void TabulkaSTextem(QPainter &p, const QRectF &deska, const QStringList &radky)
{
    BilaTabule(p, deska);
    const qreal vyska = (deska.height() - 10) / radky.size();
    for (int i = 0; i < radky.size(); ++i) {
        const QRectF radek(deska.left() + 5, deska.top() + 5 + i * vyska + vyska * 0.15,
                           deska.width() - 10, vyska * 0.7);
        Text(p, radek, radky.at(i), Cerna);
    }
}

void ObecniTabule(QPainter &p)
{
    BilaTabule(p, QRectF(4, 26, 92, 48), 2.2);
    Text(p, QRectF(14, 38, 72, 22), QStringLiteral("Lhota"), Cerna);
}

void Semafor3(QPainter &p, bool cervena, bool zluta, bool zelena)
{
    const QList<QPointF> mista = Semafor(p, 3);
    Svetlo(p, mista.at(0), Cervena, cervena);
    Svetlo(p, mista.at(1), Barva::Zluta, zluta);
    Svetlo(p, mista.at(2), Barva::Zelena, zelena);
}

const QList<Polozka> Seznam{
    // ---- Warning signs ----
    {u"A1a", [](QPainter &p) {
         Vystraha(p);
         Zatacka(p);
     }},
    {u"A1b", [](QPainter &p) {
         Vystraha(p);
         Zrcadlove(p, [&p] { Zatacka(p); });
     }},
    {u"A2b", [](QPainter &p) {
         Vystraha(p);
         QPainterPath cesta(QPointF(54, 82));
         cesta.cubicTo(54, 68, 41, 67, 41, 57);
         cesta.cubicTo(41, 48, 55, 48, 56, 37);
         Cara(p, cesta, 6.5, Cerna);
     }},
    {u"A3", [](QPainter &p) {
         Vystraha(p);
         Cara(p, Usecka({50, 36}, {50, 82}), 7, Cerna);
         Cara(p, Usecka({30, 60}, {70, 60}), 7, Cerna);
     }},
    {u"A4", [](QPainter &p) {
         KruhoveSipky(p, Vystraha(p) + QPointF(0, 1), 14.5, 4.6, Cerna);
     }},
    {u"A5a", [](QPainter &p) {
         Vystraha(p);
         Sklon(p, true);
     }},
    {u"A5b", [](QPainter &p) {
         Vystraha(p);
         Sklon(p, false);
     }},
    {u"A6a", [](QPainter &p) {
         Vystraha(p);
         ZuzenaVozovka(p, true);
     }},
    {u"A6b", [](QPainter &p) {
         Vystraha(p);
         ZuzenaVozovka(p, false);
     }},
    {u"A7a", [](QPainter &p) {
         Vystraha(p);
         QPainterPath hrbol(QPointF(26, 79));
         hrbol.lineTo(26, 72);
         hrbol.lineTo(31, 72);
         hrbol.cubicTo(34, 58, 44, 58, 47, 72);
         hrbol.lineTo(53, 72);
         hrbol.cubicTo(56, 58, 66, 58, 69, 72);
         hrbol.lineTo(74, 72);
         hrbol.lineTo(74, 79);
         hrbol.closeSubpath();
         p.setBrush(Cerna);
         p.drawPath(hrbol);
     }},
    {u"A8", [](QPainter &p) {
         Vystraha(p);
         p.save();
         p.translate(50, 48);
         p.rotate(-14);
         AutoZezadu(p, QRectF(-13, -9, 26, 18), Cerna);
         p.restore();
         for (const qreal x : {43.0, 57.0}) {
             QPainterPath stopa(QPointF(x, 60));
             stopa.cubicTo(x - 7, 66, x + 7, 71, x - 3, 80);
             Cara(p, stopa, 2.6, Cerna, Qt::RoundCap);
         }
     }},
    {u"A9", [](QPainter &p) {
         Vystraha(p);
         Sipka(p, {{42, 38}, {42, 80}}, 4.5, Cerna);
         Sipka(p, {{58, 80}, {58, 38}}, 4.5, Cerna);
     }},
    {u"A10", [](QPainter &p) {
         Vystraha(p);
         p.setBrush(Cerna);
         p.drawRoundedRect(QRectF(42.5, 36, 15, 45), 3, 3);
         const QColor barvy[] = {Cervena, Barva::Zluta, Barva::Zelena};
         for (int i = 0; i < 3; ++i) {
             p.setBrush(barvy[i]);
             p.drawEllipse(QPointF(50, 43.5 + i * 15), 5, 5);
         }
     }},
    {u"A11", [](QPainter &p) {
         Vystraha(p);
         Zebra(p, QRectF(24, 74, 52, 5), Cerna);
         Chodec(p, QRectF(37, 36, 26, 35), Cerna);
     }},
    {u"A12a", [](QPainter &p) {
         Vystraha(p);
         Deti(p, QRectF(26, 40, 48, 40), Cerna);
     }},
    {u"A14", [](QPainter &p) {
         Vystraha(p);
         Jelen(p, QRectF(25, 42, 50, 38), Cerna);
     }},
    {u"A15", [](QPainter &p) {
         Vystraha(p);
         Delnik(p, QRectF(30, 40, 40, 40), Cerna);
     }},
    {u"A19", [](QPainter &p) {
         Vystraha(p);
         Cyklista(p, QRectF(31, 42, 38, 38), Cerna);
     }},
    {u"A22", [](QPainter &p) {
         Vystraha(p);
         p.setBrush(Cerna);
         p.drawPolygon(QPolygonF{QPointF(46, 37), QPointF(54, 37), QPointF(52, 68), QPointF(48, 68)});
         p.drawEllipse(QPointF(50, 76), 4, 4);
     }},
    {u"A29", [](QPainter &p) {
         Vystraha(p);
         p.setBrush(Cerna);
         p.drawRect(QRectF(28, 56, 44, 5));
         p.drawRect(QRectF(28, 68, 44, 5));
         for (int i = 0; i < 4; ++i) {
             const qreal x = 31 + i * 12.7;
             p.drawPolygon(QPolygonF{QPointF(x - 3, 80), QPointF(x - 3, 50), QPointF(x, 46),
                                     QPointF(x + 3, 50), QPointF(x + 3, 80)});
         }
     }},
    {u"A30", [](QPainter &p) {
         Vystraha(p);
         Lokomotiva(p, QRectF(27, 50, 46, 29), Cerna);
     }},
    {u"A31a", [](QPainter &p) {
         p.setPen(QPen(Cervena, 2));
         p.setBrush(Bila);
         p.drawRect(QRectF(33, 3, 34, 94));
         p.setPen(Qt::NoPen);
         p.setBrush(Cervena);
         for (int i = 0; i < 3; ++i) {
             const qreal y = 14 + i * 28;
             p.drawPolygon(QPolygonF{QPointF(34, y + 16), QPointF(66, y), QPointF(66, y + 9),
                                     QPointF(34, y + 25)});
         }
     }},
    {u"A32a", [](QPainter &p) {
         for (const qreal uhel : {35.0, -35.0}) {
             p.save();
             p.translate(50, 50);
             p.rotate(uhel);
             p.setPen(QPen(Cervena, 4));
             p.setBrush(Bila);
             p.drawRect(QRectF(-8, -46, 16, 92));
             p.restore();
         }
         p.setPen(Qt::NoPen);
     }},

    // ---- Priority signs ----
    {u"P1", [](QPainter &p) {
         Vystraha(p);
         // The main road twice as wide as the side road, and both wide enough to stay apart
         // from "Křižovatka" (A 3) when the sign stands small in a scene.
         Cara(p, Usecka({50, 35}, {50, 83}), 15, Cerna);
         Cara(p, Usecka({29, 60}, {71, 60}), 7.5, Cerna);
     }},
    {u"P2", [](QPainter &p) { HlavniSilnice(p, false); }},
    {u"P3", [](QPainter &p) { HlavniSilnice(p, true); }},
    {u"P4", [](QPainter &p) { DejPrednost(p); }},
    {u"P5", [](QPainter &p) {
         DejPrednost(p);
         Tramvaj(p, QRectF(32, 24, 36, 24), Cerna);
     }},
    {u"P6", [](QPainter &p) { Osmiuhelnik(p); }},
    {u"P7", [](QPainter &p) {
         Zakaz(p);
         Sipka(p, {{39, 76}, {39, 24}}, 6, Cervena);
         Sipka(p, {{61, 24}, {61, 76}}, 6, Cerna);
     }},
    {u"P8", [](QPainter &p) {
         ModryCtverec(p);
         Sipka(p, {{38, 80}, {38, 20}}, 7, Bila);
         Sipka(p, {{62, 20}, {62, 80}}, 7, Cervena);
     }},

    // ---- Prohibitory signs ----
    {u"B1", [](QPainter &p) { Zakaz(p); }},
    {u"B2", [](QPainter &p) {
         Zakaz(p, Cervena);
         p.setBrush(Bila);
         p.drawRect(QRectF(18, 43, 64, 14));
     }},
    {u"B3", [](QPainter &p) {
         Zakaz(p);
         OsobniAuto(p, QRectF(24, 35, 52, 30), Cerna);
     }},
    {u"B4", [](QPainter &p) {
         Zakaz(p);
         NakladniAuto(p, QRectF(22, 33, 56, 34), Cerna);
     }},
    {u"B5", [](QPainter &p) {
         Zakaz(p);
         Autobus(p, QRectF(21, 35, 58, 30), Cerna);
     }},
    {u"B7", [](QPainter &p) {
         Zakaz(p);
         Motocykl(p, QRectF(24, 29, 52, 42), Cerna);
     }},
    {u"B8", [](QPainter &p) {
         Zakaz(p);
         JizdniKolo(p, QRectF(22, 31, 56, 40), Cerna);
     }},
    {u"B11", [](QPainter &p) {
         Zakaz(p);
         OsobniAuto(p, QRectF(28, 22, 44, 26), Cerna);
         Motocykl(p, QRectF(33, 51, 34, 27), Cerna);
     }},
    {u"B13", [](QPainter &p) {
         Zakaz(p);
         Text(p, QRectF(24, 36, 52, 28), QStringLiteral("6 t"), Cerna);
     }},
    {u"B15", [](QPainter &p) { Rozmer(p, QStringLiteral("2,5 m"), false); }},
    {u"B16", [](QPainter &p) { Rozmer(p, QStringLiteral("3,5 m"), true); }},
    {u"B20a", [](QPainter &p) { Nejvyssi(p, QStringLiteral("50")); }},
    {u"B20b", [](QPainter &p) {
         KonecZakazu(p);
         Rychlost(p, QStringLiteral("50"), Barva::Seda);
         PreskrtnutiKonce(p);
     }},
    {u"B21a", [](QPainter &p) {
         Zakaz(p);
         AutoZezadu(p, QRectF(20, 38, 28, 24), Cervena);
         AutoZezadu(p, QRectF(52, 38, 28, 24), Cerna);
     }},
    {u"B21b", [](QPainter &p) {
         KonecZakazu(p);
         AutoZezadu(p, QRectF(20, 38, 28, 24), Barva::Seda);
         AutoZezadu(p, QRectF(52, 38, 28, 24), Barva::Seda);
         PreskrtnutiKonce(p);
     }},
    {u"B22a", [](QPainter &p) {
         Zakaz(p);
         NakladniZezadu(p, QRectF(19, 33, 30, 32), Cervena);
         AutoZezadu(p, QRectF(53, 41, 27, 22), Cerna);
     }},
    {u"B24a", [](QPainter &p) {
         Zakaz(p);
         Sipka(p, {{40, 78}, {40, 48}, {72, 48}}, 8, Cerna);
         PreskrtnutiZakazu(p);
     }},
    {u"B24b", [](QPainter &p) {
         Zakaz(p);
         Sipka(p, {{60, 78}, {60, 48}, {28, 48}}, 8, Cerna);
         PreskrtnutiZakazu(p);
     }},
    {u"B25", [](QPainter &p) {
         Zakaz(p);
         QPainterPath obrat(QPointF(60, 78));
         obrat.lineTo(60, 45);
         obrat.arcTo(QRectF(38, 34, 22, 22), 0, 180);
         obrat.lineTo(38, 68);
         SipkaPo(p, obrat, 7, Cerna);
         PreskrtnutiZakazu(p);
     }},
    {u"B26", [](QPainter &p) {
         KonecZakazu(p);
         PreskrtnutiKonce(p);
     }},
    {u"B28", [](QPainter &p) {
         Zakaz(p, Barva::Modra);
         PreskrtnutiZakazu(p);
         Zrcadlove(p, [&p] { PreskrtnutiZakazu(p); });
     }},
    {u"B29", [](QPainter &p) {
         Zakaz(p, Barva::Modra);
         PreskrtnutiZakazu(p);
     }},
    {u"B30", [](QPainter &p) {
         Zakaz(p);
         Chodec(p, QRectF(33, 24, 34, 52), Cerna);
     }},

    // ---- Mandatory signs ----
    {u"C1", [](QPainter &p) {
         Prikaz(p);
         KruhoveSipky(p, {50, 50}, 24, 7.5, Bila);
     }},
    {u"C2a", [](QPainter &p) {
         Prikaz(p);
         Sipka(p, {{50, 82}, {50, 18}}, 11, Bila);
     }},
    {u"C2b", [](QPainter &p) {
         Prikaz(p);
         SmerVpravo(p);
     }},
    {u"C2c", [](QPainter &p) {
         Prikaz(p);
         Zrcadlove(p, [&p] { SmerVpravo(p); });
     }},
    {u"C2d", [](QPainter &p) {
         Prikaz(p);
         SmerPrimoAVpravo(p);
     }},
    {u"C2e", [](QPainter &p) {
         Prikaz(p);
         Zrcadlove(p, [&p] { SmerPrimoAVpravo(p); });
     }},
    {u"C2f", [](QPainter &p) {
         Prikaz(p);
         Cara(p, Usecka({50, 84}, {50, 47.5}), 9, Bila);
         Sipka(p, {{50, 52}, {16, 52}}, 9, Bila);
         Sipka(p, {{50, 52}, {84, 52}}, 9, Bila);
     }},
    {u"C3a", [](QPainter &p) {
         Prikaz(p);
         Sipka(p, {{16, 50}, {84, 50}}, 11, Bila);
     }},
    {u"C4a", [](QPainter &p) {
         Prikaz(p);
         Sipka(p, {{26, 26}, {74, 74}}, 11, Bila);
     }},
    {u"C4c", [](QPainter &p) {
         Prikaz(p);
         Cara(p, Usecka({50, 14}, {50, 44}), 9, Bila);
         Sipka(p, {{50, 40}, {24, 72}}, 9, Bila);
         Sipka(p, {{50, 40}, {76, 72}}, 9, Bila);
     }},
    {u"C5a", [](QPainter &p) {
         Prikaz(p);
         // A tyre whose tread is crossed by the links of a chain.
         p.setPen(QPen(Bila, 13));
         p.setBrush(Qt::NoBrush);
         p.drawEllipse(QPointF(50, 50), 26, 26);
         p.setPen(QPen(Barva::Modra, 1.8, Qt::SolidLine, Qt::RoundCap));
         for (int i = 0; i < 10; ++i) {
             const qreal uhel = i * M_PI / 5;
             const QPointF smer(std::cos(uhel), std::sin(uhel));
             const QPointF bok(-smer.y(), smer.x());
             const QPointF stred = QPointF(50, 50) + smer * 26;
             p.drawLine(stred - smer * 5.5 - bok * 4.5, stred + smer * 5.5 + bok * 4.5);
             p.drawLine(stred - smer * 5.5 + bok * 4.5, stred + smer * 5.5 - bok * 4.5);
         }
         p.setPen(QPen(Bila, 2.5));
         p.drawEllipse(QPointF(50, 50), 12, 12);
         p.setPen(Qt::NoPen);
         p.setBrush(Bila);
         p.drawEllipse(QPointF(50, 50), 4, 4);
     }},
    {u"C6a", [](QPainter &p) {
         Prikaz(p);
         Rychlost(p, QStringLiteral("30"), Bila);
     }},
    {u"C7a", [](QPainter &p) {
         Prikaz(p);
         Chodec(p, QRectF(33, 20, 34, 60), Bila);
     }},
    {u"C8a", [](QPainter &p) {
         Prikaz(p);
         JizdniKolo(p, QRectF(20, 30, 60, 42), Bila);
     }},
    {u"C9a", [](QPainter &p) {
         Prikaz(p);
         Chodec(p, QRectF(39, 12, 22, 36), Bila);
         JizdniKolo(p, QRectF(26, 53, 48, 30), Bila);
     }},
    {u"C10a", [](QPainter &p) {
         Prikaz(p);
         Cara(p, Usecka({50, 5}, {50, 95}), 3, Bila);
         Chodec(p, QRectF(23, 28, 22, 42), Bila);
         JizdniKolo(p, QRectF(53, 38, 36, 26), Bila);
     }},

    // ---- Information signs ----
    {u"IP2", [](QPainter &p) {
         ModryCtverec(p);
         QPainterPath prah(QPointF(16, 68));
         prah.lineTo(28, 68);
         prah.cubicTo(36, 36, 64, 36, 72, 68);
         prah.lineTo(84, 68);
         prah.lineTo(84, 75);
         prah.lineTo(16, 75);
         prah.closeSubpath();
         p.setBrush(Bila);
         p.drawPath(prah);
     }},
    {u"IP4a", [](QPainter &p) {
         ModryCtverec(p);
         Sipka(p, {{50, 86}, {50, 14}}, 13, Bila);
     }},
    {u"IP4b", [](QPainter &p) {
         Informace(p, QRectF(2, 29, 96, 42));
         Sipka(p, {{10, 50}, {90, 50}}, 10, Bila);
     }},
    {u"IP5", [](QPainter &p) {
         ModryCtverec(p);
         Text(p, QRectF(20, 28, 60, 44), QStringLiteral("60"), Bila);
     }},
    {u"IP6", [](QPainter &p) { PrechodVeTrojuhelniku(p); }},
    {u"IP10a", [](QPainter &p) {
         ModryCtverec(p);
         p.setBrush(Bila);
         p.drawRect(QRectF(42, 36, 16, 50));
         p.setBrush(Cervena);
         p.drawRect(QRectF(22, 20, 56, 16));
     }},
    {u"IP11a", [](QPainter &p) {
         ModryCtverec(p);
         Text(p, QRectF(22, 18, 56, 64), QStringLiteral("P"), Bila);
     }},
    {u"IZ1a", [](QPainter &p) {
         ModryCtverec(p);
         // Two carriageways running away under a bridge.
         p.setBrush(Bila);
         p.drawPolygon(QPolygonF{QPointF(15, 86), QPointF(44, 86), QPointF(47, 52), QPointF(42, 52)});
         p.drawPolygon(QPolygonF{QPointF(56, 86), QPointF(85, 86), QPointF(58, 52), QPointF(53, 52)});
         p.drawRect(QRectF(14, 34, 72, 9));
         p.drawRect(QRectF(18, 43, 6, 10));
         p.drawRect(QRectF(76, 43, 6, 10));
     }},
    {u"IZ2a", [](QPainter &p) {
         ModryCtverec(p);
         OsobniAuto(p, QRectF(16, 30, 68, 40), Bila);
     }},
    {u"IZ3a", [](QPainter &p) {
         ModryCtverec(p);
         QPainterPath portal;
         portal.addRect(QRectF(14, 24, 72, 62));
         QPainterPath otvor(QPointF(26, 86));
         otvor.lineTo(26, 56);
         otvor.arcTo(QRectF(26, 32, 48, 48), 180, -180);
         otvor.lineTo(74, 86);
         otvor.closeSubpath();
         p.setBrush(Bila);
         p.drawPath(portal.subtracted(otvor));
         p.setBrush(Cerna);
         p.drawPath(otvor);
     }},
    {u"IZ4a", [](QPainter &p) { ObecniTabule(p); }},
    {u"IZ4b", [](QPainter &p) {
         ObecniTabule(p);
         Cara(p, Usecka({8, 72}, {92, 28}), 4.5, Cervena);
     }},
    {u"IZ5a", [](QPainter &p) {
         Informace(p, QRectF(14, 3, 72, 94));
         p.setBrush(Bila);
         p.drawPolygon(QPolygonF{QPointF(22, 40), QPointF(22, 24), QPointF(34, 13), QPointF(46, 24),
                                 QPointF(46, 40)});
         Chodec(p, QRectF(52, 16, 20, 36), Bila);
         Chodec(p, QRectF(40, 40, 13, 22), Bila);
         p.drawEllipse(QPointF(62, 58), 3.5, 3.5);
         OsobniAuto(p, QRectF(22, 66, 56, 24), Bila);
     }},
    {u"IZ6a", [](QPainter &p) {
         // An adult walking with a child by the hand.
         Informace(p, QRectF(14, 3, 72, 94));
         Chodec(p, QRectF(24, 24, 30, 54), Bila);
         Chodec(p, QRectF(52, 46, 20, 32), Bila);
         Cara(p, Usecka({47, 50}, {56, 58}), 3, Bila, Qt::RoundCap);
     }},
    {u"IS3c", [](QPainter &p) {
         p.setPen(QPen(Cerna, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
         p.setBrush(Bila);
         p.drawPolygon(QPolygonF{QPointF(3, 32), QPointF(80, 32), QPointF(97, 50), QPointF(80, 68),
                                 QPointF(3, 68)});
         p.setPen(Qt::NoPen);
         Text(p, QRectF(8, 42, 46, 16), QStringLiteral("Beroun"), Cerna);
         Text(p, QRectF(63, 42, 14, 16), QStringLiteral("12"), Cerna);
     }},

    // ---- Additional panels ----
    // Seen from the main road: the driver comes up it from the bottom, where it turns left.
    {u"E2b", [](QPainter &p) {
         Dily::TvarKrizovatky(p, {Strana::Dole, Strana::Vlevo, Strana::Nahore, Strana::Vpravo},
                        {Strana::Dole, Strana::Vlevo});
     }},
    {u"E3a", [](QPainter &p) {
         TabulkaSTextem(p, QRectF(10, 32, 80, 36), {QStringLiteral("150 m")});
     }},
    {u"E13", [](QPainter &p) {
         TabulkaSTextem(p, QRectF(4, 30, 92, 40),
                        {QStringLiteral("MIMO"), QStringLiteral("DOPRAVNÍ OBSLUHY")});
     }},

    // ---- Traffic devices ----
    {u"Z1", [](QPainter &p) {
         p.setBrush(Cervena);
         p.drawPolygon(QPolygonF{QPointF(45, 10), QPointF(55, 10), QPointF(70, 82), QPointF(30, 82)});
         p.setBrush(Bila);
         p.drawPolygon(QPolygonF{QPointF(41.5, 28), QPointF(58.5, 28), QPointF(61, 40), QPointF(39, 40)});
         p.drawPolygon(QPolygonF{QPointF(37.3, 50), QPointF(62.7, 50), QPointF(65.2, 62),
                                 QPointF(34.8, 62)});
         p.setBrush(Cerna);
         p.drawRect(QRectF(22, 82, 56, 7));
     }},
    {u"Z2", [](QPainter &p) {
         p.setBrush(Cerna);
         p.drawRect(QRectF(14, 58, 4, 32));
         p.drawRect(QRectF(82, 58, 4, 32));
         p.setPen(QPen(Cervena, 1.5));
         p.setBrush(Bila);
         p.drawRect(QRectF(4, 36, 92, 24));
         p.setPen(Qt::NoPen);
         p.setBrush(Cervena);
         for (int i = 0; i < 6; ++i) {
             const qreal x = 4 + i * 16;
             p.drawPolygon(QPolygonF{QPointF(x, 60), QPointF(x + 8, 60), QPointF(x + 16, 36),
                                     QPointF(x + 8, 36)}.intersected(
                 QPolygonF(QRectF(4, 36, 92, 24))));
         }
     }},
    {u"Z3", [](QPainter &p) {
         p.setPen(QPen(Cervena, 2));
         p.setBrush(Bila);
         p.drawRect(QRectF(3, 30, 94, 40));
         p.setPen(Qt::NoPen);
         p.setBrush(Cervena);
         for (int i = 0; i < 3; ++i) {
             const qreal x = 14 + i * 28;
             p.drawPolygon(QPolygonF{QPointF(x, 50), QPointF(x + 14, 34), QPointF(x + 24, 34),
                                     QPointF(x + 10, 50), QPointF(x + 24, 66), QPointF(x + 14, 66)});
         }
     }},

    // ---- Road markings, a piece of road seen from above ----
    {u"V1a", [](QPainter &p) {
         Vozovka(p);
         p.setBrush(Bila);
         p.drawRect(QRectF(48, 0, 4, 100));
     }},
    {u"V4", [](QPainter &p) {
         Vozovka(p);
         p.setBrush(Bila);
         p.drawRect(QRectF(12, 0, 5, 100));
         p.drawRect(QRectF(83, 0, 5, 100));
     }},
    {u"V5", [](QPainter &p) {
         Vozovka(p);
         p.setBrush(Bila);
         p.drawRect(QRectF(48.5, 44, 3, 56));
         p.drawRect(QRectF(51.5, 44, 40.5, 8));
     }},
    {u"V7a", [](QPainter &p) {
         Vozovka(p);
         p.setBrush(Bila);
         for (int i = 0; i < 8; ++i)
             p.drawRect(QRectF(11 + i * 10.2, 30, 5.5, 40));
     }},
    {u"V12c", [](QPainter &p) {
         Vozovka(p);
         p.setBrush(QColor(0xc8, 0xc8, 0xc8));
         p.drawRect(QRectF(92, 0, 8, 100));
         p.setBrush(Barva::Zluta);
         p.drawRect(QRectF(86, 0, 4.5, 100));
     }},

    // ---- Traffic lights ----
    {u"S1b", [](QPainter &p) { Semafor3(p, false, true, false); }},
    {u"S1c", [](QPainter &p) { Semafor3(p, false, false, true); }},
    {u"S5", [](QPainter &p) {
         p.save();
         p.translate(-12, 0);
         Semafor3(p, true, false, false);
         p.restore();
         p.setPen(QPen(Bila, 1.5));
         p.setBrush(Cerna);
         p.drawRoundedRect(QRectF(56, 62, 28, 28), 4, 4);
         p.setPen(Qt::NoPen);
         Sipka(p, {{62, 76}, {79, 76}}, 4.5, Barva::Zelena);
     }},
    {u"S8a", [](QPainter &p) {
         p.setPen(QPen(Bila, 1.5));
         p.setBrush(Cerna);
         p.drawRoundedRect(QRectF(16, 16, 68, 68), 6, 6);
         Cara(p, Usecka({30, 30}, {70, 70}), 8, Cervena, Qt::RoundCap);
         Cara(p, Usecka({70, 30}, {30, 70}), 8, Cervena, Qt::RoundCap);
     }},
};

} // namespace

const QList<Polozka> &Polozky()
{
    return Seznam;
}

} // namespace Znacky::Katalog

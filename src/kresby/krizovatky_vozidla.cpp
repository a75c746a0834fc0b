#include "kresby/krizovatky_vozidla.h"

#include "kresby/krizovatky.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace Krizovatky {

namespace G = Geometrie;

namespace {

// Saturated, well separated hues, so that each colour a question names is plain to see.
QColor Odstin(Barva b)
{
    switch (b) {
    case Barva::Cervena: return {0xd7, 0x1e, 0x1e};
    case Barva::Modra: return {0x1d, 0x4e, 0xd8};
    case Barva::Zelena: return {0x1c, 0x9a, 0x2e};
    case Barva::Zluta: return {0xf5, 0xd0, 0x00};
    case Barva::Oranzova: return {0xf0, 0x7a, 0x00};
    case Barva::Fialova: return {0x8e, 0x2d, 0xb8};
    case Barva::Bila: return {0xf8, 0xf8, 0xf8};
    case Barva::Cerna: return {0x20, 0x20, 0x20};
    case Barva::Seda: return {0x9a, 0x9a, 0x9a};
    case Barva::Hneda: return {0x7a, 0x48, 0x1e};
    }
    return {};
}

const QColor Sklo(0x26, 0x30, 0x3c);
const QColor Oranzova(0xff, 0xa2, 0x00);
const QColor Modra(0x30, 0x70, 0xff);

constexpr double SirkaStitku = 20.0;
constexpr double VyskaStitku = 13.0;

const QColor Obrys(0, 0, 0, 170);

void KreslitDrik(QPainter &p, const Sipka &s)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Obrys, 4.4, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(s.trasa);
    p.setPen(QPen(s.barva, 2.4, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(s.trasa);
}

void KreslitHrot(QPainter &p, const Sipka &s)
{
    p.setPen(QPen(Obrys, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(s.barva);
    p.drawPolygon(s.hrot);
}

QPolygonF Hrot(const QPainterPath &trasa)
{
    const QPointF konec = trasa.pointAtPercent(1.0);
    const QLineF smer(trasa.pointAtPercent(0.96), konec);
    const QPointF j = smer.unitVector().p2() - smer.p1();
    const QPointF n(-j.y(), j.x());
    return QPolygonF({konec + j * 4.0, konec - j * 3.0 + n * 4.5, konec - j * 3.0 - n * 4.5});
}

// Where the arrows of the vehicles that leave by one exit lie across its leaving lane: the one
// turning right keeps to the kerb, the one turning left to the lane line, as they would drive.
int PoradiVeVyjezdu(Smer smer)
{
    switch (smer) {
    case Smer::Vpravo: return 0;
    case Smer::Rovne: return 1;
    case Smer::Vlevo: return 2;
    }
    return 1;
}

constexpr double RozestupVeVyjezdu = 9.0; // centre to centre, one head's width
constexpr double PresahVyjezdu = 14.0;    // how far past the exit's kerb an arrow ends
constexpr double OdstupHrotu = 11.0;      // extra length per arrow, so heads do not touch

// The shapes below face up (north) and are centred on the origin.

void Karoserie(QPainter &p, QRectF r, QColor barva, double zaobleni)
{
    // Dark bodies get a light rim, or they would melt into the asphalt.
    p.setPen(QPen(barva.lightness() < 80 ? QColor(0xb0, 0xb0, 0xb0) : barva.darker(200), 0.8));
    p.setBrush(barva);
    p.drawRoundedRect(r, zaobleni, zaobleni);
}

void Osobni(QPainter &p, QSizeF z, QColor barva)
{
    const double x = z.width() / 2, y = z.height() / 2;
    Karoserie(p, QRectF(-x, -y, z.width(), z.height()), barva, 3.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Sklo);
    p.drawPolygon(QPolygonF({{-x + 1.2, -y + 5.5}, {x - 1.2, -y + 5.5}, {x - 2.2, -y + 9.0},
                             {-x + 2.2, -y + 9.0}}));
    p.drawRect(QRectF(-x + 2.0, y - 5.0, z.width() - 4.0, 2.2));
    p.setBrush(barva.lighter(112));
    p.drawRect(QRectF(-x + 2.2, -y + 9.0, z.width() - 4.4, z.height() - 14.0));
}

void Nakladni(QPainter &p, QSizeF z, QColor barva)
{
    const double x = z.width() / 2, y = z.height() / 2;
    Karoserie(p, QRectF(-x + 0.5, -y, z.width() - 1.0, 9.0), barva, 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Sklo);
    p.drawRect(QRectF(-x + 1.5, -y + 1.0, z.width() - 3.0, 2.2));
    Karoserie(p, QRectF(-x, -y + 10.0, z.width(), z.height() - 10.0), barva.darker(118), 1.0);
    p.setPen(QPen(barva.darker(150), 0.7));
    for (double yy = -y + 16.0; yy < y - 2.0; yy += 6.0)
        p.drawLine(QPointF(-x + 1.5, yy), QPointF(x - 1.5, yy));
}

void Autobus(QPainter &p, QSizeF z, QColor barva)
{
    const double x = z.width() / 2, y = z.height() / 2;
    Karoserie(p, QRectF(-x, -y, z.width(), z.height()), barva, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Sklo);
    p.drawRect(QRectF(-x + 1.2, -y + 1.2, z.width() - 2.4, 3.0));
    // Window rows along both sides tell a bus from a lorry.
    p.drawRect(QRectF(-x + 0.8, -y + 6.0, 1.8, z.height() - 9.0));
    p.drawRect(QRectF(x - 2.6, -y + 6.0, 1.8, z.height() - 9.0));
    p.setBrush(barva.lighter(125));
    p.drawRect(QRectF(-2.5, -y + 9.0, 5.0, 6.0));
    p.drawRect(QRectF(-2.5, y - 14.0, 5.0, 6.0));
}

// A tram's two sections, each drawn where it stands; the coordinates are the whole tram's.
void Tramvaj(QPainter &p, QSizeF z, QColor barva, int clanek)
{
    const double x = z.width() / 2, y = z.height() / 2;
    const double pul = z.height() / 2 - 1.0;
    if (clanek == 0) {
        Karoserie(p, QRectF(-x, -y, z.width(), pul), barva, 4.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf0, 0xe6, 0xc8));
        p.drawRect(QRectF(-x + 2.5, -y + 6.0, z.width() - 5.0, pul - 9.0));
        p.setBrush(Sklo);
        p.drawRect(QRectF(-x + 1.5, -y + 1.5, z.width() - 3.0, 2.5));
        // Pantograph: a small frame with a cross, nothing that could pass for a sign.
        const QRectF sberac(-3.5, -y + 10.0, 7.0, 6.0);
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawRect(sberac);
        p.drawLine(sberac.topLeft(), sberac.bottomRight());
        p.drawLine(sberac.topRight(), sberac.bottomLeft());
        return;
    }
    Karoserie(p, QRectF(-x, 1.0, z.width(), pul), barva, 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf0, 0xe6, 0xc8));
    p.drawRect(QRectF(-x + 2.5, 4.0, z.width() - 5.0, pul - 7.0));
    // The joint between the sections.
    p.setBrush(QColor(0x40, 0x40, 0x40));
    p.drawRect(QRectF(-x + 1.0, -1.0, z.width() - 2.0, 2.0));
}

void Motocykl(QPainter &p, QSizeF z, QColor barva)
{
    const double y = z.height() / 2;
    p.setPen(QPen(Qt::black, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -y), QPointF(0, -y + 3.0));
    p.drawLine(QPointF(0, y - 3.0), QPointF(0, y));
    Karoserie(p, QRectF(-z.width() / 2, -y + 2.5, z.width(), z.height() - 5.0), barva, 2.5);
    p.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-5.0, -y + 4.0), QPointF(5.0, -y + 4.0));
    p.setPen(QPen(Qt::black, 0.6));
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawEllipse(QPointF(0, 2.5), 2.2, 2.2);
}

void Kolo(QPainter &p, QSizeF z, QColor barva)
{
    const double y = z.height() / 2;
    p.setPen(QPen(Qt::black, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -y), QPointF(0, y));
    p.drawLine(QPointF(-5.0, -y + 3.5), QPointF(5.0, -y + 3.5));
    // The rider's back in the colour a question names.
    Karoserie(p, QRectF(-5.5, -3.5, 11.0, 8.0), barva, 3.5);
    p.setPen(QPen(Qt::black, 0.5));
    p.setBrush(QColor(0xe8, 0xc0, 0x98));
    p.drawEllipse(QPointF(0, -2.0), 2.2, 2.2);
}

void Sanitka(QPainter &p, QSizeF z, QColor barva)
{
    const double x = z.width() / 2, y = z.height() / 2;
    Karoserie(p, QRectF(-x, -y, z.width(), z.height()), barva, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Sklo);
    p.drawRect(QRectF(-x + 1.2, -y + 2.5, z.width() - 2.4, 2.5));
    // Chequered green side bands.
    p.setBrush(QColor(0x10, 0x90, 0x40));
    for (int i = 0; i < 6; ++i) {
        const double yy = -y + 8.0 + i * 2.8;
        p.drawRect(QRectF(i % 2 ? -x + 0.5 : -x + 2.3, yy, 1.8, 2.8));
        p.drawRect(QRectF(i % 2 ? x - 2.3 : x - 4.1, yy, 1.8, 2.8));
    }
    p.setBrush(QColor(0xe0, 0x20, 0x20));
    p.drawRect(QRectF(-1.0, 2.0, 2.0, 7.0));
    p.drawRect(QRectF(-3.5, 4.5, 7.0, 2.0));
}

void Hasici(QPainter &p, QSizeF z, QColor barva)
{
    const double x = z.width() / 2, y = z.height() / 2;
    Karoserie(p, QRectF(-x, -y, z.width(), z.height()), barva, 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Sklo);
    p.drawRect(QRectF(-x + 1.5, -y + 1.2, z.width() - 3.0, 2.4));
    // Ladder on the roof.
    p.setPen(QPen(QColor(0xdc, 0xdc, 0xdc), 1.0));
    p.drawLine(QPointF(-3.0, -y + 10.0), QPointF(-3.0, y - 2.0));
    p.drawLine(QPointF(3.0, -y + 10.0), QPointF(3.0, y - 2.0));
    for (double yy = -y + 12.0; yy < y - 2.0; yy += 3.0)
        p.drawLine(QPointF(-3.0, yy), QPointF(3.0, yy));
}

void Policie(QPainter &p, QSizeF z, QColor barva)
{
    Osobni(p, z, barva);
    const double x = z.width() / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1a, 0x3c, 0xa8));
    p.drawRect(QRectF(-x + 0.3, -3.0, 1.6, 10.0));
    p.drawRect(QRectF(x - 1.9, -3.0, 1.6, 10.0));
    p.setBrush(QColor(0xc8, 0xe6, 0x10));
    p.drawRect(QRectF(-x + 0.3, 7.0, 1.6, 2.5));
    p.drawRect(QRectF(x - 1.9, 7.0, 1.6, 2.5));
}

bool JeZachranne(Druh d)
{
    return d == Druh::Sanitka || d == Druh::Hasici || d == Druh::Policie;
}

double PolohaMajaku(QSizeF z)
{
    return -z.height() / 2 + (z.height() > 26 ? 6.5 : 8.5);
}

// The glow of lit blue lights, drawn under the body so the vehicle stays recognisable.
void ZareMajaku(QPainter &p, QSizeF z)
{
    QColor zare = Modra;
    zare.setAlpha(120);
    p.setPen(Qt::NoPen);
    p.setBrush(zare);
    for (const double x : {-z.width() / 2 - 1.0, z.width() / 2 + 1.0})
        p.drawEllipse(QPointF(x, PolohaMajaku(z)), 6.0, 6.0);
}

void Majak(QPainter &p, QSizeF z, bool sviti)
{
    const double y = PolohaMajaku(z);
    p.setPen(QPen(Qt::black, 0.5));
    p.setBrush(sviti ? Modra : QColor(0x20, 0x30, 0x70));
    p.drawRect(QRectF(-z.width() / 2 + 1.5, y - 1.4, z.width() - 3.0, 2.8));
    if (!sviti)
        return;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd8, 0xe6, 0xff));
    for (const double x : {-z.width() / 2 + 2.8, z.width() / 2 - 2.8})
        p.drawEllipse(QPointF(x, y), 1.5, 1.5);
}

// The lit indicator's front and rear lamps, or only those of one end (a tram's sections).
void KreslitSmerovku(QPainter &p, QSizeF z, Smerovka s, bool predni, bool zadni)
{
    if (s == Smerovka::Zadna)
        return;
    const double x = (s == Smerovka::Vpravo ? 1.0 : -1.0) * (z.width() / 2 + 0.3);
    const double y = z.height() / 2 - 1.5;
    // Smaller on two-wheelers, so the glow does not hide the rider.
    const double r = z.width() < 10 ? 0.7 : 1.0;
    QColor zare = Oranzova;
    zare.setAlpha(120);
    p.setPen(Qt::NoPen);
    for (const QPointF b : {QPointF(x, -y), QPointF(x, y)}) {
        if (!(b.y() < 0 ? predni : zadni))
            continue;
        p.setBrush(zare);
        p.drawEllipse(b, 4.2 * r, 4.2 * r);
        p.setBrush(Oranzova);
        p.drawEllipse(b, 2.0 * r, 2.0 * r);
    }
}

void Telo(QPainter &p, const Vozidlo &v, int clanek)
{
    const QSizeF z = Rozmer(v.druh);
    const QColor b = BarvaVozidla(v);
    switch (v.druh) {
    case Druh::Osobni: Osobni(p, z, b); break;
    case Druh::Nakladni: Nakladni(p, z, b); break;
    case Druh::Autobus: Autobus(p, z, b); break;
    case Druh::Tramvaj: Tramvaj(p, z, b, clanek); break;
    case Druh::Motocykl: Motocykl(p, z, b); break;
    case Druh::Kolo: Kolo(p, z, b); break;
    case Druh::Sanitka: Sanitka(p, z, b); break;
    case Druh::Hasici: Hasici(p, z, b); break;
    case Druh::Policie: Policie(p, z, b); break;
    }
}

bool MaNekohoZaSebou(const Scena &s, const Vozidlo &v)
{
    return std::any_of(s.vozidla.cbegin(), s.vozidla.cend(), [&v](const Vozidlo &jine) {
        return !jine.naOkruhu && !v.naOkruhu && jine.rameno == v.rameno &&
               jine.poradi > v.poradi;
    });
}

// On the road just behind the vehicle, or just outside the ring on a roundabout. When another
// vehicle queues behind it or the picture ends there, beside it in the lane of the oncoming
// traffic, which nothing in the scene occupies.
void KreslitStitek(QPainter &p, const Scena &s, const Vozidlo &v, const Poloha &kde)
{
    // Half the label's extent along an axis-parallel direction.
    const auto pul = [](QPointF smer) {
        return std::abs(smer.x()) * SirkaStitku / 2 + std::abs(smer.y()) * VyskaStitku / 2;
    };
    QPointF stred;
    if (v.naOkruhu)
        stred = G::Stred + (kde.stred - G::Stred) * (G::OkruhVnejsi + 12.0) / G::OkruhJizda;
    else
        stred = kde.stred - kde.smer * (Rozmer(v.druh).height() / 2 + 3.0 + pul(kde.smer));
    QRectF stitek(stred - QPointF(SirkaStitku / 2, VyskaStitku / 2),
                  QSizeF(SirkaStitku, VyskaStitku));
    if (!v.naOkruhu && (MaNekohoZaSebou(s, v) || !QRectF(0, 0, Sirka, Vyska).contains(stitek))) {
        const QPointF vlevo(kde.smer.y(), -kde.smer.x());
        stitek.moveCenter(kde.stred + vlevo * (G::Pruh / 2 + pul(vlevo) - 1.0));
    }
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(stitek, 3, 3);
    QFont f(u"Liberation Sans"_s);
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.drawText(stitek, Qt::AlignCenter, u"VY"_s);
}

} // namespace

void KreslitVozidlo(QPainter &p, const Vozidlo &v, const QList<Poloha> &clanky, const Svetla &svetla)
{
    const QSizeF z = Rozmer(v.druh);
    const qsizetype n = clanky.size();
    const double delka = z.height() / double(n);
    for (qsizetype k = 0; k < n; ++k) {
        p.save();
        p.translate(clanky[k].stred);
        p.rotate(G::Natoceni(clanky[k].smer));
        // The section's centre in the whole vehicle's coordinates, which the shapes are drawn in.
        const double stred = -z.height() / 2 + delka * (double(k) + 0.5);
        p.translate(0, -stred);
        if (v.moje) {
            // A white rim sets the driver's own vehicle apart.
            p.setPen(QPen(Qt::white, 2.0));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(QPointF(-z.width() / 2 - 1.8, stred - delka / 2 - 1.8),
                                     QSizeF(z.width() + 3.6, delka + 3.6)),
                              3.5, 3.5);
        }
        if (svetla.majak && k == 0)
            ZareMajaku(p, z);
        Telo(p, v, int(k));
        if (k == 0 && (JeZachranne(v.druh) || v.majak))
            Majak(p, z, svetla.majak);
        KreslitSmerovku(p, z, svetla.smerovka, k == 0, k == n - 1);
        p.restore();
    }
}

QColor BarvaVozidla(const Vozidlo &v)
{
    if (v.barva)
        return Odstin(*v.barva);
    switch (v.druh) {
    case Druh::Sanitka: return {0xf4, 0xe2, 0x00};
    case Druh::Hasici: return {0xc8, 0x14, 0x14};
    case Druh::Policie: return {0xe8, 0xec, 0xf0};
    default: return {0xc2, 0x1c, 0x22}; // a tram's own red
    }
}

QList<Sipka> Sipky(const Scena &s)
{
    // Vehicles with an arrow, grouped by the exit they leave by.
    QList<qsizetype> sipky;
    for (qsizetype i = 0; i < s.vozidla.size(); ++i)
        if (s.vozidla[i].naOkruhu || JePrvni(s, s.vozidla[i]))
            sipky << i;
    QList<Sipka> vysledek;
    for (const qsizetype i : std::as_const(sipky)) {
        const Vozidlo &v = s.vozidla[i];
        Sipka sipka{i, {}, {}, BarvaVozidla(v)};
        if (v.naOkruhu) {
            sipka.trasa = NaCestu(G::TrasaPoOkruhu(v.rameno, v.smer));
        } else {
            const Rameno cil = Cil(v.rameno, v.smer);
            QList<qsizetype> doCile;
            for (const qsizetype j : std::as_const(sipky))
                if (!s.vozidla[j].naOkruhu && Cil(s.vozidla[j].rameno, s.vozidla[j].smer) == cil)
                    doCile << j;
            std::stable_sort(doCile.begin(), doCile.end(), [&s](qsizetype a, qsizetype b) {
                return PoradiVeVyjezdu(s.vozidla[a].smer) < PoradiVeVyjezdu(s.vozidla[b].smer);
            });
            const qsizetype k = doCile.indexOf(i);
            const qsizetype n = doCile.size();
            const double posun = (double(k) - double(n - 1) / 2.0) * RozestupVeVyjezdu;
            // The arrow nearest the kerb reaches furthest, so the heads stand apart.
            const double delka = PresahVyjezdu + double(n - 1 - k) * OdstupHrotu;
            sipka.trasa = NaCestu(G::Trasa(s, v.rameno, v.smer, posun, delka));
        }
        sipka.hrot = Hrot(sipka.trasa);
        vysledek << sipka;
    }
    // The driver's own course last, so no other arrow hides it.
    std::stable_partition(vysledek.begin(), vysledek.end(),
                          [&s](const Sipka &a) { return !s.vozidla[a.vozidlo].moje; });
    return vysledek;
}

void KreslitVozidla(QPainter &p, const Scena &s)
{
    const QList<Sipka> sipky = Sipky(s);
    // Every shaft before any head, so no arrow's head lies under another's shaft.
    for (const Sipka &sipka : sipky)
        KreslitDrik(p, sipka);
    for (const Sipka &sipka : sipky)
        KreslitHrot(p, sipka);
    for (const Vozidlo &v : s.vozidla)
        KreslitVozidlo(p, v, ClankyRovne(v.druh, Umisteni(s, v)), {v.smerovka, v.majak});
    for (const Vozidlo &v : s.vozidla)
        if (v.moje)
            KreslitStitek(p, s, v, Umisteni(s, v));
}

} // namespace Krizovatky

#include "kresby/krizovatky.h"

#include "kresby/krizovatky_silnice.h"
#include "kresby/krizovatky_vozidla.h"
#include "kresby/krizovatky_vybaveni.h"
#include "kresby/znacky.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace Krizovatky {

QString Zkontrolovat(const QJsonObject &scena)
{
    QString chyba;
    const std::optional<Scena> s = Nacist(scena, &chyba);
    if (!s)
        return chyba;
    for (const Znacka &z : s->znacky)
        if (!Znacky::Existuje(z.kod))
            return u"Neznámá dopravní značka „%1“."_s.arg(z.kod);
    return {};
}

QImage Nakreslit(const QJsonObject &scena, int meritko)
{
    const std::optional<Scena> s = Nacist(scena, nullptr);
    if (!s) {
        QImage prazdny(Sirka * meritko, Vyska * meritko, QImage::Format_RGB32);
        prazdny.fill(Qt::white);
        return prazdny;
    }
    return Nakreslit(*s, meritko);
}

QImage Nakreslit(const Scena &s, int meritko)
{
    QImage obr(Sirka * meritko, Vyska * meritko, QImage::Format_RGB32);
    obr.fill(Qt::white);
    QPainter p(&obr);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(meritko, meritko);
    KreslitSilnice(p, s);
    KreslitVozidla(p, s);
    KreslitPolicistu(p, s.policista); // over the arrows that cross where he stands
    KreslitVybaveni(p, s, meritko);
    return obr;
}

QPainterPath NaCestu(const Cesta &cesta)
{
    QPainterPath p(cesta.Zacatek());
    for (const Cesta::Dil &d : cesta.Dily()) {
        switch (d.druh) {
        case Cesta::Druh::Usecka: p.lineTo(d.body[0]); break;
        case Cesta::Druh::Kvadraticka: p.quadTo(d.body[0], d.body[1]); break;
        case Cesta::Druh::Kubicka: p.cubicTo(d.body[0], d.body[1], d.body[2]); break;
        }
    }
    return p;
}

} // namespace Krizovatky

#include "krizovatky.h"

#include "krizovatky_scena.h"
#include "krizovatky_silnice.h"
#include "krizovatky_vozidla.h"
#include "krizovatky_vybaveni.h"

#include <QPainter>

namespace Krizovatky {

QString Zkontrolovat(const QJsonObject &scena)
{
    QString chyba;
    Nacist(scena, &chyba);
    return chyba;
}

QImage Nakreslit(const QJsonObject &scena, int meritko)
{
    QImage obr(Sirka * meritko, Vyska * meritko, QImage::Format_RGB32);
    obr.fill(Qt::white);
    const std::optional<Scena> s = Nacist(scena, nullptr);
    if (!s)
        return obr;
    QPainter p(&obr);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(meritko, meritko);
    KreslitSilnice(p, *s);
    KreslitVozidla(p, *s);
    KreslitVybaveni(p, *s, meritko);
    return obr;
}

} // namespace Krizovatky

#include "practice/podrobnostitext.h"

#include "data/kategorie.h"
#include "practice/seznamcisel.h"
#include "practice/vysledky.h"

namespace Podrobnosti {

QStringList RadkyKategorii(const QString &kategorie)
{
    QStringList radky;
    for (const QChar c : kategorie)
        if (c >= u'1' && c <= QChar(u'0' + Kategorie::Pocet))
            radky << Kategorie::Nazev(c.unicode() - u'0');
    return radky;
}

int VyskaKategorii(const QString &kategorie) { return VyskaRadku * static_cast<int>(kategorie.size()); }

int Posun(const QString &kategorie) { return VyskaRadku * (static_cast<int>(kategorie.size()) - 1); }

Oprava OpravaVysledku(const ZaznamVysledku &z, DruhBehu druh)
{
    Oprava o{druh, {}, z.Skupina, z.Kategorie};
    if (z.Spatne > 0)
        o.otazky << SeznamCisel::Cisla(z.SpatneCisla);
    if (z.SNapovedou > 0)
        o.otazky << SeznamCisel::Cisla(z.SNapovedouCisla);
    return o;
}

} // namespace Podrobnosti

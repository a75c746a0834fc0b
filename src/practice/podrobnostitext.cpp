#include "practice/podrobnostitext.h"

#include "data/kategorie.h"
#include "logika/stav.h"
#include "practice/seznamcisel.h"

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

QList<int> OtazkyOpravy(const UdajeVysledku &u)
{
    QList<int> otazky;
    if (u.spatne > 0)
        otazky << SeznamCisel::Cisla(u.spatneCisla);
    if (u.sNapovedou > 0)
        otazky << SeznamCisel::Cisla(u.sNapovedouCisla);
    return otazky;
}

void ZacitOpravu(StavProgramu &stav, const UdajeVysledku &u)
{
    stav.SeznamOtazek = OtazkyOpravy(u);
    stav.SpatneOtazky.clear();
    stav.OtazkySNapovedou.clear();
    stav.CelkemOtazek = stav.Zbyva = static_cast<int>(stav.SeznamOtazek.size());
    stav.OpravaZVysledku = true;
    stav.PuvodniSkupina = stav.ZvolenaSkupina;
    stav.ZvolenaSkupina = u.skupina;
    stav.KategorieOpravy = u.kategorie;
}

} // namespace Podrobnosti

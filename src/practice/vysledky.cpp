#include "practice/vysledky.h"

namespace Vysledky {

const ZaznamTabulky::SeznamPoli<ZaznamVysledku> &Pole()
{
    using Z = ZaznamVysledku;
    static const ZaznamTabulky::SeznamPoli<Z> pole{
        {QStringLiteral("TypTestu"), TypPole::Retezec, 15, &Z::TypTestu},
        {QStringLiteral("Profil"), TypPole::Retezec, ZaznamTabulky::DelkaProfilu, &Z::Profil},
        {QStringLiteral("Datum"), TypPole::Datum, 0, &Z::Datum},
        {QStringLiteral("Cas"), TypPole::Cas, 0, &Z::Cas},
        {QStringLiteral("Skupina"), TypPole::Retezec, 2, &Z::Skupina},
        {QStringLiteral("Kategorie"), TypPole::Retezec, 7, &Z::Kategorie},
        {QStringLiteral("PocetOtazek"), TypPole::Cele, 0, &Z::PocetOtazek},
        {QStringLiteral("Spatne"), TypPole::Cele, 0, &Z::Spatne},
        {QStringLiteral("SpatneCisla"), TypPole::Memo, 0, &Z::SpatneCisla},
        {QStringLiteral("SNapovedou"), TypPole::Cele, 0, &Z::SNapovedou},
        {QStringLiteral("SNapovedouCisla"), TypPole::Memo, 0, &Z::SNapovedouCisla},
        {QStringLiteral("Uspesnost"), TypPole::Cele, 0, &Z::Uspesnost}};
    return pole;
}

QList<DefinicePole> PoleTabulky() { return ZaznamTabulky::Definice(Pole()); }

QString TextTypu(DruhBehu druh)
{
    return druh == DruhBehu::Zkouseni ? QStringLiteral("Zkoušení") : QStringLiteral("Procvičování");
}

Zapis RozhodnoutOZapisu(const BehOtazek &beh, const Konfigurace &nastaveni)
{
    if (!nastaveni.VytvaretProtokol[beh.Druh() == DruhBehu::Zkouseni ? 1 : 0])
        return Zapis::Vypnuto;
    return beh.Zdroj() == PosouzenaOdpoved::Zdroj::Oprava ? Zapis::ZeptatSe : Zapis::Zapsat;
}

void Zapsat(const ZaznamVysledku &z) { ZaznamTabulky::Zapsat(JmenoTabulky, Pole(), z); }

ZaznamVysledku Precist(const Tabulka &t) { return ZaznamTabulky::Precist(t, Pole()); }

} // namespace Vysledky

#include "practice/vysledky.h"

#include "data/zaznamtabulky.h"

namespace Vysledky {

QList<DefinicePole> PoleTabulky()
{
    return {{TypTestu, TypPole::Retezec, 15},
            {Profil, TypPole::Retezec, ZaznamTabulky::DelkaProfilu},
            {Datum, TypPole::Datum, 0},
            {Cas, TypPole::Cas, 0},
            {Skupina, TypPole::Retezec, 2},
            {Kategorie, TypPole::Retezec, 7},
            {PocetOtazek, TypPole::Cele, 0},
            {Spatne, TypPole::Cele, 0},
            {SpatneCisla, TypPole::Memo, 0},
            {SNapovedou, TypPole::Cele, 0},
            {SNapovedouCisla, TypPole::Memo, 0},
            {Uspesnost, TypPole::Cele, 0}};
}

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

// Every field of the record with its name in the table.
const auto KazdePole = [](auto &z, auto f) {
    f(TypTestu, z.TypTestu);
    f(Profil, z.Profil);
    f(Datum, z.Datum);
    f(Cas, z.Cas);
    f(Skupina, z.Skupina);
    f(Kategorie, z.Kategorie);
    f(PocetOtazek, z.PocetOtazek);
    f(Spatne, z.Spatne);
    f(SpatneCisla, z.SpatneCisla);
    f(SNapovedou, z.SNapovedou);
    f(SNapovedouCisla, z.SNapovedouCisla);
    f(Uspesnost, z.Uspesnost);
};

void Zapsat(const ZaznamVysledku &z) { ZaznamTabulky::Zapsat(JmenoTabulky, PoleTabulky(), z, KazdePole); }

ZaznamVysledku Precist(const Tabulka &t) { return ZaznamTabulky::Precist<ZaznamVysledku>(t, KazdePole); }

} // namespace Vysledky

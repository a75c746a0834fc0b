#include "practice/vysledky.h"

namespace Vysledky {

QList<DefinicePole> PoleTabulky()
{
    return {{TypTestu, TypPole::Retezec, 15},   {Profil, TypPole::Retezec, 30},    {Datum, TypPole::Datum, 0},
            {Cas, TypPole::Cas, 0},             {Skupina, TypPole::Retezec, 2},    {Kategorie, TypPole::Retezec, 7},
            {PocetOtazek, TypPole::Cele, 0},    {Spatne, TypPole::Cele, 0},        {SpatneCisla, TypPole::Memo, 0},
            {SNapovedou, TypPole::Cele, 0},     {SNapovedouCisla, TypPole::Memo, 0}, {Uspesnost, TypPole::Cele, 0}};
}

QString TextTypu(DruhBehu druh)
{
    return druh == DruhBehu::Zkouseni ? QStringLiteral("Zkoušení") : QStringLiteral("Procvičování");
}

Zapis RozhodnoutOZapisu(const BehOtazek &beh, const Konfigurace &nastaveni)
{
    if (!nastaveni.VytvaretProtokol[beh.Druh() == DruhBehu::Zkouseni ? 1 : 0])
        return Zapis::Vypnuto;
    return beh.OpakovatSeznam() ? Zapis::ZeptatSe : Zapis::Zapsat;
}

void Zapsat(const ZaznamVysledku &z)
{
    if (!Tabulka::Existuje(JmenoTabulky))
        Tabulka::Zalozit(JmenoTabulky, PoleTabulky());
    Tabulka t(JmenoTabulky);
    t.Otevrit();
    t.Vlozit();
    t.Nastavit(TypTestu, z.TypTestu);
    t.Nastavit(Profil, z.Profil);
    t.Nastavit(Datum, z.Datum);
    t.Nastavit(Cas, z.Cas);
    t.Nastavit(Skupina, z.Skupina);
    t.Nastavit(Kategorie, z.Kategorie);
    t.Nastavit(PocetOtazek, z.PocetOtazek);
    t.Nastavit(Spatne, z.Spatne);
    t.Nastavit(SpatneCisla, z.SpatneCisla);
    t.Nastavit(SNapovedou, z.SNapovedou);
    t.Nastavit(SNapovedouCisla, z.SNapovedouCisla);
    t.Nastavit(Uspesnost, z.Uspesnost);
    t.Ulozit();
}

ZaznamVysledku Precist(const Tabulka &t)
{
    ZaznamVysledku z;
    z.TypTestu = t.Text(TypTestu);
    z.Profil = t.Text(Profil);
    z.Datum = t.Datum(Datum);
    z.Cas = t.Cas(Cas);
    z.Skupina = t.Text(Skupina);
    z.Kategorie = t.Text(Kategorie);
    z.PocetOtazek = t.Cislo(PocetOtazek);
    z.Spatne = t.Cislo(Spatne);
    z.SpatneCisla = t.Text(SpatneCisla);
    z.SNapovedou = t.Cislo(SNapovedou);
    z.SNapovedouCisla = t.Text(SNapovedouCisla);
    z.Uspesnost = t.Cislo(Uspesnost);
    return z;
}

} // namespace Vysledky

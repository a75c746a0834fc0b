#include "practice/vysledky.h"

namespace Vysledky {

QList<DefinicePole> PoleTabulky()
{
    return {{TypTestu, TypPole::Retezec, 15},   {Profil, TypPole::Retezec, 30},    {Datum, TypPole::Datum, 0},
            {Cas, TypPole::Cas, 0},             {Skupina, TypPole::Retezec, 2},    {Kategorie, TypPole::Retezec, 7},
            {PocetOtazek, TypPole::Cele, 0},    {Spatne, TypPole::Cele, 0},        {SpatneCisla, TypPole::Memo, 0},
            {SNapovedou, TypPole::Cele, 0},     {SNapovedouCisla, TypPole::Memo, 0}, {Uspesnost, TypPole::Cele, 0}};
}

void ZapsatVysledek(const Beh::Vysledek &v)
{
    if (!Tabulka::Existuje(JmenoTabulky))
        Tabulka::Zalozit(JmenoTabulky, PoleTabulky());
    Tabulka t(JmenoTabulky);
    t.Otevrit();
    t.Vlozit();
    t.Nastavit(TypTestu, v.TypTestu);
    t.Nastavit(Profil, v.Profil);
    t.Nastavit(Datum, v.Datum);
    t.Nastavit(Cas, v.Cas);
    t.Nastavit(Skupina, v.Skupina);
    t.Nastavit(Kategorie, v.Kategorie);
    t.Nastavit(PocetOtazek, v.PocetOtazek);
    t.Nastavit(Spatne, v.Spatne);
    t.Nastavit(SpatneCisla, v.SpatneCisla);
    t.Nastavit(SNapovedou, v.SNapovedou);
    t.Nastavit(SNapovedouCisla, v.SNapovedouCisla);
    t.Nastavit(Uspesnost, v.Uspesnost);
    t.Ulozit();
}

} // namespace Vysledky

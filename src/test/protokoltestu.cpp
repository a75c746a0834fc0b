#include "test/protokoltestu.h"

#include "data/zaznamtabulky.h"
#include "test/plan.h"
#include "test/tokeny.h"

namespace ProtokolTestu {

QString JmenoPole(Pole pole)
{
    static const std::array<QString, PocetPoli> jmena{
        QStringLiteral("Profil"),   QStringLiteral("DatumACas"),    QStringLiteral("Skupina"),
        QStringLiteral("DelkaTestu"), QStringLiteral("Spravne"),    QStringLiteral("PocetBodu"),
        QStringLiteral("MinPocetBodu"), QStringLiteral("Verdikt"),  QStringLiteral("Body"),
        QStringLiteral("Odpoved"),  QStringLiteral("SpravnaOdpoved"), QStringLiteral("SkutCis")};
    return jmena[pole];
}

QList<DefinicePole> PoleTabulky()
{
    return {
        {JmenoPole(Profil), TypPole::Retezec, ZaznamTabulky::DelkaProfilu},
        {JmenoPole(DatumACas), TypPole::DatumCas, 0},
        {JmenoPole(Skupina), TypPole::Retezec, 2},
        {JmenoPole(DelkaTestu), TypPole::Retezec, 5},
        {JmenoPole(Spravne), TypPole::Cele, 0},
        {JmenoPole(PocetBodu), TypPole::Cele, 0},
        {JmenoPole(MinPocetBodu), TypPole::Cele, 0},
        {JmenoPole(Verdikt), TypPole::Retezec, 8},
        {JmenoPole(Body), TypPole::Memo, 0},
        {JmenoPole(Odpoved), TypPole::Memo, 0},
        {JmenoPole(SpravnaOdpoved), TypPole::Memo, 0},
        {JmenoPole(SkutCis), TypPole::Memo, 0},
    };
}

QString TextVerdiktu(int pocetBodu, int minPocetBodu)
{
    return VysledekTestu::Prosel(pocetBodu, minPocetBodu) ? QStringLiteral("Prošel") : QStringLiteral("Neprošel");
}

std::array<QString, 4> Mema(const PolozkyTestu &polozky)
{
    std::array<QStringList, 4> tokeny;
    for (const PolozkaTestu &p : polozky) {
        tokeny[0] << QString::number(p.Body);
        tokeny[1] << p.Odpoved;
        tokeny[2] << p.SpravnaOdpoved;
        tokeny[3] << QString::number(p.SkutCis);
    }
    return {Tokeny::Spojit(tokeny[0]), Tokeny::Spojit(tokeny[1]), Tokeny::Spojit(tokeny[2]), Tokeny::Spojit(tokeny[3])};
}

ZaznamProtokolu Zaznam(const Udaje &u)
{
    const std::array<QString, 4> mema = Mema(u.polozky);
    return {u.profil.left(ZaznamTabulky::DelkaProfilu),
            u.datumACas,
            u.skupina,
            VysledekTestu::CasNaText(PlanTestu::CasTestuSekund - u.zbyvaSekund),
            PlanTestu::PocetPozic - u.skore.PocetChyb,
            u.skore.PocetBodu,
            u.minPocetBodu,
            TextVerdiktu(u.skore.PocetBodu, u.minPocetBodu),
            mema[0],
            mema[1],
            mema[2],
            mema[3]};
}

// Every field of the record with its name in the table.
const auto KazdePole = [](auto &z, auto f) {
    f(JmenoPole(Profil), z.Profil);
    f(JmenoPole(DatumACas), z.DatumACas);
    f(JmenoPole(Skupina), z.Skupina);
    f(JmenoPole(DelkaTestu), z.DelkaTestu);
    f(JmenoPole(Spravne), z.Spravne);
    f(JmenoPole(PocetBodu), z.PocetBodu);
    f(JmenoPole(MinPocetBodu), z.MinPocetBodu);
    f(JmenoPole(Verdikt), z.Verdikt);
    f(JmenoPole(Body), z.Body);
    f(JmenoPole(Odpoved), z.Odpoved);
    f(JmenoPole(SpravnaOdpoved), z.SpravnaOdpoved);
    f(JmenoPole(SkutCis), z.SkutCis);
};

void Zapsat(const ZaznamProtokolu &z) { ZaznamTabulky::Zapsat(JmenoTabulky, PoleTabulky(), z, KazdePole); }

ZaznamProtokolu Precist(const Tabulka &t) { return ZaznamTabulky::Precist<ZaznamProtokolu>(t, KazdePole); }

} // namespace ProtokolTestu

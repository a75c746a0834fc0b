#include "test/protokoltestu.h"

#include "test/plan.h"
#include "test/tokeny.h"

namespace ProtokolTestu {

const ZaznamTabulky::SeznamPoli<ZaznamProtokolu> &Pole()
{
    using Z = ZaznamProtokolu;
    static const ZaznamTabulky::SeznamPoli<Z> pole{
        {QStringLiteral("Profil"), TypPole::Retezec, ZaznamTabulky::DelkaProfilu, &Z::Profil},
        {QStringLiteral("DatumACas"), TypPole::DatumCas, 0, &Z::DatumACas},
        {QStringLiteral("Skupina"), TypPole::Retezec, 2, &Z::Skupina},
        {QStringLiteral("DelkaTestu"), TypPole::Retezec, 5, &Z::DelkaTestu},
        {QStringLiteral("Spravne"), TypPole::Cele, 0, &Z::Spravne},
        {QStringLiteral("PocetBodu"), TypPole::Cele, 0, &Z::PocetBodu},
        {QStringLiteral("MinPocetBodu"), TypPole::Cele, 0, &Z::MinPocetBodu},
        {QStringLiteral("Verdikt"), TypPole::Retezec, 8, &Z::Verdikt},
        {QStringLiteral("Body"), TypPole::Memo, 0, &Z::Body},
        {QStringLiteral("Odpoved"), TypPole::Memo, 0, &Z::Odpoved},
        {QStringLiteral("SpravnaOdpoved"), TypPole::Memo, 0, &Z::SpravnaOdpoved},
        {QStringLiteral("SkutCis"), TypPole::Memo, 0, &Z::SkutCis}};
    return pole;
}

QList<DefinicePole> PoleTabulky() { return ZaznamTabulky::Definice(Pole()); }

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

void Zapsat(const ZaznamProtokolu &z) { ZaznamTabulky::Zapsat(JmenoTabulky, Pole(), z); }

ZaznamProtokolu Precist(const Tabulka &t) { return ZaznamTabulky::Precist(t, Pole()); }

} // namespace ProtokolTestu

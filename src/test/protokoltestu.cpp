#include "test/protokoltestu.h"

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
        {JmenoPole(Profil), TypPole::Retezec, DelkaProfilu},
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

void UlozProtokol(const Udaje &u)
{
    if (!Tabulka::Existuje(JmenoTabulky))
        Tabulka::Zalozit(JmenoTabulky, PoleTabulky());
    const std::array<QString, 4> mema = Mema(u.polozky);

    Tabulka t(JmenoTabulky);
    t.Otevrit();
    t.Vlozit();
    t.Nastavit(JmenoPole(Profil), u.profil.left(DelkaProfilu));
    t.Nastavit(JmenoPole(DatumACas), u.datumACas);
    t.Nastavit(JmenoPole(Skupina), u.skupina);
    t.Nastavit(JmenoPole(DelkaTestu), VysledekTestu::CasNaText(PlanTestu::CasTestuSekund - u.zbyvaSekund));
    t.Nastavit(JmenoPole(Spravne), PlanTestu::PocetPozic - u.skore.PocetChyb);
    t.Nastavit(JmenoPole(PocetBodu), u.skore.PocetBodu);
    t.Nastavit(JmenoPole(MinPocetBodu), u.minPocetBodu);
    t.Nastavit(JmenoPole(Verdikt), TextVerdiktu(u.skore.PocetBodu, u.minPocetBodu));
    t.Nastavit(JmenoPole(Body), mema[0]);
    t.Nastavit(JmenoPole(Odpoved), mema[1]);
    t.Nastavit(JmenoPole(SpravnaOdpoved), mema[2]);
    t.Nastavit(JmenoPole(SkutCis), mema[3]);
    t.Ulozit();
}

} // namespace ProtokolTestu

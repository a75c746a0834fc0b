#include "test/zaznamzkousky.h"

#include "data/zaznamtabulky.h"
#include "test/tokeny.h"
#include "test/protokoltestu.h"
#include "test/vysledektestu.h"
#include "test/zkouska.h"

#include <QStringList>

#include <algorithm>

namespace ZaznamyZkousek {

namespace {

// A letter of the three answers, or null.
QChar Pismeno(const QString &token)
{
    return token.size() == 1 && token[0] >= u'A' && token[0] < QChar(u'A' + PlanZkousky::PocetOdpovedi) ? token[0] : QChar();
}

bool JePoradi(QString token)
{
    std::sort(token.begin(), token.end());
    return token == QStringLiteral("ABC");
}

} // namespace

// Every field with the member that holds it: the one list that the table's definition, the writer
// and the reader go by.
const ZaznamTabulky::SeznamPoli<ZaznamZkousky> &Pole()
{
    using Z = ZaznamZkousky;
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
        {QStringLiteral("Okruh"), TypPole::Memo, 0, &Z::Okruh},
        {QStringLiteral("SkutCis"), TypPole::Memo, 0, &Z::SkutCis},
        {QStringLiteral("Poradi"), TypPole::Memo, 0, &Z::Poradi},
        {QStringLiteral("Odpoved"), TypPole::Memo, 0, &Z::Odpoved},
        {QStringLiteral("SpravnaOdpoved"), TypPole::Memo, 0, &Z::SpravnaOdpoved}};
    return pole;
}

QList<DefinicePole> PoleTabulky() { return ZaznamTabulky::Definice(Pole()); }

ZaznamZkousky Zaznam(const ZkouskaNanecisto &zkouska)
{
    std::array<QStringList, 6> tokeny;
    for (const PolozkaZkousky &p : zkouska.Polozky()) {
        tokeny[0] << QString::number(p.Body);
        tokeny[1] << Okruhy::Kod(p.okruh);
        tokeny[2] << QString::number(p.SkutCis);
        tokeny[3] << p.Poradi;
        tokeny[4] << (p.Zodpovezena() ? QString(p.Odpoved) : QString());
        tokeny[5] << QString(p.Spravna);
    }
    const int body = zkouska.PocetBodu();
    return {zkouska.Profil().left(ZaznamTabulky::DelkaProfilu),
            zkouska.Zacatek(),
            zkouska.Skupina(),
            VysledekTestu::CasNaText(zkouska.DelkaSekund()),
            VysledekZkousky::PocetSpravnych(zkouska.Polozky()),
            body,
            PlanZkousky::MinPocetBodu,
            ProtokolTestu::TextVerdiktu(body, PlanZkousky::MinPocetBodu),
            Tokeny::Spojit(tokeny[0]),
            Tokeny::Spojit(tokeny[1]),
            Tokeny::Spojit(tokeny[2]),
            Tokeny::Spojit(tokeny[3]),
            Tokeny::Spojit(tokeny[4]),
            Tokeny::Spojit(tokeny[5])};
}

void Zapsat(const ZaznamZkousky &z)
{
    if (Tabulka::Existuje(JmenoTabulky)) {
        Tabulka t(JmenoTabulky);
        ZaznamTabulky::OtevritOverenou(t, PoleTabulky(), QStringLiteral("zkoušek nanečisto"));
    }
    ZaznamTabulky::Zapsat(JmenoTabulky, Pole(), z);
}

ZaznamZkousky Precist(const Tabulka &t) { return ZaznamTabulky::Precist(t, Pole()); }

PolozkyZkousky Polozky(const ZaznamZkousky &z)
{
    const int n = PlanZkousky::PocetPozic;
    const QStringList body = Tokeny::Rozdelit(z.Body, n), okruh = Tokeny::Rozdelit(z.Okruh, n),
                      cisla = Tokeny::Rozdelit(z.SkutCis, n), poradi = Tokeny::Rozdelit(z.Poradi, n),
                      odpoved = Tokeny::Rozdelit(z.Odpoved, n), spravna = Tokeny::Rozdelit(z.SpravnaOdpoved, n);
    PolozkyZkousky polozky;
    for (int i = 0; i < n; ++i) {
        PolozkaZkousky &p = polozky[static_cast<size_t>(i)];
        p.pozice = i + 1;
        p.Body = body[i].toInt();
        p.okruh = Okruhy::ZKodu(okruh[i]).value_or(PlanZkousky::RadekPozice(i + 1).okruh);
        p.SkutCis = cisla[i].toInt();
        if (JePoradi(poradi[i]))
            p.Poradi = poradi[i];
        p.Odpoved = Pismeno(odpoved[i]);
        p.Spravna = Pismeno(spravna[i]);
    }
    return polozky;
}

} // namespace ZaznamyZkousek

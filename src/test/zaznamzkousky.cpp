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

// Every field: its definition and the member that holds it. The one list that the table's
// definition, the writer and the reader go by.
const auto Pole = [](auto &z, auto f) {
    f(DefinicePole{QStringLiteral("Profil"), TypPole::Retezec, ZaznamTabulky::DelkaProfilu}, z.Profil);
    f(DefinicePole{QStringLiteral("DatumACas"), TypPole::DatumCas, 0}, z.DatumACas);
    f(DefinicePole{QStringLiteral("Skupina"), TypPole::Retezec, 2}, z.Skupina);
    f(DefinicePole{QStringLiteral("DelkaTestu"), TypPole::Retezec, 5}, z.DelkaTestu);
    f(DefinicePole{QStringLiteral("Spravne"), TypPole::Cele, 0}, z.Spravne);
    f(DefinicePole{QStringLiteral("PocetBodu"), TypPole::Cele, 0}, z.PocetBodu);
    f(DefinicePole{QStringLiteral("MinPocetBodu"), TypPole::Cele, 0}, z.MinPocetBodu);
    f(DefinicePole{QStringLiteral("Verdikt"), TypPole::Retezec, 8}, z.Verdikt);
    f(DefinicePole{QStringLiteral("Body"), TypPole::Memo, 0}, z.Body);
    f(DefinicePole{QStringLiteral("Okruh"), TypPole::Memo, 0}, z.Okruh);
    f(DefinicePole{QStringLiteral("SkutCis"), TypPole::Memo, 0}, z.SkutCis);
    f(DefinicePole{QStringLiteral("Poradi"), TypPole::Memo, 0}, z.Poradi);
    f(DefinicePole{QStringLiteral("Odpoved"), TypPole::Memo, 0}, z.Odpoved);
    f(DefinicePole{QStringLiteral("SpravnaOdpoved"), TypPole::Memo, 0}, z.SpravnaOdpoved);
};

// The same walk with the field's name alone, as the table store's record helpers take it.
const auto PolePodleJmena = [](auto &z, auto f) {
    Pole(z, [&f](const DefinicePole &d, auto &hodnota) { f(d.jmeno, hodnota); });
};

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

QList<DefinicePole> PoleTabulky()
{
    QList<DefinicePole> pole;
    ZaznamZkousky z;
    Pole(z, [&pole](const DefinicePole &d, const auto &) { pole << d; });
    return pole;
}

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
    ZaznamTabulky::Zapsat(JmenoTabulky, PoleTabulky(), z, PolePodleJmena);
}

ZaznamZkousky Precist(const Tabulka &t) { return ZaznamTabulky::Precist<ZaznamZkousky>(t, PolePodleJmena); }

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

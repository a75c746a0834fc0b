#pragma once

// Records of the result tables as the program writes them, with the values the tests start from.
#include "practice/vysledky.h"
#include "test/protokoltestu.h"

namespace Pomocnik {

// A practice run of Default in group B over all categories, 20 questions all right, stored on
// 14.3.2026 at 9:26:53.
inline ZaznamVysledku Vysledek(const QString &typ = QStringLiteral("Procvičování"),
                               const QString &profil = QStringLiteral("Default"), int pocet = 20)
{
    ZaznamVysledku z;
    z.TypTestu = typ;
    z.Profil = profil;
    z.Datum = QDate(2026, 3, 14);
    z.Cas = QTime(9, 26, 53);
    z.Skupina = QStringLiteral("B");
    z.Kategorie = QStringLiteral("1234567");
    z.PocetOtazek = pocet;
    z.Uspesnost = 100;
    return z;
}

// The same run with 3, 7 and 15 answered wrongly and 9 hinted, in group C and categories 2 and 6.
inline ZaznamVysledku VysledekSChybami()
{
    ZaznamVysledku z = Vysledek();
    z.Skupina = QStringLiteral("C");
    z.Kategorie = QStringLiteral("26");
    z.Spatne = 3;
    z.SpatneCisla = QStringLiteral("3, 7, 15");
    z.SNapovedou = 1;
    z.SNapovedouCisla = QStringLiteral("9");
    z.Uspesnost = 80;
    return z;
}

inline void ZapsatVysledky(const QList<ZaznamVysledku> &vysledky)
{
    for (const ZaznamVysledku &z : vysledky)
        Vysledky::Zapsat(z);
}

// Every record of the results table, in its order.
inline QList<ZaznamVysledku> UlozeneVysledky()
{
    QList<ZaznamVysledku> z;
    if (!Tabulka::Existuje(Vysledky::JmenoTabulky))
        return z;
    Tabulka t(Vysledky::JmenoTabulky);
    t.Otevrit(true);
    for (int i = 0; i < t.PocetZaznamu(); ++i) {
        t.PrejitNa(i);
        z << Vysledky::Precist(t);
    }
    return z;
}

// A passed test of Default in group B, 65 points of 65, taken on 14.3.2026 at 10:05:07.
inline ZaznamProtokolu Protokol(const QString &profil = QStringLiteral("Default"))
{
    return {profil, QDateTime(QDate(2026, 3, 14), QTime(10, 5, 7)), QStringLiteral("B"), QStringLiteral("12:05"), 25, 65,
            43, QStringLiteral("Prošel"), QStringLiteral("3 3 3 3 3 3 3 3 3 3 2 2 2 2 1 1 2 2 2 2 2 3 4 4 4"), {}, {}, {}};
}

inline void ZapsatProtokoly(const QList<ZaznamProtokolu> &protokoly)
{
    for (const ZaznamProtokolu &z : protokoly)
        ProtokolTestu::Zapsat(z);
}

} // namespace Pomocnik

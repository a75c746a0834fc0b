#pragma once

// A small question bank written through the table store alone, for tests of the data and logic
// layers (the bank builder and its pictures belong to the tools).
#include "adresar.h"

#include "data/banka.h"
#include "data/tabulka.h"

#include <QList>

namespace Pomocnik {

// The topic a question of the category most often has.
inline Okruhy::Okruh OkruhKategorie(int cislo)
{
    using Okruhy::Okruh;
    static constexpr std::array<Okruh, Kategorie::Pocet> okruhy{Okruh::PP,  Okruh::SP, Okruh::SP, Okruh::ZP,
                                                                 Okruh::PPV, Okruh::DZ, Okruh::DS};
    return okruhy[static_cast<size_t>(Kategorie::KategorieOtazky(cislo) - 1)];
}

// The fixture's topic: that of the category, but safe driving for every 25th number of the rules of
// the road, so that a mock exam can be drawn from the fixture banks.
inline Okruhy::Okruh OkruhFixture(int cislo)
{
    if (Kategorie::KategorieOtazky(cislo) == 1 && cislo % 25 == 0)
        return Okruhy::Okruh::ZBJ;
    return OkruhKategorie(cislo);
}

inline OtazkaBanky Zaznam(int cislo, const QString &skupina = QStringLiteral("ABCD"),
                          const QString &spravne = QStringLiteral("A"))
{
    OtazkaBanky o;
    o.cislo = cislo;
    o.otazka = QStringLiteral("Otázka %1?").arg(cislo);
    o.odpovedi = {QStringLiteral("Odpověď a"), QStringLiteral("Odpověď b"), QStringLiteral("Odpověď c"), QString()};
    o.spravne = spravne;
    o.skupina = skupina;
    if (Kategorie::MaObrazek(cislo))
        o.obrazek = QStringLiteral("obrazky/%1.jpg").arg(cislo);
    o.poznamka = QStringLiteral("Poznámka %1.").arg(cislo);
    o.okruh = OkruhFixture(cislo);
    return o;
}

// Writes otazky.DB/.MB into the working directory, records in the order given.
inline void ZapsatMalouBanku(const QList<OtazkaBanky> &otazky)
{
    Tabulka::Vytvorit(BankaOtazek::JmenoTabulky, BankaOtazek::PoleTabulky());
    Tabulka t(BankaOtazek::JmenoTabulky);
    t.Otevrit();
    for (const OtazkaBanky &o : otazky) {
        t.Vlozit();
        t.Nastavit(BankaOtazek::JmenoPole(BankaOtazek::Cislo), o.cislo);
        t.Nastavit(BankaOtazek::JmenoPole(BankaOtazek::Otazka), o.otazka);
        for (int i = 0; i < 4; ++i)
            t.Nastavit(BankaOtazek::JmenoPole(static_cast<BankaOtazek::Pole>(BankaOtazek::A + i)),
                       o.odpovedi[static_cast<size_t>(i)]);
        t.Nastavit(BankaOtazek::JmenoPole(BankaOtazek::Spravne), o.spravne);
        t.Nastavit(BankaOtazek::JmenoPole(BankaOtazek::Skupina), o.skupina);
        t.Nastavit(BankaOtazek::JmenoPole(BankaOtazek::Obrazek), o.obrazek);
        t.Nastavit(BankaOtazek::JmenoPole(BankaOtazek::Poznamka), o.poznamka);
        t.Nastavit(BankaOtazek::JmenoPole(BankaOtazek::Okruh), o.okruh ? Okruhy::Kod(*o.okruh) : QString());
        int odpovedi = 0;
        for (const QString &odpoved : o.odpovedi)
            odpovedi += odpoved.isEmpty() ? 0 : 1;
        t.Nastavit(BankaOtazek::JmenoPole(BankaOtazek::Odpovedi), odpovedi);
        t.Nastavit(BankaOtazek::JmenoPole(BankaOtazek::Krizovatka), o.krizovatka);
        t.Ulozit();
    }
}

// Every fifth number, each row of the points test with more questions than it takes; every
// thirty-fifth for groups C and D only.
inline QList<OtazkaBanky> BankaTestu()
{
    QList<OtazkaBanky> otazky;
    for (int n = 5; n <= Kategorie::NejvyssiCislo; n += 5)
        otazky.append(Zaznam(n, n % 35 == 0 ? QStringLiteral("CD") : QStringLiteral("ABCD")));
    return otazky;
}

// The small bank of the given questions in a directory of its own, the working directory, opened.
struct OtevrenaBanka {
    Adresar adresar;
    BankaOtazek banka;
    explicit OtevrenaBanka(const QList<OtazkaBanky> &otazky)
    {
        ZapsatMalouBanku(otazky);
        banka.Otevrit();
    }
};

} // namespace Pomocnik

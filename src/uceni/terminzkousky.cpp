#include "uceni/terminzkousky.h"

#include "data/profily.h"
#include "data/zaznamtabulky.h"

namespace TerminZkousky {

namespace {

const QString Profil = QStringLiteral("Profil");
const QString DenZkousky = QStringLiteral("DenZkousky");

// The table opened on the profile's records.
void OtevritProfil(Tabulka &t, const QString &profil)
{
    ZaznamTabulky::OtevritOverenou(t, PoleTabulky(), QStringLiteral("termínů zkoušky"));
    t.NastavitFiltr(FiltrProfilu(profil));
    t.NastavitFiltrovani(true);
}

} // namespace

QList<DefinicePole> PoleTabulky()
{
    return {{Profil, TypPole::Retezec, ZaznamTabulky::DelkaProfilu}, {DenZkousky, TypPole::Datum, 0}};
}

std::optional<QDate> Precist(const QString &profil)
{
    if (!Tabulka::Existuje(JmenoTabulky))
        return std::nullopt;
    Tabulka t(JmenoTabulky);
    OtevritProfil(t, profil);
    if (t.PocetZaznamu() == 0)
        return std::nullopt;
    t.PrejitNa(t.PocetZaznamu() - 1);
    QDate den;
    t.Precist(DenZkousky, den);
    return den.isValid() ? std::optional<QDate>(den) : std::nullopt;
}

void Zapsat(const QString &profil, const QDate &den)
{
    if (!Tabulka::Existuje(JmenoTabulky))
        Tabulka::Zalozit(JmenoTabulky, PoleTabulky());
    Tabulka t(JmenoTabulky);
    OtevritProfil(t, profil);
    t.Vlozit();
    t.Nastavit(Profil, profil);
    t.Nastavit(DenZkousky, den);
    t.Ulozit();
    for (int starsich = t.PocetZaznamu() - 1; starsich > 0; --starsich) {
        t.PrejitNa(0);
        t.SmazatAktualni();
    }
}

} // namespace TerminZkousky

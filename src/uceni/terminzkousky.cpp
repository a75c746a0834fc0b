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

std::optional<QDate> Precist(const QString &profil, const QDate &dnes, QString *vyhrada)
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
    // A day that has passed is the learner's own, shown as today; one beyond the choice is not.
    if (den.isValid() && den <= dnes.addYears(NejviceLet))
        return den;
    if (vyhrada)
        *vyhrada = QStringLiteral("Uložený den zkoušky „%1“ není platný den, a proto nebyl použit. Zvolte den zkoušky; "
                                  "uloží se, až ho vyberete.")
                       .arg(t.Text(DenZkousky));
    return std::nullopt;
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

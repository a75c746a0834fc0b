#include "uceni/terminzkousky.h"

#include "data/filtrvyraz.h"

namespace TerminZkousky {

namespace {

constexpr int DelkaProfilu = 30;
const QString Profil = QStringLiteral("Profil");
const QString DenZkousky = QStringLiteral("DenZkousky");

// The table opened on the profile's records (its name as the store cut it), refused before anything
// is read or written when its fields are not these.
void OtevritProfil(Tabulka &t, const QString &profil)
{
    t.Otevrit();
    if (t.Pole() != PoleTabulky())
        throw ChybaTabulky(QStringLiteral("Tabulka %1: pole tabulky nejsou pole termínů zkoušky").arg(JmenoTabulky));
    t.NastavitFiltr(Profil + QStringLiteral(" = ") + LiteralFiltru(profil.left(DelkaProfilu)));
    t.NastavitFiltrovani(true);
}

} // namespace

QList<DefinicePole> PoleTabulky() { return {{Profil, TypPole::Retezec, DelkaProfilu}, {DenZkousky, TypPole::Datum, 0}}; }

std::optional<QDate> Precist(const QString &profil)
{
    if (!Tabulka::Existuje(JmenoTabulky))
        return std::nullopt;
    Tabulka t(JmenoTabulky);
    OtevritProfil(t, profil);
    if (t.PocetZaznamu() == 0)
        return std::nullopt;
    t.PrejitNa(t.PocetZaznamu() - 1);
    const QDate den = t.Hodnota(DenZkousky).toDate();
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

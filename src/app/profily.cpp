#include "app/profily.h"

#include "data/konfigurace.h"
#include "data/profily.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

SeznamProfilu::SeznamProfilu(const QStringList &jmena) : m_jmena(jmena) { Seradit(); }

void SeznamProfilu::Seradit()
{
    QCollator razeni(QLocale(QLocale::Czech, QLocale::Czechia));
    razeni.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(m_jmena.begin(), m_jmena.end(),
                     [&razeni](const QString &a, const QString &b) { return razeni.compare(a, b) < 0; });
}

bool SeznamProfilu::StejnaJmena(const QString &a, const QString &b) { return StejnyProfil(a, b); }

std::optional<QString> SeznamProfilu::Najit(const QString &jmeno) const
{
    for (const QString &j : m_jmena)
        if (StejnaJmena(j, jmeno))
            return j;
    return std::nullopt;
}

std::optional<SeznamProfilu::Odmitnuti> SeznamProfilu::Vytvorit(const QString &jmeno)
{
    if (jmeno.isEmpty())
        return Odmitnuti{true, QStringLiteral("Tento profil nelze vytvořit!")};
    if (Najit(jmeno))
        return Odmitnuti{false, QStringLiteral("Tento profil je již vytvořen!")};
    if (Pocet() >= MaxProfilu)
        return Odmitnuti{true, QStringLiteral("Nový profil nemohl být vytvořen!\nLze vytvořit pouze %1 profilů.")
                                   .arg(MaxProfilu)};
    if (jmeno.size() > MaxDelkaJmena)
        return Odmitnuti{true, QStringLiteral("Jméno profilu může mít nejvýše %1 znaků.").arg(MaxDelkaJmena)};
    if (const auto proc = ProfilNelzeUlozit(jmeno))
        return Odmitnuti{true, *proc};
    m_jmena.append(jmeno);
    Seradit();
    return std::nullopt;
}

std::optional<SeznamProfilu::Odmitnuti> SeznamProfilu::Vymazat(const QString &jmeno)
{
    if (StejnaJmena(jmeno, ZakladniProfil))
        return Odmitnuti{true, QStringLiteral("Nelze odstranit základní profil!")};
    const auto kde = std::find_if(m_jmena.begin(), m_jmena.end(),
                                  [&jmeno](const QString &j) { return StejnaJmena(j, jmeno); });
    if (kde != m_jmena.end())
        m_jmena.erase(kde);
    return std::nullopt;
}

#pragma once

#include "data/zaznamtabulky.h"

#include <QString>
#include <QStringList>

#include <optional>

// The profile list of the settings dialog: at most MaxProfilu names, sorted alphabetically, no two
// equal when letter case is ignored (Czech letters included), the base profile never removed.
class SeznamProfilu {
public:
    // Why a name was refused, as the message box the user gets.
    struct Odmitnuti {
        bool chyba; // an error box; otherwise an information box
        QString text;
    };

    inline static const QString ZakladniProfil = QStringLiteral("Default");
    // The input box takes no more, so that a name always equals what the result tables keep.
    static constexpr int MaxDelkaJmena = ZaznamTabulky::DelkaProfilu;

    explicit SeznamProfilu(const QStringList &jmena = {});

    const QStringList &Jmena() const { return m_jmena; }
    int Pocet() const { return static_cast<int>(m_jmena.size()); }

    static bool StejnaJmena(const QString &a, const QString &b);
    // The list's own spelling of the name, when the list holds it in any letter case.
    std::optional<QString> Najit(const QString &jmeno) const;

    // Adds a new profile, or says why it cannot be created.
    std::optional<Odmitnuti> Vytvorit(const QString &jmeno);
    // Removes the profile of that name when the list holds it; the base profile is refused.
    std::optional<Odmitnuti> Vymazat(const QString &jmeno);

private:
    void Seradit();

    QStringList m_jmena;
};

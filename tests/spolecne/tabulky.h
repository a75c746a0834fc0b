#pragma once

#include "data/tabulka.h"

#include <QStringList>

namespace Pomocnik {

// The values of one field over the table's whole view, in its order.
inline QStringList HodnotyPole(Tabulka &t, const QString &pole)
{
    QStringList hodnoty;
    for (int i = 0; i < t.PocetZaznamu(); ++i) {
        t.PrejitNa(i);
        hodnoty << t.Text(pole);
    }
    return hodnoty;
}

// The names of the table's fields, in their order.
inline QStringList JmenaPoli(const Tabulka &t)
{
    QStringList jmena;
    for (const DefinicePole &p : t.Pole())
        jmena << p.jmeno;
    return jmena;
}

// A table of records as the result tables keep them, one per profile given in that order: the
// field Profil, a number Poradi counting from 1 and a memo Text "výsledek <profile>".
inline void TabulkaProfilu(const QString &jmeno, const QStringList &profily)
{
    Tabulka::Vytvorit(jmeno, {{QStringLiteral("Profil"), TypPole::Retezec, 30},
                              {QStringLiteral("Poradi"), TypPole::Cele, 0},
                              {QStringLiteral("Text"), TypPole::Memo, 0}});
    Tabulka t(jmeno);
    t.Otevrit();
    int poradi = 0;
    for (const QString &p : profily) {
        t.Vlozit();
        t.Nastavit(QStringLiteral("Profil"), p);
        t.Nastavit(QStringLiteral("Poradi"), ++poradi);
        t.Nastavit(QStringLiteral("Text"), QStringLiteral("výsledek ") + p);
        t.Ulozit();
    }
}

// The profiles of every record of the table, in its order.
inline QStringList ProfilyTabulky(const QString &jmeno)
{
    Tabulka t(jmeno);
    t.Otevrit(true);
    return HodnotyPole(t, QStringLiteral("Profil"));
}

} // namespace Pomocnik

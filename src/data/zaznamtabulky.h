#pragma once

#include "data/tabulka.h"

#include <QList>
#include <QString>

// What the record types of the result tables share. A record type comes with a walk over its
// fields, pole(z, f), which calls f(field name, member) for every field: the one list of fields
// that writing and reading go by.
namespace ZaznamTabulky {

// The field Profil of every table that keeps records per profile: the name cut to this size.
inline constexpr int DelkaProfilu = 30;

// Opens the table and refuses it, before anything is read from it or written to it, when its fields
// are not these; coDrzi names its records in the message ("odpovědí").
inline void OtevritOverenou(Tabulka &t, const QList<DefinicePole> &pole, const QString &coDrzi)
{
    t.Otevrit();
    if (t.Pole() != pole)
        throw ChybaTabulky(QStringLiteral("Tabulka %1: pole tabulky nejsou pole %2").arg(t.Jmeno(), coDrzi));
}

// Appends z to the table, creating the table with its definitions first when there is none
// (Tabulka::Zalozit). The record is stored whole or not at all; throws ChybaTabulky.
template <typename Z, typename Pole>
void Zapsat(const QString &jmeno, const QList<DefinicePole> &definice, const Z &z, Pole pole)
{
    if (!Tabulka::Existuje(jmeno))
        Tabulka::Zalozit(jmeno, definice);
    Tabulka t(jmeno);
    t.Otevrit();
    t.Vlozit();
    pole(z, [&t](const QString &nazev, const auto &hodnota) { t.Nastavit(nazev, hodnota); });
    t.Ulozit();
}

// The table's current record.
template <typename Z, typename Pole>
Z Precist(const Tabulka &t, Pole pole)
{
    Z z;
    pole(z, [&t](const QString &nazev, auto &hodnota) { t.Precist(nazev, hodnota); });
    return z;
}

} // namespace ZaznamTabulky

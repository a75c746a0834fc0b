#pragma once

#include "data/tabulka.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>

#include <variant>

// What the record types of the result tables share. A record type comes with the list of its table's
// fields, each with the member of the record it holds: the one list by which the table is defined,
// each field named, and a record written and read.
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

// One field of a table and the member of the record type Z that it holds.
template <typename Z>
struct PoleZaznamu {
    QString jmeno;
    TypPole typ = TypPole::Retezec;
    int velikost = 0; // characters, for strings only
    std::variant<QString Z::*, int Z::*, QDate Z::*, QTime Z::*, QDateTime Z::*> clen;
};

// A table's fields in their stored order.
template <typename Z>
using SeznamPoli = QList<PoleZaznamu<Z>>;

// The table's definition.
template <typename Z>
QList<DefinicePole> Definice(const SeznamPoli<Z> &pole)
{
    QList<DefinicePole> definice;
    for (const PoleZaznamu<Z> &p : pole)
        definice.append({p.jmeno, p.typ, p.velikost});
    return definice;
}

// The name of the field that holds the member; empty for a member no field holds.
template <typename Z, typename T>
const QString &Jmeno(const SeznamPoli<Z> &pole, T Z::*clen)
{
    for (const PoleZaznamu<Z> &p : pole)
        if (const auto *c = std::get_if<T Z::*>(&p.clen); c && *c == clen)
            return p.jmeno;
    static const QString zadne;
    return zadne;
}

// Appends z to the table, creating the table with its definition first when there is none
// (Tabulka::Zalozit). The record is stored whole or not at all; throws ChybaTabulky.
template <typename Z>
void Zapsat(const QString &jmeno, const SeznamPoli<Z> &pole, const Z &z)
{
    if (!Tabulka::Existuje(jmeno))
        Tabulka::Zalozit(jmeno, Definice(pole));
    Tabulka t(jmeno);
    t.Otevrit();
    t.Vlozit();
    for (const PoleZaznamu<Z> &p : pole)
        std::visit([&](auto clen) { t.Nastavit(p.jmeno, z.*clen); }, p.clen);
    t.Ulozit();
}

// The table's current record.
template <typename Z>
Z Precist(const Tabulka &t, const SeznamPoli<Z> &pole)
{
    Z z;
    for (const PoleZaznamu<Z> &p : pole)
        std::visit([&](auto clen) { t.Precist(p.jmeno, z.*clen); }, p.clen);
    return z;
}

} // namespace ZaznamTabulky

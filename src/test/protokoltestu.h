#pragma once

#include "data/tabulka.h"
#include "data/zaznamtabulky.h"
#include "test/sestaveni.h"
#include "test/vysledektestu.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// One record of the table "Protokoly": the protocol of an evaluated points test as the test window
// stores it and the test list and the printable protocol read it back. Its four memos hold 25
// tokens each, one per position, joined by single blanks (Tokeny).
struct ZaznamProtokolu {
    QString Profil;
    QDateTime DatumACas; // when the countdown started
    QString Skupina;
    QString DelkaTestu; // "12:05"
    int Spravne = 0, PocetBodu = 0, MinPocetBodu = 0;
    QString Verdikt;
    QString Body, Odpoved, SpravnaOdpoved, SkutCis;
    bool operator==(const ZaznamProtokolu &) const = default;
};

// The protocols of points tests, written once per evaluated test.
namespace ProtokolTestu {

inline const QString JmenoTabulky = QStringLiteral("Protokoly");

// The twelve fields in their stored order, each with the member of the record it holds.
const ZaznamTabulky::SeznamPoli<ZaznamProtokolu> &Pole();
QList<DefinicePole> PoleTabulky();

// Each field's name, as the list gives it.
inline const QString &Profil = ZaznamTabulky::Jmeno(Pole(), &ZaznamProtokolu::Profil);
inline const QString &DatumACas = ZaznamTabulky::Jmeno(Pole(), &ZaznamProtokolu::DatumACas);
inline const QString &Skupina = ZaznamTabulky::Jmeno(Pole(), &ZaznamProtokolu::Skupina);
inline const QString &PocetBodu = ZaznamTabulky::Jmeno(Pole(), &ZaznamProtokolu::PocetBodu);
inline const QString &Verdikt = ZaznamTabulky::Jmeno(Pole(), &ZaznamProtokolu::Verdikt);

// "Prošel" when the points reach the minimum, otherwise "Neprošel".
QString TextVerdiktu(int pocetBodu, int minPocetBodu);

// The memos Body, Odpoved, SpravnaOdpoved and SkutCis of the positions, in this order.
std::array<QString, 4> Mema(const PolozkyTestu &polozky);

struct Udaje {
    QString profil;
    QDateTime datumACas; // when the countdown started
    QString skupina;
    int zbyvaSekund = 0;
    VysledekTestu::Skore skore;
    int minPocetBodu = 0;
    PolozkyTestu polozky;
};

// The record of an evaluated test.
ZaznamProtokolu Zaznam(const Udaje &udaje);

// Appends the record, creating the table with its fields first when there is none. A failure of
// the store throws ChybaTabulky; the record is then not stored and earlier records stay as they were.
void Zapsat(const ZaznamProtokolu &z);

// The table's current record.
ZaznamProtokolu Precist(const Tabulka &t);

} // namespace ProtokolTestu

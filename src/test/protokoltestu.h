#pragma once

#include "data/tabulka.h"
#include "test/sestaveni.h"
#include "test/vysledektestu.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The protocol of an evaluated points test: one record of the table "Protokoly", written once.
// Its four memos hold 25 tokens each, one per position, joined by single blanks (Tokeny).
namespace ProtokolTestu {

inline const QString JmenoTabulky = QStringLiteral("Protokoly");

enum Pole { Profil, DatumACas, Skupina, DelkaTestu, Spravne, PocetBodu, MinPocetBodu, Verdikt,
            Body, Odpoved, SpravnaOdpoved, SkutCis, PocetPoli };
QString JmenoPole(Pole pole);
// The twelve fields in their stored order.
QList<DefinicePole> PoleTabulky();

inline constexpr int DelkaProfilu = 30;

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

// Appends the record, creating the table with its fields first when there is none. A failure of
// the store throws ChybaTabulky; the record is then not stored and earlier records stay as they were.
void UlozProtokol(const Udaje &udaje);

} // namespace ProtokolTestu

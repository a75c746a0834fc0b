#pragma once

#include "data/tabulka.h"
#include "data/zaznamtabulky.h"
#include "practice/beh.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

// One record of the results table: a practice or examination run as the evaluation stores it and
// the results list, its detail and the replay read it back.
struct ZaznamVysledku {
    QString TypTestu, Profil;
    QDate Datum;
    QTime Cas;
    QString Skupina, Kategorie;
    int PocetOtazek = 0, Spatne = 0;
    QString SpatneCisla;
    int SNapovedou = 0;
    QString SNapovedouCisla;
    int Uspesnost = 0;

    // Not stored: the questions neither wrong nor hinted.
    int Spravnych() const { return PocetOtazek - Spatne - SNapovedou; }
    bool operator==(const ZaznamVysledku &) const = default;
};

// The results table of practice and examination runs, "Vysledky" in the working directory: one
// record per evaluated run, only ever appended to here.
namespace Vysledky {

inline const QString JmenoTabulky = QStringLiteral("Vysledky");

// The table's fields in their stored order, each with the member of the record it holds.
const ZaznamTabulky::SeznamPoli<ZaznamVysledku> &Pole();
QList<DefinicePole> PoleTabulky();

// Each field's name, as the list gives it.
inline const QString &TypTestu = ZaznamTabulky::Jmeno(Pole(), &ZaznamVysledku::TypTestu);
inline const QString &Profil = ZaznamTabulky::Jmeno(Pole(), &ZaznamVysledku::Profil);
inline const QString &Datum = ZaznamTabulky::Jmeno(Pole(), &ZaznamVysledku::Datum);
inline const QString &Cas = ZaznamTabulky::Jmeno(Pole(), &ZaznamVysledku::Cas);
inline const QString &Skupina = ZaznamTabulky::Jmeno(Pole(), &ZaznamVysledku::Skupina);
inline const QString &Kategorie = ZaznamTabulky::Jmeno(Pole(), &ZaznamVysledku::Kategorie);
inline const QString &PocetOtazek = ZaznamTabulky::Jmeno(Pole(), &ZaznamVysledku::PocetOtazek);
inline const QString &Spatne = ZaznamTabulky::Jmeno(Pole(), &ZaznamVysledku::Spatne);
inline const QString &SpatneCisla = ZaznamTabulky::Jmeno(Pole(), &ZaznamVysledku::SpatneCisla);
inline const QString &SNapovedou = ZaznamTabulky::Jmeno(Pole(), &ZaznamVysledku::SNapovedou);
inline const QString &SNapovedouCisla = ZaznamTabulky::Jmeno(Pole(), &ZaznamVysledku::SNapovedouCisla);
inline const QString &Uspesnost = ZaznamTabulky::Jmeno(Pole(), &ZaznamVysledku::Uspesnost);

// The TypTestu of a run: "Procvičování" or "Zkoušení".
QString TextTypu(DruhBehu druh);

// What the evaluation of a run does about its record: the protocol switch of its kind is off, a
// replay of wrong answers asks the user first, any other run is written.
enum class Zapis { Vypnuto, ZeptatSe, Zapsat };
Zapis RozhodnoutOZapisu(const BehOtazek &beh, const Konfigurace &nastaveni);

// Appends the record, creating the table first when there is none (built under the name
// "Vysledky-nova" and then moved into place, so that a crash never leaves half a table). The
// record is stored whole or not at all; an existing file is never replaced. Throws ChybaTabulky
// with the store's text.
void Zapsat(const ZaznamVysledku &z);

// The table's current record.
ZaznamVysledku Precist(const Tabulka &t);

} // namespace Vysledky

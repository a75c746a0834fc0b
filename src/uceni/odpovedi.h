#pragma once

#include "data/tabulka.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

#include <functional>

// Every judged answer of every profile, "Odpovedi" in the working directory: one record per
// answer, appended the moment it is judged and never changed. Fields in this order:
//   Profil     string 30   the active profile
//   Otazka     integer     the question number
//   DatumACas  integer     local date and time of the answer, its digits yyyyMMddHHmmsszzz as one
//                          number (20260601163015123): read without parsing any text, and plain to
//                          read in any SQLite tool
//   Vysledek   integer     the outcome, a value of Odpovedi::Vysledek
//   Zdroj      integer     where the answer was given, a value of Odpovedi::Zdroj
// The table has an index over Profil carrying the other fields, so that one profile's answers are
// read from the index alone, in the order they were given, without the others.
namespace Odpovedi {

inline const QString JmenoTabulky = QStringLiteral("Odpovedi");

// The fields in their stored order: the one list by which the table and its index are made and each
// field is named.
const QList<DefinicePole> &PoleTabulky();

namespace Pole {
inline const QString &Profil = PoleTabulky()[0].jmeno;
inline const QString &Otazka = PoleTabulky()[1].jmeno;
inline const QString &DatumACas = PoleTabulky()[2].jmeno;
inline const QString &Vysledek = PoleTabulky()[3].jmeno;
inline const QString &Zdroj = PoleTabulky()[4].jmeno;
} // namespace Pole

// The stored codes: never renumbered.
enum class Vysledek : quint8 {
    Spravne = 1,       // right
    Spatne = 2,        // wrong
    SNapovedou = 3,    // right after the hint was shown
    Nezodpovezeno = 4, // a position of the points test or the mock exam left unanswered
};

enum class Zdroj : quint8 {
    Procvicovani = 1,
    Zkouseni = 2,
    Test = 3,    // the points test
    Oprava = 4,  // a replay of the wrong questions
    Zkouska = 5, // the mock exam
};

// One answer, as the writer stores it and the readers get it (the profile is the table's filter).
struct Odpoved {
    QDate datum;
    QTime cas;
    int otazka = 0;
    Vysledek vysledek = Vysledek::Spravne;
    Zdroj zdroj = Zdroj::Procvicovani;
};

// The table's index: Profil, carrying the other fields.
QStringList RejstrikTabulky();

// The stored form of a moment (DatumACas above), and back: false when the number is no valid moment.
qint64 KodCasu(const QDate &datum, const QTime &cas);
bool CasZKodu(qint64 kod, QDate &datum, QTime &cas);

// Appends the answer of the profile (cut to the field's 30 characters), creating the table first
// when there is none: built as "Odpovedi-nova" and moved into place, so that a crash never leaves
// half a table. The record is stored whole or not at all; an existing file is never replaced.
// Throws ChybaTabulky with the store's text.
void Zapsat(const QString &profil, const Odpoved &odpoved);
// The same for several answers in the order given, through one opening of the table: each is stored
// whole or not at all, and ulozena (when given) is told of each once it is stored. The first that
// cannot be stored ends the writing and is thrown; those before it stay stored.
void Zapsat(const QString &profil, const QList<Odpoved> &odpovedi,
            const std::function<void(const Odpoved &)> &ulozena = {});

// Hands over the profile's answers in the order they were stored, in one pass of the engine over
// them. Nothing when the table does not exist. A record that holds no valid answer (an unknown
// code, a question number outside 1..757, a broken date) is skipped and counted in *preskoceno.
// Throws ChybaTabulky when the table cannot be read or is not this table.
void Precist(const QString &profil, const std::function<void(const Odpoved &)> &odpoved, int *preskoceno = nullptr);

} // namespace Odpovedi

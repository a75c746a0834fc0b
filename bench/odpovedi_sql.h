#pragma once

// Shared by the benchmarks of the memory of answers: Odpovedi filled at the size of a school through
// plain SQLite statements in one transaction (the store would take a transaction per answer) and
// the floor of reading one profile's answers.
#include "mereni.h"

#include "data/adresare.h"
#include "uceni/odpovedi.h"

namespace BenchOdpovedi {

using namespace Mereni;

// Odpovedi.DB with Odpovedi.MB attached, as the store opens them, in the learner's directory.
inline Sqlite::Spojeni Otevrit() { return OtevritTabulku(Adresare::Uzivatele(Odpovedi::JmenoTabulky)); }

// Creates the table as the program does and stores pocet answers, the i-th being the answer and
// profile that `odpoved` gives for it, in one transaction.
inline void Zapsat(int pocet, const std::function<Odpovedi::Odpoved(int i, QString &profil)> &odpoved)
{
    Tabulka::Zalozit(Odpovedi::JmenoTabulky, Odpovedi::PoleTabulky(), {Odpovedi::RejstrikTabulky()});
    const Sqlite::Spojeni db = Otevrit();
    Provest(db.get(), "BEGIN");
    Prikaz z(db.get(), "INSERT INTO zaznamy(Profil, Otazka, DatumACas, Vysledek, Zdroj) VALUES(?, ?, ?, ?, ?)");
    Prikaz m(db.get(), "INSERT INTO mb.memo(id) VALUES(?)");
    QString profil;
    for (int i = 0; i < pocet; ++i) {
        const Odpovedi::Odpoved o = odpoved(i, profil);
        z.Text(1, profil);
        z.Cislo(2, o.otazka);
        z.Cislo(3, Odpovedi::KodCasu(o.datum, o.cas));
        z.Cislo(4, static_cast<int>(o.vysledek));
        z.Cislo(5, static_cast<int>(o.zdroj));
        z.Krok();
        m.Cislo(1, sqlite3_last_insert_rowid(db.get()));
        m.Krok();
    }
    Provest(db.get(), "COMMIT");
}

// The floor of reading: the profile's rows in one plain statement, every value touched; returns
// their sum so that nothing is optimised away.
inline qint64 PodlahaCteni(const QString &profil)
{
    qint64 soucet = 0;
    const Sqlite::Spojeni db = Otevrit();
    Prikaz d(db.get(), "SELECT Otazka, DatumACas, Vysledek, Zdroj FROM zaznamy WHERE Profil = ? ORDER BY id");
    d.Text(1, profil);
    while (sqlite3_step(d.get()) == SQLITE_ROW)
        soucet += sqlite3_column_int(d.get(), 0) + sqlite3_column_int64(d.get(), 1) + sqlite3_column_int(d.get(), 2)
                  + sqlite3_column_int(d.get(), 3);
    return soucet;
}

} // namespace BenchOdpovedi

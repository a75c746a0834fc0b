#pragma once

// Shared by the benchmarks of the memory of answers: the learners' names, Odpovedi filled at the size
// of a school through plain SQLite statements in one transaction (the store would take a transaction
// per answer), the floor of reading one profile's answers, and medians of timed runs.
#include "data/adresare.h"
#include "uceni/odpovedi.h"

#include <QElapsedTimer>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace BenchOdpovedi {

// The i-th learner of the school: "Žák 07".
inline QString Profil(int i) { return QStringLiteral("Žák %1").arg(i, 2, 10, QChar(u'0')); }

struct ZavritDb {
    void operator()(sqlite3 *db) const { sqlite3_close_v2(db); }
};
using Spojeni = std::unique_ptr<sqlite3, ZavritDb>;
struct UkoncitDotaz {
    void operator()(sqlite3_stmt *s) const { sqlite3_finalize(s); }
};
using Dotaz = std::unique_ptr<sqlite3_stmt, UkoncitDotaz>;

[[noreturn]] inline void Selhani(sqlite3 *db)
{
    std::fprintf(stderr, "SQLite: %s\n", sqlite3_errmsg(db));
    std::exit(1);
}

inline void Provest(sqlite3 *db, const char *sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        Selhani(db);
}

inline Dotaz Pripravit(sqlite3 *db, const char *sql)
{
    sqlite3_stmt *s = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &s, nullptr) != SQLITE_OK)
        Selhani(db);
    return Dotaz(s);
}

inline void Text(sqlite3_stmt *s, int i, const QString &t)
{
    const QByteArray u = t.toUtf8();
    sqlite3_bind_text(s, i, u.constData(), int(u.size()), SQLITE_TRANSIENT);
}

// Odpovedi.DB with Odpovedi.MB attached, as the store opens them, in the learner's directory.
inline Spojeni Otevrit()
{
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(Adresare::Uzivatele(QStringLiteral("Odpovedi.DB")).toUtf8().constData(), &db,
                        SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        Selhani(db);
    Spojeni s(db);
    Dotaz pripojit = Pripravit(db, "ATTACH ? AS mb");
    Text(pripojit.get(), 1, Adresare::Uzivatele(QStringLiteral("Odpovedi.MB")));
    if (sqlite3_step(pripojit.get()) != SQLITE_DONE)
        Selhani(db);
    return s;
}

// Creates the table as the program does and stores pocet answers, the i-th being the answer and
// profile that `odpoved` gives for it, in one transaction.
inline void Zapsat(int pocet, const std::function<Odpovedi::Odpoved(int i, QString &profil)> &odpoved)
{
    Tabulka::Zalozit(Odpovedi::JmenoTabulky, Odpovedi::PoleTabulky(), {Odpovedi::RejstrikTabulky()});
    Spojeni db = Otevrit();
    Provest(db.get(), "BEGIN");
    Dotaz z = Pripravit(db.get(), "INSERT INTO zaznamy(Profil, Otazka, DatumACas, Vysledek, Zdroj) VALUES(?, ?, ?, ?, ?)");
    Dotaz m = Pripravit(db.get(), "INSERT INTO mb.memo(id) VALUES(?)");
    QString profil;
    for (int i = 0; i < pocet; ++i) {
        const Odpovedi::Odpoved o = odpoved(i, profil);
        Text(z.get(), 1, profil);
        sqlite3_bind_int(z.get(), 2, o.otazka);
        sqlite3_bind_int64(z.get(), 3, Odpovedi::KodCasu(o.datum, o.cas));
        sqlite3_bind_int(z.get(), 4, static_cast<int>(o.vysledek));
        sqlite3_bind_int(z.get(), 5, static_cast<int>(o.zdroj));
        if (sqlite3_step(z.get()) != SQLITE_DONE)
            Selhani(db.get());
        sqlite3_reset(z.get());
        sqlite3_bind_int64(m.get(), 1, sqlite3_last_insert_rowid(db.get()));
        if (sqlite3_step(m.get()) != SQLITE_DONE)
            Selhani(db.get());
        sqlite3_reset(m.get());
    }
    Provest(db.get(), "COMMIT");
}

// The floor of reading: the profile's rows in one plain statement, every value touched; returns
// their sum so that nothing is optimised away.
inline qint64 PodlahaCteni(const QString &profil)
{
    qint64 soucet = 0;
    Spojeni db = Otevrit();
    Dotaz d = Pripravit(db.get(), "SELECT Otazka, DatumACas, Vysledek, Zdroj FROM zaznamy WHERE Profil = ? ORDER BY id");
    Text(d.get(), 1, profil);
    while (sqlite3_step(d.get()) == SQLITE_ROW)
        soucet += sqlite3_column_int(d.get(), 0) + sqlite3_column_int64(d.get(), 1) + sqlite3_column_int(d.get(), 2)
                  + sqlite3_column_int(d.get(), 3);
    return soucet;
}

inline double Ms(const std::function<void()> &f)
{
    QElapsedTimer t;
    t.start();
    f();
    return double(t.nsecsElapsed()) / 1e6;
}

inline double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

inline int Behu(const char *promenna, int vychozi)
{
    const int n = qEnvironmentVariableIntValue(promenna);
    return n > 0 ? n : vychozi;
}

} // namespace BenchOdpovedi

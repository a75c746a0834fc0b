#pragma once

// What the benchmarks share: timing and medians, the number of runs asked for, the learners' names,
// and the engine's own connections and statements (tests/spolecne/sqlite.h) for filling the tables
// at size and for the floors, any failure of which ends the benchmark with the engine's text.
#include "casprocesoru.h"
#include "sqlite.h"

#include <QElapsedTimer>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace Mereni {

// The i-th learner of the school: "Žák 07".
inline QString Profil(int i) { return QStringLiteral("Žák %1").arg(i, 2, 10, QChar(u'0')); }

inline double Ms(const std::function<void()> &f)
{
    QElapsedTimer t;
    t.start();
    f();
    return double(t.nsecsElapsed()) / 1e6;
}

// The runs the environment variable asks for, or vychozi.
inline int Behu(const char *promenna, int vychozi)
{
    const int n = qEnvironmentVariableIntValue(promenna);
    return n > 0 ? n : vychozi;
}

[[noreturn]] inline void Selhani(const QString &text)
{
    std::fprintf(stderr, "SQLite: %s\n", qPrintable(text));
    std::exit(1);
}

inline void Provest(sqlite3 *db, const char *sql)
{
    if (const QString chyba = Sqlite::Provest(db, sql); !chyba.isEmpty())
        Selhani(chyba);
}

// NAME.DB with NAME.MB attached as "mb", as the store opens a table.
inline Sqlite::Spojeni OtevritTabulku(const QString &jmeno)
{
    QString chyba;
    Sqlite::Spojeni db = Sqlite::OtevritTabulku(jmeno, &chyba);
    if (!chyba.isEmpty())
        Selhani(chyba);
    return db;
}

// A prepared statement, its parameters bound by position.
class Prikaz {
public:
    Prikaz(sqlite3 *db, const char *sql) : m_db(db), m_dotaz(Sqlite::Pripravit(db, sql))
    {
        if (!m_dotaz)
            Selhani(Sqlite::Chyba(db));
    }
    sqlite3_stmt *get() const { return m_dotaz.get(); }
    void Text(int i, const QString &text) { Sqlite::VazatText(m_dotaz.get(), i, text); }
    void Cislo(int i, qint64 cislo) { sqlite3_bind_int64(m_dotaz.get(), i, cislo); }
    // Runs a statement that gives no rows, and makes it ready to run again.
    void Krok()
    {
        if (sqlite3_step(m_dotaz.get()) != SQLITE_DONE)
            Selhani(Sqlite::Chyba(m_db));
        sqlite3_reset(m_dotaz.get());
    }

private:
    sqlite3 *m_db;
    Sqlite::Dotaz m_dotaz;
};

} // namespace Mereni

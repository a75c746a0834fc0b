#pragma once

// The engine's own connections and statements, for the tests and benchmarks that look into a
// table's files, or fill them faster than the store would: each handle closed with its object,
// each failure given back as the engine's text.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <sqlite3.h>

#include <memory>

namespace Sqlite {

struct ZavritDb {
    void operator()(sqlite3 *db) const { sqlite3_close_v2(db); }
};
using Spojeni = std::unique_ptr<sqlite3, ZavritDb>;

struct UkoncitDotaz {
    void operator()(sqlite3_stmt *s) const { sqlite3_finalize(s); }
};
using Dotaz = std::unique_ptr<sqlite3_stmt, UkoncitDotaz>;

// The file opened; a connection that failed still says why (Chyba).
inline Spojeni Pripojit(const QString &soubor, int priznaky = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(QFile::encodeName(soubor).constData(), &db, priznaky, nullptr);
    return Spojeni(db);
}

inline QString Chyba(sqlite3 *db) { return QString::fromUtf8(sqlite3_errmsg(db)); }

// Runs the statements: the engine's text for the first that failed, empty when all ran.
inline QString Provest(sqlite3 *db, const char *sql)
{
    char *chyba = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &chyba);
    const QString text = rc == SQLITE_OK ? QString() : chyba ? QString::fromUtf8(chyba) : Chyba(db);
    sqlite3_free(chyba);
    return text;
}

// The statement prepared, or none (Chyba says why).
inline Dotaz Pripravit(sqlite3 *db, const char *sql)
{
    sqlite3_stmt *s = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &s, nullptr);
    return Dotaz(s);
}

inline void VazatText(sqlite3_stmt *s, int i, const QString &text)
{
    const QByteArray u = text.toUtf8();
    sqlite3_bind_text(s, i, u.constData(), int(u.size()), SQLITE_TRANSIENT);
}

// NAME.DB with NAME.MB attached as "mb", as the store opens a table; *chyba (empty on success) says
// what failed.
inline Spojeni OtevritTabulku(const QString &jmeno, QString *chyba)
{
    Spojeni db = Pripojit(jmeno + QStringLiteral(".DB"), SQLITE_OPEN_READWRITE);
    const Dotaz pripojit = Pripravit(db.get(), "ATTACH ? AS mb");
    bool pripojeno = pripojit != nullptr;
    if (pripojeno) {
        VazatText(pripojit.get(), 1, jmeno + QStringLiteral(".MB"));
        pripojeno = sqlite3_step(pripojit.get()) == SQLITE_DONE;
    }
    *chyba = pripojeno ? QString() : Chyba(db.get());
    return db;
}

} // namespace Sqlite

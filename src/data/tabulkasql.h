#pragma once

// The table store's dealings with the engine, shared by its parts: opening and checking the
// files, statements, and the transaction that covers both files of a table. Not for use outside
// the table store.
#include "data/tabulka.h"

#include <QByteArray>
#include <QStringList>
#include <QString>
#include <QVariant>

#include <sqlite3.h>

#include <memory>
#include <optional>

namespace TabulkaSql {

// Marks the files as tables of this program, so that a foreign SQLite file is refused.
inline constexpr int IdentitaSouboru = 0x53454D46; // "SEMF"
inline constexpr int VerzeFormatu = 1;

struct ZavritDb {
    void operator()(sqlite3 *db) const { sqlite3_close_v2(db); }
};
struct UkoncitDotaz {
    void operator()(sqlite3_stmt *s) const { sqlite3_finalize(s); }
};
using Dotaz = std::unique_ptr<sqlite3_stmt, UkoncitDotaz>;

inline const QString FormatDatumCas = QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz");
inline const QString FormatDatum = QStringLiteral("yyyy-MM-dd");
inline const QString FormatCas = QStringLiteral("HH:mm:ss.zzz");

QString ZakladniJmeno(const QString &jmeno);
QString SouborDb(const QString &jmeno);
QString SouborMb(const QString &jmeno);
QString Identifikator(const QString &jmeno);
// A URI that opens the file without ever creating it.
QByteArray UriSouboru(const QString &soubor, bool jenCteni);
const char *NazevTypu(TypPole typ);
std::optional<TypPole> TypZNazvu(const QByteArray &nazev);
QString Zprava(const QString &tabulka, const QString &co);
QString ChybaEnginu(sqlite3 *db);
// Runs one statement without results on a connection; throws with the engine's text.
void Provest(sqlite3 *db, const QString &tabulka, const char *sql);
Dotaz Pripravit(sqlite3 *db, const QString &tabulka, const QString &sql);
// The statement with its parameters bound in order, from the first.
Dotaz Pripravit(sqlite3 *db, const QString &tabulka, const QString &sql, const QVariantList &parametry);
QVariant Sloupec(sqlite3_stmt *s, int i);
int PragmaCislo(sqlite3 *db, const QString &tabulka, const QString &sql);
// The index over the fields is named after them.
QString JmenoRejstriku(const QStringList &pole);
QString PrikazRejstriku(const QStringList &pole, bool jenNeniLi = false);

// Rolls back a save of ours that a crash cut short, then recognises the pair before anything may
// write to it: the headers, then the schema through connections that change nothing. Throws with the
// reason, naming the file, for a pair that is not one of ours or cannot be used.
void ZkontrolovatDvojici(const QString &tabulka, const QString &db, const QString &mb);

// Deletes the super-journals beside the records file db: a commit of both files killed before either
// journal named its super-journal leaves one that nothing reads again. Only while a write
// transaction holds both files, so that no commit of another writer is under way and no journal
// left by a crash can still need one.
void UkliditSuperZurnaly(const QString &db);

// Keeps a transaction open until it is committed; rolls it back when left by an exception.
class Transakce {
public:
    Transakce(sqlite3 *db, const QString &tabulka) : m_db(db), m_tabulka(tabulka)
    {
        Provest(m_db, m_tabulka, "BEGIN IMMEDIATE");
    }
    ~Transakce()
    {
        if (!m_potvrzeno)
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    void Potvrdit()
    {
        if (sqlite3_txn_state(m_db, "main") == SQLITE_TXN_WRITE && sqlite3_txn_state(m_db, "mb") == SQLITE_TXN_WRITE)
            UkliditSuperZurnaly(SouborDb(m_tabulka));
        Provest(m_db, m_tabulka, "COMMIT");
        m_potvrzeno = true;
    }

private:
    sqlite3 *m_db;
    QString m_tabulka;
    bool m_potvrzeno = false;
};

} // namespace TabulkaSql

#include "data/tabulkasql.h"

#include "data/adresare.h"
#include "data/duvodsystemu.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace TabulkaSql {

QString ZakladniJmeno(const QString &jmeno)
{
    if (jmeno.endsWith(QStringLiteral(".DB"), Qt::CaseInsensitive))
        return jmeno.left(jmeno.size() - 3);
    return jmeno;
}

// Every table by a plain name is the learner's: it lies in their directory.
QString SouborDb(const QString &jmeno) { return Adresare::Uzivatele(ZakladniJmeno(jmeno) + QStringLiteral(".DB")); }
QString SouborMb(const QString &jmeno) { return Adresare::Uzivatele(ZakladniJmeno(jmeno) + QStringLiteral(".MB")); }

QString Identifikator(const QString &jmeno)
{
    QString s = jmeno;
    s.replace(u'"', QStringLiteral("\"\""));
    return u'"' + s + u'"';
}

// A URI that opens the file without ever creating it.
QByteArray UriSouboru(const QString &soubor, bool jenCteni)
{
    const QByteArray cesta = QUrl::toPercentEncoding(QFileInfo(soubor).absoluteFilePath(), "/");
    return "file:" + cesta + (jenCteni ? "?mode=ro" : "?mode=rw");
}

const char *NazevTypu(TypPole typ)
{
    switch (typ) {
    case TypPole::Retezec: return "retezec";
    case TypPole::Cele: return "cele";
    case TypPole::Datum: return "datum";
    case TypPole::Cas: return "cas";
    case TypPole::DatumCas: return "datumcas";
    case TypPole::Memo: return "memo";
    }
    return "retezec";
}

std::optional<TypPole> TypZNazvu(const QByteArray &nazev)
{
    for (TypPole t : {TypPole::Retezec, TypPole::Cele, TypPole::Datum, TypPole::Cas,
                      TypPole::DatumCas, TypPole::Memo})
        if (nazev == NazevTypu(t))
            return t;
    return std::nullopt;
}


QString Zprava(const QString &tabulka, const QString &co)
{
    return QStringLiteral("Tabulka %1: %2").arg(QFileInfo(ZakladniJmeno(tabulka)).fileName(), co);
}

namespace {

// The file of the pair the engine finds damaged, or nothing: asked only after a failure, so that no
// use of a sound table pays for the check.
QString PoskozenySoubor(sqlite3 *db)
{
    for (const char *schema : {"main", "mb"}) {
        const char *soubor = sqlite3_db_filename(db, schema);
        if (!soubor || !*soubor)
            continue;
        sqlite3_stmt *surovy = nullptr;
        const QByteArray sql = QByteArray("PRAGMA ") + schema + ".quick_check(1)";
        const bool prelozeno = sqlite3_prepare_v2(db, sql.constData(), -1, &surovy, nullptr) == SQLITE_OK;
        const Dotaz d(surovy);
        if (!prelozeno || sqlite3_step(d.get()) != SQLITE_ROW
            || qstrcmp(reinterpret_cast<const char *>(sqlite3_column_text(d.get(), 0)), "ok") != 0)
            return QFile::decodeName(soubor);
    }
    return {};
}

} // namespace

QString ChybaEnginu(sqlite3 *db)
{
    const QString text = QString::fromUtf8(sqlite3_errmsg(db));
    switch (sqlite3_extended_errcode(db) & 0xff) {
    case SQLITE_CANTOPEN:
    case SQLITE_IOERR:
    case SQLITE_FULL:
    case SQLITE_READONLY:
    case SQLITE_PERM:
        if (const int cislo = sqlite3_system_errno(db))
            return text + QStringLiteral(" (") + DuvodSystemu::Text(cislo) + u')';
        break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        // On a connection to both files of a table the text alone does not tell which one it is.
        if (sqlite3_db_filename(db, "mb"))
            if (const QString soubor = PoskozenySoubor(db); !soubor.isEmpty())
                return QStringLiteral("soubor %1 je poškozený (%2)").arg(soubor, text);
        break;
    default:
        break;
    }
    return text;
}

// Runs one statement without results on a connection; throws with the engine's text.
void Provest(sqlite3 *db, const QString &tabulka, const char *sql)
{
    char *chyba = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &chyba) != SQLITE_OK) {
        const QString text = QString::fromUtf8(chyba ? chyba : sqlite3_errmsg(db));
        sqlite3_free(chyba);
        throw ChybaTabulky(Zprava(tabulka, text));
    }
}

Dotaz Pripravit(sqlite3 *db, const QString &tabulka, const QString &sql)
{
    sqlite3_stmt *s = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db, utf8.constData(), static_cast<int>(utf8.size()), &s, nullptr) != SQLITE_OK)
        throw ChybaTabulky(Zprava(tabulka, ChybaEnginu(db)));
    return Dotaz(s);
}

namespace {

void Navazat(sqlite3_stmt *s, int i, const QVariant &v)
{
    if (!v.isValid() || v.isNull()) {
        sqlite3_bind_null(s, i);
    } else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong) {
        sqlite3_bind_int64(s, i, v.toLongLong());
    } else {
        const QByteArray utf8 = v.toString().toUtf8();
        sqlite3_bind_text(s, i, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
    }
}

} // namespace

Dotaz Pripravit(sqlite3 *db, const QString &tabulka, const QString &sql, const QVariantList &parametry)
{
    Dotaz d = Pripravit(db, tabulka, sql);
    for (int i = 0; i < parametry.size(); ++i)
        Navazat(d.get(), i + 1, parametry[i]);
    return d;
}

QVariant Sloupec(sqlite3_stmt *s, int i)
{
    switch (sqlite3_column_type(s, i)) {
    case SQLITE_NULL: return {};
    case SQLITE_INTEGER: return QVariant(static_cast<qlonglong>(sqlite3_column_int64(s, i)));
    default:
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, i)),
                                 sqlite3_column_bytes(s, i));
    }
}

int PragmaCislo(sqlite3 *db, const QString &tabulka, const QString &sql)
{
    Dotaz d = Pripravit(db, tabulka, sql);
    if (sqlite3_step(d.get()) != SQLITE_ROW)
        throw ChybaTabulky(Zprava(tabulka, ChybaEnginu(db)));
    return sqlite3_column_int(d.get(), 0);
}

QString JmenoRejstriku(const QStringList &pole) { return QStringLiteral("rejstrik ") + pole.join(u' '); }

// Ordered by the first field, then by the records' order, with the other fields after it: a view
// filtered by the first field is read from the index alone, already in the order the store reads in.
QString PrikazRejstriku(const QStringList &pole, bool jenNeniLi)
{
    QStringList sloupce;
    for (const QString &p : pole)
        sloupce << Identifikator(p);
    if (!sloupce.isEmpty())
        sloupce.insert(1, QStringLiteral("id"));
    return QStringLiteral("CREATE INDEX %1%2 ON zaznamy(%3)")
        .arg(jenNeniLi ? QStringLiteral("IF NOT EXISTS ") : QString(),
             Identifikator(JmenoRejstriku(pole)), sloupce.join(QStringLiteral(", ")));
}

} // namespace TabulkaSql

// Stored values as the user reads them: dates and times in Czech form.
QString Tabulka::ZobrazitHodnotu(TypPole typ, const QVariant &hodnota)
{
    const QString text = hodnota.toString();
    switch (typ) {
    case TypPole::DatumCas: {
        const QDateTime dt = QDateTime::fromString(text, TabulkaSql::FormatDatumCas);
        return dt.isValid() ? dt.toString(QStringLiteral("d.M.yyyy H:mm:ss")) : text;
    }
    case TypPole::Datum: {
        const QDate d = QDate::fromString(text, TabulkaSql::FormatDatum);
        return d.isValid() ? d.toString(QStringLiteral("d.M.yyyy")) : text;
    }
    case TypPole::Cas: {
        const QTime t = QTime::fromString(text, TabulkaSql::FormatCas);
        return t.isValid() ? t.toString(QStringLiteral("H:mm:ss")) : text;
    }
    default:
        return text;
    }
}

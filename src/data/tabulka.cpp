#include "data/tabulka.h"

#include "data/filtrvyraz.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <sqlite3.h>

#include <algorithm>
#include <optional>
#include <unordered_set>

namespace {

// Marks the files as tables of this program, so that a foreign SQLite file is refused.
constexpr int IdentitaSouboru = 0x53454D46; // "SEMF"
constexpr int VerzeFormatu = 1;

struct ZavritDb {
    void operator()(sqlite3 *db) const { sqlite3_close_v2(db); }
};
struct UkoncitDotaz {
    void operator()(sqlite3_stmt *s) const { sqlite3_finalize(s); }
};
using Dotaz = std::unique_ptr<sqlite3_stmt, UkoncitDotaz>;

QString ZakladniJmeno(const QString &jmeno)
{
    if (jmeno.endsWith(QStringLiteral(".DB"), Qt::CaseInsensitive))
        return jmeno.left(jmeno.size() - 3);
    return jmeno;
}

QString SouborDb(const QString &jmeno) { return ZakladniJmeno(jmeno) + QStringLiteral(".DB"); }
QString SouborMb(const QString &jmeno) { return ZakladniJmeno(jmeno) + QStringLiteral(".MB"); }

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

const QString FormatDatumCas = QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz");
const QString FormatDatum = QStringLiteral("yyyy-MM-dd");
const QString FormatCas = QStringLiteral("HH:mm:ss.zzz");

QString Zprava(const QString &tabulka, const QString &co)
{
    return QString::fromUtf8("Tabulka %1: %2").arg(ZakladniJmeno(tabulka), co);
}

QString ChybaEnginu(sqlite3 *db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
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
        Provest(m_db, m_tabulka, "COMMIT");
        m_potvrzeno = true;
    }

private:
    sqlite3 *m_db;
    QString m_tabulka;
    bool m_potvrzeno = false;
};

} // namespace

ChybaTabulky::ChybaTabulky(const QString &text)
    : std::runtime_error(text.toStdString()), m_text(text)
{
}

QVariant Zaznam::Hodnota(const QString &pole) const
{
    return m_tabulka.HodnotaRadku(m_radek, m_tabulka.IndexPoleNeboChyba(pole));
}

QString Zaznam::Text(const QString &pole) const { return Hodnota(pole).toString(); }
int Zaznam::Cislo(const QString &pole) const { return Hodnota(pole).toInt(); }

Tabulka::Tabulka(const QString &jmeno) : m_jmeno(ZakladniJmeno(jmeno)) {}

Tabulka::~Tabulka() { Zavrit(); }

void Tabulka::NastavitJmeno(const QString &jmeno)
{
    if (Otevreno())
        throw ChybaTabulky(Zprava(m_jmeno, QString::fromUtf8("nelze přejmenovat otevřenou tabulku")));
    m_jmeno = ZakladniJmeno(jmeno);
}

bool Tabulka::Existuje(const QString &jmeno) { return QFileInfo::exists(SouborDb(jmeno)); }

void Tabulka::Vytvorit(const QString &jmeno, const QList<DefinicePole> &pole)
{
    const QString db = SouborDb(jmeno), mb = SouborMb(jmeno);
    if (QFileInfo::exists(db) || QFileInfo::exists(mb))
        throw ChybaTabulky(Zprava(jmeno, QString::fromUtf8("tabulka již existuje")));

    QString zaznamy = QStringLiteral("CREATE TABLE zaznamy(id INTEGER PRIMARY KEY AUTOINCREMENT");
    QString memo = QStringLiteral("CREATE TABLE memo(id INTEGER PRIMARY KEY");
    for (const DefinicePole &p : pole) {
        if (p.typ == TypPole::Memo)
            memo += QStringLiteral(", ") + Identifikator(p.jmeno) + QStringLiteral(" TEXT");
        else
            zaznamy += QStringLiteral(", ") + Identifikator(p.jmeno)
                       + (p.typ == TypPole::Cele ? QStringLiteral(" INTEGER") : QStringLiteral(" TEXT"));
    }
    zaznamy += u')';
    memo += u')';

    auto vytvoritSoubor = [&](const QString &soubor, const QList<QString> &prikazy) {
        sqlite3 *surove = nullptr;
        const int rc = sqlite3_open_v2(QFile::encodeName(soubor).constData(), &surove,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        std::unique_ptr<sqlite3, ZavritDb> spojeni(surove);
        if (rc != SQLITE_OK)
            throw ChybaTabulky(Zprava(jmeno, surove ? ChybaEnginu(surove)
                                                    : QString::fromUtf8(sqlite3_errstr(rc))));
        Transakce t(spojeni.get(), jmeno);
        for (const QString &prikaz : prikazy)
            Provest(spojeni.get(), jmeno, prikaz.toUtf8().constData());
        t.Potvrdit();
    };

    QList<QString> prikazyDb{
        QStringLiteral("PRAGMA application_id = %1").arg(IdentitaSouboru),
        QStringLiteral("PRAGMA user_version = %1").arg(VerzeFormatu),
        QStringLiteral("CREATE TABLE pole(pozice INTEGER PRIMARY KEY, jmeno TEXT NOT NULL, "
                       "typ TEXT NOT NULL, velikost INTEGER NOT NULL)"),
        zaznamy};
    for (int i = 0; i < pole.size(); ++i) {
        QString nazev = pole[i].jmeno;
        nazev.replace(u'\'', QStringLiteral("''"));
        prikazyDb.append(QStringLiteral("INSERT INTO pole VALUES(%1, '%2', '%3', %4)")
                             .arg(i)
                             .arg(nazev, QString::fromLatin1(NazevTypu(pole[i].typ)))
                             .arg(pole[i].velikost));
    }
    const QList<QString> prikazyMb{QStringLiteral("PRAGMA application_id = %1").arg(IdentitaSouboru),
                                   QStringLiteral("PRAGMA user_version = %1").arg(VerzeFormatu), memo};
    try {
        vytvoritSoubor(mb, prikazyMb);
        vytvoritSoubor(db, prikazyDb);
    } catch (...) {
        // Only files this call made itself are removed: nothing existed before.
        QFile::remove(db);
        QFile::remove(mb);
        throw;
    }
}

void Tabulka::Otevrit(bool jenCteni)
{
    if (Otevreno())
        return;
    const QString db = SouborDb(m_jmeno), mb = SouborMb(m_jmeno);
    if (!QFileInfo::exists(db))
        throw ChybaTabulky(Zprava(m_jmeno, QString::fromUtf8("soubor %1 neexistuje").arg(db)));
    if (!QFileInfo::exists(mb))
        throw ChybaTabulky(Zprava(m_jmeno, QString::fromUtf8("soubor %1 neexistuje").arg(mb)));

    sqlite3 *surove = nullptr;
    const int rc = sqlite3_open_v2(UriSouboru(db, jenCteni).constData(), &surove,
                                   (jenCteni ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_URI,
                                   nullptr);
    std::unique_ptr<sqlite3, ZavritDb> spojeni(surove);
    if (rc != SQLITE_OK)
        throw ChybaTabulky(Zprava(m_jmeno, surove ? ChybaEnginu(surove) : QString::fromUtf8(sqlite3_errstr(rc))));
    sqlite3_busy_timeout(spojeni.get(), 2000);
    sqlite3_extended_result_codes(spojeni.get(), 1);

    {
        Dotaz pripojit = Pripravit(spojeni.get(), m_jmeno, QStringLiteral("ATTACH DATABASE ? AS mb"));
        const QByteArray uri = UriSouboru(mb, jenCteni);
        sqlite3_bind_text(pripojit.get(), 1, uri.constData(), static_cast<int>(uri.size()), SQLITE_TRANSIENT);
        if (sqlite3_step(pripojit.get()) != SQLITE_DONE)
            throw ChybaTabulky(Zprava(m_jmeno, ChybaEnginu(spojeni.get())));
    }

    const QString cizi = QString::fromUtf8("soubor není tabulkou programu Semaforix");
    if (PragmaCislo(spojeni.get(), m_jmeno, QStringLiteral("PRAGMA main.application_id")) != IdentitaSouboru
        || PragmaCislo(spojeni.get(), m_jmeno, QStringLiteral("PRAGMA mb.application_id")) != IdentitaSouboru)
        throw ChybaTabulky(Zprava(m_jmeno, cizi));
    if (PragmaCislo(spojeni.get(), m_jmeno, QStringLiteral("PRAGMA main.user_version")) > VerzeFormatu)
        throw ChybaTabulky(Zprava(m_jmeno, QString::fromUtf8("tabulka pochází z novější verze programu")));

    QList<DefinicePole> pole;
    Dotaz d = Pripravit(spojeni.get(), m_jmeno,
                        QStringLiteral("SELECT jmeno, typ, velikost FROM pole ORDER BY pozice"));
    int krok;
    while ((krok = sqlite3_step(d.get())) == SQLITE_ROW) {
        const auto typ = TypZNazvu(QByteArray(reinterpret_cast<const char *>(sqlite3_column_text(d.get(), 1))));
        if (!typ)
            throw ChybaTabulky(Zprava(m_jmeno, cizi));
        pole.append({QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(d.get(), 0))), *typ,
                     sqlite3_column_int(d.get(), 2)});
    }
    if (krok != SQLITE_DONE)
        throw ChybaTabulky(Zprava(m_jmeno, ChybaEnginu(spojeni.get())));

    m_db = spojeni.release();
    m_jenCteni = jenCteni;
    m_pole = pole;
    try {
        NacistZaznamy();
    } catch (...) {
        Zavrit();
        throw;
    }
}

void Tabulka::Zavrit()
{
    if (!m_db)
        return;
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_radky.clear();
    m_pohled.clear();
    m_pozice = 0;
    m_vkladani = false;
}

void Tabulka::NacistZaznamy()
{
    QString sql = QStringLiteral("SELECT id");
    for (const DefinicePole &p : std::as_const(m_pole))
        if (p.typ != TypPole::Memo)
            sql += QStringLiteral(", ") + Identifikator(p.jmeno);
    sql += QStringLiteral(" FROM zaznamy ORDER BY id");
    Dotaz d = Pripravit(m_db, m_jmeno, sql);
    m_radky.clear();
    int krok;
    while ((krok = sqlite3_step(d.get())) == SQLITE_ROW) {
        Radek r{sqlite3_column_int64(d.get(), 0), {}};
        r.hodnoty.reserve(m_pole.size());
        int sloupec = 1;
        for (const DefinicePole &p : std::as_const(m_pole))
            r.hodnoty.append(p.typ == TypPole::Memo ? QVariant() : Sloupec(d.get(), sloupec++));
        m_radky.push_back(std::move(r));
    }
    if (krok != SQLITE_DONE)
        throw ChybaTabulky(Zprava(m_jmeno, ChybaEnginu(m_db)));
    Prefiltrovat();
}

int Tabulka::IndexPole(const QString &pole) const
{
    for (int i = 0; i < m_pole.size(); ++i)
        if (m_pole[i].jmeno == pole)
            return i;
    return -1;
}

int Tabulka::IndexPoleNeboChyba(const QString &pole) const
{
    const int i = IndexPole(pole);
    if (i < 0)
        throw ChybaTabulky(Zprava(m_jmeno, QString::fromUtf8("pole %1 neexistuje").arg(pole)));
    return i;
}

void Tabulka::NastavitPredikat(Predikat predikat)
{
    m_predikat = std::move(predikat);
    if (m_filtrovano)
        Prefiltrovat();
}

void Tabulka::NastavitFiltr(const QString &vyraz)
{
    QString chyba;
    if (!RozebratFiltr(vyraz, &chyba))
        throw ChybaTabulky(Zprava(m_jmeno, chyba));
    m_vyraz = vyraz;
    if (m_filtrovano)
        Prefiltrovat();
}

void Tabulka::NastavitFiltrovani(bool zapnuto)
{
    m_filtrovano = zapnuto;
    Prefiltrovat();
}

void Tabulka::Prefiltrovat()
{
    m_pohled.clear();
    m_pozice = 0;
    if (!Otevreno())
        return;

    // The expression runs in SQL with its texts bound as parameters, never spliced in.
    std::unordered_set<qint64> prijateVyrazem;
    bool vyrazPlati = false;
    if (m_filtrovano && !m_vyraz.trimmed().isEmpty()) {
        QString chyba;
        const auto vyraz = RozebratFiltr(m_vyraz, &chyba);
        if (!vyraz)
            throw ChybaTabulky(Zprava(m_jmeno, chyba));
        QString sql = QStringLiteral("SELECT id FROM zaznamy WHERE 1");
        for (const PodminkaFiltru &p : vyraz->podminky) {
            const int i = IndexPoleNeboChyba(p.pole);
            if (m_pole[i].typ == TypPole::Memo)
                throw ChybaTabulky(Zprava(m_jmeno, QString::fromUtf8("podle pole %1 nelze filtrovat").arg(p.pole)));
            sql += QStringLiteral(" AND ") + Identifikator(p.pole) + (p.rovno ? QStringLiteral(" = ?") : QStringLiteral(" <> ?"));
        }
        Dotaz d = Pripravit(m_db, m_jmeno, sql);
        for (int i = 0; i < vyraz->podminky.size(); ++i)
            Navazat(d.get(), i + 1, vyraz->podminky[i].hodnota);
        int krok;
        while ((krok = sqlite3_step(d.get())) == SQLITE_ROW)
            prijateVyrazem.insert(sqlite3_column_int64(d.get(), 0));
        if (krok != SQLITE_DONE)
            throw ChybaTabulky(Zprava(m_jmeno, ChybaEnginu(m_db)));
        vyrazPlati = true;
    }

    for (int i = 0; i < static_cast<int>(m_radky.size()); ++i) {
        if (m_filtrovano) {
            if (vyrazPlati && !prijateVyrazem.count(m_radky[i].id))
                continue;
            if (m_predikat && !m_predikat(Zaznam(*this, i)))
                continue;
        }
        m_pohled.push_back(i);
    }
}

void Tabulka::Prvni() { m_pozice = 0; }

void Tabulka::Posunout(int o) { PrejitNa(m_pozice + o); }

void Tabulka::PrejitNa(int pozice)
{
    m_pozice = std::clamp(pozice, 0, std::max(0, PocetZaznamu() - 1));
}

int Tabulka::AktualniRadek() const
{
    if (m_pohled.empty())
        throw ChybaTabulky(Zprava(m_jmeno, QString::fromUtf8("žádný aktuální záznam")));
    return m_pohled[static_cast<size_t>(m_pozice)];
}

QVariant Tabulka::HodnotaRadku(int radek, int pole) const
{
    const Radek &r = m_radky[static_cast<size_t>(radek)];
    if (m_pole[pole].typ != TypPole::Memo)
        return r.hodnoty[pole];
    Dotaz d = Pripravit(m_db, m_jmeno,
                        QStringLiteral("SELECT %1 FROM mb.memo WHERE id = ?").arg(Identifikator(m_pole[pole].jmeno)));
    sqlite3_bind_int64(d.get(), 1, r.id);
    const int krok = sqlite3_step(d.get());
    if (krok == SQLITE_ROW)
        return Sloupec(d.get(), 0).toString();
    if (krok == SQLITE_DONE)
        return QString();
    throw ChybaTabulky(Zprava(m_jmeno, ChybaEnginu(m_db)));
}

QVariant Tabulka::Hodnota(const QString &pole) const { return HodnotaRadku(AktualniRadek(), IndexPoleNeboChyba(pole)); }

QVariant Tabulka::Hodnota(int pozice) const
{
    if (pozice < 0 || pozice >= m_pole.size())
        throw ChybaTabulky(Zprava(m_jmeno, QString::fromUtf8("pole na pozici %1 neexistuje").arg(pozice)));
    return HodnotaRadku(AktualniRadek(), pozice);
}

QString Tabulka::Text(const QString &pole) const { return Hodnota(pole).toString(); }
QString Tabulka::Text(int pozice) const { return Hodnota(pozice).toString(); }
int Tabulka::Cislo(const QString &pole) const { return Hodnota(pole).toInt(); }

QDateTime Tabulka::DatumCas(const QString &pole) const
{
    return QDateTime::fromString(Text(pole), FormatDatumCas);
}

QString Tabulka::ZobrazitHodnotu(TypPole typ, const QVariant &hodnota)
{
    const QString text = hodnota.toString();
    switch (typ) {
    case TypPole::DatumCas: {
        const QDateTime dt = QDateTime::fromString(text, FormatDatumCas);
        return dt.isValid() ? dt.toString(QStringLiteral("d.M.yyyy H:mm:ss")) : text;
    }
    case TypPole::Datum: {
        const QDate d = QDate::fromString(text, FormatDatum);
        return d.isValid() ? d.toString(QStringLiteral("d.M.yyyy")) : text;
    }
    case TypPole::Cas: {
        const QTime t = QTime::fromString(text, FormatCas);
        return t.isValid() ? t.toString(QStringLiteral("H:mm:ss")) : text;
    }
    default:
        return text;
    }
}

QList<QVariantList> Tabulka::HodnotyPohledu(const QStringList &pole) const
{
    QList<int> indexy;
    for (const QString &p : pole) {
        const int i = IndexPoleNeboChyba(p);
        if (m_pole[i].typ == TypPole::Memo)
            throw ChybaTabulky(Zprava(m_jmeno, QStringLiteral("pole %1 nelze číst hromadně").arg(p)));
        indexy.append(i);
    }
    QList<QVariantList> vysledek;
    vysledek.reserve(static_cast<qsizetype>(m_pohled.size()));
    for (int radek : m_pohled) {
        QVariantList hodnoty;
        for (int i : std::as_const(indexy))
            hodnoty.append(m_radky[static_cast<size_t>(radek)].hodnoty[i]);
        vysledek.append(hodnoty);
    }
    return vysledek;
}

QString Tabulka::ZobrazitelnyText(int pozice, const QString &pole) const
{
    const int i = IndexPoleNeboChyba(pole);
    return ZobrazitHodnotu(m_pole[i].typ, HodnotaRadku(m_pohled.at(static_cast<size_t>(pozice)), i));
}

void Tabulka::Vlozit()
{
    if (!Otevreno())
        throw ChybaTabulky(Zprava(m_jmeno, QString::fromUtf8("tabulka není otevřena")));
    m_vkladani = true;
    m_novy = QVariantList(m_pole.size());
}

void Tabulka::Nastavit(const QString &pole, const QVariant &hodnota)
{
    if (!m_vkladani)
        throw ChybaTabulky(Zprava(m_jmeno, QString::fromUtf8("záznam není ve vkládání")));
    const int i = IndexPoleNeboChyba(pole);
    const DefinicePole &p = m_pole[i];
    switch (p.typ) {
    case TypPole::Retezec: m_novy[i] = hodnota.toString().left(p.velikost); break;
    case TypPole::Cele: m_novy[i] = QVariant(hodnota.toLongLong()); break;
    case TypPole::DatumCas: m_novy[i] = hodnota.toDateTime().toString(FormatDatumCas); break;
    case TypPole::Datum: m_novy[i] = hodnota.toDate().toString(FormatDatum); break;
    case TypPole::Cas: m_novy[i] = hodnota.toTime().toString(FormatCas); break;
    case TypPole::Memo: m_novy[i] = hodnota.toString(); break;
    }
}

void Tabulka::Ulozit()
{
    if (!m_vkladani)
        throw ChybaTabulky(Zprava(m_jmeno, QString::fromUtf8("záznam není ve vkládání")));
    QString sloupce, otazniky, sloupceMemo, otaznikyMemo;
    QVariantList hodnoty, hodnotyMemo;
    for (int i = 0; i < m_pole.size(); ++i) {
        if (m_pole[i].typ == TypPole::Memo) {
            sloupceMemo += QStringLiteral(", ") + Identifikator(m_pole[i].jmeno);
            otaznikyMemo += QStringLiteral(", ?");
            hodnotyMemo.append(m_novy[i].isNull() ? QVariant(QString()) : m_novy[i]);
        } else {
            sloupce += (sloupce.isEmpty() ? QString() : QStringLiteral(", ")) + Identifikator(m_pole[i].jmeno);
            otazniky += (otazniky.isEmpty() ? QStringLiteral("?") : QStringLiteral(", ?"));
            hodnoty.append(m_novy[i]);
        }
    }
    Transakce t(m_db, m_jmeno);
    Dotaz vlozit = Pripravit(m_db, m_jmeno,
                             sloupce.isEmpty() ? QStringLiteral("INSERT INTO zaznamy DEFAULT VALUES")
                                               : QStringLiteral("INSERT INTO zaznamy(%1) VALUES(%2)").arg(sloupce, otazniky));
    for (int i = 0; i < hodnoty.size(); ++i)
        Navazat(vlozit.get(), i + 1, hodnoty[i]);
    if (sqlite3_step(vlozit.get()) != SQLITE_DONE)
        throw ChybaTabulky(Zprava(m_jmeno, ChybaEnginu(m_db)));
    const qint64 id = sqlite3_last_insert_rowid(m_db);
    Dotaz memo = Pripravit(m_db, m_jmeno,
                           QStringLiteral("INSERT INTO mb.memo(id%1) VALUES(?%2)").arg(sloupceMemo, otaznikyMemo));
    sqlite3_bind_int64(memo.get(), 1, id);
    for (int i = 0; i < hodnotyMemo.size(); ++i)
        Navazat(memo.get(), i + 2, hodnotyMemo[i]);
    if (sqlite3_step(memo.get()) != SQLITE_DONE)
        throw ChybaTabulky(Zprava(m_jmeno, ChybaEnginu(m_db)));
    t.Potvrdit();

    Radek r{id, {}};
    for (int i = 0; i < m_pole.size(); ++i)
        r.hodnoty.append(m_pole[i].typ == TypPole::Memo ? QVariant() : m_novy[i]);
    m_radky.push_back(std::move(r));
    m_vkladani = false;
    const int novy = static_cast<int>(m_radky.size()) - 1;
    Prefiltrovat();
    const auto kde = std::find(m_pohled.begin(), m_pohled.end(), novy);
    if (kde != m_pohled.end())
        m_pozice = static_cast<int>(kde - m_pohled.begin());
}

void Tabulka::SmazatAktualni()
{
    const int radek = AktualniRadek();
    const qint64 id = m_radky[static_cast<size_t>(radek)].id;
    Transakce t(m_db, m_jmeno);
    for (const char *sql : {"DELETE FROM zaznamy WHERE id = ?", "DELETE FROM mb.memo WHERE id = ?"}) {
        Dotaz d = Pripravit(m_db, m_jmeno, QString::fromLatin1(sql));
        sqlite3_bind_int64(d.get(), 1, id);
        if (sqlite3_step(d.get()) != SQLITE_DONE)
            throw ChybaTabulky(Zprava(m_jmeno, ChybaEnginu(m_db)));
    }
    t.Potvrdit();

    m_radky.erase(m_radky.begin() + radek);
    m_pohled.erase(m_pohled.begin() + m_pozice);
    for (int &i : m_pohled)
        if (i > radek)
            --i;
    PrejitNa(m_pozice);
}

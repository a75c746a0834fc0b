// The files of a table: recognising a pair before anything may write to it, and creating one.
#include "data/tabulkasql.h"

#include "data/adresare.h"
#include "data/duvodsystemu.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

#include <algorithm>
#include <optional>

using namespace TabulkaSql;

namespace {

QString Cizi(const QString &soubor)
{
    return QStringLiteral("soubor %1 není tabulkou programu Semaforix").arg(soubor);
}

QString Poskozeny(const QString &soubor, const QString &proc)
{
    return QStringLiteral("soubor %1 je poškozený (%2)").arg(soubor, proc);
}

qint32 Cislo32(const QByteArray &bajty, int od)
{
    return static_cast<qint32>((quint32(quint8(bajty[od])) << 24) | (quint32(quint8(bajty[od + 1])) << 16)
                               | (quint32(quint8(bajty[od + 2])) << 8) | quint32(quint8(bajty[od + 3])));
}

// The first 100 bytes of the file, read as plain bytes so that nothing can touch the file yet; nothing
// with the reason in *chyba when the file cannot be read.
std::optional<QByteArray> Hlavicka(const QString &soubor, QString *chyba)
{
    QFile f(soubor);
    if (!f.open(QIODevice::ReadOnly)) {
        *chyba = QStringLiteral("soubor %1 nelze číst: %2").arg(soubor, DuvodSystemu::Text(f.errorString()));
        return std::nullopt;
    }
    return f.read(100);
}

// An SQLite file that says it is one of our tables.
bool NaseHlavicka(const QByteArray &hlavicka)
{
    static const QByteArray Magie("SQLite format 3", 16); // with its closing NUL
    return hlavicka.size() >= 100 && hlavicka.startsWith(Magie) && Cislo32(hlavicka, 68) == IdentitaSouboru;
}

// What the header says against using the file; empty when it looks like one of our tables.
QString ChybaHlavicky(const QString &soubor)
{
    QString chyba;
    const std::optional<QByteArray> hlavicka = Hlavicka(soubor, &chyba);
    if (!hlavicka)
        return chyba;
    if (!NaseHlavicka(*hlavicka))
        return Cizi(soubor);
    // Bytes 18 and 19: 1 for a rollback journal, 2 for write-ahead logging, higher for formats to come.
    if ((*hlavicka)[18] == 2 || (*hlavicka)[19] == 2)
        return QStringLiteral("soubor %1 je v režimu WAL, který program nepoužívá").arg(soubor);
    if ((*hlavicka)[18] != 1 || (*hlavicka)[19] != 1)
        return Poskozeny(soubor, QStringLiteral("neznámá verze zápisu"));
    if (Cislo32(*hlavicka, 60) > VerzeFormatu)
        return QStringLiteral("soubor %1 pochází z novější verze programu").arg(soubor);
    return {};
}

// A writer killed in the middle of a save leaves the file's pages half written and the old ones in
// its journal; a save of both files also leaves the super-journal that the two journals name, while
// the save had not yet committed. Such a journal is hot, and the engine rolls it back on the first
// read of the file by an ordinary connection (the file is then as the last committed save left it;
// the second file's rollback removes the super-journal). Only one of our files in rollback-journal
// mode is given to the engine: a foreign file is refused below exactly as it is, and the engine
// would add files beside one in another mode. A file the engine cannot roll back (a read-only medium,
// a journal it may not read) is refused with the reason; one it rolls back is judged afterwards.
void VratitPrerusenyZapis(const QString &tabulka, const QString &soubor)
{
    const QString zurnal = soubor + QStringLiteral("-journal");
    if (!QFileInfo::exists(zurnal))
        return;
    QString nelzeCist; // said by the check below
    const std::optional<QByteArray> hlavicka = Hlavicka(soubor, &nelzeCist);
    if (!hlavicka || !NaseHlavicka(*hlavicka) || (*hlavicka)[18] != 1 || (*hlavicka)[19] != 1)
        return;
    sqlite3 *surove = nullptr;
    const int rc = sqlite3_open_v2(UriSouboru(soubor, false).constData(), &surove,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI, nullptr);
    const std::unique_ptr<sqlite3, ZavritDb> spojeni(surove);
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(spojeni.get(), 2000);
        if (sqlite3_exec(spojeni.get(), "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) == SQLITE_OK
            || !QFileInfo::exists(zurnal))
            return;
    }
    throw ChybaTabulky(Zprava(tabulka, QStringLiteral("zápis do souboru %1 přerušený pádem programu nelze vrátit zpět (%2)")
                                           .arg(soubor, surove ? ChybaEnginu(surove)
                                                               : QString::fromUtf8(sqlite3_errstr(rc)))));
}

// A connection to the one file that can neither write it nor add a journal, log or lock file beside
// it: immutable means no journal is looked at, rolled back or created. One connection per file, so
// that the engine's failure is told of the file it read.
std::unique_ptr<sqlite3, ZavritDb> OtevritKeKontrole(const QString &tabulka, const QString &soubor)
{
    const QByteArray uri = "file:" + QUrl::toPercentEncoding(QFileInfo(soubor).absoluteFilePath(), "/")
                           + "?mode=ro&immutable=1";
    sqlite3 *surove = nullptr;
    const int rc = sqlite3_open_v2(uri.constData(), &surove, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    std::unique_ptr<sqlite3, ZavritDb> spojeni(surove);
    if (rc != SQLITE_OK)
        throw ChybaTabulky(Zprava(tabulka, Poskozeny(soubor, surove ? ChybaEnginu(surove)
                                                                    : QString::fromUtf8(sqlite3_errstr(rc)))));
    return spojeni;
}

// The texts of the first column of every row of a query on the checking connection to soubor.
QStringList Texty(sqlite3 *db, const QString &tabulka, const QString &soubor, const char *sql)
{
    sqlite3_stmt *surovy = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &surovy, nullptr) != SQLITE_OK)
        throw ChybaTabulky(Zprava(tabulka, Poskozeny(soubor, ChybaEnginu(db))));
    Dotaz d(surovy);
    QStringList texty;
    int krok;
    while ((krok = sqlite3_step(d.get())) == SQLITE_ROW)
        texty << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(d.get(), 0)));
    if (krok != SQLITE_DONE)
        throw ChybaTabulky(Zprava(tabulka, Poskozeny(soubor, ChybaEnginu(db))));
    return texty;
}

// The learner's directory comes into being with their first table.
void PripravitAdresar(const QString &tabulka)
{
    QString chyba;
    if (!Adresare::PripravitAdresarUzivatele(&chyba))
        throw ChybaTabulky(Zprava(tabulka, chyba));
}

} // namespace

void TabulkaSql::ZkontrolovatDvojici(const QString &tabulka, const QString &db, const QString &mb)
{
    // The program never uses write-ahead logging: such a file beside ours is foreign, and the engine
    // would read it into our table.
    for (const QString &soubor : {db, mb})
        for (const char *pripona : {"-wal", "-shm"}) {
            const QString vedle = soubor + QString::fromLatin1(pripona);
            if (QFileInfo::exists(vedle))
                throw ChybaTabulky(Zprava(tabulka, QStringLiteral("vedle souboru %1 leží soubor %2, který program "
                                                                     "nevytváří; odstraňte ho nebo přesuňte")
                                                       .arg(soubor, vedle)));
        }
    for (const QString &soubor : {db, mb})
        VratitPrerusenyZapis(tabulka, soubor);
    for (const QString &soubor : {db, mb})
        if (const QString chyba = ChybaHlavicky(soubor); !chyba.isEmpty())
            throw ChybaTabulky(Zprava(tabulka, chyba));

    const auto kontrolaDb = OtevritKeKontrole(tabulka, db);
    const auto kontrolaMb = OtevritKeKontrole(tabulka, mb);
    const char *tabulky = "SELECT name FROM sqlite_master WHERE type = 'table'";
    const QStringList vDb = Texty(kontrolaDb.get(), tabulka, db, tabulky);
    const QStringList vMb = Texty(kontrolaMb.get(), tabulka, mb, tabulky);
    const auto sZaznamy = [](const QStringList &t) {
        return t.contains(QStringLiteral("pole")) && t.contains(QStringLiteral("zaznamy"));
    };
    const auto sMemy = [](const QStringList &t) { return t.contains(QStringLiteral("memo")); };
    if (sMemy(vDb) && sZaznamy(vMb))
        throw ChybaTabulky(Zprava(tabulka, QStringLiteral("soubory %1 a %2 jsou zaměněné: záznamy jsou v %2 a "
                                                             "texty v %1; vraťte jim správná jména")
                                               .arg(db, mb)));
    if (!sZaznamy(vDb))
        throw ChybaTabulky(Zprava(tabulka, sMemy(vDb) ? Poskozeny(db, QStringLiteral("chybí záznamy")) : Cizi(db)));
    if (!sMemy(vMb))
        throw ChybaTabulky(Zprava(tabulka, sZaznamy(vMb) ? Poskozeny(mb, QStringLiteral("chybí texty")) : Cizi(mb)));

    // The columns must be those of the field list, the records' in .DB and the memos' in .MB.
    QStringList zaznamy{QStringLiteral("id")}, mema{QStringLiteral("id")};
    const QStringList jmena = Texty(kontrolaDb.get(), tabulka, db, "SELECT jmeno FROM pole ORDER BY pozice");
    const QStringList typy = Texty(kontrolaDb.get(), tabulka, db, "SELECT typ FROM pole ORDER BY pozice");
    for (int i = 0; i < jmena.size() && i < typy.size(); ++i) {
        const auto typ = TypZNazvu(typy[i].toUtf8());
        if (!typ)
            throw ChybaTabulky(Zprava(tabulka, Poskozeny(db, QStringLiteral("neznámý typ pole %1").arg(jmena[i]))));
        (*typ == TypPole::Memo ? mema : zaznamy) << jmena[i];
    }
    if (Texty(kontrolaDb.get(), tabulka, db, "SELECT name FROM pragma_table_info('zaznamy')") != zaznamy)
        throw ChybaTabulky(Zprava(tabulka, Poskozeny(db, QStringLiteral("záznamy neodpovídají seznamu polí"))));
    if (Texty(kontrolaMb.get(), tabulka, mb, "SELECT name FROM pragma_table_info('memo')") != mema)
        throw ChybaTabulky(Zprava(tabulka, QStringLiteral("soubor %1 nepatří k souboru %2").arg(mb, db)));
}


bool Tabulka::Existuje(const QString &jmeno) { return QFileInfo::exists(SouborDb(jmeno)); }

void TabulkaSql::UkliditSuperZurnaly(const QString &db)
{
    const QFileInfo soubor(db);
    const QDir adresar = soubor.dir();
    for (const QString &jmeno : adresar.entryList({soubor.fileName() + QStringLiteral("-mj*")}, QDir::Files | QDir::Hidden))
        QFile::remove(adresar.filePath(jmeno));
}

void Tabulka::Vytvorit(const QString &jmeno, const QList<DefinicePole> &pole, const QList<QStringList> &rejstriky)
{
    const QString db = SouborDb(jmeno), mb = SouborMb(jmeno);
    if (QFileInfo::exists(db) || QFileInfo::exists(mb))
        throw ChybaTabulky(Zprava(jmeno, QStringLiteral("tabulka již existuje")));
    for (const QStringList &rejstrik : rejstriky)
        for (const QString &p : rejstrik)
            if (std::none_of(pole.begin(), pole.end(),
                             [&p](const DefinicePole &d) { return d.jmeno == p && d.typ != TypPole::Memo; }))
                throw ChybaTabulky(Zprava(jmeno, QStringLiteral("podle pole %1 nelze řadit").arg(p)));
    PripravitAdresar(jmeno);

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
    for (const QStringList &rejstrik : rejstriky)
        prikazyDb.append(PrikazRejstriku(rejstrik));
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

void Tabulka::Zalozit(const QString &jmeno, const QList<DefinicePole> &pole, const QList<QStringList> &rejstriky)
{
    const QString db = SouborDb(jmeno), mb = SouborMb(jmeno);
    const QString nova = ZakladniJmeno(jmeno) + QStringLiteral("-nova");
    const QString novaDb = SouborDb(nova), novaMb = SouborMb(nova);
    // QFile::rename never replaces an existing file.
    const auto presunout = [&jmeno](const QString &z, const QString &kam) {
        QFile soubor(z);
        if (!soubor.rename(kam))
            throw ChybaTabulky(Zprava(jmeno, QStringLiteral("soubor %1 nelze přejmenovat na %2: %3")
                                                 .arg(z, kam, DuvodSystemu::Text(soubor.errorString()))));
    };
    if (QFileInfo::exists(db))
        throw ChybaTabulky(Zprava(jmeno, QStringLiteral("tabulka již existuje")));
    PripravitAdresar(jmeno);
    if (QFileInfo::exists(mb)) {
        // Only the records file is missing: a creation stopped between its two moves is finished.
        if (QFileInfo::exists(novaDb) && !QFileInfo::exists(novaMb)) {
            presunout(novaDb, db);
            return;
        }
        throw ChybaTabulky(Zprava(jmeno, QStringLiteral("soubor %1 existuje bez souboru %2").arg(mb, db)));
    }
    // A creation stopped earlier never reached the table's name and never held a record.
    for (const QString &zbytek : {novaDb, novaMb, novaDb + QStringLiteral("-journal"), novaMb + QStringLiteral("-journal")})
        if (QFileInfo::exists(zbytek) && !QFile::remove(zbytek))
            throw ChybaTabulky(Zprava(jmeno, QStringLiteral("soubor %1 nelze odstranit").arg(zbytek)));
    Vytvorit(nova, pole, rejstriky);
    presunout(novaMb, mb);
    presunout(novaDb, db);
}

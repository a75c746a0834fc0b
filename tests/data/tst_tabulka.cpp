// The record tables: creation, filters, the delete walk, and that a table file that cannot be
// used is reported and left exactly as it was.
#include "adresar.h"
#include "sqlite.h"
#include "tabulky.h"

#include "data/tabulka.h"
#include "data/tabulkamodel.h"

#include <QDir>
#include <QFile>
#include <QTest>


#include <functional>
#include <memory>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

using Pomocnik::Obsah;
// Makes the files a case starts from: what failed, empty when all was made.
using Priprava = std::function<QString()>;
Q_DECLARE_METATYPE(Priprava)

namespace {

// A writer killed in the middle of a commit: the engine writes its pages through Zapsat, which
// stops at the second page written to a .MB file, tells the parent through the pipe and waits there.
int g_roura = -1, g_zapisuMemo = 0;
sqlite3_syscall_ptr g_pwrite64 = nullptr;

ssize_t Zapsat(int fd, const void *b, size_t n, off64_t o)
{
    char cesta[4096];
    const ssize_t delka = readlink(("/proc/self/fd/" + QByteArray::number(fd)).constData(), cesta, sizeof cesta);
    if (delka > 3 && QByteArray(cesta, delka).endsWith(".MB") && ++g_zapisuMemo == 2 && write(g_roura, "!", 1) == 1)
        for (;;)
            pause();
    return reinterpret_cast<ssize_t (*)(int, const void *, size_t, off64_t)>(g_pwrite64)(fd, b, n, o);
}

// Runs zapsat in a child process stopped as above and kills it there with SIGKILL; false when the
// child never got there.
bool ZabitUprostredZapisu(const std::function<void()> &zapsat)
{
    int roura[2];
    if (pipe(roura) != 0)
        return false;
    const pid_t pid = fork();
    if (pid == 0) {
        g_roura = roura[1];
        sqlite3_vfs *vfs = sqlite3_vfs_find(nullptr);
        g_pwrite64 = vfs->xGetSystemCall(vfs, "pwrite64");
        vfs->xSetSystemCall(vfs, "pwrite64", reinterpret_cast<sqlite3_syscall_ptr>(Zapsat));
        try {
            zapsat();
        } catch (...) {
        }
        _exit(1);
    }
    close(roura[1]);
    char znak = 0;
    const bool zastaven = pid > 0 && read(roura[0], &znak, 1) == 1;
    close(roura[0]);
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    return zastaven;
}

} // namespace

class TestTabulka : public QObject {
    Q_OBJECT

    std::unique_ptr<Pomocnik::Adresar> m_dir;

    static QList<DefinicePole> PoleVysledku()
    {
        return {{QStringLiteral("Profil"), TypPole::Retezec, 30},
                {QStringLiteral("Počet"), TypPole::Cele, 0},
                {QStringLiteral("Kdy"), TypPole::DatumCas, 0},
                {QStringLiteral("Poznámka"), TypPole::Memo, 0}};
    }

    static void Pridat(Tabulka &t, const QString &profil, int pocet, const QString &memo = {})
    {
        t.Vlozit();
        t.Nastavit(QStringLiteral("Profil"), profil);
        t.Nastavit(QStringLiteral("Počet"), pocet);
        t.Nastavit(QStringLiteral("Kdy"), QDateTime(QDate(2026, 12, 7), QTime(9, 5, 3)));
        t.Nastavit(QStringLiteral("Poznámka"), memo);
        t.Ulozit();
    }

    // A new table of the result fields with a record of each profile given, record i counting i
    // with the memo "memo i"; closed again.
    static void Zalozit(const QString &jmeno, const QStringList &profily)
    {
        Tabulka::Vytvorit(jmeno, PoleVysledku());
        Tabulka t(jmeno);
        t.Otevrit();
        for (int i = 0; i < profily.size(); ++i)
            Pridat(t, profily[i], i, QStringLiteral("memo %1").arg(i));
    }

    static QStringList Profily(Tabulka &t) { return Pomocnik::HodnotyPole(t, QStringLiteral("Profil")); }

    // Runs the statements on the file: the engine's text when one failed, empty otherwise.
    static QString Sql(const QString &soubor, const char *sql) { return Sqlite::Provest(Sqlite::Pripojit(soubor).get(), sql); }

    // Many records at once, in one transaction of the engine's own: storing each through the table
    // would wait for the disk once per record. Record i gets the profile jmena[i % size], the count i
    // and the memo "memo i". The engine's text when it failed, empty otherwise.
    static QString Naplnit(const QString &tabulka, int pocet, const QStringList &jmena)
    {
        QString chyba;
        const Sqlite::Spojeni spojeni = Sqlite::OtevritTabulku(tabulka, &chyba);
        sqlite3 *db = spojeni.get();
        if (!chyba.isEmpty() || !(chyba = Sqlite::Provest(db, "BEGIN")).isEmpty())
            return chyba;
        const Sqlite::Dotaz zaznam = Sqlite::Pripravit(db, "INSERT INTO zaznamy(Profil, \"Počet\") VALUES(?, ?)");
        const Sqlite::Dotaz memo = Sqlite::Pripravit(db, "INSERT INTO mb.memo(id, \"Poznámka\") VALUES(?, ?)");
        for (int i = 0; i < pocet && zaznam && memo; ++i) {
            Sqlite::VazatText(zaznam.get(), 1, jmena[i % jmena.size()]);
            sqlite3_bind_int(zaznam.get(), 2, i);
            const bool ulozeno = sqlite3_step(zaznam.get()) == SQLITE_DONE;
            sqlite3_reset(zaznam.get());
            sqlite3_bind_int64(memo.get(), 1, sqlite3_last_insert_rowid(db));
            Sqlite::VazatText(memo.get(), 2, QStringLiteral("memo %1").arg(i));
            if (!ulozeno || sqlite3_step(memo.get()) != SQLITE_DONE)
                return Sqlite::Chyba(db);
            sqlite3_reset(memo.get());
        }
        return zaznam && memo ? Sqlite::Provest(db, "COMMIT") : Sqlite::Chyba(db);
    }

    static int PocetRadku(const QString &soubor, const char *tabulka)
    {
        const Sqlite::Spojeni db = Sqlite::Pripojit(soubor, SQLITE_OPEN_READONLY);
        const Sqlite::Dotaz s = Sqlite::Pripravit(db.get(), (QByteArray("SELECT count(*) FROM ") + tabulka).constData());
        return s && sqlite3_step(s.get()) == SQLITE_ROW ? sqlite3_column_int(s.get(), 0) : -1;
    }

    // The step's failure named, or nothing when it succeeded.
    static QString Krok(bool uspech, const char *co) { return uspech ? QString() : QString::fromLatin1(co); }

    // Copies the database zdroj to cil in the middle of a write whose pages already reached the
    // file, together with its journal: the pair a writer killed half-way leaves behind. What
    // failed, empty when the copies were made.
    static QString SHorkymZurnalem(const QString &zdroj, const char *vlozit, const QString &cil)
    {
        const Sqlite::Spojeni spojeni = Sqlite::Pripojit(zdroj);
        sqlite3 *db = spojeni.get();
        QString chyba = Sqlite::Provest(db, "PRAGMA cache_size = 10; BEGIN");
        for (int i = 0; i < 300 && chyba.isEmpty(); ++i)
            chyba = Sqlite::Provest(db, vlozit);
        const QString zurnal = zdroj + QStringLiteral("-journal");
        if (chyba.isEmpty())
            chyba = Krok(QFileInfo(zurnal).size() > 0 && QFile::copy(zdroj, cil)
                             && QFile::copy(zurnal, cil + QStringLiteral("-journal")),
                         "the hot journal not copied");
        Sqlite::Provest(db, "ROLLBACK");
        return chyba;
    }

private slots:
    void init() { m_dir = std::make_unique<Pomocnik::Adresar>(); }

    void zapisACteniVPoradiVlozeni()
    {
        QVERIFY(!Tabulka::Existuje(QStringLiteral("Vysledky")));
        Tabulka::Vytvorit(QStringLiteral("Vysledky.DB"), PoleVysledku());
        QVERIFY(Tabulka::Existuje(QStringLiteral("Vysledky")));
        QVERIFY(QFile::exists(QStringLiteral("Vysledky.MB")));

        Tabulka t(QStringLiteral("Vysledky"));
        t.Otevrit();
        Pridat(t, QStringLiteral("Žaneta"), 5, QStringLiteral("dlouhý text ") + QString(5000, u'ř'));
        Pridat(t, QStringLiteral("Adam"), 7);
        Pridat(t, QString(40, u'x'), 1);
        t.Zavrit();

        Tabulka znovu(QStringLiteral("Vysledky.DB"));
        znovu.Otevrit();
        QCOMPARE(znovu.PocetZaznamu(), 3);
        QCOMPARE(Profily(znovu), (QStringList{QStringLiteral("Žaneta"), QStringLiteral("Adam"), QString(30, u'x')}));
        znovu.Prvni();
        QCOMPARE(znovu.Cislo(QStringLiteral("Počet")), 5);
        QCOMPARE(znovu.Text(3).size(), 12 + 5000);
        QCOMPARE(znovu.Text(0), QStringLiteral("Žaneta"));
        QCOMPARE(znovu.DatumCas(QStringLiteral("Kdy")), QDateTime(QDate(2026, 12, 7), QTime(9, 5, 3)));
        QCOMPARE(znovu.ZobrazitelnyText(0, QStringLiteral("Kdy")), QStringLiteral("7.12.2026 9:05:03"));
        QCOMPARE(Pomocnik::JmenaPoli(znovu), (QStringList{QStringLiteral("Profil"), QStringLiteral("Počet"), QStringLiteral("Kdy"),
                                     QStringLiteral("Poznámka")}));
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, Tabulka::Vytvorit(QStringLiteral("Vysledky"), PoleVysledku()));

        // Opened read-only, the table refuses any change and its file stays as it was.
        znovu.Zavrit();
        const QByteArray pred = Obsah(QStringLiteral("Vysledky.DB"));
        znovu.Otevrit(true);
        QCOMPARE(znovu.PocetZaznamu(), 3);
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, Pridat(znovu, QStringLiteral("b"), 2));
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, znovu.SmazatAktualni());
        znovu.Zavrit();
        QCOMPARE(Obsah(QStringLiteral("Vysledky.DB")), pred);
    }

    void filtryAPocitani()
    {
        Zalozit(QStringLiteral("Vysledky"), QStringLiteral("Jan's|Default|Jan's|Default|Jan's|Default").split(u'|'));
        Tabulka t(QStringLiteral("Vysledky"));
        t.Otevrit();
        t.NastavitPredikat([](const Zaznam &z) { return z.Cislo(QStringLiteral("Počet")) > 1; });
        QCOMPARE(t.PocetZaznamu(), 6); // filtering still off
        t.NastavitFiltrovani(true);
        QCOMPARE(t.PocetZaznamu(), 4);
        QCOMPARE(t.Cislo(QStringLiteral("Počet")), 2);
        t.Posunout(2);
        QCOMPARE(t.Cislo(QStringLiteral("Počet")), 4);
        t.Posunout(10);
        QCOMPARE(t.Cislo(QStringLiteral("Počet")), 5);

        t.NastavitPredikat({});
        t.NastavitFiltr(QStringLiteral("Profil = 'Jan''s'"));
        QCOMPARE(Profily(t), QStringList(3, QStringLiteral("Jan's")));
        // "<>" is not "=": alone it takes the others, joined by AND it leaves none of either.
        t.NastavitFiltr(QStringLiteral("Profil <> 'Jan''s' "));
        QCOMPARE(Profily(t), QStringList(3, QStringLiteral("Default")));
        t.NastavitFiltr(QStringLiteral("Profil <> 'Default' AND Profil <> 'Jan''s' "));
        QCOMPARE(t.PocetZaznamu(), 0);
        // A literal is only ever a value: this text matches no record and harms none.
        t.NastavitFiltr(QStringLiteral("Profil = 'x'' OR ''1''=''1'"));
        QCOMPARE(t.PocetZaznamu(), 0);
        t.NastavitFiltrovani(false);
        QCOMPARE(t.PocetZaznamu(), 6);
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, t.NastavitFiltr(QStringLiteral("Profil = Default")));
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, t.NastavitFiltr(QStringLiteral("Profil = 'a' OR Profil = 'b'")));
    }

    void smazaniFiltrovanehoPohleduNechaOstatni()
    {
        Zalozit(QStringLiteral("Vysledky"), QStringLiteral("a b a c a b").split(u' '));
        Tabulka t(QStringLiteral("Vysledky"));
        t.Otevrit();
        t.NastavitFiltr(QStringLiteral("Profil = 'a'"));
        t.NastavitFiltrovani(true);
        t.PrejitNa(1);
        t.SmazatAktualni(); // the next accepted record becomes current
        QCOMPARE(t.Cislo(QStringLiteral("Počet")), 4);
        t.Prvni();
        for (int n = t.PocetZaznamu(); n > 0; --n)
            t.SmazatAktualni();
        QCOMPARE(t.PocetZaznamu(), 0);
        t.Zavrit();

        Tabulka znovu(QStringLiteral("Vysledky"));
        znovu.Otevrit();
        QCOMPARE(Profily(znovu), (QStringList{QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("b")}));
        znovu.Prvni();
        QCOMPARE(znovu.Text(QStringLiteral("Poznámka")), QStringLiteral("memo 1"));
    }

    // A creation stopped by a crash: leftovers under the temporary name are removed, and a pair
    // stopped between its two moves is finished, so the next write finds a whole table.
    void zalozeniPoPadu()
    {
        QVERIFY(Pomocnik::Zapsat(QStringLiteral("Protokoly-nova.DB"), "kus"));
        Tabulka::Zalozit(QStringLiteral("Protokoly"), PoleVysledku());
        QVERIFY(!QFile::exists(QStringLiteral("Protokoly-nova.DB")) && !QFile::exists(QStringLiteral("Protokoly-nova.MB")));
        {
            Tabulka t(QStringLiteral("Protokoly"));
            t.Otevrit();
            Pridat(t, QStringLiteral("první"), 1);
        }

        Tabulka::Vytvorit(QStringLiteral("Vysledky-nova"), PoleVysledku());
        QVERIFY(QFile::rename(QStringLiteral("Vysledky-nova.MB"), QStringLiteral("Vysledky.MB")));
        QVERIFY(!Tabulka::Existuje(QStringLiteral("Vysledky")));
        Tabulka::Zalozit(QStringLiteral("Vysledky"), PoleVysledku());
        Tabulka t(QStringLiteral("Vysledky"));
        t.Otevrit();
        Pridat(t, QStringLiteral("jan"), 2);
        QCOMPARE(Profily(t), QStringList{QStringLiteral("jan")});
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, Tabulka::Zalozit(QStringLiteral("Vysledky"), PoleVysledku()));
    }

    void prerusenyZapisNenechaPulZaznam()
    {
        Zalozit(QStringLiteral("Vysledky"), {QStringLiteral("celý")});
        // Break the memo file so that the second half of the next record cannot be written.
        QCOMPARE(Sql(QStringLiteral("Vysledky.MB"), "CREATE TRIGGER zadny BEFORE INSERT ON memo BEGIN SELECT RAISE(ABORT, 'disk plný'); END"), QString());
        Tabulka t(QStringLiteral("Vysledky"));
        t.Otevrit();
        try {
            Pridat(t, QStringLiteral("půlka"), 2, QStringLiteral("text"));
            QFAIL("the write should have failed");
        } catch (const ChybaTabulky &e) {
            QVERIFY2(e.Text().contains(QStringLiteral("disk plný")), qPrintable(e.Text()));
        }
        QCOMPARE(Profily(t), QStringList{QStringLiteral("celý")});

        // The failed write left nothing behind on the open table: another program can change the
        // file again, and the next write on the same open table stores its record whole.
        QCOMPARE(Sql(QStringLiteral("Vysledky.MB"), "DROP TRIGGER zadny"), QString());
        Pridat(t, QStringLiteral("druhý"), 3, QStringLiteral("text 3"));
        t.Zavrit();
        t.Otevrit();
        QCOMPARE(Profily(t), (QStringList{QStringLiteral("celý"), QStringLiteral("druhý")}));
        t.PrejitNa(1);
        QCOMPARE(t.Text(QStringLiteral("Poznámka")), QStringLiteral("text 3"));
    }

    // A pair that is not a whole table of the program is refused with a message naming the fault:
    // neither opened nor created over, and every file beside it, a journal too, left as it was.
    void nepouzitelnyParZustaneBezeZmeny_data()
    {
        QTest::addColumn<Priprava>("priprava");
        QTest::addColumn<QString>("zprava");
        const auto obsah = [](const QByteArray &bajty) {
            return [bajty] {
                return Krok(Pomocnik::Zapsat(QStringLiteral("Vysledky.DB"), bajty) && Pomocnik::Zapsat(QStringLiteral("Vysledky.MB"), bajty),
                            "not written");
            };
        };
        const auto tabulka = [](const Priprava &potom) {
            return [potom] {
                Tabulka::Vytvorit(QStringLiteral("Vysledky"), PoleVysledku());
                return potom();
            };
        };
        QTest::newRow("smetí") << Priprava(obsah(QByteArray("toto není databáze, jen text\n").repeated(50))) << QString();
        QTest::newRow("prázdné") << Priprava(obsah({})) << QString();
        QTest::newRow("cizí SQLite") << Priprava([] {
            const QString chyba = Sql(QStringLiteral("Vysledky.DB"), "CREATE TABLE jina(x)");
            return !chyba.isEmpty() ? chyba : Krok(QFile::copy(QStringLiteral("Vysledky.DB"), QStringLiteral("Vysledky.MB")), "not copied");
        }) << QString();
        QTest::newRow("chybí memo") << Priprava(tabulka([] { return Krok(QFile::remove(QStringLiteral("Vysledky.MB")), "not removed"); }))
                                    << QString();
        QTest::newRow("vlastní ve WAL") << Priprava(tabulka([] {
            return Sql(QStringLiteral("Vysledky.DB"), "PRAGMA journal_mode = WAL; INSERT INTO zaznamy(Profil) VALUES('x')");
        })) << QStringLiteral("režimu WAL");
        QTest::newRow("cizí ve WAL") << Priprava([] {
            return Sql(QStringLiteral("Vysledky.DB"), "PRAGMA journal_mode = WAL; CREATE TABLE jina(x); INSERT INTO jina VALUES(1)")
                   + Sql(QStringLiteral("Vysledky.MB"), "CREATE TABLE jina(x)");
        }) << QStringLiteral("není tabulkou");
        // A log the engine would read into our table, although the table itself is sound.
        QTest::newRow("cizí log vedle") << Priprava(tabulka([] {
            return Krok(Pomocnik::Zapsat(QStringLiteral("Vysledky.MB-wal"), QByteArray(4096, '\x37')), "not written");
        })) << QStringLiteral("Vysledky.MB-wal");
        QTest::newRow("zaměněné") << Priprava([] {
            Zalozit(QStringLiteral("Vysledky"), {QStringLiteral("Jan")});
            return Krok(QFile::rename(QStringLiteral("Vysledky.DB"), QStringLiteral("x"))
                            && QFile::rename(QStringLiteral("Vysledky.MB"), QStringLiteral("Vysledky.DB"))
                            && QFile::rename(QStringLiteral("x"), QStringLiteral("Vysledky.MB")),
                        "not swapped");
        }) << QStringLiteral("zaměněné");
        QTest::newRow("memo jiné tabulky") << Priprava(tabulka([] {
            Tabulka::Vytvorit(QStringLiteral("Protokoly"), {{QStringLiteral("Profil"), TypPole::Retezec, 30},
                                                           {QStringLiteral("Protokol"), TypPole::Memo, 0}});
            return Krok(QFile::remove(QStringLiteral("Vysledky.MB")) && QFile::copy(QStringLiteral("Protokoly.MB"), QStringLiteral("Vysledky.MB")),
                        "not replaced");
        })) << QStringLiteral("nepatří");
        // The message names the file the engine could not read, not the other one of the pair.
        QTest::newRow("uříznutý .DB") << Priprava(tabulka([] {
            const QString chyba = Naplnit(QStringLiteral("Vysledky"), 700, {QStringLiteral("Jan")});
            QFile db(QStringLiteral("Vysledky.DB"));
            return chyba.isEmpty() && !db.resize(db.size() / 2) ? QStringLiteral("nelze zkrátit Vysledky.DB") : chyba;
        })) << QStringLiteral("soubor Vysledky.DB je poškozený");
        QTest::newRow("novější formát") << Priprava(tabulka([] { return Sql(QStringLiteral("Vysledky.DB"), "PRAGMA user_version = 2"); }))
                                        << QStringLiteral("novější verze");
        QTest::newRow("cizí s horkým žurnálem") << Priprava([] {
            QDir().mkdir(QStringLiteral("zdroj"));
            QString chyba = Sql(QStringLiteral("zdroj/cizi.db"), "CREATE TABLE jina(x); INSERT INTO jina VALUES('puvodni')");
            if (chyba.isEmpty())
                chyba = SHorkymZurnalem(QStringLiteral("zdroj/cizi.db"), "INSERT INTO jina VALUES(hex(randomblob(1000)))",
                                        QStringLiteral("Vysledky.DB"));
            return !chyba.isEmpty() ? chyba : Krok(QFile::copy(QStringLiteral("zdroj/cizi.db"), QStringLiteral("Vysledky.MB")), "not copied");
        }) << QStringLiteral("není tabulkou programu Semaforix");
    }

    void nepouzitelnyParZustaneBezeZmeny()
    {
        QFETCH(Priprava, priprava);
        QFETCH(QString, zprava);
        QCOMPARE(priprava(), QString());
        const QMap<QString, QByteArray> pred = Pomocnik::Snimek();
        Tabulka t(QStringLiteral("Vysledky"));
        try {
            t.Otevrit();
            QFAIL("the pair should have been refused");
        } catch (const ChybaTabulky &e) {
            QVERIFY2(e.Text().contains(zprava), qPrintable(e.Text()));
        }
        QVERIFY(!t.Otevreno());
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, t.Otevrit(true));
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, Tabulka::Vytvorit(QStringLiteral("Vysledky"), PoleVysledku()));
        QCOMPARE(Pomocnik::Snimek(), pred);
    }

    void vlastniTabulkaSHorkymZurnalemSeVratiZpet()
    {
        Zalozit(QStringLiteral("Zdroj"), QStringList(3, QStringLiteral("Jan")));
        SHorkymZurnalem(QStringLiteral("Zdroj.DB"),
                        "INSERT INTO zaznamy(Profil) VALUES('nedopsany ' || hex(randomblob(1000)))",
                        QStringLiteral("Vysledky.DB"));
        QVERIFY(QFile::copy(QStringLiteral("Zdroj.MB"), QStringLiteral("Vysledky.MB")));
        const QByteArray prerusena = Obsah(QStringLiteral("Vysledky.DB"));
        // A commit of both files killed before either journal named its super-journal leaves that.
        const QString superZurnal = QStringLiteral("Vysledky.DB-mj1A2B3C94F");
        QFile(superZurnal).open(QIODevice::WriteOnly);

        // The crashed write of our own table is rolled back and the table goes on; reading leaves
        // the super-journal, the next write of both files takes it away.
        Tabulka t(QStringLiteral("Vysledky"));
        t.Otevrit();
        QVERIFY(!QFile::exists(QStringLiteral("Vysledky.DB-journal")));
        QVERIFY(Obsah(QStringLiteral("Vysledky.DB")) != prerusena);
        QCOMPARE(Profily(t), QStringList(3, QStringLiteral("Jan")));
        QVERIFY(QFile::exists(superZurnal));
        Pridat(t, QStringLiteral("Eva"), 9, QStringLiteral("nový"));
        QVERIFY(!QFile::exists(superZurnal));
        QVERIFY(QFile::exists(QStringLiteral("Zdroj.DB")));
        t.Zavrit();
        t.Otevrit();
        QCOMPARE(t.PocetZaznamu(), 4);
        t.PrejitNa(3);
        QCOMPARE(t.Text(QStringLiteral("Poznámka")), QStringLiteral("nový"));
    }

    // A save of both files killed after the first page of the .MB reached the file: the .MB alone
    // is unreadable, both journals are hot and name their super-journal. Opening the table rolls the
    // save back and every committed record is there; the table takes new records again.
    void zapisZabityUprostredSeVratiZpet()
    {
        const QStringList ulozene{QStringLiteral("Jan"), QStringLiteral("Eva"), QStringLiteral("Petr")};
        Zalozit(QStringLiteral("Vysledky"), ulozene);
        QVERIFY(ZabitUprostredZapisu([] {
            Tabulka t(QStringLiteral("Vysledky"));
            t.Otevrit();
            Pridat(t, QStringLiteral("nedopsaný"), 9, QString(20000, u'x')); // the .MB grows by pages
        }));
        const auto superZurnaly = [] { return Pomocnik::Soubory().filter(QStringLiteral("-mj")); };
        QVERIFY(QFile::exists(QStringLiteral("Vysledky.MB-journal")));
        QCOMPARE(superZurnaly().size(), 1);

        Tabulka t(QStringLiteral("Vysledky"));
        t.Otevrit();
        QCOMPARE(Profily(t), ulozene);
        for (int i = 0; i < ulozene.size(); ++i) {
            t.PrejitNa(i);
            QCOMPARE(t.Text(QStringLiteral("Poznámka")), QStringLiteral("memo %1").arg(i));
        }
        QCOMPARE(Pomocnik::Soubory(), (QStringList{QStringLiteral("Vysledky.DB"), QStringLiteral("Vysledky.MB")}));
        Pridat(t, QStringLiteral("Ida"), 4, QStringLiteral("memo 3"));
        t.Zavrit();
        t.Otevrit(true);
        QCOMPARE(Profily(t), ulozene + QStringList{QStringLiteral("Ida")});
    }

    // Damage the check cannot see, met while reading: the message names the damaged file.
    void poskozenaStrankaJmenujeSoubor()
    {
        Tabulka::Vytvorit(QStringLiteral("Vysledky"), PoleVysledku());
        Naplnit(QStringLiteral("Vysledky"), 700, {QStringLiteral("Jan")});
        QFile mb(QStringLiteral("Vysledky.MB"));
        QVERIFY(mb.open(QIODevice::ReadWrite) && mb.seek(mb.size() / 2 / 4096 * 4096));
        QVERIFY(mb.write(QByteArray(4096, '\xff')) == 4096);
        mb.close();
        Tabulka t(QStringLiteral("Vysledky"));
        t.Otevrit();
        try {
            for (int i = 0; i < t.PocetZaznamu(); ++i) {
                t.PrejitNa(i);
                t.Text(QStringLiteral("Poznámka"));
            }
            QFAIL("the damaged page should have been met");
        } catch (const ChybaTabulky &e) {
            QVERIFY2(e.Text().contains(QStringLiteral("Vysledky.MB je poškozený")), qPrintable(e.Text()));
        }
    }

    void velkyPohledCtenyPoBlocich()
    {
        Tabulka::Vytvorit(QStringLiteral("Vysledky"), PoleVysledku());
        QStringList jmena;
        for (int i = 0; i < 7; ++i)
            jmena << QStringLiteral("P%1").arg(i);
        QCOMPARE(Naplnit(QStringLiteral("Vysledky"), 700, jmena), QString());
        Tabulka t(QStringLiteral("Vysledky"));
        t.Otevrit();
        t.NastavitFiltr(QStringLiteral("Profil <> 'P0' AND Profil <> 'P1' "));
        t.NastavitPredikat([](const Zaznam &z) { return z.Cislo(QStringLiteral("Počet")) % 2 == 0; });
        t.NastavitFiltrovani(true);
        QCOMPARE(t.PocetZaznamu(), 250);
        // Read backwards and in jumps, across the blocks the store fetches at once.
        QList<int> ocekavane;
        for (int i = 0; i < 700; ++i)
            if (i % 7 > 1 && i % 2 == 0)
                ocekavane << i;
        for (int p : {249, 0, 130, 64, 63, 128, 200, 1}) {
            t.PrejitNa(p);
            QCOMPARE(t.Cislo(QStringLiteral("Počet")), ocekavane[p]);
            QCOMPARE(t.ZaznamVPohledu(p).Cislo(QStringLiteral("Počet")), ocekavane[p]);
        }
        // The model of the view with a column computed from each record, read backwards too.
        TabulkaModel model(t, {{QStringLiteral("Profil"), QStringLiteral("Profil"), {}},
                               {QStringLiteral("Dvojnásobek"), {}, [](const Zaznam &z) { return QString::number(2 * z.Cislo(QStringLiteral("Počet"))); }}});
        QCOMPARE(std::make_pair(model.rowCount(), model.columnCount()), std::make_pair(250, 2));
        QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Dvojnásobek"));
        for (int r = 249; r >= 0; r -= 17)
            QCOMPARE(model.data(model.index(r, 0), Qt::DisplayRole).toString() + u' ' + model.data(model.index(r, 1), Qt::DisplayRole).toString(),
                     QStringLiteral("P%1 %2").arg(ocekavane[r] % 7).arg(2 * ocekavane[r]));

        // The bulk read sees the same view, also after a deletion.
        t.PrejitNa(10);
        t.SmazatAktualni();
        ocekavane.removeAt(10);
        const QList<QVariantList> hromadne = t.HodnotyPohledu({QStringLiteral("Počet"), QStringLiteral("Profil")});
        QCOMPARE(hromadne.size(), 249);
        for (int i = 0; i < hromadne.size(); ++i) {
            QCOMPARE(hromadne[i][0].toInt(), ocekavane[i]);
            QCOMPARE(hromadne[i][1].toString(), QStringLiteral("P%1").arg(ocekavane[i] % 7));
        }
        QCOMPARE(t.Cislo(QStringLiteral("Počet")), ocekavane[10]);
        model.Obnovit();
        QCOMPARE(model.rowCount(), 249);
        QCOMPARE(model.data(model.index(10, 1), Qt::DisplayRole).toString(), QString::number(2 * ocekavane[10]));

        // A new record joins the view and becomes current only when the filters accept it.
        Pridat(t, QStringLiteral("P3"), 1000);
        QCOMPARE(t.PocetZaznamu(), 250);
        QCOMPARE(t.Pozice(), 249);
        QCOMPARE(t.Cislo(QStringLiteral("Počet")), 1000);
        Pridat(t, QStringLiteral("P0"), 1002);
        Pridat(t, QStringLiteral("P3"), 1001);
        QCOMPARE(t.PocetZaznamu(), 250);
        QCOMPARE(t.Pozice(), 0);
        t.NastavitFiltrovani(false);
        QCOMPARE(t.PocetZaznamu(), 702);
        QCOMPARE(t.HodnotyPohledu({QStringLiteral("Počet")}).last().first().toInt(), 1001);
    }

    void predikatSCtenimPodleZaznamu()
    {
        // A predicate that reads a further field, or a memo, only for some records (as the bank's
        // counting does) sees the right values of every record.
        Tabulka::Vytvorit(QStringLiteral("Vysledky"), PoleVysledku());
        QCOMPARE(Naplnit(QStringLiteral("Vysledky"), 500, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}), QString());
        Tabulka t(QStringLiteral("Vysledky"));
        int cteniPoznamky = 0;
        t.NastavitPredikat([&](const Zaznam &z) {
            const int pocet = z.Cislo(QStringLiteral("Počet"));
            if (pocet < 200)
                return pocet % 50 == 0;
            if (pocet >= 400) {
                ++cteniPoznamky;
                return z.Text(QStringLiteral("Poznámka")) == QStringLiteral("memo %1").arg(pocet) && pocet % 10 == 0;
            }
            return z.Text(QStringLiteral("Profil")) == QStringLiteral("b") && z.Cislo(QStringLiteral("Počet")) == pocet;
        });
        t.NastavitFiltrovani(true);
        t.Otevrit();
        QList<int> ocekavane;
        for (int i = 0; i < 500; ++i)
            if ((i < 200 && i % 50 == 0) || (i >= 200 && i < 400 && i % 3 == 1) || (i >= 400 && i % 10 == 0))
                ocekavane << i;
        QList<int> precteno;
        for (const QVariantList &r : t.HodnotyPohledu({QStringLiteral("Počet")}))
            precteno << r.first().toInt();
        QCOMPARE(precteno, ocekavane);
        QCOMPARE(cteniPoznamky, 100);
    }

    // A table with an index over the filtered field. A view made only by the expression filter is
    // read in one pass and deleted in one statement for each file, and a record stored without the
    // view made becomes current when it is. A predicate's view is deleted record by record. Either
    // goes whole from both files and no other record with it; an empty view is nothing to do;
    // read-only, a deletion is refused.
    void pohledyVelkeTabulky()
    {
        const QStringList profil{QStringLiteral("Profil")};
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, Tabulka::Vytvorit(QStringLiteral("Vysledky"), PoleVysledku(), {{QStringLiteral("Poznámka")}}));
        QVERIFY(!QFile::exists(QStringLiteral("Vysledky.DB")));
        Tabulka::Vytvorit(QStringLiteral("Vysledky"), PoleVysledku(), {profil});
        QCOMPARE(PocetRadku(QStringLiteral("Vysledky.DB"), "sqlite_master WHERE name = 'rejstrik Profil'"), 1);
        QCOMPARE(Naplnit(QStringLiteral("Vysledky"), 1200, {QStringLiteral("Jan"), QStringLiteral("O'Brien"), QStringLiteral("O'Brien")}), QString());

        Tabulka t(QStringLiteral("Vysledky"));
        t.Otevrit();
        t.ZajistitRejstrik(profil); // there already
        t.NastavitFiltr(QStringLiteral("Profil = 'Jan'"));
        t.NastavitFiltrovani(true);
        QList<qint64> pocty;
        t.ProjitPohled({QStringLiteral("Počet"), QStringLiteral("Profil")}, [&](const RadekPohledu &r) {
            pocty << r.Cele(0);
            QCOMPARE(r.Hodnota(1).toString(), QStringLiteral("Jan"));
            QCOMPARE(r.Text(1), QStringLiteral("Jan"));
        });
        QCOMPARE(std::make_tuple(pocty.size(), pocty.first(), pocty.last()), std::make_tuple(400, qint64(0), qint64(1197)));
        QVERIFY(std::is_sorted(pocty.begin(), pocty.end()));
        Pridat(t, QStringLiteral("Jan"), 5000);
        QCOMPARE(std::make_pair(t.Pozice(), t.Cislo(QStringLiteral("Počet"))), std::make_pair(400, 5000));

        t.NastavitFiltr(QStringLiteral("Profil = 'O''Brien'"));
        t.SmazatPohled(); // by the filter alone: the view is never made
        QCOMPARE(t.PocetZaznamu(), 0);
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, t.Text(QStringLiteral("Profil")));
        t.SmazatPohled();
        t.NastavitFiltrovani(false);
        QCOMPARE(t.PocetZaznamu(), 401);
        t.Zavrit();
        QCOMPARE(PocetRadku(QStringLiteral("Vysledky.DB"), "zaznamy"), 401);
        QCOMPARE(PocetRadku(QStringLiteral("Vysledky.MB"), "memo"), 401);

        t.Otevrit();
        t.NastavitFiltr(QString());
        t.NastavitPredikat([](const Zaznam &z) { return z.Cislo(QStringLiteral("Počet")) >= 600; });
        t.NastavitFiltrovani(true);
        QCOMPARE(t.PocetZaznamu(), 201);
        t.SmazatPohled();
        t.NastavitFiltrovani(false);
        QCOMPARE(t.PocetZaznamu(), 200);
        t.PrejitNa(199);
        QCOMPARE(t.Cislo(QStringLiteral("Počet")), 597);
        QCOMPARE(t.Text(QStringLiteral("Poznámka")), QStringLiteral("memo 597"));
        t.Zavrit();
        QCOMPARE(PocetRadku(QStringLiteral("Vysledky.MB"), "memo"), 200);

        t.Otevrit(true);
        t.NastavitPredikat({});
        t.NastavitFiltr(QStringLiteral("Profil = 'Jan'"));
        t.NastavitFiltrovani(true);
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, t.SmazatPohled());
        QCOMPARE(t.PocetZaznamu(), 200);
        t.Zavrit();
        QCOMPARE(PocetRadku(QStringLiteral("Vysledky.DB"), "zaznamy"), 200);

        // A table made without the index gets it once; reading does not need it.
        Tabulka::Vytvorit(QStringLiteral("Protokoly"), PoleVysledku());
        Tabulka bez(QStringLiteral("Protokoly"));
        bez.Otevrit();
        Pridat(bez, QStringLiteral("Eva"), 1);
        bez.ZajistitRejstrik(profil);
        const QByteArray s = Obsah(QStringLiteral("Protokoly.DB"));
        bez.ZajistitRejstrik(profil);
        QCOMPARE(Obsah(QStringLiteral("Protokoly.DB")), s);
        bez.Zavrit();
        QCOMPARE(PocetRadku(QStringLiteral("Protokoly.DB"), "sqlite_master WHERE name = 'rejstrik Profil'"), 1);
    }
};

QTEST_GUILESS_MAIN(TestTabulka)
#include "tst_tabulka.moc"

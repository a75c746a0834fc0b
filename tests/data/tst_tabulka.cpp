// The record tables: creation, filters, the delete walk, and that a table file that cannot be
// used is reported and left exactly as it was.
#include "tabulky.h"

#include "data/filtrvyraz.h"
#include "data/tabulka.h"
#include "data/tabulkamodel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

class TestTabulka : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

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

    static QByteArray Obsah(const QString &soubor)
    {
        QFile f(soubor);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static QStringList Profily(Tabulka &t) { return Pomocnik::HodnotyPole(t, QStringLiteral("Profil")); }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir::setCurrent(m_dir.path());
        QFile::remove(QStringLiteral("Vysledky.DB"));
        QFile::remove(QStringLiteral("Vysledky.MB"));
    }

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
        QStringList jmena;
        for (const DefinicePole &p : znovu.Pole())
            jmena << p.jmeno;
        QCOMPARE(jmena, (QStringList{QStringLiteral("Profil"), QStringLiteral("Počet"), QStringLiteral("Kdy"),
                                     QStringLiteral("Poznámka")}));
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, Tabulka::Vytvorit(QStringLiteral("Vysledky"), PoleVysledku()));
    }

    void filtryAPocitani()
    {
        Tabulka::Vytvorit(QStringLiteral("Vysledky"), PoleVysledku());
        Tabulka t(QStringLiteral("Vysledky"));
        t.Otevrit();
        for (int i = 1; i <= 6; ++i)
            Pridat(t, i % 2 ? QStringLiteral("Jan's") : QStringLiteral("Default"), i);

        t.NastavitPredikat([](const Zaznam &z) { return z.Cislo(QStringLiteral("Počet")) > 2; });
        QCOMPARE(t.PocetZaznamu(), 6); // filtering still off
        t.NastavitFiltrovani(true);
        QCOMPARE(t.PocetZaznamu(), 4);
        QCOMPARE(t.Cislo(QStringLiteral("Počet")), 3);
        t.Posunout(2);
        QCOMPARE(t.Cislo(QStringLiteral("Počet")), 5);
        t.Posunout(10);
        QCOMPARE(t.Cislo(QStringLiteral("Počet")), 6);

        t.NastavitPredikat({});
        t.NastavitFiltr(QStringLiteral("Profil = 'Jan''s'"));
        QCOMPARE(Profily(t), QStringList(3, QStringLiteral("Jan's")));
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

    void rozborFiltru_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("podminek");
        QTest::addColumn<QString>("posledni");
        QTest::newRow("rovno") << QStringLiteral("Profil = 'x'") << 1 << QStringLiteral("x");
        QTest::newRow("uvozovka") << QStringLiteral("Profil <> 'O''Brien' ") << 1 << QStringLiteral("O'Brien");
        QTest::newRow("and") << QStringLiteral("Profil <> 'a' AND Profil <> 'b c' ") << 2 << QStringLiteral("b c");
        QTest::newRow("prazdny") << QStringLiteral("  ") << 0 << QString();
        QTest::newRow("neuzavreny") << QStringLiteral("Profil = 'a") << -1 << QString();
        QTest::newRow("bez AND") << QStringLiteral("Profil = 'a' Profil = 'b'") << -1 << QString();
    }

    void rozborFiltru()
    {
        QFETCH(QString, text);
        QFETCH(int, podminek);
        QFETCH(QString, posledni);
        QString chyba;
        const auto vyraz = RozebratFiltr(text, &chyba);
        if (podminek < 0) {
            QVERIFY(!vyraz);
            QVERIFY(!chyba.isEmpty());
            return;
        }
        QVERIFY(vyraz);
        QCOMPARE(vyraz->podminky.size(), podminek);
        if (podminek)
            QCOMPARE(vyraz->podminky.last().hodnota, posledni);
        QCOMPARE(LiteralFiltru(QStringLiteral("O'Brien")), QStringLiteral("'O''Brien'"));
    }

    void smazaniFiltrovanehoPohleduNechaOstatni()
    {
        Tabulka::Vytvorit(QStringLiteral("Vysledky"), PoleVysledku());
        Tabulka t(QStringLiteral("Vysledky"));
        t.Otevrit();
        const QStringList poradi{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("a"),
                                 QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("b")};
        for (int i = 0; i < poradi.size(); ++i)
            Pridat(t, poradi[i], i, QStringLiteral("memo %1").arg(i));
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

    void prerusenyZapisNenechaPulZaznam()
    {
        Tabulka::Vytvorit(QStringLiteral("Vysledky"), PoleVysledku());
        {
            Tabulka t(QStringLiteral("Vysledky"));
            t.Otevrit();
            Pridat(t, QStringLiteral("celý"), 1, QStringLiteral("text"));
        }
        // Break the memo file so that the second half of the next record cannot be written.
        {
            sqlite3 *db = nullptr;
            QCOMPARE(sqlite3_open("Vysledky.MB", &db), SQLITE_OK);
            QCOMPARE(sqlite3_exec(db, "CREATE TRIGGER zadny BEFORE INSERT ON memo BEGIN SELECT RAISE(ABORT, 'disk plný'); END",
                                  nullptr, nullptr, nullptr), SQLITE_OK);
            sqlite3_close(db);
        }
        Tabulka t(QStringLiteral("Vysledky"));
        t.Otevrit();
        try {
            Pridat(t, QStringLiteral("půlka"), 2, QStringLiteral("text"));
            QFAIL("the write should have failed");
        } catch (const ChybaTabulky &e) {
            QVERIFY2(e.Text().contains(QStringLiteral("disk plný")), qPrintable(e.Text()));
        }
        t.Zavrit();
        t.Otevrit();
        QCOMPARE(Profily(t), QStringList{QStringLiteral("celý")});
    }

    void poskozenySouborZustaneBezeZmeny_data()
    {
        QTest::addColumn<QByteArray>("obsah");
        QTest::newRow("smetí") << QByteArray("toto není databáze, jen text\n").repeated(50);
        QTest::newRow("prázdný") << QByteArray();
        QTest::newRow("cizí SQLite") << QByteArray("cizi");
    }

    void poskozenySouborZustaneBezeZmeny()
    {
        QFETCH(QByteArray, obsah);
        if (obsah == "cizi") {
            sqlite3 *db = nullptr;
            sqlite3_open("Vysledky.DB", &db);
            sqlite3_exec(db, "CREATE TABLE jina(x)", nullptr, nullptr, nullptr);
            sqlite3_close(db);
            QFile::copy(QStringLiteral("Vysledky.DB"), QStringLiteral("Vysledky.MB"));
        } else {
            for (const char *s : {"Vysledky.DB", "Vysledky.MB"}) {
                QFile f(QString::fromLatin1(s));
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(obsah);
            }
        }
        const QByteArray predDb = Obsah(QStringLiteral("Vysledky.DB"));
        const QByteArray predMb = Obsah(QStringLiteral("Vysledky.MB"));
        Tabulka t(QStringLiteral("Vysledky"));
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, t.Otevrit());
        QVERIFY(!t.Otevreno());
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, Tabulka::Vytvorit(QStringLiteral("Vysledky"), PoleVysledku()));
        QCOMPARE(Obsah(QStringLiteral("Vysledky.DB")), predDb);
        QCOMPARE(Obsah(QStringLiteral("Vysledky.MB")), predMb);
        QVERIFY(!QFile::exists(QStringLiteral("Vysledky.DB-journal")));
    }

    void souborJenProCteni()
    {
        Tabulka::Vytvorit(QStringLiteral("Vysledky"), PoleVysledku());
        {
            Tabulka t(QStringLiteral("Vysledky"));
            t.Otevrit();
            Pridat(t, QStringLiteral("a"), 1);
        }
        const QByteArray pred = Obsah(QStringLiteral("Vysledky.DB"));
        Tabulka t(QStringLiteral("Vysledky"));
        t.Otevrit(true);
        QCOMPARE(t.PocetZaznamu(), 1);
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, Pridat(t, QStringLiteral("b"), 2));
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, t.SmazatAktualni());
        t.Zavrit();
        QCOMPARE(Obsah(QStringLiteral("Vysledky.DB")), pred);
    }

    void chybejiciMemoSouborSeNevytvori()
    {
        Tabulka::Vytvorit(QStringLiteral("Vysledky"), PoleVysledku());
        QFile::remove(QStringLiteral("Vysledky.MB"));
        Tabulka t(QStringLiteral("Vysledky"));
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, t.Otevrit());
        QVERIFY(!QFile::exists(QStringLiteral("Vysledky.MB")));
    }

    void modelSVypocitanymSloupcem()
    {
        Tabulka::Vytvorit(QStringLiteral("Vysledky"), PoleVysledku());
        Tabulka t(QStringLiteral("Vysledky"));
        t.Otevrit();
        Pridat(t, QStringLiteral("a"), 3);
        Pridat(t, QStringLiteral("b"), 4);
        TabulkaModel model(t, {{QStringLiteral("Profil"), QStringLiteral("Profil"), {}},
                               {QStringLiteral("Dvojnásobek"), {}, [](const Zaznam &z) {
                                    return QString::number(2 * z.Cislo(QStringLiteral("Počet")));
                                }}});
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.columnCount(), 2);
        QCOMPARE(model.data(model.index(1, 0), Qt::DisplayRole).toString(), QStringLiteral("b"));
        QCOMPARE(model.data(model.index(1, 1), Qt::DisplayRole).toString(), QStringLiteral("8"));
        QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Dvojnásobek"));
        t.NastavitFiltr(QStringLiteral("Profil = 'b'"));
        t.NastavitFiltrovani(true);
        model.Obnovit();
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.data(model.index(0, 1), Qt::DisplayRole).toString(), QStringLiteral("8"));
    }
};

QTEST_GUILESS_MAIN(TestTabulka)
#include "tst_tabulka.moc"

// Records of runs in the results table: created on first use with its fields in order, appended
// whole, and a file that is not the table left exactly as it was.
#include "adresar.h"

#include "practice/vysledky.h"

#include <QFile>
#include <QTest>

namespace {

ZaznamVysledku Vysledek(int pocet, const QString &spatne)
{
    ZaznamVysledku v;
    v.TypTestu = QStringLiteral("Procvičování");
    v.Profil = QStringLiteral("Šárka");
    v.Datum = QDate(2026, 3, 14);
    v.Cas = QTime(9, 30, 15);
    v.Skupina = QStringLiteral("B");
    v.Kategorie = QStringLiteral("26");
    v.PocetOtazek = pocet;
    v.Spatne = static_cast<int>(spatne.isEmpty() ? 0 : spatne.count(u',') + 1);
    v.SpatneCisla = spatne;
    v.SNapovedou = 1;
    v.SNapovedouCisla = QStringLiteral("9");
    v.Uspesnost = 84;
    return v;
}

QByteArray Obsah(const QString &soubor)
{
    QFile f(soubor);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestVysledky : public QObject {
    Q_OBJECT

    std::unique_ptr<Pomocnik::Adresar> m_dir;

private slots:
    void init() { m_dir = std::make_unique<Pomocnik::Adresar>(); }

    void prvniZaznamZalozeTabulku()
    {
        QVERIFY(!Tabulka::Existuje(Vysledky::JmenoTabulky));
        Vysledky::Zapsat(Vysledek(20, QStringLiteral("3, 7, 15")));
        Vysledky::Zapsat(Vysledek(4, QString()));

        Tabulka t(Vysledky::JmenoTabulky);
        t.Otevrit(true);
        QStringList jmena;
        for (const DefinicePole &p : t.Pole())
            jmena << p.jmeno;
        QCOMPARE(jmena, (QStringList{QStringLiteral("TypTestu"), QStringLiteral("Profil"), QStringLiteral("Datum"),
                                     QStringLiteral("Cas"), QStringLiteral("Skupina"), QStringLiteral("Kategorie"),
                                     QStringLiteral("PocetOtazek"), QStringLiteral("Spatne"), QStringLiteral("SpatneCisla"),
                                     QStringLiteral("SNapovedou"), QStringLiteral("SNapovedouCisla"),
                                     QStringLiteral("Uspesnost")}));
        QCOMPARE(t.Pole()[0].velikost, 15);
        QCOMPARE(t.Pole()[2].typ, TypPole::Datum);
        QCOMPARE(t.Pole()[3].typ, TypPole::Cas);
        QCOMPARE(t.Pole()[8].typ, TypPole::Memo);
        QCOMPARE(t.PocetZaznamu(), 2);
        // Read back as written, the dates as the lists show them.
        t.PrejitNa(0);
        QCOMPARE(Vysledky::Precist(t), Vysledek(20, QStringLiteral("3, 7, 15")));
        QCOMPARE(t.ZobrazitelnyText(0, Vysledky::Datum), QStringLiteral("14.3.2026"));
        QCOMPARE(t.ZobrazitelnyText(0, Vysledky::Cas), QStringLiteral("9:30:15"));
        t.PrejitNa(1);
        QCOMPARE(Vysledky::Precist(t), Vysledek(4, QString()));
    }

    void ciziSouborZustaneNedotcen()
    {
        QFile f(QStringLiteral("Vysledky.DB"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(3000, 'x'));
        f.close();
        const QByteArray pred = Obsah(QStringLiteral("Vysledky.DB"));
        try {
            Vysledky::Zapsat(Vysledek(1, QString()));
            QFAIL("a foreign file was taken for the table");
        } catch (const ChybaTabulky &e) {
            QVERIFY(e.Text().startsWith(QStringLiteral("Tabulka Vysledky")));
        }
        QCOMPARE(Obsah(QStringLiteral("Vysledky.DB")), pred);
        QCOMPARE(QDir().entryList(QDir::Files), QStringList{QStringLiteral("Vysledky.DB")});
    }

    void prerusaneZalozeniSeDokonci()
    {
        // Left by a crash while the table was being built: removed, and the table made anew.
        for (const char *zbytek : {"Vysledky-nova.DB", "Vysledky-nova.MB", "Vysledky-nova.DB-journal"}) {
            QFile f(QString::fromLatin1(zbytek));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("polovina");
        }
        Vysledky::Zapsat(Vysledek(1, QString()));
        QCOMPARE(QDir().entryList(QDir::Files), (QStringList{QStringLiteral("Vysledky.DB"), QStringLiteral("Vysledky.MB")}));

        // Left by a crash between the two moves into place: the move is finished.
        Pomocnik::Adresar druhy;
        Tabulka::Vytvorit(QStringLiteral("Vysledky-nova"), Vysledky::PoleTabulky());
        QVERIFY(QFile::rename(QStringLiteral("Vysledky-nova.MB"), QStringLiteral("Vysledky.MB")));
        Vysledky::Zapsat(Vysledek(2, QStringLiteral("5")));
        QCOMPARE(QDir().entryList(QDir::Files), (QStringList{QStringLiteral("Vysledky.DB"), QStringLiteral("Vysledky.MB")}));
        Tabulka t(Vysledky::JmenoTabulky);
        t.Otevrit(true);
        QCOMPARE(t.PocetZaznamu(), 1);
        QCOMPARE(t.Text(Vysledky::SpatneCisla), QStringLiteral("5"));
    }

    void osirelySouborMemSeNeprepise()
    {
        QFile f(QStringLiteral("Vysledky.MB"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("cizi");
        f.close();
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, Vysledky::Zapsat(Vysledek(1, QString())));
        QCOMPARE(Obsah(QStringLiteral("Vysledky.MB")), QByteArray("cizi"));
        QCOMPARE(QDir().entryList(QDir::Files), QStringList{QStringLiteral("Vysledky.MB")});
    }

    void tabulkaJinychPoliSeOdmitne()
    {
        // A table of the program with other fields: nothing is appended to it.
        Tabulka::Vytvorit(Vysledky::JmenoTabulky, {{Vysledky::Profil, TypPole::Retezec, 30}});
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, Vysledky::Zapsat(Vysledek(1, QString())));
        Tabulka t(Vysledky::JmenoTabulky);
        t.Otevrit(true);
        QCOMPARE(t.PocetZaznamu(), 0);
    }
};

QTEST_GUILESS_MAIN(TestVysledky)
#include "tst_vysledky.moc"

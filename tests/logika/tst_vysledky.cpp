// Records of runs in the results table: created on first use with its fields in order, appended
// whole, and a file that is not the table left exactly as it was.
#include "adresar.h"
#include "tabulky.h"
#include "zaznamy.h"

#include "practice/vysledky.h"

#include <QTest>

using Pomocnik::Soubory;

class TestVysledky : public QObject {
    Q_OBJECT

    std::unique_ptr<Pomocnik::Adresar> m_dir;

private slots:
    void init() { m_dir = std::make_unique<Pomocnik::Adresar>(); }

    void prvniZaznamZalozeTabulku()
    {
        QVERIFY(!Tabulka::Existuje(Vysledky::JmenoTabulky));
        ZaznamVysledku prvni = Pomocnik::VysledekSChybami(), druhy = Pomocnik::Vysledek();
        prvni.Profil = QStringLiteral("Šárka");
        Vysledky::Zapsat(prvni);
        Vysledky::Zapsat(druhy);

        Tabulka t(Vysledky::JmenoTabulky);
        t.Otevrit(true);
        QCOMPARE(Pomocnik::JmenaPoli(t),
                 (QStringList{QStringLiteral("TypTestu"), QStringLiteral("Profil"), QStringLiteral("Datum"),
                              QStringLiteral("Cas"), QStringLiteral("Skupina"), QStringLiteral("Kategorie"),
                              QStringLiteral("PocetOtazek"), QStringLiteral("Spatne"), QStringLiteral("SpatneCisla"),
                              QStringLiteral("SNapovedou"), QStringLiteral("SNapovedouCisla"), QStringLiteral("Uspesnost")}));
        QCOMPARE(t.Pole()[0].velikost, 15);
        QCOMPARE(t.Pole()[2].typ, TypPole::Datum);
        QCOMPARE(t.Pole()[3].typ, TypPole::Cas);
        QCOMPARE(t.Pole()[8].typ, TypPole::Memo);
        QCOMPARE(t.PocetZaznamu(), 2);
        // Read back as written, the dates as the lists show them.
        t.PrejitNa(0);
        QCOMPARE(Vysledky::Precist(t), prvni);
        QCOMPARE(t.ZobrazitelnyText(0, Vysledky::Datum), QStringLiteral("14.3.2026"));
        QCOMPARE(t.ZobrazitelnyText(0, Vysledky::Cas), QStringLiteral("9:26:53"));
        t.PrejitNa(1);
        QCOMPARE(Vysledky::Precist(t), druhy);
    }

    // A foreign file in place of either file of the pair, or a table of the program with other
    // fields: the store's error, nothing appended, nothing created beside it.
    void ciziSouborZustaneNedotcen()
    {
        const ZaznamVysledku z = Pomocnik::Vysledek();
        for (const char *soubor : {"Vysledky.DB", "Vysledky.MB"}) {
            Pomocnik::Adresar adresar;
            const QString jmeno = QString::fromLatin1(soubor);
            QVERIFY(Pomocnik::Zapsat(jmeno, QByteArray(3000, 'x')));
            try {
                Vysledky::Zapsat(z);
                QFAIL("a foreign file was taken for the table");
            } catch (const ChybaTabulky &e) {
                QVERIFY2(e.Text().startsWith(QStringLiteral("Tabulka Vysledky")), qPrintable(e.Text()));
            }
            QCOMPARE(Pomocnik::Obsah(jmeno), QByteArray(3000, 'x'));
            QCOMPARE(Soubory(), QStringList{jmeno});
        }
        QVERIFY(QDir::setCurrent(m_dir->Cesta()));
        Tabulka::Vytvorit(Vysledky::JmenoTabulky, {{Vysledky::Profil, TypPole::Retezec, 30}});
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, Vysledky::Zapsat(z));
        QCOMPARE(Pomocnik::ProfilyTabulky(Vysledky::JmenoTabulky), QStringList());
    }

    void prerusaneZalozeniSeDokonci()
    {
        // Left by a crash while the table was being built: removed, and the table made anew.
        for (const char *zbytek : {"Vysledky-nova.DB", "Vysledky-nova.MB", "Vysledky-nova.DB-journal"})
            QVERIFY(Pomocnik::Zapsat(QString::fromLatin1(zbytek), "polovina"));
        Vysledky::Zapsat(Pomocnik::Vysledek());
        QCOMPARE(Soubory(), (QStringList{QStringLiteral("Vysledky.DB"), QStringLiteral("Vysledky.MB")}));

        // Left by a crash between the two moves into place: the move is finished.
        Pomocnik::Adresar druhy;
        Tabulka::Vytvorit(QStringLiteral("Vysledky-nova"), Vysledky::PoleTabulky());
        QVERIFY(QFile::rename(QStringLiteral("Vysledky-nova.MB"), QStringLiteral("Vysledky.MB")));
        Vysledky::Zapsat(Pomocnik::VysledekSChybami());
        QCOMPARE(Soubory(), (QStringList{QStringLiteral("Vysledky.DB"), QStringLiteral("Vysledky.MB")}));
        Tabulka t(Vysledky::JmenoTabulky);
        t.Otevrit(true);
        QCOMPARE(t.PocetZaznamu(), 1);
        QCOMPARE(t.Text(Vysledky::SpatneCisla), QStringLiteral("3, 7, 15"));
    }
};

QTEST_GUILESS_MAIN(TestVysledky)
#include "tst_vysledky.moc"

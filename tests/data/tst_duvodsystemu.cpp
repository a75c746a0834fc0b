// Why the system refused a file operation: the common reasons in Czech, in every message that shows
// one, any other in the system's own words.
#include "adresar.h"

#include "data/adresare.h"
#include "data/duvodsystemu.h"
#include "data/konfigurace.h"
#include "data/tabulka.h"

#include <QTest>

#include <cerrno>

class TestDuvodSystemu : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Adresare::Nastavit({}); }

    void duvody()
    {
        QCOMPARE(DuvodSystemu::Text(EROFS), QStringLiteral("médium je jen pro čtení"));
        QCOMPARE(DuvodSystemu::Text(EIO), qt_error_string(EIO));
        // In a text of Qt's only the reason changes.
        QCOMPARE(DuvodSystemu::Text(QStringLiteral("Cannot load p.so: (") + qt_error_string(EACCES) + u')'),
                 QStringLiteral("Cannot load p.so: (nemáte oprávnění)"));
        QCOMPARE(DuvodSystemu::Text(qt_error_string(ENOSPC)), QStringLiteral("na disku není dost místa"));
        QCOMPARE(DuvodSystemu::Text(qt_error_string(EIO)), qt_error_string(EIO));
    }

    // The messages of config.ini, of the learner's folder and of the table store, each met for real.
    void veZpravach()
    {
        Pomocnik::Adresar adresar;
        QString chyba;
        QVERIFY(!UlozitKonfiguraci(adresar.Soubor(QStringLiteral("neni/config.ini")), Konfigurace{}, &chyba));
        QVERIFY2(chyba.endsWith(QStringLiteral("nelze uložit: složka nebo soubor neexistuje")), qPrintable(chyba));

        try {
            Tabulka::Vytvorit(QStringLiteral("neni/Vysledky"), {{QStringLiteral("Profil"), TypPole::Retezec, 30}});
            QFAIL("a table cannot be made in a missing folder");
        } catch (const ChybaTabulky &e) {
            QVERIFY2(e.Text().endsWith(QStringLiteral("(složka nebo soubor neexistuje)")), qPrintable(e.Text()));
        }

        QVERIFY(Pomocnik::Zapsat(QStringLiteral("soubor"), "x"));
        Adresare::Nastavit({adresar.Cesta(), adresar.Soubor(QStringLiteral("soubor/semaforix"))});
        QVERIFY(!Adresare::PripravitAdresarUzivatele(&chyba));
        QVERIFY2(chyba.contains(QStringLiteral("(složka neexistuje, v cestě stojí soubor)")), qPrintable(chyba));
    }
};

QTEST_GUILESS_MAIN(TestDuvodSystemu)
#include "tst_duvodsystemu.moc"

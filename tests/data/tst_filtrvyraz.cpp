// The expression filters of the result tables: what each operator selects, and names with quotes.
#include "adresar.h"
#include "tabulky.h"

#include "data/filtrvyraz.h"

#include <QTest>

class TestFiltrVyraz : public QObject {
    Q_OBJECT

    std::unique_ptr<Pomocnik::Adresar> m_dir;

private slots:
    void init()
    {
        m_dir = std::make_unique<Pomocnik::Adresar>();
    }

    void rozbor()
    {
        QString chyba;
        const auto v = RozebratFiltr(QStringLiteral("Profil <> 'Default' AND Profil = 'Jan''s' "), &chyba);
        QVERIFY2(v, qPrintable(chyba));
        QCOMPARE(v->podminky.size(), 2);
        QVERIFY(!v->podminky[0].rovno);
        QCOMPARE(v->podminky[0].hodnota, QStringLiteral("Default"));
        QVERIFY(v->podminky[1].rovno);
        QCOMPARE(v->podminky[1].hodnota, QStringLiteral("Jan's"));
        for (const char *spatny : {"Profil", "Profil < 'x'", "Profil = x", "Profil = 'x", "Profil = 'x' OR Profil = 'y'",
                                   "= 'x'", "Profil = 'x' AND"})
            QVERIFY2(!RozebratFiltr(QString::fromLatin1(spatny), &chyba), spatny);
        QCOMPARE(LiteralFiltru(QStringLiteral("O'Brien")), QStringLiteral("'O''Brien'"));
    }

    // The operators select different records from the same table: "<>" read as "=" would not pass.
    void operatoryVTabulce()
    {
        Tabulka::Vytvorit(QStringLiteral("Vysledky"), {{QStringLiteral("Profil"), TypPole::Retezec, 30}});
        Tabulka t(QStringLiteral("Vysledky"));
        t.Otevrit();
        for (const QString &p : {QStringLiteral("Default"), QStringLiteral("O'Brien"), QStringLiteral("Jan")}) {
            t.Vlozit();
            t.Nastavit(QStringLiteral("Profil"), p);
            t.Ulozit();
        }
        t.NastavitFiltr(QStringLiteral("Profil = ") + LiteralFiltru(QStringLiteral("O'Brien")));
        t.NastavitFiltrovani(true);
        QCOMPARE(Pomocnik::HodnotyPole(t, QStringLiteral("Profil")), QStringList{QStringLiteral("O'Brien")});
        t.NastavitFiltr(QStringLiteral("Profil <> ") + LiteralFiltru(QStringLiteral("O'Brien")) + QStringLiteral(" "));
        QCOMPARE(Pomocnik::HodnotyPole(t, QStringLiteral("Profil")),
                 (QStringList{QStringLiteral("Default"), QStringLiteral("Jan")}));
        t.NastavitFiltr(QStringLiteral("Profil <> 'Default' AND Profil <> 'Jan' "));
        QCOMPARE(Pomocnik::HodnotyPole(t, QStringLiteral("Profil")), QStringList{QStringLiteral("O'Brien")});
        t.NastavitFiltrovani(false);
        QCOMPARE(t.PocetZaznamu(), 3);
    }
};

QTEST_GUILESS_MAIN(TestFiltrVyraz)
#include "tst_filtrvyraz.moc"

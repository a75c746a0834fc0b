// The expression filters of the result tables as the store reads them: conditions joined by AND,
// "=" and "<>", quotes doubled inside a literal, and anything else refused with a message. What
// each operator selects from a table is tst_tabulka's.
#include "data/filtrvyraz.h"

#include <QTest>

class TestFiltrVyraz : public QObject {
    Q_OBJECT

private slots:
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
        QCOMPARE(RozebratFiltr(QStringLiteral("Profil <> 'a' AND Profil <> 'b c' "), &chyba)->podminky.last().hodnota,
                 QStringLiteral("b c"));
        QCOMPARE(RozebratFiltr(QStringLiteral("  "), &chyba)->podminky.size(), 0); // no filter
        for (const char *spatny : {"Profil", "Profil < 'x'", "Profil = x", "Profil = 'x", "Profil = 'x' OR Profil = 'y'",
                                   "= 'x'", "Profil = 'x' AND", "Profil = 'a' Profil = 'b'"}) {
            chyba.clear();
            QVERIFY2(!RozebratFiltr(QString::fromLatin1(spatny), &chyba) && !chyba.isEmpty(), spatny);
        }
        QCOMPARE(LiteralFiltru(QStringLiteral("O'Brien")), QStringLiteral("'O''Brien'"));
    }
};

QTEST_GUILESS_MAIN(TestFiltrVyraz)
#include "tst_filtrvyraz.moc"

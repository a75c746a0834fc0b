// The profile list of the settings dialog: order, the limit, names equal but for letter case,
// the base profile and names that config.ini cannot hold.
#include "app/profily.h"
#include "data/konfigurace.h"

#include <QTest>

class TestProfily : public QObject {
    Q_OBJECT

private slots:
    void razeniPoCesku()
    {
        const SeznamProfilu s({QStringLiteral("Default"), QStringLiteral("Šárka"), QStringLiteral("chata"),
                               QStringLiteral("Hana"), QStringLiteral("Čeněk"), QStringLiteral("adam"), QStringLiteral("Cyril")});
        QCOMPARE(s.Jmena(), (QStringList{QStringLiteral("adam"), QStringLiteral("Cyril"), QStringLiteral("Čeněk"),
                                         QStringLiteral("Default"), QStringLiteral("Hana"), QStringLiteral("chata"),
                                         QStringLiteral("Šárka")}));
    }

    void vytvoreni()
    {
        SeznamProfilu s({QStringLiteral("Default")});
        QVERIFY(!s.Vytvorit(QStringLiteral("Profil")));
        QVERIFY(!s.Vytvorit(QStringLiteral("Šárka")));
        QCOMPARE(s.Jmena(), (QStringList{QStringLiteral("Default"), QStringLiteral("Profil"), QStringLiteral("Šárka")}));
        for (const QString &stejne : {QStringLiteral("Profil"), QStringLiteral("PROFIL"), QStringLiteral("šÁRKA"),
                                      QStringLiteral("default")}) {
            const auto o = s.Vytvorit(stejne);
            QVERIFY(o && !o->chyba);
            QCOMPARE(o->text, QStringLiteral("Tento profil je již vytvořen!"));
        }
        const auto prazdne = s.Vytvorit(QString());
        QVERIFY(prazdne && prazdne->chyba);
        QCOMPARE(prazdne->text, QStringLiteral("Tento profil nelze vytvořit!"));
        QCOMPARE(s.Pocet(), 3);
        QCOMPARE(s.Najit(QStringLiteral("ŠÁRKA")), std::optional<QString>(QStringLiteral("Šárka")));
        QVERIFY(!s.Najit(QStringLiteral("Sarka")));
    }

    void nejvyseTricet()
    {
        SeznamProfilu s({QStringLiteral("Default")});
        for (int i = 2; i < MaxProfilu; ++i)
            QVERIFY(!s.Vytvorit(QStringLiteral("Profil %1").arg(i)));
        QCOMPARE(s.Pocet(), 29);
        QVERIFY(!s.Vytvorit(QStringLiteral("Třicátý")));
        QCOMPARE(s.Pocet(), 30);
        const auto plno = s.Vytvorit(QStringLiteral("Další"));
        QVERIFY(plno && plno->chyba);
        QCOMPARE(plno->text, QStringLiteral("Nový profil nemohl být vytvořen!\nLze vytvořit pouze 30 profilů."));
        const auto existuje = s.Vytvorit(QStringLiteral("třicátý"));
        QVERIFY(existuje && !existuje->chyba);
        QCOMPARE(s.Pocet(), 30);
    }

    void jmenoKtereNelzeUlozit()
    {
        SeznamProfilu s({QStringLiteral("Default")});
        for (const QString &jmeno : {QStringLiteral("Jan\nNovák"), QStringLiteral("漢字"), QStringLiteral(" Jan"),
                                     QStringLiteral("Jan ")}) {
            const auto o = s.Vytvorit(jmeno);
            QVERIFY2(o && o->chyba, qPrintable(jmeno));
            QVERIFY2(o->text.contains(QStringLiteral("nelze uložit")), qPrintable(o->text));
        }
        const auto dlouhe = s.Vytvorit(QString(31, u'a'));
        QVERIFY(dlouhe && dlouhe->chyba);
        QVERIFY(!s.Vytvorit(QString(30, u'a')));
        // A value line keeps these as they are.
        for (const QString &jmeno : {QStringLiteral("Jan's = O'Brien"), QStringLiteral("=Jan"), QStringLiteral("[Jan]")})
            QVERIFY2(!s.Vytvorit(jmeno), qPrintable(jmeno));
        QCOMPARE(s.Pocet(), 5);
    }

    void vymazani()
    {
        SeznamProfilu s({QStringLiteral("Default"), QStringLiteral("Profil"), QStringLiteral("Škola")});
        for (const QString &zaklad : {QStringLiteral("Default"), QStringLiteral("DEFAULT"), QStringLiteral("default")}) {
            const auto o = s.Vymazat(zaklad);
            QVERIFY(o && o->chyba);
            QCOMPARE(o->text, QStringLiteral("Nelze odstranit základní profil!"));
        }
        QVERIFY(!s.Vymazat(QStringLiteral("Neznámý")));
        QCOMPARE(s.Pocet(), 3);
        QVERIFY(!s.Vymazat(QStringLiteral("ŠKOLA")));
        QCOMPARE(s.Jmena(), (QStringList{QStringLiteral("Default"), QStringLiteral("Profil")}));
    }
};

QTEST_APPLESS_MAIN(TestProfily)
#include "tst_profily.moc"

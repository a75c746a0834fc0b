// The profile list of the settings dialog: order, the limit, names equal but for letter case,
// the base profile and names that config.ini cannot hold.
#include "app/profily.h"
#include "data/konfigurace.h"

#include <QTest>

namespace {

// The names of a list written as "a|b|c".
QStringList Jmena(const char *jmena) { return QString::fromUtf8(jmena).split(u'|'); }

} // namespace

class TestProfily : public QObject {
    Q_OBJECT

private slots:
    void razeniPoCesku()
    {
        const SeznamProfilu s(Jmena("Default|Šárka|chata|Hana|Čeněk|adam|Cyril"));
        QCOMPARE(s.Jmena(), Jmena("adam|Cyril|Čeněk|Default|Hana|chata|Šárka"));
    }

    void vytvoreni()
    {
        SeznamProfilu s({QStringLiteral("Default")});
        QVERIFY(!s.Vytvorit(QStringLiteral("Profil")));
        QVERIFY(!s.Vytvorit(QStringLiteral("Šárka")));
        QCOMPARE(s.Jmena(), Jmena("Default|Profil|Šárka"));
        for (const QString &stejne : Jmena("Profil|PROFIL|šÁRKA|default")) {
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
        for (const QString &jmeno : Jmena("Jan\nNovák|漢字| Jan|Jan ")) {
            const auto o = s.Vytvorit(jmeno);
            QVERIFY2(o && o->chyba, qPrintable(jmeno));
            QVERIFY2(o->text.contains(QStringLiteral("nelze uložit")), qPrintable(o->text));
        }
        const auto dlouhe = s.Vytvorit(QString(31, u'a'));
        QVERIFY(dlouhe && dlouhe->chyba);
        QVERIFY(!s.Vytvorit(QString(30, u'a')));
        // A value line keeps these as they are.
        for (const QString &jmeno : Jmena("Jan's = O'Brien|=Jan|[Jan]"))
            QVERIFY2(!s.Vytvorit(jmeno), qPrintable(jmeno));
        QCOMPARE(s.Pocet(), 5);
    }

    void vymazani()
    {
        SeznamProfilu s(Jmena("Default|Profil|Škola"));
        for (const QString &zaklad : Jmena("Default|DEFAULT|default")) {
            const auto o = s.Vymazat(zaklad);
            QVERIFY(o && o->chyba);
            QCOMPARE(o->text, QStringLiteral("Nelze odstranit základní profil!"));
        }
        QVERIFY(!s.Vymazat(QStringLiteral("Neznámý")));
        QCOMPARE(s.Pocet(), 3);
        QVERIFY(!s.Vymazat(QStringLiteral("ŠKOLA")));
        QCOMPARE(s.Jmena(), Jmena("Default|Profil"));
    }
};

QTEST_APPLESS_MAIN(TestProfily)
#include "tst_profily.moc"

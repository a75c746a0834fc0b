// The profile list of the settings dialog: order, the limit, names equal but for letter case,
// the base profile and names that config.ini cannot hold; and one profile, one name, in every table.
#include "adresar.h"
#include "tabulky.h"

#include "app/profily.h"
#include "data/konfigurace.h"
#include "data/profily.h"
#include "practice/vysledky.h"
#include "test/protokoltestu.h"
#include "uceni/pamet.h"
#include "uceni/terminzkousky.h"

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

    // A hand-edited config.ini with names the tables would cut to one: only names of at most 30
    // characters, each one profile, are read, the others reported by name. Then, in every table,
    // one profile's list, exam day, memory and clean-up take its own records and no neighbour's.
    void jedenProfilJednoJmeno()
    {
        Pomocnik::Adresar adresar;
        const QString k30 = QStringLiteral("Karolina Novakova-Svobodova 12"), a = k30 + QStringLiteral("AAAAA"),
                      b = k30 + QStringLiteral("BBBBB"), d35 = QStringLiteral("Bohuslava Kratochvilova-Dobromilova");
        QVERIFY(Pomocnik::Zapsat(QStringLiteral("config.ini"),
                                 "[Profily]\r\nPocet=6\r\n1=Default\r\n2=" + k30.toLatin1() + "\r\n3=" + a.toLatin1()
                                     + "\r\n4=" + b.toLatin1() + "\r\n5=" + d35.toLatin1() + "\r\n6="
                                     + k30.toUpper().toLatin1() + "\r\nAktivni=" + a.toLatin1() + "\r\n"));
        Konfigurace k;
        QString chyba;
        QStringList vyhrady;
        QVERIFY(NacistKonfiguraci(QStringLiteral("config.ini"), k, &chyba, &vyhrady));
        QCOMPARE(k.Profily, (QStringList{QStringLiteral("Default"), k30}));
        QCOMPARE(k.AktivniProfil, QStringLiteral("Default"));
        QCOMPARE(vyhrady.size(), 5);
        for (const QString &jmeno : {a, b, d35, k30.toUpper()})
            QVERIFY2(vyhrady.filter(QStringLiteral("Profil „") + jmeno + u'“').size() == 1, qPrintable(jmeno));
        QVERIFY(vyhrady.last().startsWith(QStringLiteral("Aktivní profil „") + a));

        // Records of k30 and of names that share its first 29 characters or differ in letter case only.
        const QStringList profily{k30, k30.left(29), k30.toUpper(), k30.left(29) + u'3'};
        const QList<QString> tabulky{Vysledky::JmenoTabulky, ProtokolTestu::JmenoTabulky, Odpovedi::JmenoTabulky,
                                     TerminZkousky::JmenoTabulky};
        for (int i = 0; i < profily.size(); ++i) {
            ZaznamVysledku v;
            ZaznamProtokolu z;
            v.Profil = z.Profil = profily[i];
            Vysledky::Zapsat(v);
            ProtokolTestu::Zapsat(z);
            PametProfilu(profily[i]).Zaznamenat(i + 1, Odpovedi::Vysledek::Spravne, Odpovedi::Zdroj::Test,
                                                QDateTime::currentDateTime());
            TerminZkousky::Zapsat(profily[i], QDate(2026, 6, i + 1));
        }
        TerminZkousky::Zapsat(k30, QDate(2026, 7, 1));
        for (int i = 1; i < profily.size(); ++i)
            QCOMPARE(TerminZkousky::Precist(profily[i], QDate(2026, 5, 1)), QDate(2026, 6, i + 1));
        QCOMPARE(TerminZkousky::Precist(k30, QDate(2026, 5, 1)), QDate(2026, 7, 1));
        PametProfilu pamet(k30);
        pamet.Nacist();
        QCOMPARE(pamet.Odpovedi().size(), size_t(1));
        for (const QString &tabulka : tabulky) {
            Tabulka t(tabulka);
            t.Otevrit(true);
            t.NastavitFiltr(FiltrProfilu(k30));
            t.NastavitFiltrovani(true);
            QCOMPARE(Pomocnik::HodnotyPole(t, QStringLiteral("Profil")), QStringList{k30});
        }

        // The clean-up of k30 after its removal was saved.
        QCOMPARE(ProfilyKeSmazani(profily, profily.mid(1)), QStringList{k30});
        for (const QString &tabulka : tabulky)
            SmazatZaznamyProfilu(tabulka, k30);
        for (const QString &tabulka : tabulky)
            QCOMPARE(Pomocnik::ProfilyTabulky(tabulka), profily.mid(1));
    }
};

QTEST_APPLESS_MAIN(TestProfily)
#include "tst_profily.moc"

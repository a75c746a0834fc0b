// The table of answers: created crash-safe on the first answer, read back per profile in the order
// given, one profile deleted alone, and a file that is not the table reported and left as it was.
#include "adresar.h"
#include "odpovedi.h"
#include "tabulky.h"

#include "data/profily.h"
#include "uceni/pametaktivniho.h"

#include <QTest>

#include <memory>

using Pomocnik::Obsah;

using Pomocnik::Kdy;
using V = Odpovedi::Vysledek;
using Z = Odpovedi::Zdroj;

namespace {

void Zaznamenat(PametProfilu &pamet, const QList<Pomocnik::Krok> &kroky)
{
    for (const Pomocnik::Krok &k : kroky)
        pamet.Zaznamenat(k.otazka, k.vysledek, k.zdroj, k.kdy);
}

bool StejneOdpovedi(const PametProfilu &a, const PametProfilu &b)
{
    return std::equal(a.Odpovedi().begin(), a.Odpovedi().end(), b.Odpovedi().begin(), b.Odpovedi().end(),
                      [](const Odpovedi::Odpoved &x, const Odpovedi::Odpoved &y) {
                          return x.datum == y.datum && x.cas == y.cas && x.otazka == y.otazka
                                 && x.vysledek == y.vysledek && x.zdroj == y.zdroj;
                      });
}

} // namespace

class TestOdpovedi : public QObject {
    Q_OBJECT

    std::unique_ptr<Pomocnik::Adresar> m_dir;

private slots:
    void init() { m_dir = std::make_unique<Pomocnik::Adresar>(); }

    void zapisCteniASmazaniProfilu()
    {
        QVERIFY(Pomocnik::Zapsat(QStringLiteral("Odpovedi-nova.DB"), "zbytek zalozeni po padu"));
        PametProfilu sarka(QStringLiteral("Šárka")), obrien(QStringLiteral("O'Brien")),
            dlouhy(QString(30, u'ž'));
        sarka.Nacist(); // no table yet: an empty memory, and nothing created
        QVERIFY(sarka.Odpovedi().empty());
        QVERIFY(!Tabulka::Existuje(Odpovedi::JmenoTabulky));

        Zaznamenat(sarka, {{12, QDateTime(QDate(2026, 3, 2), QTime(9, 15, 30, 250)), V::Spatne, Z::Zkouseni}});
        Zaznamenat(obrien, {{12, Kdy(2026, 3, 2)}, {13, Kdy(2026, 3, 2), V::Nezodpovezeno, Z::Test}});
        Zaznamenat(sarka, {{12, Kdy(2026, 3, 3), V::SNapovedou, Z::Oprava}, {700, Kdy(2026, 3, 1)}});
        Zaznamenat(dlouhy, {{5, Kdy(2026, 3, 4)}});
        QCOMPARE(Pomocnik::Soubory(), (QStringList{QStringLiteral("Odpovedi.DB"), QStringLiteral("Odpovedi.MB")}));
        {
            Tabulka t(Odpovedi::JmenoTabulky);
            t.Otevrit(true);
            QCOMPARE(Pomocnik::JmenaPoli(t), (QStringList{QStringLiteral("Profil"), QStringLiteral("Otazka"), QStringLiteral("DatumACas"),
                                        QStringLiteral("Vysledek"), QStringLiteral("Zdroj")}));
            QCOMPARE(t.PocetZaznamu(), 6);
            t.PrejitNa(5);
            QCOMPARE(t.Text(Odpovedi::Pole::Profil), QString(30, u'ž'));
        }

        // Read back: each profile's answers alone, in the order given, every field whole, and the
        // same memory as the one kept answer by answer.
        for (PametProfilu *p : {&sarka, &obrien, &dlouhy}) {
            PametProfilu znovu(p->Profil());
            znovu.Nacist();
            QVERIFY(StejneOdpovedi(znovu, *p));
            QCOMPARE(znovu.Preskoceno(), 0);
            const StavOtazky a = znovu.Stav(12, QDate(2026, 3, 20)), b = p->Stav(12, QDate(2026, 3, 20));
            QCOMPARE(a.stabilita, b.stabilita);
            QCOMPARE(a.vybavitelnost, b.vybavitelnost);
        }
        QCOMPARE(sarka.Odpovedi().size(), size_t(3));
        QCOMPARE(sarka.Odpovedi()[0].cas, QTime(9, 15, 30, 250));
        QCOMPARE(sarka.Odpovedi()[1].zdroj, Z::Oprava);
        QCOMPARE(sarka.Odpovedi()[2].otazka, 700);

        // The clean-up takes one profile's answers and leaves the others.
        SmazatZaznamyProfilu(Odpovedi::JmenoTabulky, QStringLiteral("O'Brien"));
        obrien.Nacist();
        QVERIFY(obrien.Odpovedi().empty());
        PametProfilu zbyva(QStringLiteral("Šárka"));
        zbyva.Nacist();
        QVERIFY(StejneOdpovedi(zbyva, sarka));
        Tabulka t(Odpovedi::JmenoTabulky);
        t.Otevrit(true);
        QCOMPARE(t.PocetZaznamu(), 4);
    }

    void ciziSouborZustaneNedotcen()
    {
        QVERIFY(Pomocnik::Zapsat(QStringLiteral("Odpovedi.DB"), QByteArray(3000, 'x')));
        const QByteArray pred = Obsah(QStringLiteral("Odpovedi.DB"));
        PametProfilu pamet(QStringLiteral("Default"));
        Pomocnik::Prehrat(pamet, {{7, Kdy(2026, 3, 2)}});
        try {
            pamet.Nacist();
            QFAIL("a foreign file was read as the table");
        } catch (const ChybaTabulky &e) {
            QVERIFY2(e.Text().startsWith(QStringLiteral("Tabulka Odpovedi")), qPrintable(e.Text()));
        }
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, pamet.Zaznamenat(8, V::Spatne, Z::Procvicovani, Kdy(2026, 3, 3)));
        // The memory is as it was: the answer that could not be stored is not in it.
        QCOMPARE(pamet.Odpovedi().size(), size_t(1));
        QVERIFY(!pamet.Stav(8, QDate(2026, 3, 3)).zodpovezena);
        QCOMPARE(Obsah(QStringLiteral("Odpovedi.DB")), pred);
        QCOMPARE(Pomocnik::Soubory(), QStringList{QStringLiteral("Odpovedi.DB")});

        // A table of the program with other fields: nothing read from it, nothing appended.
        QVERIFY(QFile::remove(QStringLiteral("Odpovedi.DB")));
        Tabulka::Vytvorit(Odpovedi::JmenoTabulky, {{Odpovedi::Pole::Profil, TypPole::Retezec, 30},
                                                   {Odpovedi::Pole::Otazka, TypPole::Retezec, 3}});
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, pamet.Nacist());
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, pamet.Zaznamenat(8, V::Spatne, Z::Procvicovani, Kdy(2026, 3, 3)));
        Tabulka t(Odpovedi::JmenoTabulky);
        t.Otevrit(true);
        QCOMPARE(t.PocetZaznamu(), 0);
    }

    // The active profile's memory: answers before it is read only go to the table; it is read once,
    // then kept up to date; another profile's answer or a change of profile drops it.
    void pametAktivnihoProfilu()
    {
        PametAktivnihoProfilu aktivni;
        const QString eva = QStringLiteral("Eva");
        aktivni.Zaznamenat(eva, {Pomocnik::Odpoved({4, Kdy(2026, 3, 1), V::Spatne})});
        QVERIFY(!aktivni.Nactena());
        const PametProfilu &pamet = aktivni.Nacist(eva);
        aktivni.Zaznamenat(eva, {Pomocnik::Odpoved({5, Kdy(2026, 3, 2), V::SNapovedou, Z::Oprava})});
        QCOMPARE(pamet.Odpovedi().size(), size_t(2));
        QCOMPARE(pamet.Odpovedi()[1].vysledek, V::SNapovedou);
        QCOMPARE(pamet.Odpovedi()[1].zdroj, Z::Oprava);
        Odpovedi::Zapsat(eva, {QDate(2026, 3, 3), QTime(9, 0), 6, V::Spravne, Z::Zkouseni}); // behind its back
        QCOMPARE(&aktivni.Nacist(eva), &pamet); // not read again
        QCOMPARE(pamet.Odpovedi().size(), size_t(2));

        aktivni.ZmenitProfil(eva);
        QCOMPARE(aktivni.Nactena(), &pamet);
        aktivni.Zaznamenat(QStringLiteral("Jan"), {Pomocnik::Odpoved({7, Kdy(2026, 3, 4), V::Spravne, Z::Test})});
        QVERIFY(!aktivni.Nactena());
        QCOMPARE(aktivni.Nacist(eva).Odpovedi().size(), size_t(3));
        aktivni.ZmenitProfil(QStringLiteral("Jan"));
        QVERIFY(!aktivni.Nactena());
    }

    void tabulkaBezRejstrikuAVadneZaznamy()
    {
        // Made without the index, with records no answer of the program leaves: the good ones are
        // read, the others counted, and the next answer is stored as usual.
        Tabulka::Vytvorit(Odpovedi::JmenoTabulky, Odpovedi::PoleTabulky());
        {
            Tabulka t(Odpovedi::JmenoTabulky);
            t.Otevrit();
            const auto pridat = [&t](int otazka, const QDateTime &kdy, int vysledek, int zdroj) {
                t.Vlozit();
                t.Nastavit(Odpovedi::Pole::Profil, QStringLiteral("Default"));
                t.Nastavit(Odpovedi::Pole::Otazka, otazka);
                t.Nastavit(Odpovedi::Pole::DatumACas, Odpovedi::KodCasu(kdy.date(), kdy.time()));
                t.Nastavit(Odpovedi::Pole::Vysledek, vysledek);
                t.Nastavit(Odpovedi::Pole::Zdroj, zdroj);
                t.Ulozit();
            };
            pridat(3, Kdy(2026, 3, 2), 1, 1);
            pridat(758, Kdy(2026, 3, 2), 1, 1);
            pridat(4, Kdy(2026, 3, 2), 5, 1);
            pridat(5, Kdy(2026, 3, 2), 1, 0);
            pridat(6, QDateTime(QDate(2026, 2, 30), QTime(10, 0)), 2, 2); // no such day
            pridat(3, Kdy(2026, 3, 5), 2, 2);
        }
        PametProfilu pamet(QStringLiteral("Default"));
        pamet.Nacist();
        QCOMPARE(pamet.Odpovedi().size(), size_t(2));
        QCOMPARE(pamet.Preskoceno(), 4);
        QVERIFY(pamet.Stav(3, QDate(2026, 3, 5)).posledniChybna);
        pamet.Zaznamenat(3, V::Spravne, Z::Zkouseni, Kdy(2026, 3, 6));
        PametProfilu znovu(QStringLiteral("Default"));
        znovu.Nacist();
        QVERIFY(StejneOdpovedi(znovu, pamet));
    }
};

QTEST_GUILESS_MAIN(TestOdpovedi)
#include "tst_odpovedi.moc"

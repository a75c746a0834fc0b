// A practice or examination run without any window: counting, start positions, number and random
// order (the generator itself is tst_nahoda's), marking and judging, the hint, the retry, the replay with the group given back, the record
// of a run, and what the run reports of every judged answer.
#include "malabanka.h"

#include "data/hodiny.h"
#include "practice/beh.h"
#include "practice/vysledky.h"

#include <QSet>
#include <QTest>
#include <QTimeZone>

namespace {

std::array<bool, 7> Okruhy(std::initializer_list<int> zapnute)
{
    std::array<bool, 7> k{};
    for (int i : zapnute)
        k[static_cast<size_t>(i - 1)] = true;
    return k;
}

Konfigurace Nastaveni(std::initializer_list<int> okruhy, const QString &skupina = QStringLiteral("B"))
{
    Konfigurace k;
    k.PovoleneKategorie = Okruhy(okruhy);
    k.ZvolenaSkupina = skupina;
    return k;
}

QDateTime Poledne(int ms = 0) { return QDateTime(QDate(2026, 3, 14), QTime(12, 0).addMSecs(ms), QTimeZone::utc()); }

// Every question the run chooses, until it can choose none.
QList<int> Probehnout(BehOtazek &beh, const BankaOtazek &banka)
{
    QList<int> cisla;
    while (const std::optional<int> x = beh.DalsiOtazka(banka))
        cisla << *x;
    return cisla;
}

// Answers the question awaiting its answer with the letters given ("AC").
Hodnoceni Odpovedet(BehOtazek &beh, const QString &pismena)
{
    for (QChar c : pismena)
        beh.Oznacit(c.unicode() - u'A');
    return beh.Potvrdit();
}

} // namespace

class TestBeh : public QObject {
    Q_OBJECT

    std::unique_ptr<Pomocnik::OtevrenaBanka> m_fixture;
    BankaOtazek *m_banka = nullptr;

    // Category 1: 1 (right A), 2 (right AC), 3 for every group, 5 only for C and D, 4 retired;
    // category 2: 421; category 3: 476 and 480; category 6: 621 with a group field "ABC" that
    // group T must not take; category 7: 757, the bank's last number.
    void Otevrit(const QList<OtazkaBanky> &otazky = {Pomocnik::Zaznam(1), Pomocnik::Zaznam(2, QStringLiteral("ABCD"), QStringLiteral("AC")),
                                                     Pomocnik::Zaznam(3), Pomocnik::Zaznam(5, QStringLiteral("CD")),
                                                     Pomocnik::Zaznam(421), Pomocnik::Zaznam(476), Pomocnik::Zaznam(480),
                                                     Pomocnik::Zaznam(621, QStringLiteral("ABC")), Pomocnik::Zaznam(757)})
    {
        m_fixture = std::make_unique<Pomocnik::OtevrenaBanka>(otazky);
        m_banka = &m_fixture->banka;
    }

private slots:
    void init() { Hodiny::Zastavit(Poledne()); }

    void cleanup()
    {
        m_fixture.reset();
        Hodiny::Pustit();
    }

    // The start position counts through the qualifying questions of the enabled categories; the
    // run then walks on in number order into the next enabled category and stops at its count.
    void poradiPodleCislaOdZacatku()
    {
        Otevrit();
        Konfigurace k = Nastaveni({1, 3}, QStringLiteral("B1"));
        QCOMPARE(BehOtazek::PocetOtazek(*m_banka, k), 5); // 1, 2, 3, 476, 480
        k.ZvolenaSkupina = QStringLiteral("C");
        QCOMPARE(BehOtazek::PocetOtazek(*m_banka, k), 6);
        k.ZvolenaSkupina = QStringLiteral("B");

        BehOtazek beh;
        for (const auto &[zacatek, prvni] : QList<std::pair<int, int>>{{1, 1}, {3, 3}, {4, 476}, {5, 480}}) {
            beh.Zacit(*m_banka, k, DruhBehu::Procvicovani, PoradiOtazek::PodleCisla, 1, zacatek);
            QCOMPARE(beh.DalsiOtazka(*m_banka), std::optional<int>(prvni));
        }
        beh.Zacit(*m_banka, k, DruhBehu::Procvicovani, PoradiOtazek::PodleCisla, 3, 2);
        QCOMPARE(beh.Zbyva(), 3);
        QCOMPARE(Probehnout(beh, *m_banka), (QList<int>{2, 3, 476})); // 4 retired, 5 of other groups, 421 off
        QCOMPARE(beh.SeznamOtazek(), (QList<int>{2, 3, 476}));
        QCOMPARE(std::make_pair(beh.Zbyva(), beh.CelkemOtazek()), std::make_pair(0, 3));

        // A walk that would run past 757 stops instead of looping; so does a start beyond the questions.
        beh.Zacit(*m_banka, Nastaveni({3}), DruhBehu::Procvicovani, PoradiOtazek::PodleCisla, 2, 2);
        QCOMPARE(Probehnout(beh, *m_banka), QList<int>{480});
        QCOMPARE(beh.Zbyva(), 1);
        beh.Zacit(*m_banka, Nastaveni({3}), DruhBehu::Procvicovani, PoradiOtazek::PodleCisla, 1, 3);
        QVERIFY(!beh.DalsiOtazka(*m_banka));
    }

    // Every qualifying number is drawn once, the bank's first and last among them.
    void nahodnePoradiBezOpakovaniJenZVyberu()
    {
        Otevrit();
        BehOtazek beh;
        for (int ms = 0; ms < 40; ++ms) {
            Hodiny::Zastavit(Poledne(ms * 37));
            beh.Zacit(*m_banka, Nastaveni({1, 3, 7}), DruhBehu::Zkouseni, PoradiOtazek::Nahodne, 6, 4); // the start is ignored
            const QList<int> cisla = Probehnout(beh, *m_banka);
            QCOMPARE(QSet<int>(cisla.begin(), cisla.end()), (QSet<int>{1, 2, 3, 476, 480, 757}));
        }
        // More slots than qualifying questions: the drawing gives up instead of never ending.
        beh.Zacit(*m_banka, Nastaveni({3}), DruhBehu::Zkouseni, PoradiOtazek::Nahodne, 3, 1);
        QCOMPARE(Probehnout(beh, *m_banka).size(), 2);
        QCOMPARE(beh.Zbyva(), 1);
    }

    void skupinaTJenABCD()
    {
        Otevrit({Pomocnik::Zaznam(1, QStringLiteral("ABC")), Pomocnik::Zaznam(2), Pomocnik::Zaznam(3, QStringLiteral("BCD")),
                 Pomocnik::Zaznam(621, QStringLiteral("ABC")), Pomocnik::Zaznam(622)});
        const Konfigurace t = Nastaveni({1, 2, 3, 4, 5, 6, 7}, QStringLiteral("T"));
        QCOMPARE(BehOtazek::PocetOtazek(*m_banka, t), 2);
        BehOtazek beh;
        beh.Zacit(*m_banka, t, DruhBehu::Procvicovani, PoradiOtazek::PodleCisla, 2, 1);
        QCOMPARE(Probehnout(beh, *m_banka), (QList<int>{2, 622}));
        beh.Zacit(*m_banka, t, DruhBehu::Procvicovani, PoradiOtazek::Nahodne, 2, 1);
        const QList<int> cisla = Probehnout(beh, *m_banka);
        QCOMPARE(QSet<int>(cisla.begin(), cisla.end()), (QSet<int>{2, 622}));
        beh.Zacit(*m_banka, Nastaveni({1}, QStringLiteral("A1")), DruhBehu::Procvicovani, PoradiOtazek::PodleCisla, 2, 1);
        QCOMPARE(Probehnout(beh, *m_banka), (QList<int>{1, 2})); // 3 is not a question of group A
    }

    void procentaSeZaokrouhlujiKSude()
    {
        // 1/200 is 0.5 % and goes to the even 0, 3/200 to the even 2.
        using P = std::tuple<int, int, int>;
        for (const auto &[a, b, procent] : {P{1, 8, 12}, P{3, 8, 38}, P{5, 8, 62}, P{7, 8, 88}, P{8, 9, 89}, P{2, 3, 67},
                                            P{1, 200, 0}, P{3, 200, 2}, P{0, 0, 0}})
            QCOMPARE(BehOtazek::Procenta(a, b), procent);
    }

    // A practice run of 1, 2 and 3: right, wrong, hinted; every judged question reported at once,
    // then the retry of the wrong and hinted ones, reported as a replay.
    void oznaceniHodnoceniANapoveda()
    {
        Otevrit();
        QList<std::tuple<int, PosouzenaOdpoved::Vysledek, PosouzenaOdpoved::Zdroj>> hlaseni;
        BehOtazek beh;
        beh.NastavitPosluchace([&](const PosouzenaOdpoved &o) { hlaseni << std::make_tuple(o.cislo, o.vysledek, o.zdroj); });
        beh.Zacit(*m_banka, Nastaveni({1}), DruhBehu::Procvicovani, PoradiOtazek::PodleCisla, 3, 1);
        QVERIFY(!beh.Oznacit(0)); // nothing awaits an answer before the first question

        using V = PosouzenaOdpoved::Vysledek;
        using Z = Znacka;
        QCOMPARE(beh.DalsiOtazka(*m_banka), std::optional<int>(1));
        QVERIFY(beh.CekaNaOdpoved() && !beh.NecoOznaceno());
        beh.Oznacit(1);
        beh.Oznacit(1); // marked again: unmarked
        QVERIFY(!beh.NecoOznaceno());
        Hodnoceni h = Odpovedet(beh, QStringLiteral("A"));
        QVERIFY(h.spravne && !beh.CekaNaOdpoved());
        QVERIFY(!beh.Oznacit(2) && !beh.Napoveda()); // judged: nothing more to mark or hint
        QCOMPARE(beh.UspesnostBehu(), 100);

        QCOMPARE(beh.DalsiOtazka(*m_banka), std::optional<int>(2)); // right letters A and C
        QVERIFY(!beh.Oznacena(0)); // nothing carried over
        h = Odpovedet(beh, QStringLiteral("AB"));
        QVERIFY(!h.spravne);
        QCOMPARE(h.znacky, (std::array<Z, 4>{Z::BezeZmeny, Z::Spatna, Z::Opomenuta, Z::BezeZmeny}));
        QCOMPARE(beh.UspesnostBehu(), 50);

        QCOMPARE(beh.DalsiOtazka(*m_banka), std::optional<int>(3));
        beh.Oznacit(3);
        QVERIFY(beh.Napoveda());
        QVERIFY(beh.Oznacena(0) && !beh.Oznacena(3)); // the right answer replaces the user's
        QCOMPARE(beh.UspesnostBehu(), 50);            // a hinted question counts neither way
        QCOMPARE(beh.SpatneOtazky(), QList<int>{2});
        QCOMPARE(beh.OtazkySNapovedou(), QList<int>{3});
        QCOMPARE(hlaseni, (QList<std::tuple<int, V, PosouzenaOdpoved::Zdroj>>{
                              {1, V::Spravne, PosouzenaOdpoved::Zdroj::Procvicovani},
                              {2, V::Spatne, PosouzenaOdpoved::Zdroj::Procvicovani},
                              {3, V::SNapovedou, PosouzenaOdpoved::Zdroj::Procvicovani}}));

        beh.Opakovat();
        QCOMPARE(std::make_tuple(beh.CelkemOtazek(), beh.Zbyva(), beh.PocetSpatnych(), beh.PocetNapoved(), beh.UspesnostBehu()),
                 std::make_tuple(2, 2, 0, 0, 0));
        QVERIFY(beh.OpakovatSeznam());
        QCOMPARE(Probehnout(beh, *m_banka), (QList<int>{2, 3}));
        Odpovedet(beh, QStringLiteral("C"));
        QCOMPARE(hlaseni.last(), std::make_tuple(3, V::Spatne, PosouzenaOdpoved::Zdroj::Oprava));
    }

    // Ten questions, the third hinted, the fifth wrong: 8 of 9 judged are right; every question
    // hinted leaves the rate at 0. An examination has no hint and retries only the wrong answers.
    void uspesnostBezNapoved()
    {
        QList<OtazkaBanky> otazky;
        for (int n = 1; n <= 10; ++n)
            otazky << Pomocnik::Zaznam(n, QStringLiteral("ABCD"), QStringLiteral("B"));
        Otevrit(otazky);
        BehOtazek beh;
        beh.Zacit(*m_banka, Nastaveni({1}), DruhBehu::Procvicovani, PoradiOtazek::PodleCisla, 10, 1);
        for (int i = 1; i <= 10; ++i) {
            beh.DalsiOtazka(*m_banka);
            if (i == 3)
                beh.Napoveda();
            else
                Odpovedet(beh, i == 5 ? QStringLiteral("A") : QStringLiteral("B"));
        }
        QCOMPARE(beh.UspesnostBehu(), 89);

        beh.Zacit(*m_banka, Nastaveni({1}), DruhBehu::Procvicovani, PoradiOtazek::PodleCisla, 2, 1);
        for (int i = 0; i < 2; ++i) {
            beh.DalsiOtazka(*m_banka);
            QVERIFY(beh.Napoveda());
        }
        QCOMPARE(std::make_pair(beh.UspesnostBehu(), beh.PocetNapoved()), std::make_pair(0, 2));

        beh.Zacit(*m_banka, Nastaveni({1}), DruhBehu::Zkouseni, PoradiOtazek::PodleCisla, 2, 1);
        beh.DalsiOtazka(*m_banka);
        QVERIFY(!beh.Napoveda());
        Odpovedet(beh, QStringLiteral("A"));
        beh.DalsiOtazka(*m_banka);
        Odpovedet(beh, QStringLiteral("B"));
        beh.Opakovat();
        QCOMPARE(beh.SeznamOtazek(), QList<int>{1});
    }

    // The replay of a stored result in its own group: its list without any test, a record with the
    // stored group and categories, retries within it, and nothing of it left when it ends.
    void opravaVlastniSkupinou()
    {
        Otevrit();
        BehOtazek beh;
        beh.Zacit(*m_banka, Nastaveni({1}), DruhBehu::Procvicovani, PoradiOtazek::PodleCisla, 1, 1);
        beh.ZacitOpravu({DruhBehu::Procvicovani, {5, 4, 421}, QStringLiteral("C"), QStringLiteral("17")});
        QCOMPARE(beh.Skupina(), QStringLiteral("C"));
        QVERIFY(beh.OpakovatSeznam());
        QCOMPARE(Probehnout(beh, *m_banka), (QList<int>{5, 4, 421})); // other group, retired, category off
        Odpovedet(beh, QStringLiteral("A"));
        beh.Opakovat();
        const ZaznamVysledku z = beh.Vysledek(QStringLiteral("Šárka"), QDateTime(QDate(2026, 3, 14), QTime(9, 30, 15)));
        QCOMPARE(std::make_tuple(z.Skupina, z.Kategorie, z.TypTestu), std::make_tuple(QStringLiteral("C"), QStringLiteral("17"),
                                                                                      QStringLiteral("Procvičování")));
        beh.Ukoncit();
        QVERIFY(!beh.OpakovatSeznam() && beh.SeznamOtazek().isEmpty());
    }

    // Practice over categories 1 and 3: 1, 2, 3, 476, 480 with 2 and 476 wrong and 3 hinted; the
    // record, the retry of 2, 476, 3, and whether a record is written at all.
    void zaznamBehu()
    {
        Otevrit();
        Konfigurace k = Nastaveni({1, 3});
        k.VytvaretProtokol = {true, false, true};
        BehOtazek beh;
        beh.Zacit(*m_banka, k, DruhBehu::Procvicovani, PoradiOtazek::PodleCisla, 5, 1);
        while (const std::optional<int> x = beh.DalsiOtazka(*m_banka)) {
            if (*x == 3)
                beh.Napoveda();
            else
                Odpovedet(beh, *x == 2 || *x == 476 ? QStringLiteral("B") : QStringLiteral("A"));
        }
        const QDateTime kdy(QDate(2026, 3, 14), QTime(9, 30, 15));
        const ZaznamVysledku z = beh.Vysledek(QStringLiteral("Šárka"), kdy);
        QCOMPARE(std::make_tuple(z.TypTestu, z.Profil, z.Datum, z.Cas, z.Skupina, z.Kategorie),
                 std::make_tuple(QStringLiteral("Procvičování"), QStringLiteral("Šárka"), kdy.date(), kdy.time(),
                                 QStringLiteral("B"), QStringLiteral("13")));
        QCOMPARE(std::make_tuple(z.PocetOtazek, z.Spatne, z.SpatneCisla, z.SNapovedou, z.SNapovedouCisla, z.Uspesnost),
                 std::make_tuple(5, 2, QStringLiteral("2, 476"), 1, QStringLiteral("3"), 50));
        QCOMPARE(z.Spravnych(), 2);
        QCOMPARE(Vysledky::RozhodnoutOZapisu(beh, k), Vysledky::Zapis::Zapsat);

        beh.Opakovat();
        QCOMPARE(beh.SeznamOtazek(), (QList<int>{2, 476, 3}));
        QCOMPARE(Vysledky::RozhodnoutOZapisu(beh, k), Vysledky::Zapis::ZeptatSe); // a retry asks first
        beh.Zacit(*m_banka, k, DruhBehu::Zkouseni, PoradiOtazek::PodleCisla, 1, 1);
        QCOMPARE(Vysledky::RozhodnoutOZapisu(beh, k), Vysledky::Zapis::Vypnuto);
        QCOMPARE(beh.Vysledek({}, kdy).TypTestu, QStringLiteral("Zkoušení"));
    }
};

QTEST_GUILESS_MAIN(TestBeh)
#include "tst_beh.moc"

// The run logic on a small bank: counting, start positions, choosing, judging, the retry and the
// record, and the random generator it draws from.
#include "data/banka.h"
#include "data/hodiny.h"
#include "logika/nahoda.h"
#include "practice/beh.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

namespace {

struct Zdroj {
    int cislo;
    QString skupina = QStringLiteral("ABCD");
    QString spravne = QStringLiteral("A");
};

void ZapsatBanku(const QList<Zdroj> &otazky)
{
    Tabulka::Vytvorit(BankaOtazek::JmenoTabulky, BankaOtazek::PoleTabulky());
    Tabulka t(BankaOtazek::JmenoTabulky);
    t.Otevrit();
    for (const Zdroj &z : otazky) {
        t.Vlozit();
        t.Nastavit(BankaOtazek::JmenoPole(BankaOtazek::Cislo), z.cislo);
        t.Nastavit(BankaOtazek::JmenoPole(BankaOtazek::Otazka), QStringLiteral("Otázka %1").arg(z.cislo));
        t.Nastavit(BankaOtazek::JmenoPole(BankaOtazek::Spravne), z.spravne);
        t.Nastavit(BankaOtazek::JmenoPole(BankaOtazek::Skupina), z.skupina);
        t.Ulozit();
    }
}

std::array<bool, 7> Okruhy(std::initializer_list<int> zapnute)
{
    std::array<bool, 7> k{};
    for (int i : zapnute)
        k[static_cast<size_t>(i - 1)] = true;
    return k;
}

QDateTime Poledne(int ms = 0)
{
    return QDateTime(QDate(2026, 3, 14), QTime(12, 0).addMSecs(ms), QTimeZone::utc());
}

// A run of `pocet` questions as the set-up leaves it, then chosen question by question.
QList<int> Probehnout(const BankaOtazek &banka, StavProgramu &s, int pocet)
{
    s.Zbyva = pocet;
    Beh::PripravitSeznam(s);
    if (s.PostupnyVyber && !Beh::NajitPrvniOtazku(banka, s))
        return {};
    s.AktualniOtazka -= 1;
    QList<int> cisla;
    while (s.Zbyva > 0) {
        const std::optional<int> x = Beh::DalsiOtazka(banka, s);
        if (!x)
            break;
        cisla << *x;
    }
    return cisla;
}

} // namespace

class TestBeh : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<BankaOtazek> m_banka;

    // Category 1: 1, 2, 3 for every group, 5 only for C and D, 4 retired; category 2: 421;
    // category 3: 476 and 480; category 6: 621 with a group field "ABC" that group T must not take.
    void Otevrit(const QList<Zdroj> &otazky = {{1}, {2}, {3}, {5, QStringLiteral("CD")}, {421}, {476}, {480},
                                               {621, QStringLiteral("ABC")}})
    {
        ZapsatBanku(otazky);
        m_banka = std::make_unique<BankaOtazek>();
        m_banka->Otevrit();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(m_dir->path());
        Hodiny::Zastavit(Poledne());
    }

    void cleanup()
    {
        m_banka.reset();
        Hodiny::Pustit();
    }

    void nahodaZeZnamehoSemene()
    {
        Nahoda nula(0);
        QList<int> tahy;
        for (int i = 0; i < 5; ++i)
            tahy << nula.Dalsi(757);
        QCOMPARE(tahy, (QList<int>{0, 23, 651, 153, 206}));
        // Seeded from the UTC time of day: 12:00:00.000 is 43,200,000 ms.
        Nahoda zCasu = Nahoda::ZCasu();
        QCOMPARE(zCasu.Seed(), 43200000u);
        tahy.clear();
        for (int i = 0; i < 5; ++i)
            tahy << zCasu.Dalsi(757);
        QCOMPARE(tahy, (QList<int>{285, 324, 583, 190, 312}));
    }

    void pocetAZacatekPresOkruhy()
    {
        Otevrit();
        StavProgramu s;
        s.PovoleneKategorie = Okruhy({1, 3});
        s.ZvolenaSkupina = QStringLiteral("B1");
        QCOMPARE(Beh::PocetOtazek(*m_banka, s), 5); // 1, 2, 3, 476, 480
        s.ZvolenaSkupina = QStringLiteral("C");
        QCOMPARE(Beh::PocetOtazek(*m_banka, s), 6);
        s.ZvolenaSkupina = QStringLiteral("B");

        const QList<std::pair<int, int>> zacatky{{1, 1}, {3, 3}, {4, 476}, {5, 480}};
        for (const auto &[pozice, cislo] : zacatky) {
            s.ZacitOtazkou = pozice;
            QVERIFY(Beh::NajitPrvniOtazku(*m_banka, s));
            QCOMPARE(s.AktualniOtazka, cislo);
        }
        s.AktualniOtazka = 99;
        s.ZacitOtazkou = 6; // beyond the qualifying questions: nothing found, nothing changed
        QVERIFY(!Beh::NajitPrvniOtazku(*m_banka, s));
        QCOMPARE(s.AktualniOtazka, 99);
    }

    void postupnyBehPrechaziDoDalsihoOkruhu()
    {
        Otevrit();
        StavProgramu s;
        s.PovoleneKategorie = Okruhy({1, 3});
        s.ZacitOtazkou = 2;
        const QList<int> beh = Probehnout(*m_banka, s, 3);
        QCOMPARE(beh, (QList<int>{2, 3, 476})); // 4 retired, 5 of other groups, 421 of a category off
        QCOMPARE(s.SeznamOtazek, beh);
        QCOMPARE(s.Zbyva, 0);
        QCOMPARE(s.CelkemOtazek, 3);
        QCOMPARE(s.AktualniOtazka, 476);
        QVERIFY(!Beh::DalsiOtazka(*m_banka, s)); // the run is used up

        // The last qualifying question alone.
        StavProgramu posledni;
        posledni.PovoleneKategorie = Okruhy({1, 3});
        posledni.ZacitOtazkou = 5;
        QCOMPARE(Probehnout(*m_banka, posledni, 1), QList<int>{480});

        // A walk that would run past 757 stops instead of looping.
        StavProgramu konec;
        konec.PovoleneKategorie = Okruhy({3});
        konec.ZacitOtazkou = 2;
        QCOMPARE(Probehnout(*m_banka, konec, 2), QList<int>{480});
        QCOMPARE(konec.Zbyva, 1);
    }

    void nahodnyBehBezOpakovaniJenZVyberu()
    {
        Otevrit();
        for (int ms = 0; ms < 40; ++ms) {
            Hodiny::Zastavit(Poledne(ms * 37));
            StavProgramu s;
            s.PostupnyVyber = false;
            s.PovoleneKategorie = Okruhy({1, 3});
            s.ZacitOtazkou = 4; // ignored by random selection
            const QList<int> beh = Probehnout(*m_banka, s, 5);
            QCOMPARE(QSet<int>(beh.begin(), beh.end()), (QSet<int>{1, 2, 3, 476, 480}));
            QCOMPARE(s.SeznamOtazek, beh);
            QVERIFY(!Beh::DalsiOtazka(*m_banka, s));
        }
        // More slots than qualifying questions: the drawing gives up instead of never ending.
        StavProgramu s;
        s.PostupnyVyber = false;
        s.PovoleneKategorie = Okruhy({3});
        QCOMPARE(Probehnout(*m_banka, s, 3).size(), 2);
        QCOMPARE(s.Zbyva, 1);
    }

    void skupinaTJenABCD()
    {
        Otevrit({{1, QStringLiteral("ABC")}, {2}, {3, QStringLiteral("BCD")}, {621, QStringLiteral("ABC")}, {622}});
        StavProgramu s;
        s.ZvolenaSkupina = QStringLiteral("T");
        QCOMPARE(Beh::PocetOtazek(*m_banka, s), 2);
        QVERIFY(!Beh::OtazkaVyhovuje(*m_banka, s, 1) && Beh::OtazkaVyhovuje(*m_banka, s, 2));
        s.ZacitOtazkou = 1;
        QCOMPARE(Probehnout(*m_banka, s, 2), (QList<int>{2, 622}));
        StavProgramu n;
        n.ZvolenaSkupina = QStringLiteral("T");
        n.PostupnyVyber = false;
        const QList<int> beh = Probehnout(*m_banka, n, 2);
        QCOMPARE(QSet<int>(beh.begin(), beh.end()), (QSet<int>{2, 622}));
        s.ZvolenaSkupina = QStringLiteral("A1");
        QVERIFY(Beh::OtazkaVyhovuje(*m_banka, s, 1) && !Beh::OtazkaVyhovuje(*m_banka, s, 3));
    }

    void prehranySeznamBezZkousek()
    {
        Otevrit();
        StavProgramu s;
        s.PovoleneKategorie = Okruhy({3});
        s.SeznamOtazek = {5, 4, 421};
        s.CelkemOtazek = s.Zbyva = 3;
        s.OpakovatSeznam = true;
        QList<int> beh;
        while (const std::optional<int> x = Beh::DalsiOtazka(*m_banka, s))
            beh << *x;
        QCOMPARE(beh, (QList<int>{5, 4, 421})); // other group, retired, category off: all replayed
        QCOMPARE(s.Zbyva, 0);
        // A list shorter than its count is not read past its end.
        s.SeznamOtazek = {1};
        s.CelkemOtazek = s.Zbyva = 2;
        QCOMPARE(Beh::DalsiOtazka(*m_banka, s), std::optional<int>(1));
        QVERIFY(!Beh::DalsiOtazka(*m_banka, s));
    }

    void procentaSeZaokrouhlujiKSude()
    {
        QCOMPARE(Beh::Procenta(1, 8), 12);
        QCOMPARE(Beh::Procenta(3, 8), 38);
        QCOMPARE(Beh::Procenta(5, 8), 62);
        QCOMPARE(Beh::Procenta(7, 8), 88);
        QCOMPARE(Beh::Procenta(8, 9), 89);
        QCOMPARE(Beh::Procenta(1, 3), 33);
        QCOMPARE(Beh::Procenta(2, 3), 67);
        QCOMPARE(Beh::Procenta(1, 200), 0);  // 0.5 to the even 0
        QCOMPARE(Beh::Procenta(3, 200), 2);  // 1.5 to the even 2
        QCOMPARE(Beh::Procenta(5, 5), 100);
        QCOMPARE(Beh::Procenta(0, 0), 0);
    }

    void hodnoceniOdpovedi()
    {
        StavProgramu s;
        s.SpravnePismena = QStringLiteral("AC");
        s.CelkemOtazek = 3;
        s.Zbyva = 2;
        s.AktualniOtazka = 10;
        s.CekaNaOdpoved = true;
        Beh::Hodnoceni h = Beh::VyhodnotitOdpoved(s, {true, false, true, false});
        QVERIFY(h.spravne);
        QVERIFY(!s.CekaNaOdpoved);
        QCOMPARE(s.UspesnostBehu, 100);
        QVERIFY(s.SpatneOtazky.isEmpty());

        using Z = Beh::Znacka;
        s.Zbyva = 1;
        s.AktualniOtazka = 11;
        h = Beh::VyhodnotitOdpoved(s, {true, false, false, false});
        QVERIFY(!h.spravne);
        QCOMPARE(h.znacky, (std::array<Z, 4>{Z::BezeZmeny, Z::BezeZmeny, Z::Opomenuta, Z::BezeZmeny}));
        QCOMPARE(s.UspesnostBehu, 50);

        s.Zbyva = 0;
        s.AktualniOtazka = 12;
        h = Beh::VyhodnotitOdpoved(s, {true, true, true, false});
        QVERIFY(!h.spravne);
        QCOMPARE(h.znacky, (std::array<Z, 4>{Z::BezeZmeny, Z::Spatna, Z::BezeZmeny, Z::BezeZmeny}));
        QCOMPARE(s.PocetSpatnych, 2);
        QCOMPARE(s.SpatneOtazky, (QList<int>{11, 12}));
        QCOMPARE(s.UspesnostBehu, 33);
    }

    void napovedaSeNepocitaDoUspesnosti()
    {
        // Ten questions, the third hinted, the fifth wrong: 8 of 9 judged are right.
        StavProgramu s;
        s.CelkemOtazek = s.Zbyva = 10;
        s.SpravnePismena = QStringLiteral("B");
        for (int i = 1; i <= 10; ++i) {
            --s.Zbyva;
            s.AktualniOtazka = 100 + i;
            s.CekaNaOdpoved = true;
            if (i == 3) {
                QVERIFY(Beh::Napoveda(s));
                QVERIFY(!Beh::Napoveda(s)); // once per question
                continue;
            }
            Beh::VyhodnotitOdpoved(s, {i == 5, i != 5, false, false});
        }
        QCOMPARE(s.UspesnostBehu, 89);
        QCOMPARE(s.OtazkySNapovedou, QList<int>{103});
        QCOMPARE(s.SpatneOtazky, QList<int>{105});

        // Every question hinted: the rate stays 0.
        StavProgramu h;
        h.CelkemOtazek = h.Zbyva = 2;
        for (int i = 0; i < 2; ++i) {
            --h.Zbyva;
            h.CekaNaOdpoved = true;
            QVERIFY(Beh::Napoveda(h));
        }
        QCOMPARE(h.UspesnostBehu, 0);
        QCOMPARE(h.PocetNapoved, 2);
    }

    void opakovaniAZaznam()
    {
        StavProgramu s;
        s.CelkemOtazek = 20;
        s.SpatneOtazky = {3, 7, 15};
        s.PocetSpatnych = 3;
        s.OtazkySNapovedou = {9};
        s.PocetNapoved = 1;
        s.UspesnostBehu = 84;
        s.PovoleneKategorie = Okruhy({2, 6});
        s.ZvolenaSkupina = QStringLiteral("C");
        s.AktivniProfil = QStringLiteral("Šárka");

        const QDateTime kdy(QDate(2026, 3, 14), QTime(9, 30, 15));
        Beh::Vysledek v = Beh::VysledekBehu(s, false, kdy);
        QCOMPARE(v.TypTestu, QStringLiteral("Procvičování"));
        QCOMPARE(v.Profil, QStringLiteral("Šárka"));
        QCOMPARE(v.Datum, kdy.date());
        QCOMPARE(v.Cas, kdy.time());
        QCOMPARE(v.Kategorie, QStringLiteral("26"));
        QCOMPARE(v.SpatneCisla, QStringLiteral("3, 7, 15"));
        QCOMPARE(v.SNapovedouCisla, QStringLiteral("9"));
        QCOMPARE(std::make_tuple(v.PocetOtazek, v.Spatne, v.SNapovedou, v.Uspesnost), std::make_tuple(20, 3, 1, 84));
        s.OpravaZVysledku = true;
        s.KategorieOpravy = QStringLiteral("1234567");
        QCOMPARE(Beh::VysledekBehu(s, true, kdy).Kategorie, QStringLiteral("1234567"));
        QCOMPARE(Beh::VysledekBehu(s, true, kdy).TypTestu, QStringLiteral("Zkoušení"));

        StavProgramu zkouseni = s;
        Beh::PripravitOpakovani(s, true);
        QCOMPARE(s.SeznamOtazek, (QList<int>{3, 7, 15, 9}));
        QCOMPARE(std::make_tuple(s.CelkemOtazek, s.Zbyva, s.PocetSpatnych, s.PocetNapoved, s.UspesnostBehu),
                 std::make_tuple(4, 4, 0, 0, 0));
        QVERIFY(s.SpatneOtazky.isEmpty() && s.OtazkySNapovedou.isEmpty());
        Beh::PripravitOpakovani(zkouseni, false);
        QCOMPARE(zkouseni.SeznamOtazek, (QList<int>{3, 7, 15}));
        QCOMPARE(zkouseni.CelkemOtazek, 3);
    }

    void rozhodnutiOZaznamu()
    {
        StavProgramu s;
        s.VytvaretProtokol = {true, false, true};
        QCOMPARE(Beh::RozhodnoutOZaznamu(s, false), Beh::Zaznam::Zapsat);
        QCOMPARE(Beh::RozhodnoutOZaznamu(s, true), Beh::Zaznam::Vypnuto);
        s.OpakovatSeznam = true;
        QCOMPARE(Beh::RozhodnoutOZaznamu(s, false), Beh::Zaznam::ZeptatSe);
        QCOMPARE(Beh::RozhodnoutOZaznamu(s, true), Beh::Zaznam::Vypnuto);
    }
};

QTEST_GUILESS_MAIN(TestBeh)
#include "tst_beh.moc"

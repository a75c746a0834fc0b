// The question bank as the program reads it: the index by number, the group rules and counting.
#include "adresar.h"
#include "malabanka.h"

#include <QFile>
#include <QTest>

class TestBankaOtazek : public QObject {
    Q_OBJECT

    std::unique_ptr<Pomocnik::Adresar> m_dir;

private slots:
    void init() { m_dir = std::make_unique<Pomocnik::Adresar>(); }

    void indexPodleCisla()
    {
        // Stored out of number order: the index must not rely on the order of the records.
        OtazkaBanky tri = Pomocnik::Zaznam(3, QStringLiteral("CD"), QStringLiteral("BD"));
        tri.odpovedi[3] = QStringLiteral("Čtvrtá");
        OtazkaBanky krizovatka = Pomocnik::Zaznam(757);
        krizovatka.krizovatka = QStringLiteral(R"({"vozidla":[]})");
        BankaOtazek banka;
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, banka.Otevrit()); // none yet
        QVERIFY(!banka.Otevrena() && !banka.OtazkaExistuje(1));
        Pomocnik::ZapsatMalouBanku({krizovatka, tri, Pomocnik::Zaznam(1)});
        banka.Otevrit();
        QVERIFY(banka.OtazkaExistuje(1) && banka.OtazkaExistuje(3) && banka.OtazkaExistuje(757));
        for (int n : {0, 2, 4, 756, 758, -1})
            QVERIFY2(!banka.OtazkaExistuje(n), qPrintable(QString::number(n)));
        QCOMPARE(banka.SpravneOdpovedi(3), QStringLiteral("BD"));
        QCOMPARE(banka.SkupinaOtazky(3), QStringLiteral("CD"));
        QCOMPARE(banka.SpravneOdpovedi(2), QString());
        // Topic and count of answers come from the index, for the composition of a test by topics.
        QCOMPARE(banka.OkruhOtazky(3), std::optional(Okruhy::Okruh::PP));
        QCOMPARE(banka.OkruhOtazky(757), std::optional(Okruhy::Okruh::DS));
        QCOMPARE(banka.OkruhOtazky(2), std::nullopt);
        QCOMPARE(banka.PocetOdpovedi(3), 4);
        QCOMPARE(banka.PocetOdpovedi(1), 3);
        QCOMPARE(banka.PocetOdpovedi(2), 0);

        const OtazkaBanky o = banka.Nacist(3);
        QCOMPARE(o.cislo, 3);
        QCOMPARE(o.otazka, QStringLiteral("Otázka 3?"));
        QCOMPARE(o.odpovedi[3], QStringLiteral("Čtvrtá"));
        QCOMPARE(o.spravne, QStringLiteral("BD"));
        QCOMPARE(banka.Nacist(757).obrazek, QStringLiteral("obrazky/757.jpg"));
        QCOMPARE(banka.Nacist(1).poznamka, QStringLiteral("Poznámka 1."));
        QCOMPARE(banka.Nacist(757).okruh, std::optional(Okruhy::Okruh::DS));
        QCOMPARE(banka.Nacist(757).krizovatka, krizovatka.krizovatka);
        QCOMPARE(banka.Nacist(1).krizovatka, QString());
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, banka.Nacist(2));

        banka.Zavrit();
        QVERIFY(!banka.OtazkaExistuje(1));
        banka.Otevrit(); // again after the points test
        QCOMPARE(banka.Nacist(1).otazka, QStringLiteral("Otázka 1?"));
    }

    void starsiBanky()
    {
        // A bank built before questions had topics, and one built before it kept the scenes of
        // crossroad questions, open; what they lack is none.
        for (const BankaOtazek::Pole posledni : {BankaOtazek::Okruh, BankaOtazek::Krizovatka}) {
            QList<DefinicePole> pole = BankaOtazek::PoleTabulky();
            pole.resize(posledni);
            QFile::remove(BankaOtazek::JmenoTabulky + QStringLiteral(".DB"));
            QFile::remove(BankaOtazek::JmenoTabulky + QStringLiteral(".MB"));
            Tabulka::Vytvorit(BankaOtazek::JmenoTabulky, pole);
            {
                Tabulka t(BankaOtazek::JmenoTabulky);
                t.Otevrit();
                t.Vlozit();
                t.Nastavit(BankaOtazek::JmenoPole(BankaOtazek::Cislo), 725);
                t.Nastavit(BankaOtazek::JmenoPole(BankaOtazek::Spravne), QStringLiteral("B"));
                t.Nastavit(BankaOtazek::JmenoPole(BankaOtazek::Otazka), QStringLiteral("Kdo jede první?"));
                t.Ulozit();
            }
            BankaOtazek banka;
            banka.Otevrit();
            QCOMPARE(banka.SpravneOdpovedi(725), QStringLiteral("B"));
            QCOMPARE(banka.OkruhOtazky(725), std::nullopt);
            QCOMPARE(banka.PocetOdpovedi(725), 0);
            const OtazkaBanky o = banka.Nacist(725);
            QCOMPARE(o.otazka, QStringLiteral("Kdo jede první?"));
            QCOMPARE(o.krizovatka, QString());
        }
        // Every code reads back to its topic; anything else is none.
        for (Okruhy::Okruh o : Okruhy::Vsechny)
            QCOMPARE(Okruhy::ZKodu(Okruhy::Kod(o)), std::optional(o));
        for (const QString &kod : {QString(), QStringLiteral("pp"), QStringLiteral("ZBJ "), QStringLiteral("X")})
            QCOMPARE(Okruhy::ZKodu(kod), std::nullopt);
    }

    void pocitaniNaMezichKategorii()
    {
        // Both ends of each category, a retired number and questions of other groups.
        Pomocnik::ZapsatMalouBanku({Pomocnik::Zaznam(1), Pomocnik::Zaznam(420), Pomocnik::Zaznam(421),
                                    Pomocnik::Zaznam(475, QStringLiteral("C")), Pomocnik::Zaznam(476),
                                    Pomocnik::Zaznam(720), Pomocnik::Zaznam(721, QStringLiteral("AB")),
                                    Pomocnik::Zaznam(757)});
        BankaOtazek banka;
        banka.Otevrit();
        QCOMPARE(banka.CislaKategorie(1, QStringLiteral("B")), (QList<int>{1, 420}));
        QCOMPARE(banka.CislaKategorie(2, QStringLiteral("B")), QList<int>{421});
        QCOMPARE(banka.CislaKategorie(2, QStringLiteral("C")), (QList<int>{421, 475}));
        QCOMPARE(banka.CislaKategorie(3, QStringLiteral("B")), QList<int>{476});
        QCOMPARE(banka.CislaKategorie(6, QStringLiteral("T")), QList<int>{720});
        QCOMPARE(banka.CislaKategorie(7, QStringLiteral("A1")), (QList<int>{721, 757}));
        QCOMPARE(banka.CislaKategorie(7, QStringLiteral("T")), QList<int>{757});
        QCOMPARE(banka.PocetVKategorii(7, QStringLiteral("D")), 1);
        QCOMPARE(banka.PocetVKategorii(4, QStringLiteral("B")), 0);
    }

    void skupiny_data()
    {
        QTest::addColumn<QString>("skupina");
        QTest::addColumn<QString>("otazky");
        QTest::addColumn<bool>("pocitani");
        QTest::addColumn<bool>("vyber");
        QTest::newRow("A1 v AB") << QStringLiteral("A1") << QStringLiteral("AB") << true << true;
        QTest::newRow("AM v BCD") << QStringLiteral("AM") << QStringLiteral("BCD") << false << false;
        QTest::newRow("B1 v B") << QStringLiteral("B1") << QStringLiteral("B") << true << true;
        QTest::newRow("D v CD") << QStringLiteral("D") << QStringLiteral("CD") << true << true;
        QTest::newRow("T v ABCD") << QStringLiteral("T") << QStringLiteral("ABCD") << true << true;
        QTest::newRow("T v BCD") << QStringLiteral("T") << QStringLiteral("BCD") << false << false;
        // Letters out of order: counting wants them together, choosing wants exactly "ABCD".
        QTest::newRow("T v ABDC") << QStringLiteral("T") << QStringLiteral("ABDC") << false << false;
        QTest::newRow("T v ABCDX") << QStringLiteral("T") << QStringLiteral("ABCDX") << true << false;
    }

    void skupiny()
    {
        QFETCH(QString, skupina);
        QFETCH(QString, otazky);
        QFETCH(bool, pocitani);
        QFETCH(bool, vyber);
        QCOMPARE(Skupiny::OtazkaProSkupinu(otazky, skupina), pocitani);
        QCOMPARE(Skupiny::OtazkaProSkupinuPriVyberu(otazky, skupina), vyber);
        QCOMPARE(Skupiny::PismenaSkupiny(skupina), skupina == QStringLiteral("T") ? QStringLiteral("ABCD") : skupina.left(1));
    }
};

QTEST_GUILESS_MAIN(TestBankaOtazek)
#include "tst_bankaotazek.moc"

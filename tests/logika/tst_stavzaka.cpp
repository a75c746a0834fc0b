// The learner's state: judged answers of a run, its retry, a replay and a points test through one
// route into the answers table and the memory, a failed write told, the learner's group never written
// by a replay, and the profiles whose records go at close. The route seen from the windows is
// tst_uceni's and tst_testnabody's.
#include "malabanka.h"
#include "odpovedi.h"

#include "app/stavzaka.h"
#include "data/hodiny.h"
#include "uceni/poradiuceni.h"

#include <QTest>

using Pomocnik::Kdy;
using V = Odpovedi::Vysledek;
using Z = Odpovedi::Zdroj;

namespace {

const QDateTime Ted = Kdy(2026, 5, 4, 9, 30);

QList<std::tuple<int, V, Z>> Souhrn(const std::vector<Odpovedi::Odpoved> &odpovedi)
{
    QList<std::tuple<int, V, Z>> souhrn;
    for (const Odpovedi::Odpoved &o : odpovedi)
        souhrn << std::make_tuple(o.otazka, o.vysledek, o.zdroj);
    return souhrn;
}

// Judges the question awaiting its answer with the letter marked.
void Odpovedet(BehOtazek &beh, int pismeno)
{
    beh.Oznacit(pismeno);
    beh.Potvrdit();
}

} // namespace

class TestStavZaka : public QObject {
    Q_OBJECT

    Pomocnik::OtevrenaBanka m_fixture{
        {Pomocnik::Zaznam(1), Pomocnik::Zaznam(2), Pomocnik::Zaznam(3), Pomocnik::Zaznam(757)}};
    QStringList m_hlaseni;

    // A state over the profile Eva in group C, telling its reports into m_hlaseni.
    std::unique_ptr<StavZaka> Stav()
    {
        auto stav = std::make_unique<StavZaka>();
        Konfigurace k;
        k.ZvolenaSkupina = QStringLiteral("C");
        k.AktivniProfil = QStringLiteral("Eva");
        stav->Zacit(k);
        stav->NastavitHlaseni([this](const QString &text) { m_hlaseni << text; });
        return stav;
    }

private slots:
    void init()
    {
        Hodiny::Zastavit(Ted);
        m_hlaseni.clear();
        QFile::remove(QStringLiteral("Odpovedi.DB"));
        QFile::remove(QStringLiteral("Odpovedi.MB"));
    }
    void cleanup() { Hodiny::Pustit(); }

    // A retry's answers count as a replay of wrong answers, stored the moment they are judged; a replay
    // in a group of its own, and its end, leave the learner's group as it was.
    void opravy()
    {
        const auto stav = Stav();
        BehOtazek &beh = stav->Beh();
        beh.Zacit(m_fixture.banka, stav->Nastaveni(), DruhBehu::Procvicovani, PoradiOtazek::PodleCisla, 1, 2);
        beh.DalsiOtazka(m_fixture.banka);
        Odpovedet(beh, 1);
        beh.Opakovat();
        beh.DalsiOtazka(m_fixture.banka);
        beh.Napoveda();
        beh.ZacitOpravu({DruhBehu::Zkouseni, {757}, QStringLiteral("D"), QStringLiteral("7")});
        QCOMPARE(std::make_pair(beh.Skupina(), stav->Nastaveni().ZvolenaSkupina),
                 std::make_pair(QStringLiteral("D"), QStringLiteral("C")));
        beh.DalsiOtazka(m_fixture.banka);
        Odpovedet(beh, 0);
        beh.Ukoncit();
        QCOMPARE(stav->Nastaveni().ZvolenaSkupina, QStringLiteral("C"));
        const std::vector<Odpovedi::Odpoved> ulozene = Pomocnik::UlozeneOdpovedi(QStringLiteral("Eva"));
        QCOMPARE(Souhrn(ulozene), (QList<std::tuple<int, V, Z>>{
                                      {2, V::Spatne, Z::Procvicovani}, {2, V::SNapovedou, Z::Oprava}, {757, V::Spravne, Z::Oprava}}));
        QCOMPARE(QDateTime(ulozene[0].datum, ulozene[0].cas), Ted);
        QVERIFY(m_hlaseni.isEmpty());
    }

    // The 25 positions of a test stored at one moment in position order, the memory keeping them
    // whether it was read before or after: question 757 with them, and the learning order asks the
    // wrong ones in the order they were given, 5 before 3.
    void test()
    {
        const auto stav = Stav();
        QVERIFY(stav->Pamet().Odpovedi().empty());
        PolozkyTestu polozky;
        for (size_t i = 0; i < polozky.size(); ++i)
            polozky[i] = {static_cast<int>(i) + 1, 100 + static_cast<int>(i), 1, QStringLiteral("A"), QStringLiteral("A")};
        polozky[1] = {2, 5, 2, QStringLiteral("A"), QStringLiteral("B"), true};
        polozky[6] = {7, 3, 2, QStringLiteral("A"), QString(), true};
        polozky[24].SkutCis = 757;
        stav->ZaznamenatTest(polozky, Ted);

        const QList<int> kvalifikujici{3, 5, 100, 757};
        const QList<int> poradi{5, 3, 100, 757};
        for (const bool znovu : {false, true}) {
            if (znovu) { // read anew from the table
                stav->Nastaveni().AktivniProfil = QStringLiteral("Jan");
                stav->ZmenenProfil();
                QVERIFY(!stav->NactenaPamet());
                stav->Nastaveni().AktivniProfil = QStringLiteral("Eva");
            }
            const PametProfilu &pamet = stav->Pamet();
            QCOMPARE(pamet.Odpovedi().size(), size_t(25));
            QVERIFY(pamet.Stav(757, Ted.date()).zodpovezena);
            QCOMPARE(PoradiUceni(kvalifikujici, pamet, Ted.date()), poradi);
        }
        // A run of the bank's questions in that order names each one's reason while it is on
        // screen; its retry, a replay, names none.
        BehOtazek &beh = stav->Beh();
        ZacitPodlePameti(beh, stav->Nastaveni(), DruhBehu::Procvicovani,
                         PoradiSDuvody({1, 2, 3, 757}, stav->Pamet(), Ted.date()), 4);
        QStringList duvody{beh.Duvod()};
        for (int i = 0; i < 4; ++i) {
            beh.DalsiOtazka(m_fixture.banka);
            duvody << QString::number(beh.SeznamOtazek()[i]) + u' ' + beh.Duvod();
            Odpovedet(beh, 1);
            duvody << beh.Duvod();
        }
        QCOMPARE(duvody.join(u'|'), QStringLiteral("|3 Naposledy chybně|Naposledy chybně|1 Nová otázka|Nová otázka|"
                                                   "2 Nová otázka|Nová otázka|757 Opakování|Opakování"));
        beh.Opakovat();
        beh.DalsiOtazka(m_fixture.banka);
        QCOMPARE(beh.Duvod(), QString());
        QVERIFY(m_hlaseni.isEmpty());
    }

    // A table that takes no answer: each test tells it, in its own words, once; the file is left as
    // it was. (A run's once-a-run report is tst_uceni's.)
    void chybaZapisuTestu()
    {
        QVERIFY(Pomocnik::Zapsat(QStringLiteral("Odpovedi.DB"), "nejde o tabulku"));
        const auto stav = Stav();
        for (int test = 1; test <= 2; ++test) {
            stav->ZaznamenatTest(PolozkyTestu{}, Ted);
            QCOMPARE(m_hlaseni.size(), test);
            QVERIFY2(m_hlaseni.last().startsWith(QStringLiteral("Tabulka Odpovedi"))
                         && m_hlaseni.last().endsWith(QStringLiteral("Odpovědi z testu se nepodařilo uložit, takže je výběr "
                                                                     "podle paměti ani přehled znalostí nezapočítají.")),
                     qPrintable(m_hlaseni.last()));
        }
        QCOMPARE(Pomocnik::Obsah(QStringLiteral("Odpovedi.DB")), QByteArray("nejde o tabulku"));
    }

    // The names this run knew and the stored list no longer holds go at close; an empty stored
    // list, which the program never writes, takes nobody's records.
    void profilyKeSmazani()
    {
        const auto stav = Stav();
        QVERIFY(!stav->NeulozeneZmeny());
        stav->Nastaveni().Profily << QStringLiteral("Jan");
        stav->ZnameProfily() << QStringLiteral("Jan");
        QVERIFY(stav->NeulozeneZmeny());
        QCOMPARE(stav->ProfilyKeSmazani(), QStringList{QStringLiteral("Jan")});
        stav->Ulozeno();
        QCOMPARE(stav->ProfilyKeSmazani(), QStringList());
        // Another active profile is a change too; changed back, nothing is left to save.
        QVERIFY(!stav->NeulozeneZmeny());
        stav->Nastaveni().AktivniProfil = QStringLiteral("Jan");
        QVERIFY(stav->NeulozeneZmeny());
        stav->Nastaveni().AktivniProfil = QStringLiteral("Eva");
        QVERIFY(!stav->NeulozeneZmeny());
        Konfigurace bezProfilu;
        bezProfilu.Profily.clear();
        stav->Zacit(bezProfilu);
        stav->ZnameProfily() << QStringLiteral("Jan");
        QCOMPARE(stav->ProfilyKeSmazani(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestStavZaka)
#include "tst_stavzaka.moc"

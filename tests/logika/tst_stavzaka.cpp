// The learner's state: every judged answer of a run or a points test through one route into the
// answers table and the memory, a failed write told once a series, the learner's group never written
// by a run, and the profiles whose records go at close.
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

    // A run's answers as they are judged, the retry's as a replay; a replay in a group of its own
    // and the end of a run leave the learner's group as it was.
    void behy()
    {
        const auto stav = Stav();
        BehOtazek &beh = stav->Beh();
        beh.Zacit(m_fixture.banka, stav->Nastaveni(), DruhBehu::Procvicovani, PoradiOtazek::PodleCisla, 3, 1);
        beh.DalsiOtazka(m_fixture.banka);
        Odpovedet(beh, 0);
        beh.DalsiOtazka(m_fixture.banka);
        Odpovedet(beh, 1);
        beh.DalsiOtazka(m_fixture.banka);
        beh.Napoveda();
        const std::vector<Odpovedi::Odpoved> ulozene = Pomocnik::UlozeneOdpovedi(QStringLiteral("Eva"));
        QCOMPARE(Souhrn(ulozene), (QList<std::tuple<int, V, Z>>{{1, V::Spravne, Z::Procvicovani},
                                                                {2, V::Spatne, Z::Procvicovani},
                                                                {3, V::SNapovedou, Z::Procvicovani}}));
        QCOMPARE(QDateTime(ulozene[0].datum, ulozene[0].cas), Ted);
        beh.Opakovat();
        beh.DalsiOtazka(m_fixture.banka);
        Odpovedet(beh, 0);
        QCOMPARE(Pomocnik::UlozeneOdpovedi(QStringLiteral("Eva")).back().zdroj, Z::Oprava);
        beh.Ukoncit();
        QCOMPARE(stav->Nastaveni().ZvolenaSkupina, QStringLiteral("C"));

        beh.ZacitOpravu({DruhBehu::Zkouseni, {757}, QStringLiteral("D"), QStringLiteral("7")});
        QCOMPARE(std::make_pair(beh.Skupina(), stav->Nastaveni().ZvolenaSkupina),
                 std::make_pair(QStringLiteral("D"), QStringLiteral("C")));
        beh.DalsiOtazka(m_fixture.banka);
        Odpovedet(beh, 0);
        beh.Ukoncit();
        QCOMPARE(stav->Nastaveni().ZvolenaSkupina, QStringLiteral("C"));
        QCOMPARE(Pomocnik::UlozeneOdpovedi(QStringLiteral("Eva")).back().otazka, 757);
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

        const std::vector<Odpovedi::Odpoved> ulozene = Pomocnik::UlozeneOdpovedi(QStringLiteral("Eva"));
        QCOMPARE(ulozene.size(), size_t(25));
        QCOMPARE(std::make_tuple(ulozene[1].otazka, ulozene[1].vysledek, ulozene[1].zdroj),
                 std::make_tuple(5, V::Spatne, Z::Test));
        QCOMPARE(std::make_pair(ulozene[6].otazka, ulozene[6].vysledek), std::make_pair(3, V::Nezodpovezeno));
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
        QVERIFY(m_hlaseni.isEmpty());
    }

    // A table that takes no answer: a run tells it once, the next series again, a test with its own
    // words; the answers are not remembered.
    void chybaZapisu()
    {
        QVERIFY(Pomocnik::Zapsat(QStringLiteral("Odpovedi.DB"), "nejde o tabulku"));
        const auto stav = Stav();
        BehOtazek &beh = stav->Beh();
        beh.Zacit(m_fixture.banka, stav->Nastaveni(), DruhBehu::Zkouseni, PoradiOtazek::PodleCisla, 3, 1);
        stav->ZacitSerii();
        for (int i = 0; i < 2; ++i) {
            beh.DalsiOtazka(m_fixture.banka);
            Odpovedet(beh, 0);
        }
        QCOMPARE(m_hlaseni.size(), 1);
        QVERIFY2(m_hlaseni[0].startsWith(QStringLiteral("Tabulka Odpovedi"))
                     && m_hlaseni[0].contains(QStringLiteral("do konce této řady")),
                 qPrintable(m_hlaseni[0]));
        stav->ZacitSerii();
        beh.DalsiOtazka(m_fixture.banka);
        Odpovedet(beh, 0);
        stav->ZaznamenatTest(PolozkyTestu{}, Ted);
        QCOMPARE(m_hlaseni.size(), 3);
        QVERIFY(m_hlaseni[2].contains(QStringLiteral("Odpovědi z testu se nepodařilo uložit")));
        QCOMPARE(Pomocnik::Obsah(QStringLiteral("Odpovedi.DB")), QByteArray("nejde o tabulku"));
    }

    // The names this run knew and the stored list no longer holds go at close; an empty stored
    // list, which the program never writes, takes nobody's records.
    void profilyKeSmazani()
    {
        const auto stav = Stav();
        stav->Nastaveni().Profily << QStringLiteral("Jan");
        stav->ZnameProfily() << QStringLiteral("Jan");
        QCOMPARE(stav->ProfilyKeSmazani(), QStringList{QStringLiteral("Jan")});
        stav->Ulozeno();
        QCOMPARE(stav->ProfilyKeSmazani(), QStringList());
        Konfigurace bezProfilu;
        bezProfilu.Profily.clear();
        stav->Zacit(bezProfilu);
        stav->ZnameProfily() << QStringLiteral("Jan");
        QCOMPARE(stav->ProfilyKeSmazani(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestStavZaka)
#include "tst_stavzaka.moc"

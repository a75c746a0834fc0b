// The protocol record of a points test: the table made on first use, the fields as stored, the
// memos of 25 tokens read back, and nothing earlier touched when writing fails.
#include "adresar.h"
#include "tabulky.h"

#include "test/protokoltestu.h"
#include "test/tokeny.h"

#include <QTest>

#include <memory>

namespace {

ProtokolTestu::Udaje Udaje()
{
    ProtokolTestu::Udaje u;
    u.profil = QStringLiteral("Jana Nováková");
    u.datumACas = QDateTime(QDate(2026, 12, 7), QTime(10, 15, 30));
    u.skupina = QStringLiteral("B");
    u.minPocetBodu = 56;
    for (int p = 1; p <= 25; ++p) {
        PolozkaTestu &q = u.polozky[static_cast<size_t>(p - 1)];
        q.pozice = p;
        q.SkutCis = p < 10 ? p : 400 + p;
        q.Body = PlanTestu::BodyPozice(p);
        q.SpravnaOdpoved = p % 3 ? QStringLiteral("A") : QStringLiteral("BD");
        q.Odpoved = q.SpravnaOdpoved;
    }
    return u;
}

void Vyhodnotit(ProtokolTestu::Udaje &u) { u.skore = VysledekTestu::Vyhodnot(u.polozky); }

} // namespace

class TestProtokolTestu : public QObject {
    Q_OBJECT

    std::unique_ptr<Pomocnik::Adresar> m_dir;

private slots:
    void init() { m_dir = std::make_unique<Pomocnik::Adresar>(); }

    void prvniZaznamVytvoriTabulku()
    {
        ProtokolTestu::Udaje u = Udaje();
        u.profil = QStringLiteral("Profil s velmi dlouhým jménem, delším než třicet znaků");
        u.polozky[0].Odpoved.clear();  // unanswered first position
        u.polozky[6].Odpoved.clear();  // and the seventh
        u.polozky[24].Odpoved.clear(); // and the last
        u.polozky[9].Odpoved = QStringLiteral("AC");
        u.zbyvaSekund = 1800 - 725;
        Vyhodnotit(u);
        QVERIFY(!QFile::exists(QStringLiteral("Protokoly.DB")));
        ProtokolTestu::Zapsat(ProtokolTestu::Zaznam(u));
        QVERIFY(QFile::exists(QStringLiteral("Protokoly.DB")));

        Tabulka t(QStringLiteral("Protokoly"));
        t.Otevrit();
        QCOMPARE(Pomocnik::JmenaPoli(t), (QStringList{QStringLiteral("Profil"), QStringLiteral("DatumACas"), QStringLiteral("Skupina"),
                                     QStringLiteral("DelkaTestu"), QStringLiteral("Spravne"), QStringLiteral("PocetBodu"),
                                     QStringLiteral("MinPocetBodu"), QStringLiteral("Verdikt"), QStringLiteral("Body"),
                                     QStringLiteral("Odpoved"), QStringLiteral("SpravnaOdpoved"), QStringLiteral("SkutCis")}));
        QCOMPARE(t.Pole()[0].velikost, 30);
        QCOMPARE(t.Pole()[1].typ, TypPole::DatumCas);
        QCOMPARE(t.Pole()[7].velikost, 8);
        QCOMPARE(t.Pole()[11].typ, TypPole::Memo);

        QCOMPARE(t.PocetZaznamu(), 1);
        t.PrejitNa(0);
        QCOMPARE(std::make_tuple(t.Text(QStringLiteral("Profil")), t.DatumCas(QStringLiteral("DatumACas")),
                                 t.Text(QStringLiteral("Skupina")), t.Text(QStringLiteral("DelkaTestu"))),
                 std::make_tuple(u.profil.left(30), u.datumACas, QStringLiteral("B"), QStringLiteral("12:05")));
        QCOMPARE(std::make_tuple(t.Cislo(QStringLiteral("Spravne")), t.Cislo(QStringLiteral("PocetBodu")),
                                 t.Cislo(QStringLiteral("MinPocetBodu")), t.Text(QStringLiteral("Verdikt"))),
                 std::make_tuple(21, 65 - 3 - 3 - 3 - 4, 56, QStringLiteral("Neprošel")));

        const QString odpoved = t.Text(QStringLiteral("Odpoved"));
        QVERIFY(odpoved.startsWith(u' ') && odpoved.endsWith(u' '));
        QCOMPARE(odpoved.count(u' '), 24);
        QStringList tokeny = Tokeny::Rozdelit(odpoved, 25);
        QCOMPARE(tokeny.size(), 25);
        for (int p = 1; p <= 25; ++p)
            QCOMPARE(tokeny[p - 1], u.polozky[static_cast<size_t>(p - 1)].Odpoved);
        QVERIFY(tokeny[6].isEmpty() && tokeny[9] == QStringLiteral("AC"));

        QCOMPARE(t.Text(QStringLiteral("Body")), QStringLiteral("3 3 3 3 3 3 3 3 3 3 2 2 2 2 1 1 2 2 2 2 2 3 4 4 4"));
        tokeny = Tokeny::Rozdelit(t.Text(QStringLiteral("SpravnaOdpoved")), 25);
        QCOMPARE(tokeny[2], QStringLiteral("BD"));
        QCOMPARE(tokeny[24], QStringLiteral("A"));
        tokeny = Tokeny::Rozdelit(t.Text(QStringLiteral("SkutCis")), 25);
        QCOMPARE(tokeny[0], QStringLiteral("1"));
        QCOMPARE(tokeny[24], QStringLiteral("425"));
    }

    // A second record is appended; both read back as they were made, a full-time test passed.
    void dalsiZaznamPridaSe()
    {
        ProtokolTestu::Udaje u = Udaje();
        u.zbyvaSekund = 0;
        Vyhodnotit(u);
        const ZaznamProtokolu prvni = ProtokolTestu::Zaznam(u);
        QCOMPARE(std::make_tuple(prvni.DelkaTestu, prvni.Verdikt, prvni.Spravne),
                 std::make_tuple(QStringLiteral("30:00"), QStringLiteral("Prošel"), 25));
        u.profil = QStringLiteral("Druhý");
        u.skupina = QStringLiteral("AM");
        u.minPocetBodu = 50;
        const ZaznamProtokolu druhy = ProtokolTestu::Zaznam(u);
        ProtokolTestu::Zapsat(prvni);
        ProtokolTestu::Zapsat(druhy);

        Tabulka t(QStringLiteral("Protokoly"));
        t.Otevrit();
        QCOMPARE(t.PocetZaznamu(), 2);
        t.PrejitNa(0);
        QCOMPARE(ProtokolTestu::Precist(t), prvni);
        QVERIFY(!t.Text(QStringLiteral("Odpoved")).contains(QStringLiteral("  ")));
        t.PrejitNa(1);
        QCOMPARE(ProtokolTestu::Precist(t), druhy);
    }

    // A table that cannot take the record: the store's error, and the file as it was.
    void chybaZapisuNicNemeni()
    {
        QVERIFY(Pomocnik::Zapsat(QStringLiteral("Protokoly.DB"), "toto neni tabulka"));
        ProtokolTestu::Udaje u = Udaje();
        Vyhodnotit(u);
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, ProtokolTestu::Zapsat(ProtokolTestu::Zaznam(u)));
        QCOMPARE(Pomocnik::Obsah(QStringLiteral("Protokoly.DB")), QByteArray("toto neni tabulka"));

        // A table of another layout keeps its records.
        QVERIFY(QFile::remove(QStringLiteral("Protokoly.DB")));
        Pomocnik::TabulkaProfilu(QStringLiteral("Protokoly"), {QStringLiteral("Starý")});
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, ProtokolTestu::Zapsat(ProtokolTestu::Zaznam(u)));
        QCOMPARE(Pomocnik::ProfilyTabulky(QStringLiteral("Protokoly")), QStringList{QStringLiteral("Starý")});
    }
};

QTEST_GUILESS_MAIN(TestProtokolTestu)
#include "tst_protokoltestu.moc"

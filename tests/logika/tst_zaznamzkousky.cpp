// What an ended mock exam leaves: its record in a table of its own, read back position by position
// (also from a record changed by hand), its printable protocol, and every position in the memory of
// answers with the exam's own source; the points test's protocols and the answers stored before stay
// as they were.
#include "malabanka.h"
#include "odpovedi.h"
#include "tabulky.h"
#include "zaznamy.h"
#include "zkouska.h"

#include "test/tokeny.h"
#include "test/zaznamzkousky.h"
#include "test/zkouskatext.h"
#include "uceni/odpovedizkousky.h"
#include "uceni/pametaktivniho.h"

#include <QTest>

using Pomocnik::Pozice;
using V = Odpovedi::Vysledek;

namespace {

// A record as the exam stores it: position p asks question 100 + p, shows the answers as "CAB" and
// has A right; 1 and 14 were answered right (shown as b)), 2 wrong (c), 3 left unanswered, the rest
// right: 46 points.
ZaznamZkousky Vzor()
{
    QStringList body, okruhy, cisla, poradi, odpoved, spravna;
    for (int p = 1; p <= 25; ++p) {
        const PlanZkousky::Radek &r = PlanZkousky::RadekPozice(p);
        body << QString::number(r.body);
        okruhy << Okruhy::Kod(r.okruh);
        cisla << QString::number(100 + p);
        poradi << QStringLiteral("CAB");
        odpoved << (p == 2 ? QStringLiteral("B") : p == 3 ? QString() : QStringLiteral("A"));
        spravna << QStringLiteral("A");
    }
    return {QStringLiteral("Šárka"), QDateTime(QDate(2026, 3, 14), QTime(10, 5, 7)), QStringLiteral("B"),
            QStringLiteral("12:05"), 23, 46, 43, QStringLiteral("Prošel"), Tokeny::Spojit(body), Tokeny::Spojit(okruhy),
            Tokeny::Spojit(cisla), Tokeny::Spojit(poradi), Tokeny::Spojit(odpoved), Tokeny::Spojit(spravna)};
}

} // namespace

class TestZaznamZkousky : public QObject {
    Q_OBJECT

private slots:
    void zaznamAPamet()
    {
        Pomocnik::OtevrenaBanka fixture{Pomocnik::BankaTestu()};
        const QString profil = QStringLiteral("Profil s nejdelším jménem 30 z"); // 30 characters, the most a name has
        Pomocnik::ZapsatProtokoly({Pomocnik::Protokol()});
        Odpovedi::Zapsat(profil, {QDate(2026, 5, 1), QTime(8, 0), 5, V::Spatne, Odpovedi::Zdroj::Test});

        ZkouskaNanecisto z(profil, QStringLiteral("B"), Pomocnik::Vylosovane(fixture.banka, 11), Pomocnik::ZacatekZkousky);
        Pomocnik::Odpovedet(z, Pozice(1, 19), {20, 21});
        z.Ukoncit(Pomocnik::ZacatekZkousky.addSecs(725));
        const ZaznamZkousky zaznam = ZaznamyZkousek::Zaznam(z);
        QCOMPARE(std::make_tuple(zaznam.Profil, zaznam.DelkaTestu, zaznam.Spravne, zaznam.PocetBodu, zaznam.Verdikt),
                 std::make_tuple(profil, QStringLiteral("12:05"), 19, 39, QStringLiteral("Neprošel")));
        QVERIFY(zaznam.Odpoved.endsWith(QStringLiteral("    "))); // four positions unanswered at the end
        ZaznamyZkousek::Zapsat(zaznam);
        ZaznamyZkousek::Zapsat(Vzor());

        Tabulka t(ZaznamyZkousek::JmenoTabulky);
        t.Otevrit(true);
        QCOMPARE(Pomocnik::JmenaPoli(t).join(u' '), QStringLiteral("Profil DatumACas Skupina DelkaTestu Spravne PocetBodu "
                                                                   "MinPocetBodu Verdikt Body Okruh SkutCis Poradi Odpoved "
                                                                   "SpravnaOdpoved"));
        QCOMPARE(t.PocetZaznamu(), 2);
        t.PrejitNa(0);
        const ZaznamZkousky precteny = ZaznamyZkousek::Precist(t);
        QCOMPARE(precteny, zaznam);
        const PolozkyZkousky polozky = ZaznamyZkousek::Polozky(precteny);
        for (int p = 0; p < 25; ++p) {
            const PolozkaZkousky &a = polozky[size_t(p)], &b = z.Polozky()[size_t(p)];
            QCOMPARE(std::make_tuple(a.pozice, a.SkutCis, a.okruh, a.Body, a.Spravna, a.Poradi, a.Odpoved),
                     std::make_tuple(b.pozice, b.SkutCis, b.okruh, b.Body, b.Spravna, b.Poradi, b.Odpoved));
        }
        t.PrejitNa(1);
        QCOMPARE(ZaznamyZkousek::Precist(t), Vzor());

        // The points test's table is the one record it had.
        Tabulka protokoly(QStringLiteral("Protokoly"));
        protokoly.Otevrit(true);
        QCOMPARE(protokoly.PocetZaznamu(), 1);
        QCOMPARE(ProtokolTestu::Precist(protokoly), Pomocnik::Protokol());

        // Every position into the memory, after what was there: 19 right, two wrong, four unanswered.
        PametAktivnihoProfilu pamet;
        pamet.Nacist(profil);
        pamet.Zaznamenat(profil, OdpovediZkousky(z.Polozky(), Pomocnik::ZacatekZkousky.addSecs(725)));
        QCOMPARE(pamet.Nactena()->Odpovedi().size(), size_t(26));
        const std::vector<Odpovedi::Odpoved> ulozene = Pomocnik::UlozeneOdpovedi(profil);
        QCOMPARE(ulozene.size(), size_t(26));
        QCOMPARE(ulozene[0].zdroj, Odpovedi::Zdroj::Test);
        QList<V> vysledky;
        for (size_t i = 1; i < ulozene.size(); ++i) {
            QCOMPARE(ulozene[i].zdroj, Odpovedi::Zdroj::Zkouska);
            QCOMPARE(ulozene[i].otazka, z.Polozky()[i - 1].SkutCis);
            vysledky << ulozene[i].vysledek;
        }
        QCOMPARE(vysledky, QList<V>(19, V::Spravne) + QList<V>(2, V::Spatne) + QList<V>(4, V::Nezodpovezeno));
    }

    // Tables of the program that are not what they should be: refused and left as they were.
    void ciziTabulky()
    {
        Pomocnik::Adresar adresar;
        // One field more than ours (a later version's table): refused, not written without it.
        Tabulka::Vytvorit(ZaznamyZkousek::JmenoTabulky,
                          ZaznamyZkousek::PoleTabulky() << DefinicePole{QStringLiteral("Navic"), TypPole::Cele, 0});
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, ZaznamyZkousek::Zapsat(Vzor()));
        QVERIFY(Pomocnik::ProfilyTabulky(ZaznamyZkousek::JmenoTabulky).isEmpty());

        // A source code the program does not know is skipped, the others read.
        Odpovedi::Zapsat(QStringLiteral("Default"), {QDate(2026, 5, 1), QTime(8, 0), 5, V::Spravne, Odpovedi::Zdroj::Zkouska});
        Odpovedi::Zapsat(QStringLiteral("Default"), {QDate(2026, 5, 1), QTime(8, 0), 6, V::Spravne, Odpovedi::Zdroj(6)});
        PametProfilu pamet(QStringLiteral("Default"));
        pamet.Nacist();
        QCOMPARE(std::make_pair(pamet.Odpovedi().size(), pamet.Preskoceno()), std::make_pair(size_t(1), 1));
    }

    void protokol()
    {
        const QStringList r = ZkouskaText::Radky(Vzor());
        QCOMPARE(ZkouskaText::Titulek(Vzor()), QStringLiteral("Zkouška nanečisto z 14.3.2026 10:05:07; Uživatel: Šárka"));
        const QString cara = QStringLiteral("  ") + QString(61, u'-');
        QCOMPARE(r.mid(0, 11), (QStringList{
                                   QStringLiteral(" Uživatel : Šárka"),
                                   QString(),
                                   QStringLiteral("  Skupina : B"),
                                   QStringLiteral("  Maximální dosažitelný počet bodů : 50"),
                                   QStringLiteral("  Minimální potřeba počtu bodů : 43"),
                                   QStringLiteral("  Datum a čas zkoušky : 14.3.2026 10:05:07"),
                                   QStringLiteral("  Délka zkoušky : 12:05"),
                                   QString(),
                                   QStringLiteral("  Otázka  Skutečné  Okruh   Pořadí    Odpověď  Správná  Získané"),
                                   QStringLiteral("   číslo     číslo        odpovědí  uživatele  odpověď     body"),
                                   cara}));
        for (int i = 8; i <= 35; ++i)
            QCOMPARE(r[i].size(), ZkouskaText::SirkaRadku);
        QCOMPARE(r[11], QStringLiteral("       1       101     PP      CAB         b)       b)        2"));
        QCOMPARE(r[12], QStringLiteral("   x   2       102     PP      CAB         c)       b)        0"));
        QCOMPARE(r[13], QStringLiteral("   x   3       103     PP      CAB                  b)        0"));
        QCOMPARE(r[35], QStringLiteral("      25       125     ZP      CAB         b)       b)        1"));
        QCOMPARE(r.mid(36, 4), (QStringList{cara, QStringLiteral("     Prošel"), cara,
                                            QStringLiteral("           Celkem :                        23                46")}));
        QCOMPARE(r[42], QStringLiteral("    PP   16 z 20  Pravidla provozu na pozemních komunikacích"));
        QCOMPARE(r[48], QStringLiteral("    ZP    1 z  1  Zdravotnická příprava"));

        // A record changed by hand: whatever cannot be read stays empty, nothing stops the reading.
        ZaznamZkousky z = Vzor();
        z.Poradi.replace(0, 7, QStringLiteral("AAB XYZ")); // for "CAB CAB"
        z.Odpoved = QStringLiteral("D a  AB");
        z.SkutCis = QStringLiteral("x");
        z.Okruh.clear();
        const PolozkyZkousky p = ZaznamyZkousek::Polozky(z);
        QCOMPARE(std::make_tuple(p[0].Poradi, p[1].Poradi, p[2].Poradi), std::make_tuple(QStringLiteral("ABC"), QStringLiteral("ABC"), QStringLiteral("CAB")));
        QVERIFY(!p[0].Zodpovezena() && !p[1].Zodpovezena() && !p[3].Zodpovezena());
        QCOMPARE(std::make_tuple(p[0].SkutCis, p[24].SkutCis, p[24].okruh), std::make_tuple(0, 0, Okruhy::Okruh::ZP));
        QCOMPARE(ZkouskaText::Radky(z).size(), r.size());
    }
};

QTEST_GUILESS_MAIN(TestZaznamZkousky)
#include "tst_zaznamzkousky.moc"

// The mock exam: its plan, the drawing of its questions and answer orders from the group's pools, the
// refusal of a bank that cannot fill a topic, and an exam in progress: choices through the shown
// order, the pass mark, the end by the learner or by the clock.
#include "malabanka.h"
#include "zkouska.h"

#include "test/planzkousky.h"
#include "test/sestavenizkousky.h"
#include "test/zkouska.h"

#include <QSet>
#include <QTest>

using Okruhy::Okruh;
using Pomocnik::Odpovedet;
using Pomocnik::Pozice;
using Pomocnik::ZacatekZkousky;

namespace {

// The fixture bank and, in the topics the exam draws from, questions it must never draw: four
// answers, two right letters, a right letter beyond c), no topic, and group D only.
QList<OtazkaBanky> BankaSVyjimkami()
{
    QList<OtazkaBanky> otazky = Pomocnik::BankaTestu();
    OtazkaBanky ctyri = Pomocnik::Zaznam(1), dve = Pomocnik::Zaznam(2, QStringLiteral("ABCD"), QStringLiteral("AB")),
                d = Pomocnik::Zaznam(3, QStringLiteral("ABCD"), QStringLiteral("D")), bez = Pomocnik::Zaznam(4),
                jenD = Pomocnik::Zaznam(6, QStringLiteral("D"));
    ctyri.odpovedi[3] = QStringLiteral("Odpověď d");
    bez.okruh.reset();
    otazky << ctyri << dve << d << bez << jenD;
    return otazky;
}
const QSet<int> Nevhodne{1, 2, 3, 4, 6};

} // namespace

class TestZkouska : public QObject {
    Q_OBJECT

    Pomocnik::OtevrenaBanka m_fixture{BankaSVyjimkami()};
    const BankaOtazek &m_banka = m_fixture.banka;

private slots:
    // 25 positions, 50 points; every drawn question from its position's topic and pool, none twice,
    // none unfit; each topic's pool reached whole; each of the six orders of the answers shown.
    void planASestaveni()
    {
        int pozic = 0, body = 0;
        for (const PlanZkousky::Radek &r : PlanZkousky::Radky) {
            pozic += r.pocet;
            body += r.pocet * r.body;
        }
        QCOMPARE(std::make_pair(pozic, body), std::make_pair(25, 50));
        QCOMPARE(PlanZkousky::RadekPozice(14).okruh, Okruh::ZBJ);
        QCOMPARE(PlanZkousky::RadekPozice(25).okruh, Okruh::ZP);

        for (const QString &skupina : {QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("T")}) {
            const SestavovaniZkousky sestavovani(m_banka, skupina);
            QCOMPARE(sestavovani.ProcNelze(), QString());
            QSet<int> vsechnyVylosovane;
            QSet<QString> poradi;
            for (quint32 seme = 1; seme <= 300; ++seme) {
                const PolozkyZkousky z = Pomocnik::Vylosovane(m_banka, seme * 2654435761u, skupina);
                QSet<int> videne;
                int soucet = 0;
                for (const PolozkaZkousky &p : z) {
                    const PlanZkousky::Radek &r = PlanZkousky::RadekPozice(p.pozice);
                    const QString kde = QStringLiteral("%1 at %2 in %3").arg(p.SkutCis).arg(p.pozice).arg(skupina);
                    QVERIFY2(m_banka.OkruhOtazky(p.SkutCis) == r.okruh && p.okruh == r.okruh, qPrintable(kde));
                    QVERIFY2(Skupiny::OtazkaProSkupinu(m_banka.SkupinaOtazky(p.SkutCis), skupina), qPrintable(kde));
                    QVERIFY2(!Nevhodne.contains(p.SkutCis) && !videne.contains(p.SkutCis), qPrintable(kde));
                    videne.insert(p.SkutCis);
                    QCOMPARE(p.Body, r.body);
                    QCOMPARE(QString(p.Spravna), m_banka.SpravneOdpovedi(p.SkutCis));
                    QString serazene = p.Poradi;
                    std::sort(serazene.begin(), serazene.end());
                    QCOMPARE(serazene, QStringLiteral("ABC"));
                    QVERIFY(!p.Zodpovezena());
                    poradi.insert(p.Poradi);
                    soucet += p.Body;
                }
                QCOMPARE(soucet, 50);
                vsechnyVylosovane += videne;
            }
            QCOMPARE(poradi.size(), 6);
            int velikost = 0;
            for (Okruh o : Okruhy::Vsechny) {
                const std::vector<int> &zasoba = sestavovani.Zasoba(o);
                velikost += static_cast<int>(zasoba.size());
                for (int n : zasoba)
                    QVERIFY2(vsechnyVylosovane.contains(n), qPrintable(QStringLiteral("%1 never drawn").arg(n)));
            }
            QCOMPARE(vsechnyVylosovane.size(), velikost);
            QCOMPARE(sestavovani.VelikostZasoby(), velikost);
        }
    }

    // A pool just large enough is drawn whole; one question short, the message names the topic and
    // the drawing refuses without drawing; a group that is none of the eight is named.
    void nelzeSestavit()
    {
        Pomocnik::Adresar adresar;
        QList<OtazkaBanky> otazky;
        for (Okruh o : Okruhy::Vsechny)
            for (int i = 0; i < PlanZkousky::RadekOkruhu(o).pocet; ++i) {
                otazky << Pomocnik::Zaznam(1 + Okruhy::Index(o) * 20 + i);
                otazky.last().okruh = o;
            }
        {
            Pomocnik::ZapsatMalouBanku(otazky);
            BankaOtazek banka;
            banka.Otevrit();
            QSet<int> cisla;
            for (const PolozkaZkousky &p : Pomocnik::Vylosovane(banka, 5))
                cisla.insert(p.SkutCis);
            QCOMPARE(cisla.size(), 25);
        }
        QVERIFY(QDir().remove(QStringLiteral("otazky.DB")) && QDir().remove(QStringLiteral("otazky.MB")));
        otazky.removeLast(); // the only first-aid question
        otazky[13].spravne = QStringLiteral("AC"); // and one safe-driving question unfit
        Pomocnik::ZapsatMalouBanku(otazky);
        BankaOtazek banka;
        banka.Otevrit();
        const QString proc = SestavovaniZkousky(banka, QStringLiteral("B")).ProcNelze();
        QVERIFY2(proc.startsWith(QStringLiteral("Zkoušku nanečisto nelze sestavit pro skupinu B")), qPrintable(proc));
        QVERIFY2(proc.contains(QStringLiteral("v okruhu „Zdravotnická příprava“ (ZP) jich je 0, zkouška jich potřebuje 1")),
                 qPrintable(proc));
        QVERIFY2(proc.contains(QStringLiteral("(ZBJ) jich je 3, zkouška jich potřebuje 4")), qPrintable(proc));
        QVERIFY(!proc.contains(QStringLiteral("(PP)")));
        int tahu = 0;
        QString chyba;
        QVERIFY(!VylosujZkousku(banka, QStringLiteral("B"), [&tahu](int) { return ++tahu, 0; }, &chyba));
        QCOMPARE(std::make_pair(chyba, tahu), std::make_pair(proc, 0));
        QVERIFY(SestavovaniZkousky(banka, QStringLiteral("X")).ProcNelze().contains(QStringLiteral("skupina „X“")));
    }

    // A choice is right exactly when the bank's letter shown at it is the right one; points per
    // topic and in all; 43 passes, 42 fails; unanswered scores nothing.
    void bodovani()
    {
        ZkouskaNanecisto z = Pomocnik::Zkouska(m_banka);
        int zamichanych = 0;
        for (int p = 1; p <= 25; ++p) {
            const PolozkaZkousky &q = z.Polozka(p);
            zamichanych += q.Poradi != QStringLiteral("ABC");
            for (int i = 0; i < 3; ++i) {
                QVERIFY(z.Zvolit(p, i));
                QCOMPARE(z.ZobrazenaVolba(p), i);
                QCOMPARE(z.Polozka(p).Ziskano(), q.Poradi[i] == q.Spravna ? q.Body : 0);
            }
        }
        QVERIFY(zamichanych >= 10); // a mapping that ignored the order would score differently
        QVERIFY(!z.Zvolit(1, 3) && !z.Zvolit(0, 0) && !z.Zvolit(26, 0));

        z = Pomocnik::Zkouska(m_banka);
        QCOMPARE(std::make_tuple(z.PocetBodu(), z.PocetNezodpovezenych(), z.Prospel()), std::make_tuple(0, 25, false));
        Odpovedet(z, Pozice(1, 25));
        QCOMPARE(std::make_tuple(z.PocetBodu(), z.PocetNezodpovezenych(), z.Prospel()), std::make_tuple(50, 0, true));
        // 7 points lost: a traffic situation (4) and a rule (2) wrong, first aid (1) left unanswered.
        z = Pomocnik::Zkouska(m_banka);
        QList<int> spravne = Pozice(1, 24);
        spravne.removeAll(3);
        spravne.removeAll(18);
        Odpovedet(z, spravne, {3, 18});
        QCOMPARE(std::make_tuple(z.PocetBodu(), z.PocetNezodpovezenych(), z.Prospel()), std::make_tuple(43, 1, true));
        std::array<int, Okruhy::Pocet> ocekavane = VysledekZkousky::MaxBodyPodleOkruhu();
        ocekavane[Okruhy::Index(Okruh::DS)] -= 4;
        ocekavane[Okruhy::Index(Okruh::PP)] -= 2;
        ocekavane[Okruhy::Index(Okruh::ZP)] -= 1;
        QCOMPARE(VysledekZkousky::BodyPodleOkruhu(z.Polozky()), ocekavane);
        Odpovedet(z, {}, {11}); // a sign too
        QCOMPARE(std::make_pair(z.PocetBodu(), z.Prospel()), std::make_pair(42, false));
        QCOMPARE(VysledekZkousky::PocetSpravnych(z.Polozky()), 21);
    }

    // The clock: 30:00 for the first second, the end at 00:00 by the tick with the answers scored,
    // no choice after it; the learner's end keeps the time used; a clock set back shows no more
    // than 30 minutes; moving stays within 1..25.
    void casAKonec()
    {
        ZkouskaNanecisto z = Pomocnik::Zkouska(m_banka);
        const auto za = [](qint64 ms) { return ZacatekZkousky.addMSecs(ms); };
        QCOMPARE(z.ZbyvaSekund(za(999)), 1800);
        QCOMPARE(z.ZbyvaSekund(za(1000)), 1799);
        QCOMPARE(z.ZbyvaSekund(za(-60000)), 1800);
        QVERIFY(!z.Tik(za(1799999)));
        Odpovedet(z, Pozice(1, 10));
        QVERIFY(z.Tik(za(1800000)));
        QVERIFY(z.Ukoncena() && z.VyprselCas());
        QVERIFY(!z.Tik(za(1801000)));
        QCOMPARE(std::make_pair(z.ZbyvaSekund(za(5000000)), z.DelkaSekund()), std::make_pair(0, 1800));
        QVERIFY(!z.Zvolit(11, 0));
        QCOMPARE(z.PocetBodu(), 20);

        z = Pomocnik::Zkouska(m_banka);
        QCOMPARE(z.DelkaSekund(), 0);
        z.Ukoncit(za(725400));
        QVERIFY(z.Ukoncena() && !z.VyprselCas());
        QCOMPARE(std::make_pair(z.DelkaSekund(), z.ZbyvaSekund(za(1800000))), std::make_pair(725, 1075));
        QVERIFY(!z.Tik(za(1800000)));
        z = Pomocnik::Zkouska(m_banka);
        z.Ukoncit(za(1900000)); // the tick came too late: still the time ran out
        QVERIFY(z.VyprselCas());

        QCOMPARE(z.AktualniPozice(), 1);
        QVERIFY(!z.Predchozi() && z.PrejitNa(25) && !z.Dalsi() && !z.PrejitNa(0));
        QVERIFY(z.Predchozi());
        QCOMPARE(z.AktualniPozice(), 24);
    }
};

QTEST_GUILESS_MAIN(TestZkouska)
#include "tst_zkouska.moc"

// What the knowledge overview shows besides the estimate, from a scripted memory: the categories'
// never answered / learning / known, the answers per day and week, the questions due in the
// learning order; and the exam day kept per profile in its table.
#include "malabanka.h"
#include "odpovedi.h"

#include "data/konfigurace.h"
#include "data/profily.h"
#include "uceni/prehledznalosti.h"
#include "uceni/terminzkousky.h"

#include <QTest>

#include <sqlite3.h>

using Pomocnik::Kdy;
using V = Odpovedi::Vysledek;

namespace {

const QDate Dnes(2026, 5, 4); // a Monday

QDateTime PredDny(int dny, int hodina = 10) { return QDateTime(Dnes.addDays(-dny), QTime(hodina, 0)); }

} // namespace

class TestPrehledZnalosti : public QObject {
    Q_OBJECT

    Pomocnik::OtevrenaBanka m_fixture{Pomocnik::BankaTestu()};
    const BankaOtazek &m_banka = m_fixture.banka;

private slots:
    void znalostPrubehAOpakovani()
    {
        PametProfilu pamet(QStringLiteral("Jana"));
        Pomocnik::Prehrat(pamet, {
                                     {15, PredDny(60)},                 // forgotten since: recall 0.60
                                     {425, PredDny(10), V::Spatne},     // the oldest wrong answer
                                     {505, PredDny(3)},                 // due: recall 0.88
                                     {10, PredDny(1), V::Spatne},
                                     {35, PredDny(1), V::Spatne},       // groups C and D only
                                     {20, PredDny(0, 9), V::SNapovedou},
                                     {20, PredDny(0, 10)},
                                     {5, PredDny(0, 11)},
                                     {5, PredDny(-2)},                  // stamped after today: a clock set wrong
                                 });

        const auto znalost = PrehledZnalosti::ZnalostPodleKategorii(m_banka, QStringLiteral("B"), pamet, Dnes);
        QCOMPARE(znalost[0].umi, 2);   // 5 and 20
        QCOMPARE(znalost[0].uciSe, 2); // 10 and 15
        QCOMPARE(znalost[0].Celkem(), 84 - 12);
        QCOMPARE(znalost[1].uciSe, 1);
        QCOMPARE(znalost[3].uciSe, 1);
        QCOMPARE(znalost[6].nikdy, znalost[6].Celkem());
        const auto znalostC = PrehledZnalosti::ZnalostPodleKategorii(m_banka, QStringLiteral("C"), pamet, Dnes);
        QCOMPARE(znalostC[0].Celkem(), 84);
        QCOMPARE(znalostC[0].uciSe, 3);

        Konfigurace stav;
        auto k = PrehledZnalosti::OtazkyKOpakovani(m_banka, stav, pamet, Dnes);
        QCOMPARE(k.otazky, (QList<int>{425, 10, 15, 505}));
        QCOMPARE(k.chybne, 2);
        QCOMPARE(k.zapominane, 2);
        stav.PovoleneKategorie[3] = false;
        stav.ZvolenaSkupina = QStringLiteral("C");
        k = PrehledZnalosti::OtazkyKOpakovani(m_banka, stav, pamet, Dnes);
        QCOMPARE(k.otazky, (QList<int>{425, 10, 35, 15}));

        // From the first answer, 61 days in ten weeks: Thursday to Sunday, eight whole weeks,
        // today's Monday. The answer stamped after today is not counted.
        PrehledZnalosti::Prubeh p = PrehledZnalosti::PrubehUceni(pamet, Dnes);
        QCOMPARE(p.dny.size(), 61);
        QCOMPARE(p.dny.first().datum, Dnes.addDays(-60));
        QCOMPARE(p.dny.last().datum, Dnes);
        QCOMPARE(std::make_tuple(p.odpovedi, p.spravne, p.procent), std::make_tuple(8, 4, 50));
        QCOMPARE(p.dny.last().odpovedi, 3);
        QCOMPARE(p.dny.last().spravne, 2);
        QCOMPARE(p.tydny.size(), 10);
        QCOMPARE(p.tydny.first().doDne, QDate(2026, 3, 8));
        int odpovedi = 0;
        for (qsizetype i = 0; i < p.tydny.size(); ++i) {
            const PrehledZnalosti::Tyden &t = p.tydny[i];
            QVERIFY(i == 0 || (t.od.dayOfWeek() == Qt::Monday && t.od == p.tydny[i - 1].doDne.addDays(1)));
            QVERIFY(i == p.tydny.size() - 1 || t.doDne.dayOfWeek() == Qt::Sunday);
            odpovedi += t.odpovedi;
        }
        QCOMPARE(odpovedi, 8);
        QCOMPARE(std::make_pair(p.tydny.last().odpovedi, p.tydny.last().procent), std::make_pair(3, 67));

        // A history longer than 90 days shows the last 90.
        pamet.Pridat(Pomocnik::Odpoved({30, PredDny(200)}));
        p = PrehledZnalosti::PrubehUceni(pamet, Dnes);
        QCOMPARE(p.dny.size(), PrehledZnalosti::NejviceDni);
        QCOMPARE(p.odpovedi, 8);
        QVERIFY(PrehledZnalosti::PrubehUceni(PametProfilu(QStringLiteral("Nikdo")), Dnes).dny.isEmpty());

        // What the window gets: the categories named, the profile's day, the estimate by the day.
        const PrehledZnalosti::UdajePrehledu u = PrehledZnalosti::Udaje(m_banka, stav, pamet, Dnes, Dnes.addDays(9));
        QCOMPARE(u.kategorie.size(), 7);
        QCOMPARE(std::make_tuple(u.kategorie[6].nazev, u.kategorie[6].kratkyNazev, u.kategorie[0].Celkem()),
                 std::make_tuple(Kategorie::Nazev(7), QStringLiteral("Křižovatky"), 84));
        QCOMPARE(std::make_tuple(u.profil, u.denZkousky, u.kOpakovani.otazky, u.prubeh.odpovedi),
                 std::make_tuple(stav.AktivniProfil, Dnes.addDays(9), QList<int>{425, 10, 35, 30, 15}, 8));
        const PrehledZnalosti::Pripravenost odhad = PrehledZnalosti::PripravenostNaDen(m_banka, QStringLiteral("B"), pamet, Dnes);
        QVERIFY2(odhad.proc.isEmpty() && odhad.pravdepodobnost.endsWith(QStringLiteral(" %")), qPrintable(odhad.proc));
        QCOMPARE(std::make_tuple(odhad.maxBodu, odhad.minimum, odhad.ztraceneBody.size()), std::make_tuple(65, 56, qsizetype(7)));
        QVERIFY(odhad.nejviceZtraci >= 1 && odhad.ztraceneBody[odhad.nejviceZtraci - 1] > 0);
        QVERIFY(PrehledZnalosti::PripravenostNaDen(m_banka, QStringLiteral("B"), PametProfilu(QStringLiteral("Nikdo")), Dnes)
                    .proc.startsWith(QStringLiteral("Odhad potřebuje nejdříve vaše odpovědi.")));
    }

    // The latest day per profile, one record each, names of the longest size and quotes matched; the
    // clean-up's deletion takes one profile's day alone; a stored value that is no day is not used; a
    // foreign table is refused untouched.
    void terminZkousky()
    {
        Pomocnik::Adresar adresar;
        const QString dlouhe = QStringLiteral("O'Brien a jeho dlouhé jméno pr");
        QVERIFY(!TerminZkousky::Precist(QStringLiteral("Jana"), Dnes));
        TerminZkousky::Zapsat(QStringLiteral("Jana"), QDate(2026, 6, 1));
        TerminZkousky::Zapsat(dlouhe, QDate(2026, 7, 1));
        TerminZkousky::Zapsat(QStringLiteral("Jana"), QDate(2026, 6, 15));
        QCOMPARE(TerminZkousky::Precist(QStringLiteral("Jana"), Dnes), QDate(2026, 6, 15));
        QCOMPARE(TerminZkousky::Precist(dlouhe, Dnes), QDate(2026, 7, 1));
        QVERIFY(!TerminZkousky::Precist(QStringLiteral("jana"), Dnes));
        {
            Tabulka t(TerminZkousky::JmenoTabulky);
            t.Otevrit();
            QCOMPARE(t.PocetZaznamu(), 2);
        }
        SmazatZaznamyProfilu(TerminZkousky::JmenoTabulky, QStringLiteral("Jana"));
        QVERIFY(!TerminZkousky::Precist(QStringLiteral("Jana"), Dnes));
        QCOMPARE(TerminZkousky::Precist(dlouhe, Dnes), QDate(2026, 7, 1));

        // A stored value that is no day the learner could have chosen is said, not used and left as
        // it is; a day that has passed is still the learner's.
        for (const char *hodnota : {"99999999", "-5", "'9999-12-31'", "'2026-02-30'"}) {
            sqlite3 *db = nullptr;
            sqlite3_open("TerminyZkousek.DB", &db);
            QCOMPARE(sqlite3_exec(db, QByteArray("UPDATE zaznamy SET DenZkousky = ").append(hodnota).constData(), nullptr,
                                  nullptr, nullptr),
                     SQLITE_OK);
            sqlite3_close(db);
            const QByteArray ulozeno = Pomocnik::Obsah(QStringLiteral("TerminyZkousek.DB"));
            QString vyhrada;
            QVERIFY(!TerminZkousky::Precist(dlouhe, Dnes, &vyhrada));
            QVERIFY2(vyhrada.contains(u'„' + QString::fromLatin1(hodnota).remove(u'\'') + u'“')
                         && vyhrada.contains(QStringLiteral("nebyl použit")),
                     qPrintable(vyhrada));
            QCOMPARE(Pomocnik::Obsah(QStringLiteral("TerminyZkousek.DB")), ulozeno);
        }
        TerminZkousky::Zapsat(dlouhe, Dnes.addDays(-3));
        QString vyhrada;
        QCOMPARE(TerminZkousky::Precist(dlouhe, Dnes, &vyhrada), Dnes.addDays(-3));
        QVERIFY(vyhrada.isEmpty());

        QVERIFY(QFile::remove(QStringLiteral("TerminyZkousek.DB")) && QFile::remove(QStringLiteral("TerminyZkousek.MB")));
        Tabulka::Vytvorit(TerminZkousky::JmenoTabulky, {{QStringLiteral("Profil"), TypPole::Retezec, 30}});
        const QDateTime zmena = QFileInfo(QStringLiteral("TerminyZkousek.DB")).lastModified();
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, TerminZkousky::Zapsat(QStringLiteral("Jana"), QDate(2026, 6, 1)));
        QVERIFY_THROWS_EXCEPTION(ChybaTabulky, TerminZkousky::Precist(QStringLiteral("Jana"), Dnes));
        QCOMPARE(QFileInfo(QStringLiteral("TerminyZkousek.DB")).lastModified(), zmena);
        QVERIFY(QDir::setCurrent(m_fixture.adresar.Cesta()));
    }
};

QTEST_GUILESS_MAIN(TestPrehledZnalosti)
#include "tst_prehledznalosti.moc"

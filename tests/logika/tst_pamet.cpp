// The memory of answers: the model against sequences worked out by hand from the published FSRS-6
// formulas (default parameters, F = 0.9^(−1/w20) − 1 = 0.980346494), and the learning order on a
// small bank with a scripted history.
#include "malabanka.h"
#include "odpovedi.h"

#include "practice/beh.h"
#include "uceni/poradiuceni.h"

#include <QTest>

#include <cmath>
#include <limits>

using Pomocnik::Kdy;
using V = Odpovedi::Vysledek;

namespace {

// One answer and the memory of its question right after it.
struct Krok {
    Pomocnik::Krok odpoved;
    double stabilita, obtiznost;
    QDate opakovat;
};

// The recall of a question on a day, and whether it is due then.
struct Vybaveni {
    int otazka;
    QDate den;
    double vybavitelnost;
    bool splatna;
};

bool Blizko(double a, double b) { return std::isfinite(a) && std::abs(a - b) < 1e-6; }

} // namespace

class TestPamet : public QObject {
    Q_OBJECT

private slots:
    void modelPodleVzorcu()
    {
        // D0(3) = w4 − e^(2·w5) + 1 = 2.118103970; D0(1) = w4 = 6.4133; D0(4) = −4.771630703 is what
        // every later difficulty is pulled towards (by w7), taken as it is.
        const QList<Krok> kroky{
            // Question 10: learnt, reviewed when due, forgotten, relearnt, then a gap of 400 days.
            {{10, Kdy(2026, 3, 2)}, 2.3065, 2.118103970, QDate(2026, 3, 5)},
            // t = 3: R = 0.880947956; S·(1 + e^w8·(11−D)·S^(−w9)·(e^(w10·(1−R)) − 1))
            {{10, Kdy(2026, 3, 5)}, 13.826903694, 2.111214236, QDate(2026, 3, 19)},
            // t = 10: R = 0.920684083; w11·D^(−w12)·((S+1)^w13 − 1)·e^(w14·(1−R)) = 1.666140748,
            // below S/e^(w17·w18) = 13.159; D + 2·w6·(10−D)/9, pulled to D0(4)
            {{10, Kdy(2026, 3, 15), V::Spatne}, 1.666140748, 7.392238132, QDate(2026, 3, 17)},
            // t = 1: R = 0.931134157
            {{10, Kdy(2026, 3, 16)}, 3.689035237, 7.380074264, QDate(2026, 3, 20)},
            // t = 400: R = 0.486275638
            {{10, Kdy(2027, 4, 20)}, 38.983997818, 7.367922559, QDate(2027, 5, 29)},

            // Question 20: three answers on one day, S·e^(w17·(G−3+w18))·S^(−w19), then the next day.
            {{20, Kdy(2026, 3, 2, 9, 0), V::Spatne}, 0.212, 6.4133, QDate(2026, 3, 3)},
            {{20, Kdy(2026, 3, 2, 9, 5), V::SNapovedou}, 0.083356717, 8.806304469, QDate(2026, 3, 3)},
            {{20, Kdy(2026, 3, 2, 9, 10)}, 0.103140650, 8.792726534, QDate(2026, 3, 3)},
            // t = 1: R = 0.695826654
            {{20, Kdy(2026, 3, 3)}, 0.695254699, 8.779162176, QDate(2026, 3, 4)},
            // t = 30: R = 0.559308053
            {{20, Kdy(2026, 4, 2), V::Spatne}, 0.399573113, 9.583947278, QDate(2026, 4, 3)},

            // Question 30: forgotten again after 1000 days. R = 0.272167194 and the lapse formula
            // gives 0.227760883, above S/e^(w17·w18) = 0.201766336, which holds.
            {{30, Kdy(2026, 3, 2), V::Spatne}, 0.212, 6.4133, QDate(2026, 3, 3)},
            {{30, Kdy(2028, 11, 26), V::Nezodpovezeno, Odpovedi::Zdroj::Test}, 0.201766336, 8.806304469,
             QDate(2028, 11, 27)},

            // Question 40: the clock went back five days between two answers. The span counts as a
            // same day, where a right answer never lowers S (e^(w17·(w18))·S^(−w19) = 0.9945 < 1),
            // and the later stamp is the last answer's date.
            {{40, Kdy(2026, 3, 10)}, 2.3065, 2.118103970, QDate(2026, 3, 13)},
            {{40, Kdy(2026, 3, 5)}, 2.3065, 2.111214236, QDate(2026, 3, 8)},
        };
        PametProfilu pamet(QStringLiteral("Default"));
        for (const Krok &k : kroky) {
            pamet.Pridat(Pomocnik::Odpoved(k.odpoved));
            const StavOtazky s = pamet.Stav(k.odpoved.otazka, k.odpoved.kdy.date());
            const QByteArray kde = k.odpoved.kdy.toString(Qt::ISODate).toLatin1();
            QVERIFY2(s.zodpovezena, kde.constData());
            QVERIFY2(Blizko(s.stabilita, k.stabilita), qPrintable(QStringLiteral("%1: S %2").arg(QString::fromLatin1(kde)).arg(s.stabilita, 0, 'f', 9)));
            QVERIFY2(Blizko(s.obtiznost, k.obtiznost), qPrintable(QStringLiteral("%1: D %2").arg(QString::fromLatin1(kde)).arg(s.obtiznost, 0, 'f', 9)));
            QCOMPARE(s.opakovat, k.opakovat);
            QCOMPARE(s.vybavitelnost, 1.0); // on the day of the answer
            QCOMPARE(s.posledniChybna, k.odpoved.vysledek != V::Spravne);
            QCOMPARE(s.posledniDatum, k.odpoved.kdy.date());
            QCOMPARE(s.posledniCas, k.odpoved.kdy.time());
        }
        QCOMPARE(pamet.Odpovedi().size(), size_t(kroky.size()));

        const QList<Vybaveni> vybaveni{
            {10, QDate(2027, 5, 28), 0.901746714, false}, // t = 38 < S
            {10, QDate(2027, 5, 29), 0.899971803, true},  // t = 39 > S: below 0.9, due
            {20, QDate(2026, 4, 2), 1.0, false},
            {30, QDate(2028, 11, 26), 1.0, false},
            {40, QDate(2026, 3, 10), 0.838861427, true}, // t = 5
            {40, QDate(2026, 3, 1), 1.0, false},         // before the last answer: never above 1
        };
        for (const Vybaveni &v : vybaveni) {
            const StavOtazky s = pamet.Stav(v.otazka, v.den);
            QVERIFY2(Blizko(s.vybavitelnost, v.vybavitelnost),
                     qPrintable(QStringLiteral("%1 %2: R %3").arg(v.otazka).arg(v.den.toString(Qt::ISODate)).arg(s.vybavitelnost, 0, 'f', 9)));
            QCOMPARE(s.splatna, v.splatna);
        }
        QVERIFY(!pamet.Stav(11, QDate(2026, 3, 2)).zodpovezena);
        QVERIFY(!pamet.Stav(0, QDate(2026, 3, 2)).zodpovezena);
        QVERIFY(!pamet.Stav(758, QDate(2026, 3, 2)).zodpovezena);
    }

    // A question answered right for a lifetime falls due at the latest 100 years after its last
    // answer, whatever its stability, so that the date stays a real one; just below, the stability
    // decides.
    void nejdelsiInterval()
    {
        QCOMPARE(Fsrs::DnuDoOpakovani(36498.5), 36499);
        for (const double stabilita : {36499.0, 1e9, 1e300, std::numeric_limits<double>::infinity(),
                                       std::numeric_limits<double>::quiet_NaN()})
            QCOMPARE(Fsrs::DnuDoOpakovani(stabilita), Fsrs::NejdelsiInterval);
        PametProfilu pamet(QStringLiteral("Default"));
        QDateTime kdy = Kdy(2026, 1, 1);
        for (int i = 0; i < 12; ++i) {
            pamet.Pridat(Pomocnik::Odpoved({10, kdy}));
            kdy = kdy.addDays(Fsrs::DnuDoOpakovani(pamet.Stav(10, kdy.date()).stabilita));
        }
        const StavOtazky s = pamet.Stav(10, kdy.date());
        QVERIFY(s.stabilita > Fsrs::NejdelsiInterval);
        QCOMPARE(s.posledniDatum.daysTo(s.opakovat), Fsrs::NejdelsiInterval);
    }

    void poradiUceni()
    {
        QList<OtazkaBanky> otazky;
        for (int n : {1, 2, 3, 4, 5, 6, 7, 421, 621, 622})
            otazky << Pomocnik::Zaznam(n, n == 2 ? QStringLiteral("A") : QStringLiteral("ABCD"));
        const Pomocnik::OtevrenaBanka fixture(otazky);
        const BankaOtazek &banka = fixture.banka;
        Konfigurace nastaveni;
        nastaveni.ZvolenaSkupina = QStringLiteral("B");
        nastaveni.PovoleneKategorie = {true, false, false, false, false, true, false};
        const QList<int> kvalifikujici = BehOtazek::VyhovujiciOtazky(banka, nastaveni);
        QCOMPARE(kvalifikujici, (QList<int>{1, 3, 4, 5, 6, 7, 621, 622}));

        const QDate dnes(2026, 6, 10);
        PametProfilu pamet(QStringLiteral("Default"));
        Pomocnik::Prehrat(pamet, {
            {3, Kdy(2026, 1, 1)},                   // due long since
            {4, Kdy(2026, 6, 1)},                   // due: S 2.3 days, 9 days ago
            {5, Kdy(2026, 6, 9, 8, 0), V::Spatne},  // wrong yesterday
            {6, Kdy(2026, 6, 8), V::SNapovedou},    // with the hint the day before
            {7, Kdy(2026, 6, 1)}, {7, Kdy(2026, 6, 4)}, // known: S 13.8 days
            {1, Kdy(2026, 6, 10, 7, 30)},           // answered today
            {2, Kdy(2026, 6, 9), V::Spatne},        // wrong, but not a group B question
            {421, Kdy(2026, 6, 9), V::Spatne},      // wrong, in a category switched off
        });
        // Wrong before due before new before known; within them the oldest wrong answer, the
        // lowest recall, number order.
        QCOMPARE(PoradiUceni(kvalifikujici, pamet, dnes), (QList<int>{6, 5, 3, 4, 621, 622, 7, 1}));
        QVERIFY(pamet.Stav(3, dnes).vybavitelnost < pamet.Stav(4, dnes).vybavitelnost);
        QVERIFY(pamet.Stav(7, dnes).vybavitelnost < 1.0);
        // Each with its reason as the panel names it, and what runs of a length hold.
        const QList<OtazkaUceni> sDuvody = PoradiSDuvody(kvalifikujici, pamet, dnes);
        QStringList duvody;
        for (const OtazkaUceni &o : sDuvody)
            duvody << TextDuvodu(o);
        QCOMPARE(duvody.join(u'|'), QStringLiteral("Naposledy chybně|Naposledy chybně|K opakování (jistota 52 %)|"
                                                   "K opakování (jistota 78 %)|Nová otázka|Nová otázka|Opakování|Opakování"));
        QCOMPARE(SlozeniBehu(sDuvody, 3), QStringLiteral("Podle paměti: 3 k opakování, 0 nových"));
        QCOMPARE(SlozeniBehu(sDuvody, 5), QStringLiteral("Podle paměti: 4 k opakování, 1 nová"));
        QCOMPARE(SlozeniBehu(sDuvody, 20), QStringLiteral("Podle paměti: 4 k opakování, 2 nové, 2 známé"));
        // Whole percentages, a tie to the even one.
        QCOMPARE(TextDuvodu({1, DuvodUceni::KOpakovani, 0.625}), QStringLiteral("K opakování (jistota 62 %)"));
        QCOMPARE(TextDuvodu({1, DuvodUceni::KOpakovani, 0.875}), QStringLiteral("K opakování (jistota 88 %)"));
        // A number given twice, or none of a question, is taken once or not at all.
        QCOMPARE(PoradiUceni({622, 5, 622, 0, 5, 758}, pamet, dnes), (QList<int>{5, 622}));

        // Answer by answer: the hinted question answered right today joins the known ones, where
        // its recall 1 ties with question 1 and number order decides.
        pamet.Pridat(Pomocnik::Odpoved({6, Kdy(2026, 6, 10, 9, 0)}));
        QCOMPARE(PoradiUceni(kvalifikujici, pamet, dnes), (QList<int>{5, 3, 4, 621, 622, 7, 1, 6}));
        // A stamp from before the last answer changes nothing of the order's rules: the question is
        // answered wrong last and goes first.
        pamet.Pridat(Pomocnik::Odpoved({7, Kdy(2026, 5, 1), V::Spatne}));
        QCOMPARE(PoradiUceni(kvalifikujici, pamet, dnes).first(), 7);
        QCOMPARE(PoradiUceni({}, pamet, dnes), QList<int>());
    }
};

QTEST_GUILESS_MAIN(TestPamet)
#include "tst_pamet.moc"

// The knowledge overview at the size of a school: 1,000,000 answers in Odpovedi over 30 profiles,
// 200,000 of them the active learner's over three years, each a scripted history. Timed against
// floors measured interleaved in the same run:
//   opening the window: every section computed, the window shown and all its charts drawn, after the
//   profile's answers were read into the memory  against one plain SQLite pass over the same rows
//   the readiness estimate of 10,000 tests       against 10,000 × 25 random draws
//   the estimate for today's exam                against the same floor (on a stand-in bank with
//                                                topics while the program's has none: bankazkousky.h)
//   choosing a learning run of 25 questions      against the goal of 1 ms
// The window is timed on the memory as the program keeps it (read once per profile) and, for the
// first opening, with the reading before it, as the menu command does both. Prints medians and
// their ratios. Runs in the program directory (the real bank); the tables go to a temporary
// directory.
//
// `bench_prehled --okno` instead opens the window on the display with a history of a few hundred
// answers over 30 days, for looking at it.
#include "bankazkousky.h"
#include "historie.h"
#include "odpovedi_sql.h"
#include "tichyoffscreen.h"

#include "data/adresare.h"
#include "data/banka.h"
#include "data/hodiny.h"
#include "data/konfigurace.h"
#include "logika/nahoda.h"
#include "okna/dialogy.h"
#include "practice/beh.h"
#include "uceni/modulprehledu.h"
#include "uceni/odhad.h"
#include "uceni/odhadzkousky.h"
#include "uceni/pamet.h"
#include "uceni/pametaktivniho.h"
#include "uceni/poradiuceni.h"
#include "uceni/prehled.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

using namespace BenchOdpovedi;

namespace {

constexpr int PocetOdpovedi = 1000000;
constexpr int PocetProfilu = 30;
constexpr int Aktivnich = 200000;

const QString Aktivni = Profil(7);

// Every profile's history, interleaved as at a school: every fifth answer the active learner's.
void Vytvorit(const QDate &dnes)
{
    std::vector<std::vector<Odpovedi::Odpoved>> historie(PocetProfilu + 1);
    std::vector<size_t> dalsi(PocetProfilu + 1);
    const int ostatnich = (PocetOdpovedi - Aktivnich) / (PocetProfilu - 1);
    for (int p = 1; p <= PocetProfilu; ++p) {
        Pomocnik::Zak zak;
        zak.dovednost.fill(0.6 + 0.01 * p);
        const int pocet = p == 7 ? Aktivnich : ostatnich + (p == PocetProfilu ? (PocetOdpovedi - Aktivnich) % (PocetProfilu - 1) : 0);
        historie[static_cast<size_t>(p)] = Pomocnik::Historie(static_cast<quint32>(p), pocet, dnes, 3 * 365, zak);
    }
    int ostatni = 0;
    Zapsat(PocetOdpovedi, [&](int i, QString &profil) {
        int p = 7;
        if (i % 5 != 0 || dalsi[7] >= historie[7].size()) {
            do
                p = 1 + (ostatni++ % PocetProfilu);
            while (p == 7 || dalsi[static_cast<size_t>(p)] >= historie[static_cast<size_t>(p)].size());
        }
        profil = Profil(p);
        return historie[static_cast<size_t>(p)][dalsi[static_cast<size_t>(p)]++];
    });
}

int Okno(const BankaOtazek &banka)
{
    const QDate dnes = Hodiny::Ted().date();
    PametProfilu pamet(QStringLiteral("Default"));
    Pomocnik::Zak zak;
    zak.dovednost = {0.85, 0.9, 0.75, 0.95, 0.8, 0.55, 0.7};
    for (const Odpovedi::Odpoved &o : Pomocnik::Historie(24, 420, dnes, 30, zak))
        pamet.Pridat(o);
    const QList<int> otazky = ModulPrehledu::Otevrit(banka, Konfigurace(), pamet, nullptr);
    if (!otazky.isEmpty()) {
        std::printf("practise %lld questions:", static_cast<long long>(otazky.size()));
        for (int n : otazky)
            std::printf(" %d", n);
        std::printf("\n");
    }
    return 0;
}

// The overview opened as the program opens it, shown with all its charts drawn, then closed.
int Otevrit(const BankaOtazek &banka, const Konfigurace &nastaveni, const PametProfilu &pamet)
{
    int sirka = 0;
    QTimer::singleShot(0, [&sirka] {
        if (QWidget *okno = QApplication::activeModalWidget()) {
            sirka = okno->grab().width();
            okno->close();
        }
    });
    ModulPrehledu::Otevrit(banka, nastaveni, pamet, nullptr);
    return sirka;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const TTichyOffscreen ticho;
    BankaOtazek banka;
    QTemporaryDir adresar;
    Adresare::Nastavit({QDir::currentPath(), adresar.path(), false});
    ModulPrehledu::PouzitTovarnu([](const PrehledZnalosti::UdajePrehledu &udaje, PrehledZnalosti::ObsluhaPrehledu &obsluha,
                                    QWidget *rodic) -> QDialog * { return new TPrehled(udaje, obsluha, rodic); });
    try {
        banka.Otevrit();
        if (argc > 1 && qstrcmp(argv[1], "--okno") == 0)
            return Okno(banka);
        Dialogy::Test::Zapnout();
        const QDate dnes = Hodiny::Ted().date();
        QElapsedTimer generovani;
        generovani.start();
        Vytvorit(dnes);
        const int behu = Behu("RUNS", 11);
        std::printf("Odpovedi: %d answers over %d profiles, %d of the active one, generated in %.1f s; runs: %d each\n",
                    PocetOdpovedi, PocetProfilu, Aktivnich, double(generovani.elapsed()) / 1000, behu);

        Konfigurace stav;
        stav.AktivniProfil = Aktivni;
        PametAktivnihoProfilu aktivni;
        qint64 soucet = 0;
        std::vector<double> cteni, okno, podlaha;
        const PametProfilu *pamet = nullptr;
        for (int i = 0; i < behu + 1; ++i) {
            const double c = Ms([&] {
                aktivni.ZmenitProfil(QString()); // as after another profile: read anew
                pamet = &aktivni.Nacist(Aktivni);
            });
            const double o = Ms([&] { soucet += Otevrit(banka, stav, *pamet); });
            const double p = Ms([&] { soucet += PodlahaCteni(Aktivni); });
            if (i == 0)
                continue; // the first fills the caches of fonts and the charts' styles
            cteni.push_back(c);
            okno.push_back(o);
            podlaha.push_back(p);
        }
        const double mc = Median(cteni), mo = Median(okno), mp = Median(podlaha);
        std::printf("opening the overview on the memory as the program keeps it (sections computed, window shown, charts "
                    "drawn): median %.1f ms; goal 150 ms\n",
                    mo);
        std::printf("the first opening, the profile's %zu answers read into the memory first: median %.1f + %.1f = %.1f ms; "
                    "floor (one SQLite pass over the profile's rows) %.1f ms; ratio %.2f (the reading alone %.2f); "
                    "goal 150 ms\n",
                    pamet->Odpovedi().size(), mc, mo, mc + mo, mp, (mc + mo) / mp, mc / mp);

        std::vector<double> odhad, nahoda;
        for (int i = 0; i < Behu("ESTIMATE_RUNS", 51); ++i) {
            odhad.push_back(Ms([&] { soucet += Odhad::OdhadZPameti(banka, stav.ZvolenaSkupina, *pamet, dnes)->minimum; }));
            nahoda.push_back(Ms([&] {
                Nahoda n(static_cast<quint32>(i));
                for (int t = 0; t < Odhad::PocetTestu * 25; ++t)
                    soucet += n.Dalsi(420);
            }));
        }
        const double me = Median(odhad), mn = Median(nahoda);
        std::printf("readiness estimate of %d tests: median %.2f ms; floor (%d × 25 random draws) %.2f ms; ratio %.1f; "
                    "goal 30 ms\n",
                    Odhad::PocetTestu, me, Odhad::PocetTestu, mn, me / mn);

        // Today's exam on the same memory: exact over every exam, with its range.
        QTemporaryDir nahradniAdresar;
        BankaOtazek nahradni;
        QString popis;
        const BankaOtazek &bankaZkousky = BenchZkouska::Banka(banka, nahradni, nahradniAdresar.path(), &popis);
        std::vector<double> zkouska;
        for (int i = 0; i < Behu("ESTIMATE_RUNS", 51); ++i)
            zkouska.push_back(Ms([&] {
                soucet += OdhadZkousky::ZPameti(bankaZkousky, BenchZkouska::Skupina, *pamet, dnes)->otazek;
            }));
        // A new learner: the first 60 answers of the same history, a rough estimate with its range.
        PametProfilu novy(Aktivni);
        for (size_t i = 0; i < 60; ++i)
            novy.Pridat(pamet->Odpovedi()[i]);
        std::vector<double> hruby;
        for (int i = 0; i < Behu("ESTIMATE_RUNS", 51); ++i)
            hruby.push_back(Ms([&] { soucet += OdhadZkousky::ZPameti(bankaZkousky, BenchZkouska::Skupina, novy, dnes)->hruby; }));
        const double mz = Median(zkouska), mh = Median(hruby);
        std::printf("readiness estimate for today's exam (every exam worked out exactly) on %s: median %.2f ms, ratio to the "
                    "floor above %.1f; a new learner's rough estimate with its range from %d draws %.2f ms; goal 30 ms\n",
                    qPrintable(popis), mz, mz / mn, OdhadZkousky::PocetVzorku, mh);

        // Group B, every category: the most questions the order arranges.
        std::vector<double> volba;
        for (int i = 0; i < Behu("CHOICE_RUNS", 1001); ++i)
            volba.push_back(Ms([&] { soucet += OtazkyBehuPodlePameti(banka, stav, *pamet, dnes, 25).size(); }));
        std::printf("choosing a learning run of 25 from the %lld qualifying questions of group %s: median %.3f ms; goal 1 ms\n",
                    static_cast<long long>(BehOtazek::VyhovujiciOtazky(banka, stav).size()), qPrintable(stav.ZvolenaSkupina),
                    Median(volba));
        return soucet == 0;
    } catch (const ChybaTabulky &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Text()));
        return 1;
    }
}

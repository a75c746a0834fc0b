// The memory of answers at the size a driving school reaches over years: 1,000,000 answers in
// Odpovedi over 30 profiles, 200,000 of them the active profile's, generated here. Each operation
// is timed against its floor, measured interleaved in the same run:
//   reading the profile's answers into the memory   against one plain SQLite pass over the same rows
//   choosing a learning run of 25 questions         against the goal of 1 ms
//   storing one answer and updating the memory      against the store's plain append of the record
// Prints medians and their ratios.
#include "odpovedi_sql.h"

#include "uceni/pamet.h"
#include "uceni/poradiuceni.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace BenchOdpovedi;

namespace {

constexpr int PocetOdpovedi = 1000000;
constexpr int PocetProfilu = 30;
constexpr int PodilAktivniho = 5; // every fifth answer is the active profile's: 200,000
constexpr int DelkaBehu = 25;

const QString Aktivni = Profil(7);
const QDate Dnes(2026, 6, 1);

// The table as the program creates it: the profiles interleaved as at a school, three years of
// answers, one in four not right.
void Vytvorit()
{
    QRandomGenerator g(23);
    const QDateTime zacatek(Dnes.addDays(-3 * 365), QTime(8, 0));
    Zapsat(PocetOdpovedi, [&](int i, QString &profil) {
        int p = 7; // the active one; the others share the rest
        if (i % PodilAktivniho) {
            p = 1 + int(g.bounded(PocetProfilu - 1));
            p += p >= 7;
        }
        const int los = int(g.bounded(100));
        profil = Profil(p);
        const QDateTime kdy = zacatek.addSecs(qint64(i) * 94);
        return Odpovedi::Odpoved{kdy.date(), kdy.time(), 1 + int(g.bounded(Kategorie::NejvyssiCislo)),
                                 Odpovedi::Vysledek(los < 75 ? 1 : los < 90 ? 2 : los < 95 ? 3 : 4),
                                 Odpovedi::Zdroj(1 + int(g.bounded(4)))};
    });
}

qint64 g_soucet = 0; // what the reads produced, so that nothing is optimised away

// The floor of storing: the same record appended through the store, as every result is.
void UlozitPrimo(int otazka, const QDateTime &kdy)
{
    Tabulka t(Odpovedi::JmenoTabulky);
    t.Otevrit();
    t.Vlozit();
    t.Nastavit(Odpovedi::Pole::Profil, Aktivni);
    t.Nastavit(Odpovedi::Pole::Otazka, otazka);
    t.Nastavit(Odpovedi::Pole::DatumACas, kdy);
    t.Nastavit(Odpovedi::Pole::Vysledek, 1);
    t.Nastavit(Odpovedi::Pole::Zdroj, 1);
    t.Ulozit();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int behu = Behu("RUNS", 11);
    QTemporaryDir adresar;
    QDir::setCurrent(adresar.path());
    QElapsedTimer generovani;
    generovani.start();
    try {
        Vytvorit();
    } catch (const ChybaTabulky &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Text()));
        return 1;
    }
    std::printf("Odpovedi: %d answers over %d profiles, %d of the active one (%lld kB), generated in %.1f s; "
                "runs: %d each\n",
                PocetOdpovedi, PocetProfilu, PocetOdpovedi / PodilAktivniho,
                QFileInfo(QStringLiteral("Odpovedi.DB")).size() / 1024, double(generovani.elapsed()) / 1000, behu);

    PametProfilu pamet(Aktivni);
    std::vector<double> cteni, podlahaCteni;
    for (int i = 0; i < behu; ++i) {
        cteni.push_back(Ms([&] { pamet.Nacist(); }));
        podlahaCteni.push_back(Ms([] { g_soucet += PodlahaCteni(Aktivni); }));
    }
    const double mc = Median(cteni), mpc = Median(podlahaCteni);
    std::printf("reading the profile's %zu answers into the memory: median %.1f ms, floor (one SQLite pass) %.1f ms, "
                "ratio %.2f; kept in %zu kB\n",
                pamet.Odpovedi().size(), mc, mpc, mc / mpc, pamet.Odpovedi().size() * sizeof(Odpovedi::Odpoved) / 1024);

    // Every question qualifies: the most the order ever has to arrange.
    QList<int> kvalifikujici;
    for (int c = 1; c <= Kategorie::NejvyssiCislo; ++c)
        kvalifikujici << c;
    std::vector<double> volba;
    for (int i = 0; i < Behu("CHOICE_RUNS", 1001); ++i)
        volba.push_back(Ms([&] { g_soucet += PoradiUceni(kvalifikujici, pamet, Dnes).mid(0, DelkaBehu).size(); }));
    std::printf("choosing a learning run of %d from %lld questions: median %.3f ms, goal 1 ms\n", DelkaBehu,
                static_cast<long long>(kvalifikujici.size()), Median(volba));

    std::vector<double> zaznam, podlahaZaznamu;
    QDateTime kdy(Dnes, QTime(9, 0));
    try {
        for (int i = 0; i < Behu("APPEND_RUNS", 51); ++i) {
            kdy = kdy.addSecs(20);
            const int otazka = 1 + i % Kategorie::NejvyssiCislo;
            zaznam.push_back(Ms([&] { pamet.Zaznamenat(otazka, Odpovedi::Vysledek::Spravne, Odpovedi::Zdroj::Procvicovani, kdy); }));
            podlahaZaznamu.push_back(Ms([&] { UlozitPrimo(otazka, kdy); }));
        }
    } catch (const ChybaTabulky &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Text()));
        return 1;
    }
    const double mz = Median(zaznam), mpz = Median(podlahaZaznamu);
    std::printf("one answer stored and the memory updated: median %.2f ms, floor (the store's plain append) %.2f ms, "
                "ratio %.2f, goal under 2\n",
                mz, mpz, mz / mpz);
    if (g_soucet == 0)
        std::printf("(nothing read)\n");
    return 0;
}

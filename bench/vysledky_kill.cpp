// Stress of a record table under sudden death: a child process appends records one after another
// and is killed with SIGKILL at a random moment, many times over. Afterwards the table must open,
// every record the child reported as stored must be there once with every field intact, and no
// record may be partial. A second phase kills the very first write, which creates the table, and
// checks that the next write still succeeds.
//
// The results table takes run results, the protocols table points-test protocols with their four
// memos; the answers table takes answers as a learner gives them: the child reads the profile's
// memory once, then stores answer after answer through it.
//
// Usage: vysledky_kill [kills=1000] [directory=a new temporary one] [Vysledky|Protokoly|Odpovedi]
#include "practice/seznamcisel.h"
#include "practice/vysledky.h"
#include "test/protokoltestu.h"
#include "uceni/pamet.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimeZone>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <set>

#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

// Every field of the record numbered n follows from n, so a record can be checked on its own.
ZaznamVysledku Vysledek(int n)
{
    ZaznamVysledku v;
    v.TypTestu = n % 2 ? QStringLiteral("Zkoušení") : QStringLiteral("Procvičování");
    v.Profil = QStringLiteral("Profil č. %1").arg(n);
    v.Datum = QDate(2026, 1, 1).addDays(n % 365);
    v.Cas = QTime(0, 0).addSecs(n % 86400);
    v.Skupina = QStringLiteral("B");
    v.Kategorie = QStringLiteral("1234567").left(1 + n % 7);
    v.PocetOtazek = n;
    QList<int> spatne, napovedy;
    for (int i = 0; i < 40 + n % 60; ++i)
        spatne << (n + i * 7) % 757 + 1;
    for (int i = 0; i < n % 25; ++i)
        napovedy << (n + i * 11) % 757 + 1;
    v.Spatne = static_cast<int>(spatne.size());
    v.SpatneCisla = SeznamCisel::Text(spatne);
    v.SNapovedou = static_cast<int>(napovedy.size());
    v.SNapovedouCisla = SeznamCisel::Text(napovedy);
    v.Uspesnost = n % 101;
    return v;
}

// Every field of the protocol numbered n follows from n; its points identify it. The moment stays at
// midday, so that no change of daylight saving time makes two texts of one moment.
ZaznamProtokolu Protokol(int n)
{
    QStringList body, odpovedi, spravne, cisla;
    for (int i = 0; i < 25; ++i) {
        body << QString::number((n + i) % 4);
        odpovedi << QStringLiteral("ABCD").mid((n + i) % 4, 1 + i % 2);
        spravne << QStringLiteral("ABCD").mid((n * 3 + i) % 4, 1);
        cisla << QString::number((n + i * 31) % 757 + 1);
    }
    return {QStringLiteral("Profil č. %1").arg(n % 30),
            QDateTime(QDate(2026, 1, 1).addDays(n % 365), QTime(12, 0).addSecs(n % 3600)),
            QStringLiteral("B"),
            QStringLiteral("%1:%2").arg(n % 30, 2, 10, QLatin1Char('0')).arg(n % 60, 2, 10, QLatin1Char('0')),
            n % 26,
            n,
            43,
            ProtokolTestu::TextVerdiktu(n, 43),
            body.join(u' '),
            odpovedi.join(u' '),
            spravne.join(u' '),
            cisla.join(u' ')};
}

// Every field of the answer numbered n follows from n too; its moment identifies it.
const QString ProfilOdpovedi = QStringLiteral("Žák č. 1");
const QDateTime ZacatekOdpovedi(QDate(2026, 1, 1), QTime(0, 0), QTimeZone::utc());

Odpovedi::Odpoved Odpoved(int n)
{
    const QDateTime kdy = ZacatekOdpovedi.addSecs(n);
    return {kdy.date(), kdy.time(), n % Kategorie::NejvyssiCislo + 1, static_cast<Odpovedi::Vysledek>(1 + n % 4),
            static_cast<Odpovedi::Zdroj>(1 + n / 4 % 4)};
}

// What one table's stress needs: a writer of record n for a child, and the numbers of the stored
// records with whether each is intact.
struct Cil {
    QString tabulka;
    // Called once in each child; the writer it returns stores record n, or throws ChybaTabulky.
    std::function<std::function<void(int)>()> zapisovac;
    std::function<void(Tabulka &, std::map<int, int> &nalezene, int &poskozenych)> projit;
};

// A table of whole records: record n is zaznam(n), known again by its number cislo(record).
template <typename Z>
Cil CilZaznamu(const QString &tabulka, void (*zapsat)(const Z &), Z (*precist)(const Tabulka &), Z (*zaznam)(int),
               int (*cislo)(const Z &))
{
    return {tabulka, [=] { return std::function<void(int)>([=](int n) { zapsat(zaznam(n)); }); },
            [=](Tabulka &t, std::map<int, int> &nalezene, int &poskozenych) {
                for (int i = 0; i < t.PocetZaznamu(); ++i) {
                    t.PrejitNa(i);
                    const Z z = precist(t);
                    ++nalezene[cislo(z)];
                    if (!(z == zaznam(cislo(z))))
                        ++poskozenych;
                }
            }};
}

Cil CilVysledky()
{
    return CilZaznamu<ZaznamVysledku>(Vysledky::JmenoTabulky, Vysledky::Zapsat, Vysledky::Precist, Vysledek,
                                      [](const ZaznamVysledku &z) { return z.PocetOtazek; });
}

Cil CilProtokoly()
{
    return CilZaznamu<ZaznamProtokolu>(ProtokolTestu::JmenoTabulky, ProtokolTestu::Zapsat, ProtokolTestu::Precist,
                                       Protokol, [](const ZaznamProtokolu &z) { return z.PocetBodu; });
}

Cil CilOdpovedi()
{
    return {Odpovedi::JmenoTabulky,
            [] {
                auto pamet = std::make_shared<PametProfilu>(ProfilOdpovedi);
                pamet->Nacist(); // after a kill: the journal it left is rolled back here
                return std::function<void(int)>([pamet](int n) {
                    const Odpovedi::Odpoved o = Odpoved(n);
                    pamet->Zaznamenat(o.otazka, o.vysledek, o.zdroj, QDateTime(o.datum, o.cas));
                });
            },
            [](Tabulka &t, std::map<int, int> &nalezene, int &poskozenych) {
                using namespace Odpovedi;
                t.ProjitPohled({Pole::Profil, Pole::Otazka, Pole::DatumACas, Pole::Vysledek, Pole::Zdroj},
                               [&](const RadekPohledu &r) {
                                   QDate datum;
                                   QTime cas;
                                   const bool kdy = CasZKodu(r.Cele(2), datum, cas);
                                   const int n = int(ZacatekOdpovedi.secsTo(QDateTime(datum, cas, QTimeZone::utc())));
                                   ++nalezene[n];
                                   const Odpovedi::Odpoved o = Odpoved(n);
                                   if (!kdy || r.Hodnota(0).toString() != ProfilOdpovedi || r.Cele(1) != o.otazka
                                       || r.Cele(3) != int(o.vysledek) || r.Cele(4) != int(o.zdroj) || datum != o.datum
                                       || cas != o.cas)
                                       ++poskozenych;
                               });
            }};
}

struct Hlaseni {
    qint32 cislo;
    qint32 ulozeno; // 0: about to write, 1: stored
};

// The child: appends records n, n+1, ... and reports each before and after writing, until killed.
[[noreturn]] void Dite(int zapis, int prvni, const Cil &cil)
{
    std::function<void(int)> zapsat;
    try {
        zapsat = cil.zapisovac();
    } catch (const ChybaTabulky &e) {
        std::fprintf(stderr, "the child could not start: %s\n", qPrintable(e.Text()));
        _exit(3);
    }
    for (int n = prvni;; ++n) {
        Hlaseni h{n, 0};
        if (write(zapis, &h, sizeof h) != sizeof h)
            _exit(4);
        try {
            zapsat(n);
        } catch (const ChybaTabulky &e) {
            std::fprintf(stderr, "write of record %d failed: %s\n", n, qPrintable(e.Text()));
            _exit(3);
        }
        h.ulozeno = 1;
        if (write(zapis, &h, sizeof h) != sizeof h)
            _exit(4);
    }
}

struct Prubeh {
    int zabiti = 0, behemZapisu = 0, chybyZapisu = 0;
    int seZurnalem = 0, seSuperZurnalem = 0; // kills that left a journal, and a super-journal, behind
    std::set<int> hlasene;
};

void Spat(qint64 mikrosekundy)
{
    timespec ts{static_cast<time_t>(mikrosekundy / 1000000), static_cast<long>(mikrosekundy % 1000000) * 1000};
    nanosleep(&ts, nullptr);
}

// One child, killed after a random delay; returns what it reported.
bool Zabit(int prvni, qint64 nejdele, const Cil &cil, Prubeh &v)
{
    int roura[2];
    if (pipe(roura) != 0)
        return false;
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        close(roura[0]);
        Dite(roura[1], prvni, cil);
    }
    close(roura[1]);
    Spat(QRandomGenerator::global()->bounded(nejdele));
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status))
        ++v.chybyZapisu;
    else
        ++v.zabiti;
    // What the next opening meets: a journal, and a super-journal while a save of both files had
    // not reached its commit.
    const QDir adresar(QDir::currentPath());
    if (!adresar.entryList({cil.tabulka + QStringLiteral(".*-journal")}, QDir::Files).isEmpty())
        ++v.seZurnalem;
    if (!adresar.entryList({cil.tabulka + QStringLiteral(".DB-mj*")}, QDir::Files).isEmpty())
        ++v.seSuperZurnalem;
    Hlaseni h{};
    bool rozepsano = false;
    while (read(roura[0], &h, sizeof h) == sizeof h) {
        rozepsano = h.ulozeno == 0;
        if (h.ulozeno)
            v.hlasene.insert(h.cislo);
    }
    close(roura[0]);
    if (rozepsano && !WIFEXITED(status))
        ++v.behemZapisu;
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    const int zabiti = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    QTemporaryDir docasny;
    const QString adresar = argc > 2 && *argv[2] ? QString::fromLocal8Bit(argv[2]) : docasny.path();
    const QString tabulka = argc > 3 ? QString::fromLocal8Bit(argv[3]) : Vysledky::JmenoTabulky;
    const std::map<QString, Cil> cile{{Vysledky::JmenoTabulky, CilVysledky()},
                                      {ProtokolTestu::JmenoTabulky, CilProtokoly()},
                                      {Odpovedi::JmenoTabulky, CilOdpovedi()}};
    if (!cile.count(tabulka)) {
        std::fprintf(stderr, "the table is Vysledky, Protokoly or Odpovedi, not %s\n", qPrintable(tabulka));
        return 2;
    }
    const Cil &cil = cile.at(tabulka);
    if (!QDir().mkpath(adresar) || !QDir::setCurrent(adresar)) {
        std::fprintf(stderr, "cannot work in %s\n", qPrintable(adresar));
        return 2;
    }
    if (Tabulka::Existuje(cil.tabulka)) {
        std::fprintf(stderr, "%s already holds the table %s\n", qPrintable(adresar), qPrintable(cil.tabulka));
        return 2;
    }

    // How long one append takes here, so that the kills spread over whole appends.
    std::set<int> ulozene;
    qint64 zapis = 0;
    try {
        const std::function<void(int)> zapsat = cil.zapisovac();
        zapsat(0);
        QElapsedTimer mereni;
        mereni.start();
        for (int n = 1; n <= 20; ++n)
            zapsat(n);
        zapis = std::max<qint64>(50, mereni.nsecsElapsed() / 20 / 1000);
    } catch (const ChybaTabulky &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Text()));
        return 2;
    }
    for (int n = 0; n <= 20; ++n)
        ulozene.insert(n);

    // Phase 1: one table, many kills. Each child starts at a fresh block of numbers.
    Prubeh v;
    for (int k = 0; k < zabiti; ++k)
        if (!Zabit(100000 * (k + 1), 6 * zapis, cil, v)) {
            std::perror("fork");
            return 2;
        }
    ulozene.insert(v.hlasene.begin(), v.hlasene.end());

    int zaznamu = 0, poskozenych = 0, dvakrat = 0, nehlasenych = 0;
    std::map<int, int> nalezene;
    try {
        Tabulka t(cil.tabulka);
        t.Otevrit(); // a journal left by the last kill is rolled back here
        zaznamu = t.PocetZaznamu();
        cil.projit(t, nalezene, poskozenych);
    } catch (const ChybaTabulky &e) {
        std::printf("the table cannot be opened after the kills: %s\n", qPrintable(e.Text()));
        return 1;
    }
    for (const auto &[n, kolikrat] : nalezene) {
        dvakrat += kolikrat - 1;
        if (!ulozene.count(n))
            ++nehlasenych;
    }
    int chybejicich = 0;
    for (int n : ulozene)
        if (!nalezene.count(n))
            ++chybejicich;
    // The memory reads the same answers back.
    bool pametSouhlasi = true;
    if (cil.tabulka == Odpovedi::JmenoTabulky) {
        PametProfilu pamet(ProfilOdpovedi);
        pamet.Nacist();
        pametSouhlasi = pamet.Odpovedi().size() == size_t(zaznamu) && pamet.Preskoceno() == 0;
        std::printf("the memory read back: %zu answers, %d skipped\n", pamet.Odpovedi().size(), pamet.Preskoceno());
    }

    std::printf("table %s; one append: %lld us; kills at random within 0..%lld us of a child's start\n",
                qPrintable(cil.tabulka), static_cast<long long>(zapis), static_cast<long long>(6 * zapis));
    std::printf("kills: %d (%d in the middle of an append), children that failed to write: %d\n", v.zabiti,
                v.behemZapisu, v.chybyZapisu);
    std::printf("kills that left a journal: %d, a super-journal too (a save of both files caught before its "
                "commit): %d\n",
                v.seZurnalem, v.seSuperZurnalem);
    std::printf("records reported stored: %zu, in the table: %d\n", ulozene.size(), zaznamu);
    std::printf("reported but missing: %d, damaged or partial: %d, duplicated: %d, stored but killed before "
                "reporting: %d\n",
                chybejicich, poskozenych, dvakrat, nehlasenych);

    // Phase 2: the first write of all, which creates the table, killed at random.
    const int pokusu = std::max(1, zabiti / 5);
    int pouzitelne = 0, zlomene = 0;
    QString chyba;
    for (int p = 0; p < pokusu; ++p) {
        const QString pokus = QStringLiteral("%1/zalozeni%2").arg(adresar).arg(p);
        QDir().mkpath(pokus);
        QDir::setCurrent(pokus);
        Prubeh z;
        Zabit(1, 3 * zapis, cil, z);
        try {
            cil.zapisovac()(2);
            ++pouzitelne;
        } catch (const ChybaTabulky &e) {
            ++zlomene;
            chyba = e.Text();
        }
    }
    QDir::setCurrent(adresar);
    std::printf("first write killed: %d times; the next write succeeded %d times, failed %d times%s%s\n", pokusu,
                pouzitelne, zlomene, chyba.isEmpty() ? "" : ", e.g.: ", qPrintable(chyba));

    const bool v_poradku = chybejicich == 0 && poskozenych == 0 && dvakrat == 0 && v.chybyZapisu == 0 && pametSouhlasi
                           && zlomene == 0;
    std::printf("%s\n", v_poradku ? "result: every reported record intact, no partial record"
                                  : "result: FAILED");
    return v_poradku ? 0 : 1;
}

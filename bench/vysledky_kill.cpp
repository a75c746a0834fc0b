// Stress of the results table under sudden death: a child process appends run results one after
// another and is killed with SIGKILL at a random moment, many times over. Afterwards the table
// must open, every record the child reported as stored must be there with every field intact, and
// no record may be partial. A second phase kills the very first write, which creates the table,
// and checks that the next write still succeeds.
//
// Usage: vysledky_kill [kills=1000] [directory=a new temporary one]
#include "practice/seznamcisel.h"
#include "practice/vysledky.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
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

struct Hlaseni {
    qint32 cislo;
    qint32 ulozeno; // 0: about to write, 1: stored
};

// The child: appends records n, n+1, ... and reports each before and after writing, until killed.
[[noreturn]] void Dite(int zapis, int prvni)
{
    for (int n = prvni;; ++n) {
        Hlaseni h{n, 0};
        if (write(zapis, &h, sizeof h) != sizeof h)
            _exit(4);
        try {
            Vysledky::Zapsat(Vysledek(n));
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
    std::set<int> hlasene;
};

void Spat(qint64 mikrosekundy)
{
    timespec ts{static_cast<time_t>(mikrosekundy / 1000000), static_cast<long>(mikrosekundy % 1000000) * 1000};
    nanosleep(&ts, nullptr);
}

// One child, killed after a random delay; returns what it reported.
bool Zabit(int prvni, qint64 nejdele, Prubeh &v)
{
    int roura[2];
    if (pipe(roura) != 0)
        return false;
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        close(roura[0]);
        Dite(roura[1], prvni);
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

bool Shoduje(Tabulka &t, const ZaznamVysledku &o)
{
    return t.Text(Vysledky::TypTestu) == o.TypTestu && t.Text(Vysledky::Profil) == o.Profil
           && t.ZobrazitelnyText(t.Pozice(), Vysledky::Datum) == o.Datum.toString(QStringLiteral("d.M.yyyy"))
           && t.ZobrazitelnyText(t.Pozice(), Vysledky::Cas) == o.Cas.toString(QStringLiteral("H:mm:ss"))
           && t.Text(Vysledky::Skupina) == o.Skupina && t.Text(Vysledky::Kategorie) == o.Kategorie
           && t.Cislo(Vysledky::Spatne) == o.Spatne && t.Text(Vysledky::SpatneCisla) == o.SpatneCisla
           && t.Cislo(Vysledky::SNapovedou) == o.SNapovedou && t.Text(Vysledky::SNapovedouCisla) == o.SNapovedouCisla
           && t.Cislo(Vysledky::Uspesnost) == o.Uspesnost;
}

} // namespace

int main(int argc, char *argv[])
{
    const int zabiti = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    QTemporaryDir docasny;
    const QString adresar = argc > 2 ? QString::fromLocal8Bit(argv[2]) : docasny.path();
    QDir().mkpath(adresar);
    QDir::setCurrent(adresar);
    if (Tabulka::Existuje(Vysledky::JmenoTabulky)) {
        std::fprintf(stderr, "%s already holds a results table\n", qPrintable(adresar));
        return 2;
    }

    // How long one append takes here, so that the kills spread over whole appends.
    Vysledky::Zapsat(Vysledek(0));
    QElapsedTimer mereni;
    mereni.start();
    for (int n = 1; n <= 20; ++n)
        Vysledky::Zapsat(Vysledek(n));
    const qint64 zapis = std::max<qint64>(50, mereni.nsecsElapsed() / 20 / 1000);
    std::set<int> ulozene;
    for (int n = 0; n <= 20; ++n)
        ulozene.insert(n);

    // Phase 1: one table, many kills. Each child starts at a fresh block of numbers.
    Prubeh v;
    for (int k = 0; k < zabiti; ++k)
        if (!Zabit(100000 * (k + 1), 6 * zapis, v)) {
            std::perror("fork");
            return 2;
        }
    ulozene.insert(v.hlasene.begin(), v.hlasene.end());

    int zaznamu = 0, poskozenych = 0, dvakrat = 0, nehlasenych = 0;
    std::map<int, int> nalezene;
    try {
        Tabulka t(Vysledky::JmenoTabulky);
        t.Otevrit(); // a journal left by the last kill is rolled back here
        zaznamu = t.PocetZaznamu();
        for (int i = 0; i < zaznamu; ++i) {
            t.PrejitNa(i);
            const int n = t.Cislo(Vysledky::PocetOtazek);
            if (++nalezene[n] > 1)
                ++dvakrat;
            if (!Shoduje(t, Vysledek(n)))
                ++poskozenych;
            if (!ulozene.count(n))
                ++nehlasenych;
        }
    } catch (const ChybaTabulky &e) {
        std::printf("the table cannot be opened after the kills: %s\n", qPrintable(e.Text()));
        return 1;
    }
    int chybejicich = 0;
    for (int n : ulozene)
        if (!nalezene.count(n))
            ++chybejicich;

    std::printf("one append: %lld us; kills at random within 0..%lld us of a child's start\n",
                static_cast<long long>(zapis), static_cast<long long>(6 * zapis));
    std::printf("kills: %d (%d in the middle of an append), children that failed to write: %d\n", v.zabiti,
                v.behemZapisu, v.chybyZapisu);
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
        Zabit(1, 3 * zapis, z);
        try {
            Vysledky::Zapsat(Vysledek(2));
            ++pouzitelne;
        } catch (const ChybaTabulky &e) {
            ++zlomene;
            chyba = e.Text();
        }
    }
    QDir::setCurrent(adresar);
    std::printf("first write killed: %d times; the next write succeeded %d times, failed %d times%s%s\n", pokusu,
                pouzitelne, zlomene, chyba.isEmpty() ? "" : ", e.g.: ", qPrintable(chyba));

    const bool v_poradku = chybejicich == 0 && poskozenych == 0 && dvakrat == 0 && v.chybyZapisu == 0;
    std::printf("%s\n", v_poradku ? "result: every reported record intact, no partial record"
                                  : "result: FAILED");
    return v_poradku ? 0 : 1;
}

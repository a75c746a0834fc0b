#pragma once

#include "data/konfigurace.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class BankaOtazek;
class QDateTime;
struct ZaznamVysledku;

enum class DruhBehu { Procvicovani, Zkouseni };

// The order in which a run chooses its questions: by number, at random, or by the learner's memory
// (what they are about to forget first, uceni/poradiuceni.h).
enum class PoradiOtazek { PodleCisla, Nahodne, PodlePameti };

// The order the settings ask for: by memory while VyberPodlePameti is on, else number order while
// PostupnyVyber is on, otherwise random.
PoradiOtazek PoradiZNastaveni(const Konfigurace &nastaveni);

// What becomes of an answer mark when the answer is judged.
enum class Znacka { BezeZmeny, Spatna, Opomenuta };

struct Hodnoceni {
    bool spravne = false;
    std::array<Znacka, 4> znacky{};
};

// One question of a run as it was judged: answered rightly or wrongly, or given up to the hint.
// A run that replays a list (a retry, or the wrong answers of a stored result) reports Oprava.
struct PosouzenaOdpoved {
    enum class Vysledek { Spravne, Spatne, SNapovedou };
    enum class Zdroj { Procvicovani, Zkouseni, Oprava };
    int cislo = 0;
    Vysledek vysledek = Vysledek::Spravne;
    Zdroj zdroj = Zdroj::Procvicovani;
};

// A run of exactly these questions in this order, under a group of its own: the replay of a stored
// result's wrong and hinted answers, or of any list a window asks for.
struct Oprava {
    DruhBehu druh = DruhBehu::Procvicovani;
    QList<int> otazky;
    QString skupina;   // the group the replay runs in
    QString kategorie; // the category digits its record carries
    // Its answers count as a replay of wrong answers; otherwise as the practice or examination of its
    // kind, as for the questions due for review, whose right answers the learner has not just seen.
    bool opravaChyb = true;
};

// A practice or examination run, without any window: its questions and how they are chosen, the
// question awaiting its answer with the answers marked so far, the counters, the wrong and hinted
// questions, the retry, and the replay of a list in a group of its own. It keeps its own copy of the
// group and categories it runs in and never writes the learner's settings.
class BehOtazek {
public:
    using Posluchac = std::function<void(const PosouzenaOdpoved &)>;

    // Number of questions of the enabled categories that suit the group by the counting rule.
    static int PocetOtazek(const BankaOtazek &banka, const Konfigurace &nastaveni);
    // The questions a run may choose, in number order: an enabled category, a record in the bank
    // and the group letters.
    static QList<int> VyhovujiciOtazky(const BankaOtazek &banka, const Konfigurace &nastaveni);
    // Whole percentage of a / b rounded to the nearest, a tie to the even one; 0 when b is 0.
    static int Procenta(int a, int b);

    // Told of every question the moment it is judged or hinted.
    void NastavitPosluchace(Posluchac posluchac) { m_posluchac = std::move(posluchac); }

    // A run of `pocet` questions of the enabled categories and the group of the settings. In number
    // order it begins at the zacatek-th qualifying question (1-based, counted through the categories
    // in ascending number); random order ignores zacatek.
    void Zacit(const BankaOtazek &banka, const Konfigurace &nastaveni, DruhBehu druh, PoradiOtazek poradi,
               int pocet, int zacatek);
    // A run in the learning order: `otazky`, the first of the qualifying questions as the learner's
    // memory arranges them (uceni/poradiuceni.h), asked in that order as a run of the settings' group
    // and categories; duvody, when given, says for each why the order asks it.
    void ZacitPodlePameti(const Konfigurace &nastaveni, DruhBehu druh, const QList<int> &otazky,
                          const QStringList &duvody = {});
    // A replay of oprava.otazky in order, without any test of category or group, in the replay's own
    // group.
    void ZacitOpravu(const Oprava &oprava);

    // Chooses the next question and makes it the one awaiting its answer, with nothing marked: a
    // replayed run and the learning order take the next entry of their list; number order tries the
    // numbers after the question shown last (at first the start question itself); random order draws
    // numbers 1..757 (the generator seeded from the clock once per call) not yet in the run. Nothing
    // when no question can follow (the run is used up, or no further question qualifies); the run is
    // then unchanged.
    std::optional<int> DalsiOtazka(const BankaOtazek &banka);

    // Marks or unmarks an answer (0..3 for a..d) of the question awaiting its answer; false when
    // no question awaits one.
    bool Oznacit(int odpoved);
    bool Oznacena(int odpoved) const { return m_oznacene[static_cast<size_t>(odpoved)]; }
    bool NecoOznaceno() const;
    // Judges the marked answers against the right letters and counts them: a wrong answer into the
    // wrong questions, the success rate of the questions shown so far, hinted ones left out. Right
    // only when the marked letters are exactly the right ones.
    Hodnoceni Potvrdit();
    // The hint of practice: the right answers become the marked ones and the question counts as
    // hinted. False in an examination or when no question awaits its answer.
    bool Napoveda();
    // The retry: the wrong questions, in practice followed by the hinted ones, become a new run of
    // the same kind, replayed in order.
    void Opakovat();
    // The run is over: the lists are emptied.
    void Ukoncit();

    // The record of the run for the results table, stamped with kdy.
    ZaznamVysledku Vysledek(const QString &profil, const QDateTime &kdy) const;

    DruhBehu Druh() const { return m_druh; }
    // The group the run asks in: the settings' group, or a replay's own.
    const QString &Skupina() const { return m_skupina; }
    const QString &SpravnePismena() const { return m_spravne; }
    // Why the learning order asks the question shown last, until the next one: empty in any other run.
    QString Duvod() const;
    bool CekaNaOdpoved() const { return m_ceka; }
    const QList<int> &SeznamOtazek() const { return m_seznam; }
    const QList<int> &SpatneOtazky() const { return m_spatne; }
    const QList<int> &OtazkySNapovedou() const { return m_napovedy; }
    int PocetSpatnych() const { return static_cast<int>(m_spatne.size()); }
    int PocetNapoved() const { return static_cast<int>(m_napovedy.size()); }
    int UspesnostBehu() const { return m_uspesnost; }
    int CelkemOtazek() const { return static_cast<int>(m_seznam.size()); }
    // Questions of the run not yet shown.
    int Zbyva() const { return m_zbyva; }
    bool OpakovatSeznam() const { return m_opakovat; }
    // What the run's answers count as: a replay of wrong answers (a retry, or a stored result's
    // replay), or the practice or examination of its kind.
    PosouzenaOdpoved::Zdroj Zdroj() const;

private:
    // Every run begins here: its list (or empty slots to be chosen), counters at zero, nothing
    // awaiting an answer.
    void NovyBeh(QList<int> seznam, bool opakovat, bool opravaChyb);
    void Nastavit(const Konfigurace &nastaveni, DruhBehu druh, PoradiOtazek poradi);
    int NajitPrvniOtazku(const BankaOtazek &banka, int zacatek) const;
    bool Vyhovuje(const BankaOtazek &banka, int cislo) const;
    std::optional<int> VybratPodleCisla(const BankaOtazek &banka) const;
    std::optional<int> VybratNahodne(const BankaOtazek &banka) const;
    void Oznamit(PosouzenaOdpoved::Vysledek vysledek) const;

    DruhBehu m_druh = DruhBehu::Procvicovani;
    PoradiOtazek m_poradi = PoradiOtazek::PodleCisla;
    std::array<bool, Kategorie::Pocet> m_kategorie{};
    QString m_skupina, m_cisliceKategorii;
    int m_prvni = 0; // number order: the start question

    QList<int> m_seznam, m_spatne, m_napovedy;
    QStringList m_duvody; // the learning order's reason of each question of m_seznam
    int m_zbyva = 0, m_uspesnost = 0;
    int m_aktualni = 0;
    QString m_spravne;
    std::array<bool, 4> m_oznacene{};
    bool m_ceka = false;
    bool m_opakovat = false;
    bool m_opravaChyb = false; // the list replays wrong answers

    Posluchac m_posluchac;
};

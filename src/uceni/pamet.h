#pragma once

#include "data/kategorie.h"
#include "uceni/fsrs.h"
#include "uceni/odpovedi.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <array>
#include <vector>

// What the memory knows of one question of a profile, looked at on a chosen date.
struct StavOtazky {
    bool zodpovezena = false;    // false: never answered, and nothing below holds a value
    double vybavitelnost = 0;    // the chance of recalling it on that date, 0..1 (1 on the day of the last answer)
    double stabilita = 0;        // days
    double obtiznost = 0;        // 1..10
    QDate opakovat;              // next due: the first date on which the recall is below 0.9
    bool splatna = false;        // the date is on or after opakovat: the recall is below 0.9
    bool posledniChybna = false; // the last answer was wrong, came after the hint, or was left unanswered
    QDate posledniDatum;         // when the last answer was given
    QTime posledniCas;
    int poradiPosledni = -1;     // its position among the profile's answers, for answers stamped alike
};

// How well the model's recall held in the learner's own answers: every answer to a question whose
// previous answer was right, given a day or more after it, counted by the recall the model gave it
// then (bins of 1/PocetKosu) with whether it was right. The readiness estimate for today's exam
// adjusts the model's forgetting to the learner by it.
struct OvereniVybavitelnosti {
    static constexpr int PocetKosu = 20;
    struct Kos {
        int odpovedi = 0, spravne = 0;
        double vybavitelnost = 0; // the sum of the recalls given
    };
    std::array<Kos, PocetKosu> kose{};
    int Odpovedi() const;
};

// The memory of one profile: every answer it gave, and for every question its model state, kept
// up to date answer by answer.
//
//   PametProfilu pamet(profil);
//   pamet.Nacist();                                      // once, when the profile is first needed
//   pamet.Zaznamenat(cislo, vysledek, zdroj, Hodiny::Ted()); // each judged answer
//   pamet.Stav(cislo, dnes);                             // what it knows of one question
//   PoradiUceni(kvalifikujici, pamet, dnes);             // the learning order (uceni/poradiuceni.h)
//
// Nothing reads the table but Nacist: not the program's start, not a question shown. The answers
// are kept as they were given (Odpovedi()), small enough to be summed up by day, week or category
// without reading the table again.
class PametProfilu {
public:
    explicit PametProfilu(const QString &profil);

    const QString &Profil() const { return m_profil; }

    // Reads the profile's answers from the table, in the order they were given, replacing what the
    // memory held. A missing table is an empty memory. Throws ChybaTabulky when the table cannot be
    // read; the memory then stays as it was.
    void Nacist();

    // Stores the answer in the table, then adds it to the memory. Throws ChybaTabulky when it cannot
    // be stored; the memory then stays as it was, and the caller reports the error.
    void Zaznamenat(int otazka, Odpovedi::Vysledek vysledek, Odpovedi::Zdroj zdroj, const QDateTime &kdy);
    // Stores the answers in the order given through one opening of the table, each added to the memory
    // once it is stored. The first that cannot be stored ends it and is thrown (ChybaTabulky); the
    // memory then holds those stored before it.
    void Zaznamenat(const QList<Odpovedi::Odpoved> &odpovedi);

    // Adds an answer to the memory alone, as Nacist does for each stored one. An answer to a number
    // outside 1..757 or without a valid date is no answer and is left out.
    void Pridat(const Odpovedi::Odpoved &odpoved);

    StavOtazky Stav(int otazka, const QDate &den) const;

    const std::vector<Odpovedi::Odpoved> &Odpovedi() const { return m_odpovedi; }
    // Records of the table that Nacist left out because they hold no valid answer.
    int Preskoceno() const { return m_preskoceno; }
    const OvereniVybavitelnosti &Overeni() const { return m_overeni; }

private:
    struct Otazka {
        Fsrs::Stav model;
        int posledni = -1; // index of its last answer in m_odpovedi
    };

    QString m_profil;
    std::vector<Odpovedi::Odpoved> m_odpovedi;
    std::array<Otazka, Kategorie::NejvyssiCislo + 1> m_otazky{};
    int m_preskoceno = 0;
    OvereniVybavitelnosti m_overeni;
};

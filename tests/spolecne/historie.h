#pragma once

// A learner's scripted history, the same for the same seed: for the tests, the benchmarks and the
// pictures of the help. The answers are spread over the days up to the last one, on about two days
// in three, each day's answers a few seconds apart; every category is answered right with the
// learner's own chance, a question asked again now and then.
#include "data/kategorie.h"
#include "uceni/odpovedi.h"

#include <QDate>
#include <QList>
#include <QRandomGenerator>

#include <array>
#include <vector>

namespace Pomocnik {

struct Zak {
    std::array<double, Kategorie::Pocet> dovednost{0.8, 0.8, 0.8, 0.8, 0.8, 0.8, 0.8}; // chance of a right answer
    double opakovani = 0.35;     // share of answers to a question answered before
    QList<int> otazky;           // the questions asked; empty: every number 1..757
};

inline std::vector<Odpovedi::Odpoved> Historie(quint32 seme, int pocet, const QDate &posledni, int dni,
                                               const Zak &zak = {})
{
    QRandomGenerator g(seme);
    QList<QDate> dny;
    for (int d = dni - 1; d >= 0; --d)
        if (d == 0 || g.bounded(3) != 0)
            dny.append(posledni.addDays(-d));
    std::vector<Odpovedi::Odpoved> odpovedi;
    odpovedi.reserve(static_cast<size_t>(pocet));
    qsizetype predchozi = -1;
    int poradiDne = 0;
    for (int i = 0; i < pocet; ++i) {
        Odpovedi::Odpoved o;
        const qsizetype den = qsizetype(i) * dny.size() / pocet;
        poradiDne = den == predchozi ? poradiDne + 1 : 0;
        predchozi = den;
        o.datum = dny[den];
        o.cas = QTime(16, 0).addSecs(qMin(poradiDne * 20, 7 * 3600));
        if (!odpovedi.empty() && g.generateDouble() < zak.opakovani)
            o.otazka = odpovedi[g.bounded(static_cast<quint32>(odpovedi.size()))].otazka;
        else
            o.otazka = zak.otazky.isEmpty() ? 1 + static_cast<int>(g.bounded(Kategorie::NejvyssiCislo))
                                            : zak.otazky[g.bounded(static_cast<quint32>(zak.otazky.size()))];
        const double p = zak.dovednost[static_cast<size_t>(Kategorie::KategorieOtazky(o.otazka) - 1)];
        o.vysledek = g.generateDouble() < p       ? Odpovedi::Vysledek::Spravne
                     : g.generateDouble() < 0.75 ? Odpovedi::Vysledek::Spatne
                                                 : Odpovedi::Vysledek::SNapovedou;
        odpovedi.push_back(o);
    }
    return odpovedi;
}

} // namespace Pomocnik

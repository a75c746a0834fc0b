#pragma once

#include "data/kategorie.h"

#include <QDate>
#include <QList>

#include <array>

class BankaOtazek;
class PametProfilu;
struct Konfigurace;

// What the knowledge overview shows besides the estimate, computed from a profile's memory alone:
// its answers are kept in memory, so nothing here reads the table again.
namespace PrehledZnalosti {

// Questions of one category that qualify for the group, on a day.
struct ZnalostKategorie {
    int nikdy = 0; // never answered
    int uciSe = 0; // answered, but the last answer was not right or the recall is below 0.9
    int umi = 0;   // last answer right and recall at least 0.9
    int Celkem() const { return nikdy + uciSe + umi; }
};

// The seven categories (index k−1), the qualifying questions of the group in each.
std::array<ZnalostKategorie, Kategorie::Pocet> ZnalostPodleKategorii(const BankaOtazek &banka, const QString &skupina,
                                                                     const PametProfilu &pamet, const QDate &dnes);

inline constexpr int NejviceDni = 90;

struct Den {
    QDate datum;
    int odpovedi = 0, spravne = 0;
};

// A calendar week (Monday to Sunday) cut to the period shown.
struct Tyden {
    QDate od, doDne;
    int odpovedi = 0, spravne = 0;
};

// Answers per day and per week over the last 90 days up to dnes, or from the day of the first
// answer when that is later. Right means right without the hint. Answers dated outside the period
// (a clock that went back) are left out. Empty without any answer.
struct Prubeh {
    QList<Den> dny;     // every day of the period, in order
    QList<Tyden> tydny; // every week of the period, in order
    int Odpovedi() const;
    int Spravne() const;
};
Prubeh PrubehUceni(const PametProfilu &pamet, const QDate &dnes);

// The questions the learning order would ask first on the day: those whose last answer was wrong,
// came after the hint or was left unanswered, then those being forgotten (recall below 0.9), in
// that order, among the questions a practice run may take (group and enabled categories).
struct KOpakovani {
    QList<int> otazky;
    int chybne = 0;     // of them, last answer not right
    int zapominane = 0; // of them, recall below 0.9
};
KOpakovani OtazkyKOpakovani(const BankaOtazek &banka, const Konfigurace &nastaveni, const PametProfilu &pamet,
                            const QDate &dnes);

} // namespace PrehledZnalosti

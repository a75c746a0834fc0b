#pragma once

#include <QDate>
#include <QList>
#include <QString>

class QDialog;
class QImage;
class QWidget;

// What the knowledge overview shows, worked out by the program (uceni/prehledznalosti.h) and handed
// to the window that draws it (uceni/prehled.h), which lives in the module prehled.so: plain data and
// one interface back to the program, nothing of the program's code, so that the module needs Qt
// Widgets and Qt Charts alone.
namespace PrehledZnalosti {

// The questions of one category that qualify for the group, on a day.
struct ZnalostKategorie {
    QString nazev;       // the category's name
    QString kratkyNazev; // short enough for a chart's axis
    int nikdy = 0;       // never answered
    int uciSe = 0;       // answered, but the last answer was not right or the recall is below 0.9
    int umi = 0;         // last answer right and recall at least 0.9
    int Celkem() const { return nikdy + uciSe + umi; }
};

struct Den {
    QDate datum;
    int odpovedi = 0, spravne = 0;
};

// A calendar week (Monday to Sunday) cut to the period shown.
struct Tyden {
    QDate od, doDne;
    int odpovedi = 0, spravne = 0;
    int procent = 0; // right of the answers, as the program rounds a share; 0 without an answer
};

// Answers per day and per week over the last 90 days up to the day, or from the day of the first
// answer when that is later. Right means right without the hint. Empty without any answer.
struct Prubeh {
    QList<Den> dny;     // every day of the period, in order
    QList<Tyden> tydny; // every week of the period, in order
    int odpovedi = 0, spravne = 0;
    int procent = 0;    // right of all the period's answers
};

// The questions the learning order would ask first on the day: those whose last answer was wrong,
// came after the hint or was left unanswered, then those being forgotten (recall below 0.9), in
// that order, among the questions a practice run may take (group and enabled categories).
struct KOpakovani {
    QList<int> otazky;
    int chybne = 0;     // of them, last answer not right
    int zapominane = 0; // of them, recall below 0.9
};

// Everything the overview shows when it opens, for the active profile in the chosen group.
struct UdajePrehledu {
    QString profil;
    QDate dnes;
    QList<ZnalostKategorie> kategorie; // in the bank's order
    Prubeh prubeh;
    KOpakovani kOpakovani;
    QDate denZkousky; // the exam day stored for the profile, or today
    QDate nejpozdejsiDen; // the latest exam day the learner may choose
    int testuOdhadu = 0; // how many tests the readiness estimate composes
};

// The readiness estimate for an exam day.
struct Pripravenost {
    QString proc;            // why there is no estimate; empty when there is one
    QString pravdepodobnost; // of passing, as the learner reads it ("74 %")
    double ocekavaneBody = 0;
    int maxBodu = 0, minimum = 0;
    QList<double> ztraceneBody; // mean points a test loses, per category in the order of kategorie
    int nejviceZtraci = 0;      // the category losing most (1-based), 0 when none loses any
};

// What the overview's window asks of the program while it is open.
class ObsluhaPrehledu {
public:
    // The readiness estimate for the exam day the window shows (the day it opened with included).
    virtual Pripravenost Odhadnout(const QDate &denZkousky) = 0;
    // "Uložit obrázek...": the sections drawn whole, to be saved where the learner chooses.
    virtual void UlozitObrazek(QWidget *okno, const QImage &obrazek) = 0;
    // The window closes, however, showing this exam day: the profile's day from now on.
    virtual void Zavrit(QWidget *okno, const QDate &denZkousky) = 0;

protected:
    ~ObsluhaPrehledu() = default;
};

// What the window's modal run returns when the learner asked to practise the due questions.
inline constexpr int Procvicit = 2;

// The module's one function: the window over the data, owned by the caller.
using Tovarna = QDialog *(*)(const UdajePrehledu &udaje, ObsluhaPrehledu &obsluha, QWidget *rodic);
inline constexpr char JmenoTovarny[] = "semaforix_prehled";

} // namespace PrehledZnalosti

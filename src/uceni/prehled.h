#pragma once

#include "uceni/modulprehledu.h"

#include <QDate>
#include <QList>

class BankaOtazek;
class PametProfilu;
class QPushButton;
class TPripravenost;
struct StavProgramu;

// The knowledge overview of the active profile in the chosen group: what the learner knows per
// category, their progress, the questions due today and the chance of passing the points test on
// their exam day. Resizable; OK or Escape closes it. The program makes it through its module
// (uceni/modulprehledu.h); the tests, the help pictures and the benchmark link it directly.
//
//   TPrehled prehled(stav, banka, pamet, this); // pamet: the active profile's memory, read
//   connect(&prehled, &TPrehled::ProcvicitOtazky, ...); // the due questions, to practise
//   Dialogy::Vycentrovat(&prehled, this);
//   prehled.exec();
//
// The exam day is read from the profile's records when the window opens and stored when it closes,
// if the learner changed it.
class TPrehled : public TOknoPrehledu {
    Q_OBJECT
public:
    TPrehled(const StavProgramu &stav, const BankaOtazek &banka, const PametProfilu &pamet, QWidget *rodic = nullptr);

    void done(int vysledek) override;

private:
    void btnProcvicitClick();
    void btnUlozitObrazekClick();

    QString m_profil;
    QDate m_puvodniDen; // the day the field showed when the window opened
    QList<int> m_kOpakovani;
    QWidget *m_pPrehled;
    TPripravenost *m_pripravenost;
};

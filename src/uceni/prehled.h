#pragma once

#include "uceni/udajeprehledu.h"

#include <QDialog>

class QPushButton;
class TPripravenost;

// The knowledge overview of the active profile in the chosen group: what the learner knows per
// category, their progress, the questions due today and the chance of passing the points test on
// their exam day. Resizable; OK or Escape closes it. It draws what the program computed and asks the
// program (ObsluhaPrehledu) for the estimate of each day chosen, to save its picture and to keep the
// day at close. The program makes it through its module (uceni/modulprehledu.h); the tests, the help
// pictures and the benchmark link it directly.
//
//   TPrehled prehled(PrehledZnalosti::Udaje(...), obsluha, this);
//   if (prehled.exec() == PrehledZnalosti::Procvicit) ... // practise udaje.kOpakovani.otazky
class TPrehled : public QDialog {
    Q_OBJECT
public:
    TPrehled(const PrehledZnalosti::UdajePrehledu &udaje, PrehledZnalosti::ObsluhaPrehledu &obsluha,
             QWidget *rodic = nullptr);

    void done(int vysledek) override;

private:
    void btnUlozitObrazekClick();

    PrehledZnalosti::ObsluhaPrehledu &m_obsluha;
    QWidget *m_pPrehled;
    TPripravenost *m_pripravenost;
};

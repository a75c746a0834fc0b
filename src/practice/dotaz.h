#pragma once

#include "logika/stav.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QScrollBar;

// The set-up of a practice or examination run: how many of the Q qualifying questions to put, and
// with sequential selection at which of them to begin. It has no cancel: however it closes, the
// positions shown go into Zbyva and ZacitOtazkou and the run starts.
class TDotazPZ : public QDialog {
    Q_OBJECT
public:
    TDotazPZ(StavProgramu &stav, bool zkouseni, int pocet, QWidget *rodic = nullptr);

    void done(int vysledek) override;

private:
    void sbPocetChange(int pozice);
    void sbOtazkaChange(int pozice);
    void FormClose();

    StavProgramu &m_stav;
    int m_q;
    bool m_nastavuje = false; // positions set by the program do not move the other bar
    QLabel *m_lbPocet, *m_lbOtazka;
    QScrollBar *m_sbPocet, *m_sbOtazka;
};

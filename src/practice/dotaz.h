#pragma once

#include "practice/beh.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QScrollBar;

// The set-up of a practice or examination run: how many of the Q qualifying questions to put, and
// in number order at which of them to begin; in the learning order, under the count, what a run of
// that count holds. It has no cancel: however it closes, the run starts with the positions shown.
// Both bars take the keyboard focus and move with the keys.
class TDotazPZ : public QDialog {
    Q_OBJECT
public:
    // What a run of that many questions holds, as the learning order says it.
    using Slozeni = std::function<QString(int pocet)>;

    TDotazPZ(DruhBehu druh, int pocet, PoradiOtazek poradi, QWidget *rodic = nullptr);

    // The learning order's account of the run, shown under the count and kept up with it.
    void NastavitSlozeni(Slozeni slozeni);

    // The count of questions and the 1-based start position shown.
    int Pocet() const;
    int Zacatek() const;

private:
    void sbPocetChange(int pozice);
    void sbOtazkaChange(int pozice);
    void Omezit(QScrollBar *druhy, int pozice);

    int m_q;
    bool m_nastavuje = false; // positions set by the program do not move the other bar
    Slozeni m_slozeni;
    QLabel *m_lbPocet, *m_lbOtazka, *m_lbPodlePameti = nullptr;
    QScrollBar *m_sbPocet, *m_sbOtazka;
};

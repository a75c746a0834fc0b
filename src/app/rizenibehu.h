#pragma once

#include "practice/beh.h"

#include <QObject>

class BankaOtazek;
class QTimer;
class QWidget;
class StavZaka;
class TPanelOtazky;
class TPanelPomoc;

// The events of a practice or examination run in the main window: set-up, showing the next
// question, selecting answers with the mouse or the keyboard, judging an answer with its verdict
// shown for 1.5 s, the hint of practice, and the evaluation at the end with its retry, while the main
// window's mode runs one. The run itself is the learner's state's BehOtazek, which stores every
// judged answer the moment it is judged; this shows what it decides on the two panels.
class TRizeniBehu : public QObject {
    Q_OBJECT
public:
    TRizeniBehu(StavZaka &stav, BankaOtazek &banka, TPanelOtazky &otazky, TPanelPomoc &pomoc, QWidget &okno);

    // Runs the set-up dialog and starts the run; false when no question qualifies, or the learning
    // order finds the memory unreadable (the user is told either way), and no run may start.
    bool PripravitBeh(DruhBehu druh);
    // The mode of the run prepared begins: its first question shows.
    void Zahajit();
    // The mode ends: the run is over.
    void Ukoncit();

    void stAClick(int odpoved);
    void pOtazkyMouseDown(Qt::MouseButton tlacitko);
    void M2OznacSpravneClick();
    void Timer1Timer();

signals:
    // The evaluation of the finished run closed without a retry: the mode is to end.
    void KonecBehu();

protected:
    bool eventFilter(QObject *objekt, QEvent *udalost) override;

private:
    // Shows the first question of the run just started (or of its retry), with its counters.
    void ZobrazitPrvni();
    void DalsiOtazka();
    void VyhodnotitOdpoved();
    void UkazatVysvetleni();
    void PripravitZnacky();
    void Vyhodnotit();

    StavZaka &m_stav;
    BankaOtazek &m_banka;
    TPanelOtazky &m_otazky;
    TPanelPomoc &m_pomoc;
    QWidget &m_okno;
    QTimer *m_timer1;
    bool m_bezi = false; // a practice or examination mode runs
};

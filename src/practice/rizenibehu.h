#pragma once

#include <QObject>

class QTimer;
class THlavniFormular;

// The events of a practice or examination run in the main window: set-up, choosing and showing the
// next question, selecting answers with the mouse or the keyboard, judging an answer with its
// verdict shown for 1.5 s, the hint of practice, and the evaluation at the end with its retry. The
// state lives in the main window's StavProgramu; what can be computed lives in Beh.
class TRizeniBehu : public QObject {
    Q_OBJECT
public:
    explicit TRizeniBehu(THlavniFormular &okno);

    // Runs the set-up dialog and prepares the run; false when no question qualifies (the user is
    // told) and no run may start.
    bool PripravitBeh(bool zkouseni);
    // Shows the next question of the run and counts it.
    void DalsiOtazka();

    void stAClick(int odpoved);
    void pOtazkyMouseDown(Qt::MouseButton tlacitko);
    void M2OznacSpravneClick();
    void Timer1Timer();

protected:
    bool eventFilter(QObject *objekt, QEvent *udalost) override;

private:
    bool BehBezi() const;
    void VyhodnotitOdpoved();
    void PripravitZnacky();
    void Vyhodnotit();

    THlavniFormular &m_okno;
    QTimer *m_timer1;
};

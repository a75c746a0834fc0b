#pragma once

#include <QWidget>

class QToolButton;

// A spin button: an up and a down arrow that repeat while held (first after 400 ms, then
// every 100 ms). When focused, the Up and Down keys act as its arrows and Space as the arrow
// used last.
class TSpinTlacitko : public QWidget {
    Q_OBJECT
public:
    explicit TSpinTlacitko(QWidget *rodic = nullptr);
    QToolButton *Nahoru() const { return m_nahoru; }
    QToolButton *Dolu() const { return m_dolu; }

signals:
    void NahoruClick();
    void DoluClick();

protected:
    void keyPressEvent(QKeyEvent *udalost) override;
    void resizeEvent(QResizeEvent *udalost) override;

private:
    QToolButton *m_nahoru;
    QToolButton *m_dolu;
    bool m_posledniNahoru = true;
};

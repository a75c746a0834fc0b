#pragma once

#include <QGroupBox>

#include <array>

class QCheckBox;
class QLabel;
class TObrazekOtazky;
struct OtazkaBanky;

// What the sheet and the review share: the measuring font of the texts.
namespace ListTestu {

// 13-pixel "MS Sans Serif" (Liberation Sans on Linux), the font the texts are measured in.
QFont PismoTextu();
// The same family in 8 points for the window's other controls.
QFont PismoOkna();
// Height of a text wrapped at the width: 16 pixels a line.
int VyskaTextu(const QString &text, int sirka);

} // namespace ListTestu

// One position of the test sheet: the group box gbN with its question text stNO, the answer texts
// stNA..stND, their check boxes cbNA..cbND and, at positions 17 to 21 and 23 to 25, the picture imgN.
class TPoziceTestu : public QGroupBox {
    Q_OBJECT
public:
    TPoziceTestu(int pozice, QWidget *rodic);

    int Pozice() const { return m_pozice; }
    // Sets the question's texts and picture, gives each text the height of its wrapped lines,
    // stacks the answers and sizes the group box to them.
    void Naplnit(const OtazkaBanky &otazka);
    // The letters ticked, A to D in that order.
    QString Odpoved() const;
    // The picture shown at this position, or none.
    TObrazekOtazky *Obrazek() const;

signals:
    // A check box was clicked with the mouse (the window then gives the page control the focus); one
    // ticked from the keyboard keeps it, so that Tab goes on from there.
    void cb1AClick();

protected:
    bool eventFilter(QObject *objekt, QEvent *udalost) override;

private:
    void st1AClick(int odpoved);
    int TopObsahu() const;

    int m_pozice;
    int m_vyskaNavrhu;
    QLabel *m_stO;
    std::array<QLabel *, 4> m_st{};
    std::array<QCheckBox *, 4> m_cb{};
    TObrazekOtazky *m_img = nullptr;
};

#pragma once

#include "practice/podrobnostitext.h"

#include <QDialog>

class QLabel;
class QPushButton;
class THlavniFormular;

// The detail of one stored result: its figures and categories, the numbers of the questions
// answered wrongly or with the hint, and the replay of exactly those questions in the result's
// own group.
class TDetail : public QDialog {
    Q_OBJECT
public:
    // zkouseni: opened from the examination list (the hint figure greyed, an examination replay).
    TDetail(THlavniFormular &hlavni, const UdajeVysledku &udaje, bool zkouseni, QWidget *rodic = nullptr);

private:
    void FormCreate();
    void btnZ1Click();
    void btnZ2Click();
    void btnPrezkousetClick();

    THlavniFormular &m_hlavni;
    UdajeVysledku m_udaje;
    bool m_zkouseni;
    QPushButton *m_btnOK, *m_btnPrezkouset;
};

#pragma once

#include "practice/beh.h"
#include "practice/vysledky.h"

#include <QDialog>

class QPushButton;

// The detail of one stored result: its figures and categories, the numbers of the questions
// answered wrongly or with the hint, and the replay of exactly those questions in the result's
// own group.
class TDetail : public QDialog {
    Q_OBJECT
public:
    // The modal result when the replay has been asked for.
    static constexpr int Prehrat = 2;

    // zkouseni: opened from the examination list (the hint figure greyed, an examination replay).
    TDetail(const ZaznamVysledku &zaznam, bool zkouseni, QWidget *rodic = nullptr);

signals:
    // The replay of the result's wrong and hinted questions is asked for.
    void PrehratOtazky(const Oprava &oprava);

private:
    void FormCreate();
    void btnZ1Click();
    void btnZ2Click();
    void btnPrezkousetClick();

    ZaznamVysledku m_zaznam;
    bool m_zkouseni;
    QPushButton *m_btnOK, *m_btnPrezkouset;
};

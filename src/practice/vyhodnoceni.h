#pragma once

#include "logika/stav.h"

#include <QDialog>

// The evaluation of a finished run: its figures, the record in Vysledky when the settings ask for
// one (decided and written as the dialog is created, before it shows), and the retry of the wrong
// and, in practice, hinted questions.
class TResult : public QDialog {
    Q_OBJECT
public:
    // The modal result of the retry button.
    static constexpr int Opakovat = 2;

    TResult(StavProgramu &stav, bool zkouseni, QWidget *rodic = nullptr);

    void done(int vysledek) override;

private:
    // Returns the text of lbSoubor.
    QString FormCreate();
    void btnPrezkousetClick();

    StavProgramu &m_stav;
    bool m_zkouseni;
};

#pragma once

#include "practice/beh.h"

#include <QDialog>

struct ZaznamVysledku;

// The evaluation of a finished run: its figures, what became of its record in Vysledky, and the
// retry of the wrong and, in practice, hinted questions. It only shows: the record is decided and
// written by whoever opens it.
class TResult : public QDialog {
    Q_OBJECT
public:
    // The modal result of the retry button.
    static constexpr int Opakovat = 2;

    // What became of the run's record.
    enum class Protokol { Zapsan, Vypnuto, Odmitnut, Chyba };

    TResult(const ZaznamVysledku &zaznam, DruhBehu druh, Protokol protokol, QWidget *rodic = nullptr);
};

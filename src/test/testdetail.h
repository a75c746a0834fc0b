#pragma once

#include "test/protokoltext.h"

#include <QDialog>

class QPlainTextEdit;

// The printable protocol of one points test: fixed-width text that can be printed or saved as a
// text file.
class TTestDetailForm : public QDialog {
    Q_OBJECT
public:
    explicit TTestDetailForm(const ZaznamProtokolu &protokol, QWidget *rodic = nullptr);

private:
    void FormCreate(const ZaznamProtokolu &protokol);
    void btnTiskClick();
    void btnUlozClick();

    QPlainTextEdit *m_mProtokol;
};

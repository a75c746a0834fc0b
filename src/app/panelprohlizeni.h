#pragma once

#include <QFrame>

class QLineEdit;
class TSpinTlacitko;

// The browse controls on the question panel: a number edit and a spin button. The edit's text is
// the browse position; the arrows step from it and write the number shown back into it.
class TPanelProhlizeni : public QFrame {
    Q_OBJECT
public:
    explicit TPanelProhlizeni(QWidget *rodic = nullptr);

    // Browsing starts at question 1.
    void Zacit();

    bool JenCislice() const;
    void sb1DownClick();
    void sb1UpClick();
    void eCisloOKeyDown(int klavesa);

signals:
    void ZobrazitOtazku(int cislo);
    // The key Z in the number field.
    void ZvetsitObrazek();

protected:
    bool eventFilter(QObject *objekt, QEvent *udalost) override;

private:
    bool CisloZEditu(int &cislo);

    QLineEdit *m_eCisloO = nullptr;
    TSpinTlacitko *m_sb1 = nullptr;
};

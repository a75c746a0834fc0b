#pragma once

#include "app/profily.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QRadioButton;
struct StavProgramu;

// The settings dialog: categories, group, protocol switches and the user profile. It works on the
// program's settings in memory; only "OK" changes them, "Storno" and the close button forget
// everything, profiles created or removed meanwhile included.
class TNastaveni : public QDialog {
    Q_OBJECT
public:
    explicit TNastaveni(StavProgramu &stav, QWidget *rodic = nullptr);

protected:
    bool eventFilter(QObject *objekt, QEvent *udalost) override;

private:
    void FormCreate();
    void btnOKClick();
    void btnVytvoritUClick();
    void btnVymazatUClick();
    void comboProfilKeyPress();
    void comboProfilClick(int index);
    void NaplnitSeznam();

    StavProgramu &m_stav;
    SeznamProfilu m_profily;
    QString m_vybranyProfil;

    std::array<QRadioButton *, 8> m_skupiny{};
    std::array<QCheckBox *, 7> m_kategorie{};
    std::array<QCheckBox *, 3> m_protokoly{};
    QComboBox *m_comboProfil = nullptr;
};

#pragma once

#include "app/profily.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QRadioButton;
struct Konfigurace;

// The settings dialog: categories, group, protocol switches and the user profile. It works on the
// program's settings in memory; only "OK" changes them, "Storno" and the close button forget
// everything, profiles created or removed meanwhile included. A profile created here joins the names
// this run knows (znameProfily), whose records may go at close unless the profile is saved.
class TNastaveni : public QDialog {
    Q_OBJECT
public:
    TNastaveni(Konfigurace &nastaveni, QStringList &znameProfily, QWidget *rodic = nullptr);

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

    Konfigurace &m_nastaveni;
    QStringList &m_znameProfily;
    SeznamProfilu m_profily;
    QString m_vybranyProfil;

    std::array<QRadioButton *, 8> m_skupiny{};
    std::array<QCheckBox *, 7> m_kategorie{};
    std::array<QCheckBox *, 3> m_protokoly{};
    QComboBox *m_comboProfil = nullptr;
};

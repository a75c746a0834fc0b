#pragma once

#include "data/tabulka.h"
#include "test/protokoltestu.h"

#include <QDialog>

class MrizkaTabulky;
class QPushButton;
class TabulkaModel;

// The list of stored points-test protocols of the active profile: delete one or all of them, or
// open the printable protocol of one.
class TSeznamTestu : public QDialog {
    Q_OBJECT
public:
    explicit TSeznamTestu(const QString &profil, QWidget *rodic = nullptr);
    ~TSeznamTestu() override;

    // The table store's message when the protocols could not be opened; the window then stays empty.
    QString Chyba() const { return m_chyba; }

private:
    void FormCreate();
    void btnDetailClick();
    void btnVymazClick();
    void btnVymazVseClick();
    void Obnovit();

    QString m_profil;
    Tabulka m_tabulka{ProtokolTestu::JmenoTabulky};
    TabulkaModel *m_model = nullptr;
    QPushButton *m_btnDetail, *m_btnVymaz, *m_btnVymazVse;
    MrizkaTabulky *m_grid;
    QString m_chyba;
};

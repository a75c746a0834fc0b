#pragma once

#include "data/tabulka.h"
#include "practice/vysledky.h"

#include <QDialog>

class MrizkaTabulky;
class QPushButton;
class TabulkaModel;

// The list of stored practice or examination results of the active profile: delete one or all of
// them, or open the detail of one, from which its wrong answers can be replayed.
class TProtocol : public QDialog {
    Q_OBJECT
public:
    // Lists the profile's examination results, or its practice ones.
    TProtocol(const QString &profil, bool zkouseni, QWidget *rodic = nullptr);
    ~TProtocol() override;

    // The table store's message when the results could not be opened; the window then stays empty.
    QString Chyba() const { return m_chyba; }

signals:
    // The detail asks for a replay of a stored result; the list closes once it is asked.
    void PrehratOtazky(const Oprava &oprava);

private:
    void FormCreate();
    void btnPodrobnostiClick();
    void btnVymazatClick();
    void btnVymazatVseClick();
    // After the view changed: the grid re-read, the table's current record selected, the buttons
    // enabled while a record is shown.
    void Obnovit();

    QString m_profil;
    bool m_zkouseni;
    Tabulka m_tabulka{Vysledky::JmenoTabulky};
    TabulkaModel *m_model = nullptr;
    MrizkaTabulky *m_grid = nullptr;
    QPushButton *m_btnPodrobnosti, *m_btnVymazat, *m_btnVymazatVse;
    QString m_chyba;
};

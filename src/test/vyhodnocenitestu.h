#pragma once

#include "kresby/znamky.h"
#include "test/sestaveni.h"
#include "test/vysledektestu.h"

#include <QFrame>

#include <array>

class BankaOtazek;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;
class TObrazekOtazky;

// The evaluation view of the test window (pVyhodnoceni): the test's figures, the grid of the 25
// positions and the review box that compares the answer given at a position with the right one.
class TVyhodnoceniTestu : public QFrame {
    Q_OBJECT
public:
    TVyhodnoceniTestu(BankaOtazek &banka, const PolozkyTestu &polozky, QWidget *rodic);

    struct Udaje {
        QString profil, skupina;
        int minPocetBodu = 0;
        int zbyvaSekund = 0;
        VysledekTestu::Skore skore;
        bool protokol = false; // the points-test protocol switch
    };
    // Fills the labels and the grid and reviews position 1.
    void ZobrazVyhodnoceni(const Udaje &udaje);
    // The protocol was to be written but could not be.
    void ProtokolNezapsan();
    void FokusOK();

signals:
    void btnOKClick();

private:
    void TabulkaSelectCell(int radek, int sloupec);
    void ZobrazPozici();
    void ZobrazZnacky();
    const PolozkaTestu &Aktualni() const { return m_polozky[static_cast<size_t>(m_aktualniPozice - 1)]; }

    BankaOtazek &m_banka;
    const PolozkyTestu &m_polozky;
    int m_aktualniPozice = 1;

    QLabel *m_lbProfil, *m_lbSkupina, *m_lbMinPocBod, *m_lbCas, *m_lbOdpovedi, *m_lbDosBod, *m_lbUspech, *m_lbProtokol;
    QTableWidget *m_tabulka;
    QPushButton *m_btnOK;
    QGroupBox *m_spatnaOtazka;
    QLabel *m_otazka;
    std::array<QLabel *, 4> m_odpovedi{}, m_lb{}, m_img{};
    TObrazekOtazky *m_obrazek;
};

#pragma once

#include "kresby/znamky.h"

#include <QFrame>

#include <array>

class BankaOtazek;
class QLabel;
class TObrazekOtazky;
class TPanelProhlizeni;
struct OtazkaBanky;

// The question panel: one question of the bank with its number, text, answers a) to d) with a
// mark beside each, its picture and its note, laid out to the wrapped height of every text; a
// number without a record shows the retired notice centred instead. It also holds the verdict
// panel of practice and examination and the browse controls. It only shows: what a question
// means for a run is the run's business. Its picture opens enlarged on a left click or the key Z.
class TPanelOtazky : public QFrame {
    Q_OBJECT
public:
    explicit TPanelOtazky(BankaOtazek &banka, QWidget *rodic = nullptr);

    void ZobrazitOtazku(int n);
    // The number of the question shown.
    int Cislo() const { return m_cislo; }
    void UkazatSpravne(const QString &pismena);
    void ZobrazitTexty(bool viditelne);
    // The retired notice while it is shown, otherwise empty.
    QString Titulek() const;

    // Browse mode shows its controls and the note.
    void NastavitProhlizeni(bool zapnuto);
    // The note below the answers, shown or hidden (practice shows it after a mistake).
    void UkazatPoznamku(bool viditelna);
    TPanelProhlizeni *Prohlizeni() const { return m_prohlizeni; }

    // The answer marks beside a) to d) (0..3): the picture a mark holds and whether it shows.
    bool NacistZnacku(int odpoved, Znamky::Druh druh);
    void UkazatZnacku(int odpoved, bool viditelna);
    bool ZnackaViditelna(int odpoved) const;

    // The verdict panel: "Správně" in green or "Špatně" in red.
    void UkazatVerdikt(bool spravne);
    void SkrytVerdikt();
    bool VerdiktViditelny() const;

signals:
    // A left click on an answer's letter or text.
    void stAClick(int odpoved);
    // A mouse button pressed on the panel or on one of its question controls.
    void pOtazkyMouseDown(Qt::MouseButton tlacitko);

protected:
    void resizeEvent(QResizeEvent *udalost) override;
    void mousePressEvent(QMouseEvent *udalost) override;
    bool eventFilter(QObject *objekt, QEvent *udalost) override;

private:
    void VyplnitOtazku(const OtazkaBanky &otazka);
    void RozvrhnoutTexty(const QString &obrazek);
    void ZarovnatZnacky();

    BankaOtazek &m_banka;
    int m_cislo = 0;

    QLabel *m_titulek;
    QLabel *m_lbCisloOtazky, *m_stOtazka, *m_stPoznamka;
    TObrazekOtazky *m_imgObrazek;
    std::array<QLabel *, 4> m_img{}, m_lb{}, m_st{};
    QFrame *m_pSpravne;
    QLabel *m_lbVerdikt;
    TPanelProhlizeni *m_prohlizeni;
};

#pragma once

#include "data/banka.h"
#include "data/konfigurace.h"
#include "test/sestaveni.h"
#include "test/vysledektestu.h"

#include <QDateTime>
#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTimer;
class TObrazekOtazky;
class TPoziceTestu;
class TVyhodnoceniTestu;

// The points test: 25 questions on seven pages, 30 minutes counted down in the status bar, then
// the score, the protocol record and the review of every position. Created for one test and
// shown modally; it reads the settings and keeps its own view of the question bank.
class TTestForm : public QDialog {
    Q_OBJECT
public:
    // Composes the test and shows the start message; the countdown runs from its confirmation.
    explicit TTestForm(const Konfigurace &nastaveni, QWidget *rodic = nullptr);
    ~TTestForm() override;

    // False when no test could be composed (the reason has been shown): the window is not to be shown.
    bool Pripraven() const { return m_pripraven; }

    // One second of the countdown; at zero the test is evaluated.
    void Timer1Timer();

signals:
    // The test was evaluated, each position marked right or wrong; sent before the result is told,
    // with the moment of the evaluation.
    void Vyhodnocen(const PolozkyTestu &polozky, const QDateTime &kdy);

protected:
    void closeEvent(QCloseEvent *udalost) override;
    void reject() override;

private:
    void FormCreate();
    bool ZahajTest();
    void NaplnListy();
    void btnVyhodnotitClick();
    void Vyhodnot();
    bool MuzeZavrit();
    TObrazekOtazky *ObrazekListu() const;

    const Konfigurace &m_nastaveni;
    BankaOtazek m_banka;
    PolozkyTestu m_polozky;
    int m_minPocetBodu = 0;
    int m_zbyvaSekund = 0;
    QDateTime m_datumACas;
    VysledekTestu::Skore m_skore;
    bool m_pripraven = false;

    QStatusBar *m_stavRadek;
    std::array<QLabel *, 4> m_panely{};
    QTabWidget *m_pcTest;
    std::array<TPoziceTestu *, 25> m_pozice{};
    QPushButton *m_btnVyhodnotit, *m_btnZrusit;
    TVyhodnoceniTestu *m_pVyhodnoceni = nullptr; // made by the evaluation
    QTimer *m_timer1;
};

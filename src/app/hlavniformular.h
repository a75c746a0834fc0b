#pragma once

#include "app/stav.h"
#include "data/banka.h"

#include <QFrame>
#include <QMainWindow>

#include <array>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QStatusBar;
class TSpinTlacitko;

// A panel that draws a caption centred over its content, as the question panel does for
// the notice of a retired question.
class TPanel : public QFrame {
    Q_OBJECT
public:
    explicit TPanel(QWidget *rodic = nullptr);
    QString Titulek() const;
    void NastavitTitulek(const QString &text);

protected:
    void resizeEvent(QResizeEvent *udalost) override;

private:
    QLabel *m_titulek;
};

// The main window: holds the program-wide state, offers every command through its menus and
// switches between the idle screen and the three question modes.
class THlavniFormular : public QMainWindow {
    Q_OBJECT
public:
    // adresarProgramu: where config.ini is read and written (the program's own directory).
    explicit THlavniFormular(const QString &adresarProgramu = {}, QWidget *rodic = nullptr);
    ~THlavniFormular() override;

    StavProgramu &Stav() { return m_stav; }
    BankaOtazek &Banka() { return m_banka; }

    // Mode switch and question view.
    void PrepnoutRezim(const QString &rezim, bool zapnout);
    void ZobrazitOtazku(int n);
    void UkazatSpravne(const QString &pismena);
    void ZobrazitTexty(bool viditelne);
    bool RezimBezi() const;

    static bool SouborExistuje(const QString &jmeno);
    void VycistitVysledky();

    // Menu commands.
    void M1StavovyRadekClick();
    void M1PostupnyVyberClick();
    void M1NahodnyVyberClick();
    void M1UlozitNastaveniClick();
    void M1ProhlizetClick();
    void smProcClick();
    void smZkouClick();
    void M1VysledekTestuClick();
    void M2KonecRezimuClick();

    // Browse mode.
    bool JenCislice() const;
    void sb1DownClick();
    void sb1UpClick();
    void eCisloOKeyDown(int klavesa);

    // Shows the status of the settings in the status bar, the menu and the enabled commands.
    void ZobrazitNastaveni();

protected:
    bool event(QEvent *udalost) override;
    void closeEvent(QCloseEvent *udalost) override;
    bool eventFilter(QObject *objekt, QEvent *udalost) override;

private:
    void VytvoritMenu();
    void VytvoritPanely();
    void VytvoritOtazku();
    void VytvoritProhlizeni();
    void Spustit();
    void VyplnitOtazku();
    void RozvrhnoutTexty();
    void ZarovnatZnacky();
    bool NacistObrazek(QLabel *cil, const QString &cesta);
    bool CisloZEditu(int &cislo);
    static void Zaskrtnout(QAction *polozka, bool zaskrtnuto);
    void Nastavit(QAction *polozka, const char *jmeno, const char *titulek, const char *napoveda);

    QString m_adresarProgramu;
    StavProgramu m_stav;
    BankaOtazek m_banka;

public:
    // Controls, named as the program names them.
    QWidget *Klient = nullptr;
    QLabel *imgPozadi = nullptr;
    QStatusBar *StavovyRadek1 = nullptr;
    std::array<QLabel *, 4> PanelStavu{};
    TPanel *pOtazky = nullptr;
    QFrame *pPomoc = nullptr;
    QLabel *lbInfo = nullptr, *imgInfoYes = nullptr, *imgInfoNo = nullptr, *imgInfoNic = nullptr;
    QLabel *lbAno = nullptr, *lbNe = nullptr, *lbNic = nullptr;
    QFrame *Cara1 = nullptr, *Cara2 = nullptr;
    QLabel *lbJakNaTo = nullptr, *lbKonecRezimu = nullptr, *lbNapoveda = nullptr, *lbUzivatel = nullptr,
           *lbSkupina = nullptr, *lbCelkemOtazek = nullptr, *lbZbyvaOtazek = nullptr, *lbUspesnost = nullptr;

    QLabel *lbCisloOtazky = nullptr, *stOtazka = nullptr, *stPoznamka = nullptr, *imgObrazek = nullptr;
    std::array<QLabel *, 4> imgOdpovedi{}, lbOdpovedi{}, stOdpovedi{}; // a) to d)
    QFrame *pSpravne = nullptr;
    QFrame *pProhlizeni = nullptr;
    QLabel *lbProhlizeni = nullptr;
    QLineEdit *eCisloO = nullptr;
    TSpinTlacitko *sb1 = nullptr;

    QList<QAction *> Menu1, Menu2;
    QMenu *Program1 = nullptr, *Konfigurace1 = nullptr, *Start1 = nullptr, *Vysledky1 = nullptr,
          *M1Protokol = nullptr, *Informace1 = nullptr;
    QAction *M1Ukoncit = nullptr, *M1Skupina = nullptr, *M1Nastaveni = nullptr, *M1StavovyRadek = nullptr,
            *M1PostupnyVyber = nullptr, *M1NahodnyVyber = nullptr, *M1UlozitNastaveni = nullptr,
            *M1Prohlizet = nullptr, *M1Procvicovat = nullptr, *M1Zkouset = nullptr, *M1Test = nullptr,
            *smProc = nullptr, *smZkou = nullptr, *M1VysledekTestu = nullptr, *M1OProgramu = nullptr,
            *M1Seznam = nullptr, *M1Napoveda = nullptr;
    QAction *M2KonecRezimu = nullptr, *M2OznacSpravne = nullptr, *M2oProgramu = nullptr;
};

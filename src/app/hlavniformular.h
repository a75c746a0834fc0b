#pragma once

#include "app/nabidky.h"
#include "app/rezim.h"
#include "app/stavzaka.h"
#include "data/banka.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QLabel;
class QStatusBar;
class TPanelOtazky;
class TPanelPomoc;
class TRizeniBehu;

// The main window: holds the learner's state and the mode, offers every command through its menus
// and switches between the idle screen and the three question modes.
class THlavniFormular : public QMainWindow {
    Q_OBJECT
public:
    // config.ini, the tables and the bank are where the program's directories (data/adresare.h) say.
    explicit THlavniFormular(QWidget *rodic = nullptr);
    ~THlavniFormular() override;

    StavZaka &Stav() { return m_stav; }
    BankaOtazek &Banka() { return m_banka; }
    Rezim AktivniRezim() const { return m_rezim; }

    // The only way into or out of a mode.
    void PrepnoutRezim(Rezim rezim, bool zapnout);
    void ZobrazitOtazku(int n);
    // A run of exactly the listed questions, as any window may ask for one: the run is prepared
    // and its mode switched on.
    void ZacitOpravu(const Oprava &oprava);
    // Shows the settings in the status bar and the menu, and enables the commands they allow.
    void ZobrazitNastaveni();

    static bool SouborExistuje(const QString &jmeno);
    void VycistitVysledky();

protected:
    bool event(QEvent *udalost) override;
    void closeEvent(QCloseEvent *udalost) override;

private:
    void Spustit();
    void Propojit();

    void M1StavovyRadekClick();
    void M1PostupnyVyberClick();
    void M1NahodnyVyberClick();
    void M1VyberPodlePametiClick();
    // The order of choosing questions, with its check mark among the three.
    void NastavitPoradi(PoradiOtazek poradi);
    void M1UlozitNastaveniClick();
    // Writes the settings to config.ini; a failure is told and false returned.
    bool UlozitNastaveni();
    // Before the program closes: unsaved settings are saved, let go, or the close is called off
    // (false).
    bool UlozitPredUkoncenim();
    void M1NastaveniClick();
    // The results list of practice or examination results.
    void OtevritVysledky(bool zkouseni, const QString &bezTabulky);
    // The window over which a failure to store answers is told: the modal one open, else this one.
    QWidget *OknoHlaseni();
    void smProcClick();
    void smZkouClick();
    void M1VysledekTestuClick();
    void M1PrehledZnalostiClick();
    void M1TestClick();
    void M2KonecRezimuClick();
    void M1ProcvicovatClick();
    void M1ZkousetClick();
    void M1OProgramuClick();
    void M2oProgramuClick();
    void M1NapovedaClick();
    void M1SeznamClick();

    StavZaka m_stav;
    BankaOtazek m_banka;
    Rezim m_rezim = Rezim::Zadny;

    QLabel *m_imgPozadi;
    QStatusBar *m_stavovyRadek;
    std::array<QLabel *, 4> m_panelyStavu{};
    TPanelOtazky *m_pOtazky;
    TPanelPomoc *m_pPomoc;
    std::unique_ptr<Nabidky> m_menu;
    TRizeniBehu *m_beh;
};

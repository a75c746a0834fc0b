// The mode switch of the main window: the only way into or out of browsing, practice and
// examination.
#include "app/hlavniformular.h"

#include "app/panelotazky.h"
#include "app/panelpomoc.h"
#include "app/rizenibehu.h"
#include "okna/dialogy.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>

void THlavniFormular::PrepnoutRezim(Rezim rezim, bool zapnout)
{
    const bool beh = rezim == Rezim::Procvicovani || rezim == Rezim::Zkouseni;
    // A replay's end gives the user's own group back before anything shows it.
    if (beh && !zapnout)
        m_stav.Beh.Ukoncit(m_stav.ZvolenaSkupina);
    m_stav.AktivniRezim = zapnout ? rezim : Rezim::Zadny;
    // The check marks mirror the mode; nothing reads the mode back from them.
    Nabidky::Zaskrtnout(m_menu->M1Prohlizet, m_stav.AktivniRezim == Rezim::Prohlizeni);
    Nabidky::Zaskrtnout(m_menu->M1Procvicovat, m_stav.AktivniRezim == Rezim::Procvicovani);
    Nabidky::Zaskrtnout(m_menu->M1Zkouset, m_stav.AktivniRezim == Rezim::Zkouseni);

    m_menu->ZobrazitMenu2(zapnout, rezim == Rezim::Procvicovani);
    if (zapnout) {
        m_stavovyRadek->hide();
        for (int i = 0; i < 4; ++i)
            m_pOtazky->NacistZnacku(i, Znamky::Druh::Spravne);
    } else {
        m_stavovyRadek->setVisible(m_menu->M1StavovyRadek->isChecked());
    }
    m_pPomoc->setVisible(zapnout);
    m_pOtazky->setVisible(zapnout);
    m_imgPozadi->setVisible(!zapnout);
    m_pPomoc->Rozvrhnout(m_stav.AktivniRezim, m_stav.AktivniProfil, m_stav.ZvolenaSkupina);

    if (rezim == Rezim::Prohlizeni)
        m_pOtazky->NastavitProhlizeni(zapnout);

    if (beh) {
        for (int i = 0; i < 4; ++i)
            m_pOtazky->UkazatZnacku(i, false);
        if (zapnout)
            m_beh->ZobrazitPrvni();
    }
}

void THlavniFormular::M2KonecRezimuClick()
{
    if (m_stav.AktivniRezim == Rezim::Prohlizeni) {
        PrepnoutRezim(Rezim::Prohlizeni, false);
        return;
    }
    if (Dialogy::Otazka(this, QStringLiteral("Opravdu chcete skončit, i když úlohy nejsou dokončeny?")))
        PrepnoutRezim(m_stav.AktivniRezim, false);
}

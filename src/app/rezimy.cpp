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
    if (beh && !zapnout)
        m_beh->Ukoncit();
    m_rezim = zapnout ? rezim : Rezim::Zadny;
    // The check marks mirror the mode; nothing reads the mode back from them.
    Nabidky::Zaskrtnout(m_menu->M1Prohlizet, m_rezim == Rezim::Prohlizeni);
    Nabidky::Zaskrtnout(m_menu->M1Procvicovat, m_rezim == Rezim::Procvicovani);
    Nabidky::Zaskrtnout(m_menu->M1Zkouset, m_rezim == Rezim::Zkouseni);

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
    // A run shows the group it asks in: a replay's own, else the learner's.
    const QString &skupina = beh && zapnout ? m_stav.Beh().Skupina() : m_stav.Nastaveni().ZvolenaSkupina;
    m_pPomoc->Rozvrhnout(m_rezim, m_stav.AktivniProfil(), skupina);

    if (rezim == Rezim::Prohlizeni)
        m_pOtazky->NastavitProhlizeni(zapnout);

    if (beh) {
        for (int i = 0; i < 4; ++i)
            m_pOtazky->UkazatZnacku(i, false);
        if (zapnout)
            m_beh->Zahajit();
    }
}

void THlavniFormular::M2KonecRezimuClick()
{
    if (m_rezim == Rezim::Prohlizeni) {
        PrepnoutRezim(Rezim::Prohlizeni, false);
        return;
    }
    if (Dialogy::Otazka(this, QStringLiteral("Opravdu chcete skončit, i když úlohy nejsou dokončeny?")))
        PrepnoutRezim(m_rezim, false);
}

#include "practice/rizenibehu.h"

#include "app/dialogy.h"
#include "app/hlavniformular.h"
#include "app/panelotazky.h"
#include "app/panelpomoc.h"
#include "practice/beh.h"
#include "practice/dotaz.h"
#include "practice/vyhodnoceni.h"

#include <QKeyEvent>
#include <QTimer>

TRizeniBehu::TRizeniBehu(THlavniFormular &okno) : QObject(&okno), m_okno(okno), m_timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("RizeniBehu"));
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    connect(m_timer1, &QTimer::timeout, this, &TRizeniBehu::Timer1Timer);
    okno.installEventFilter(this);
}

bool TRizeniBehu::BehBezi() const
{
    const Rezim r = m_okno.Stav().AktivniRezim;
    return r == Rezim::Procvicovani || r == Rezim::Zkouseni;
}

bool TRizeniBehu::PripravitBeh(bool zkouseni)
{
    StavProgramu &stav = m_okno.Stav();
    const int q = Beh::PocetOtazek(m_okno.Banka(), stav);
    if (q < 1) {
        Dialogy::Informace(&m_okno, QStringLiteral("Zvoleným okruhům otázek neodpovídá pro skupinu %1 žádná otázka. "
                                                   "Změňte okruhy nebo skupinu v nastavení programu.")
                                        .arg(stav.ZvolenaSkupina));
        return false;
    }
    {
        TDotazPZ dotaz(stav, zkouseni, q, &m_okno);
        Dialogy::Vycentrovat(&dotaz, &m_okno);
        dotaz.exec();
    }
    Beh::PripravitSeznam(stav);
    if (stav.PostupnyVyber)
        Beh::NajitPrvniOtazku(m_okno.Banka(), stav);
    m_okno.PanelPomoc().NastavitCelkem(stav.CelkemOtazek);
    return true;
}

void TRizeniBehu::DalsiOtazka()
{
    StavProgramu &stav = m_okno.Stav();
    m_okno.PanelPomoc().NastavitZbyva(stav.Zbyva);
    if (const std::optional<int> x = Beh::DalsiOtazka(m_okno.Banka(), stav))
        m_okno.PanelOtazky().ZobrazitOtazku(*x);
    else if (stav.Zbyva > 0) // a run without questions left has nothing to show, and nothing went wrong
        Dialogy::Chyba(&m_okno, QStringLiteral("Další otázku nelze vybrat: žádná další otázka neodpovídá zvoleným okruhům a skupině."));
}

void TRizeniBehu::stAClick(int odpoved)
{
    if (!BehBezi() || !m_okno.Stav().CekaNaOdpoved)
        return;
    TPanelOtazky &panel = m_okno.PanelOtazky();
    panel.UkazatZnacku(odpoved, !panel.ZnackaViditelna(odpoved));
}

void TRizeniBehu::pOtazkyMouseDown(Qt::MouseButton tlacitko)
{
    TPanelOtazky &panel = m_okno.PanelOtazky();
    StavProgramu &stav = m_okno.Stav();
    if (panel.VerdiktViditelny() || tlacitko != Qt::RightButton || !BehBezi())
        return;
    if (stav.CekaNaOdpoved) {
        for (int i = 0; i < 4; ++i)
            if (panel.ZnackaViditelna(i)) {
                VyhodnotitOdpoved();
                return;
            }
        return; // an empty answer cannot be confirmed
    }
    if (stav.Zbyva > 0) {
        PripravitZnacky();
        DalsiOtazka();
        return;
    }
    Vyhodnotit();
}

void TRizeniBehu::PripravitZnacky()
{
    TPanelOtazky &panel = m_okno.PanelOtazky();
    for (int i = 0; i < 4; ++i) {
        panel.NacistZnacku(i, Znamky::Druh::Spravne);
        panel.UkazatZnacku(i, false);
    }
    m_okno.Stav().CekaNaOdpoved = true;
}

void TRizeniBehu::VyhodnotitOdpoved()
{
    TPanelOtazky &panel = m_okno.PanelOtazky();
    std::array<bool, 4> vybrane{};
    for (int i = 0; i < 4; ++i)
        vybrane[static_cast<size_t>(i)] = panel.ZnackaViditelna(i);
    const Beh::Hodnoceni h = Beh::VyhodnotitOdpoved(m_okno.Stav(), vybrane);
    for (int i = 0; i < 4; ++i) {
        switch (h.znacky[static_cast<size_t>(i)]) {
        case Beh::Znacka::Opomenuta:
            panel.NacistZnacku(i, Znamky::Druh::Opomenuta);
            panel.UkazatZnacku(i, true);
            break;
        case Beh::Znacka::Spatna: panel.NacistZnacku(i, Znamky::Druh::Spatne); break;
        case Beh::Znacka::BezeZmeny: break;
        }
    }
    m_okno.PanelPomoc().NastavitUspesnost(m_okno.Stav().UspesnostBehu);
    panel.UkazatVerdikt(h.spravne);
    m_timer1->start(1500);
}

void TRizeniBehu::Timer1Timer()
{
    m_okno.PanelOtazky().SkrytVerdikt();
    m_timer1->stop();
}

void TRizeniBehu::M2OznacSpravneClick()
{
    StavProgramu &stav = m_okno.Stav();
    if (stav.AktivniRezim != Rezim::Procvicovani || !Beh::Napoveda(stav))
        return;
    m_okno.PanelOtazky().UkazatSpravne(stav.SpravnePismena);
}

void TRizeniBehu::Vyhodnotit()
{
    StavProgramu &stav = m_okno.Stav();
    const Rezim rezim = stav.AktivniRezim;
    int vysledek = QDialog::Accepted;
    {
        TResult vyhodnoceni(stav, rezim == Rezim::Zkouseni, &m_okno);
        Dialogy::Vycentrovat(&vyhodnoceni, &m_okno);
        vysledek = vyhodnoceni.exec();
    }
    if (vysledek == TResult::Opakovat) {
        m_okno.PanelPomoc().NastavitUspesnost(0);
        m_okno.PanelPomoc().NastavitCelkem(stav.CelkemOtazek);
        stav.OpakovatSeznam = true;
        PripravitZnacky();
        DalsiOtazka();
    } else {
        m_okno.PrepnoutRezim(rezim, false);
    }
}

// The keyboard answers as the mouse does: A-D and 1-4 select, Enter and Space act as the right button.
bool TRizeniBehu::eventFilter(QObject *objekt, QEvent *udalost)
{
    if (udalost->type() != QEvent::KeyPress || !BehBezi())
        return QObject::eventFilter(objekt, udalost);
    const auto *klavesa = static_cast<QKeyEvent *>(udalost);
    if (klavesa->modifiers() & ~Qt::KeypadModifier)
        return QObject::eventFilter(objekt, udalost);
    const int k = klavesa->key();
    const bool odpoved = (k >= Qt::Key_A && k <= Qt::Key_D) || (k >= Qt::Key_1 && k <= Qt::Key_4)
                         || k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space;
    if (odpoved && klavesa->isAutoRepeat())
        return true; // a key held down answers once, not on and off
    if (k >= Qt::Key_A && k <= Qt::Key_D) {
        stAClick(k - Qt::Key_A);
        return true;
    }
    if (k >= Qt::Key_1 && k <= Qt::Key_4) {
        stAClick(k - Qt::Key_1);
        return true;
    }
    if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space) {
        pOtazkyMouseDown(Qt::RightButton);
        return true;
    }
    return QObject::eventFilter(objekt, udalost);
}

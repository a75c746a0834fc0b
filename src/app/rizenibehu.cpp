#include "app/rizenibehu.h"

#include "app/panelotazky.h"
#include "app/panelpomoc.h"
#include "data/hodiny.h"
#include "logika/stav.h"
#include "okna/dialogy.h"
#include "practice/dotaz.h"
#include "practice/vyhodnoceni.h"
#include "practice/vysledky.h"
#include "uceni/poradiuceni.h"

#include <QKeyEvent>
#include <QTimer>

TRizeniBehu::TRizeniBehu(StavProgramu &stav, BankaOtazek &banka, TPanelOtazky &otazky, TPanelPomoc &pomoc,
                         QWidget &okno)
    : QObject(&okno), m_stav(stav), m_banka(banka), m_otazky(otazky), m_pomoc(pomoc), m_okno(okno),
      m_timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("RizeniBehu"));
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    connect(m_timer1, &QTimer::timeout, this, &TRizeniBehu::Timer1Timer);
    okno.installEventFilter(this);
    m_stav.Beh.NastavitPosluchace([this](const PosouzenaOdpoved &odpoved) { ZaznamenatOdpoved(odpoved); });
}

bool TRizeniBehu::BehBezi() const
{
    const Rezim r = m_stav.AktivniRezim;
    return r == Rezim::Procvicovani || r == Rezim::Zkouseni;
}

bool TRizeniBehu::PripravitBeh(DruhBehu druh)
{
    const int q = BehOtazek::PocetOtazek(m_banka, m_stav);
    if (q < 1) {
        Dialogy::Informace(&m_okno, QStringLiteral("Zvoleným okruhům otázek neodpovídá pro skupinu %1 žádná otázka. "
                                                   "Změňte okruhy nebo skupinu v nastavení programu.")
                                        .arg(m_stav.ZvolenaSkupina));
        return false;
    }
    const PoradiOtazek poradi = PoradiZNastaveni(m_stav);
    // The learning order needs the memory: read before the dialog, so that a table that cannot be
    // read is told before the learner chooses anything.
    const PametProfilu *pamet = nullptr;
    if (poradi == PoradiOtazek::PodlePameti) {
        try {
            pamet = &m_stav.Pamet.Nacist(m_stav.AktivniProfil);
        } catch (const ChybaTabulky &e) {
            Dialogy::Chyba(&m_okno, e.Text());
            return false;
        }
    }
    TDotazPZ dotaz(druh, q, poradi, &m_okno);
    Dialogy::Vycentrovat(&dotaz, &m_okno);
    dotaz.exec();
    if (pamet)
        m_stav.Beh.ZacitPodlePameti(
            m_stav, druh, OtazkyBehuPodlePameti(m_banka, m_stav, *pamet, Hodiny::Ted().date(), dotaz.Pocet()));
    else
        m_stav.Beh.Zacit(m_banka, m_stav, druh, poradi, dotaz.Pocet(), dotaz.Zacatek());
    return true;
}

void TRizeniBehu::ZaznamenatOdpoved(const PosouzenaOdpoved &odpoved)
{
    try {
        m_stav.Pamet.Zaznamenat(m_stav.AktivniProfil, odpoved, Hodiny::Ted());
    } catch (const ChybaTabulky &e) {
        if (m_chybaZapisuHlasena)
            return;
        m_chybaZapisuHlasena = true;
        Dialogy::Chyba(&m_okno, e.Text() + QStringLiteral("\n\nOdpověď se nepodařilo uložit, takže ji výběr podle paměti ani "
                                                          "přehled znalostí nezapočítají. Můžete pokračovat; další "
                                                          "chyby ukládání odpovědí program do konce této řady otázek "
                                                          "nehlásí."));
    }
}

void TRizeniBehu::ZobrazitPrvni()
{
    m_chybaZapisuHlasena = false;
    m_pomoc.NastavitCelkem(m_stav.Beh.CelkemOtazek());
    m_pomoc.NastavitUspesnost(0);
    DalsiOtazka();
}

void TRizeniBehu::DalsiOtazka()
{
    BehOtazek &beh = m_stav.Beh;
    m_pomoc.NastavitZbyva(beh.Zbyva());
    if (const std::optional<int> x = beh.DalsiOtazka(m_banka))
        m_otazky.ZobrazitOtazku(*x);
    else if (beh.Zbyva() > 0) // a run without questions left has nothing to show, and nothing went wrong
        Dialogy::Chyba(&m_okno, QStringLiteral("Další otázku nelze vybrat: žádná další otázka neodpovídá zvoleným okruhům a skupině."));
}

void TRizeniBehu::stAClick(int odpoved)
{
    if (BehBezi() && m_stav.Beh.Oznacit(odpoved))
        m_otazky.UkazatZnacku(odpoved, m_stav.Beh.Oznacena(odpoved));
}

void TRizeniBehu::pOtazkyMouseDown(Qt::MouseButton tlacitko)
{
    const BehOtazek &beh = m_stav.Beh;
    if (m_otazky.VerdiktViditelny() || tlacitko != Qt::RightButton || !BehBezi())
        return;
    if (beh.CekaNaOdpoved()) {
        if (beh.NecoOznaceno()) // an empty answer cannot be confirmed
            VyhodnotitOdpoved();
        return;
    }
    if (beh.Zbyva() > 0) {
        PripravitZnacky();
        DalsiOtazka();
        return;
    }
    Vyhodnotit();
}

void TRizeniBehu::PripravitZnacky()
{
    for (int i = 0; i < 4; ++i) {
        m_otazky.NacistZnacku(i, Znamky::Druh::Spravne);
        m_otazky.UkazatZnacku(i, false);
    }
}

void TRizeniBehu::VyhodnotitOdpoved()
{
    const Hodnoceni h = m_stav.Beh.Potvrdit();
    for (int i = 0; i < 4; ++i) {
        switch (h.znacky[static_cast<size_t>(i)]) {
        case Znacka::Opomenuta:
            m_otazky.NacistZnacku(i, Znamky::Druh::Opomenuta);
            m_otazky.UkazatZnacku(i, true);
            break;
        case Znacka::Spatna: m_otazky.NacistZnacku(i, Znamky::Druh::Spatne); break;
        case Znacka::BezeZmeny: break;
        }
    }
    m_pomoc.NastavitUspesnost(m_stav.Beh.UspesnostBehu());
    m_otazky.UkazatVerdikt(h.spravne);
    m_timer1->start(1500);
}

void TRizeniBehu::Timer1Timer()
{
    m_otazky.SkrytVerdikt();
    m_timer1->stop();
}

void TRizeniBehu::M2OznacSpravneClick()
{
    if (BehBezi() && m_stav.Beh.Napoveda())
        m_otazky.UkazatSpravne(m_stav.Beh.SpravnePismena());
}

// The record is decided and written before the evaluation shows, so that a question or an error
// comes first; the dialog then shows the figures and what became of the record.
void TRizeniBehu::Vyhodnotit()
{
    BehOtazek &beh = m_stav.Beh;
    const ZaznamVysledku zaznam = beh.Vysledek(m_stav.AktivniProfil, Hodiny::Ted());
    TResult::Protokol protokol = TResult::Protokol::Zapsan;
    switch (Vysledky::RozhodnoutOZapisu(beh, m_stav)) {
    case Vysledky::Zapis::Vypnuto: protokol = TResult::Protokol::Vypnuto; break;
    case Vysledky::Zapis::ZeptatSe:
        if (!Dialogy::Otazka(&m_okno, QStringLiteral("Chcete vytvořit protokol i z této opravy?")))
            protokol = TResult::Protokol::Odmitnut;
        break;
    case Vysledky::Zapis::Zapsat: break;
    }
    if (protokol == TResult::Protokol::Zapsan) {
        try {
            Vysledky::Zapsat(zaznam);
        } catch (const ChybaTabulky &e) {
            Dialogy::Chyba(&m_okno, e.Text());
            protokol = TResult::Protokol::Chyba;
        }
    }

    int vysledek = QDialog::Accepted;
    {
        TResult vyhodnoceni(zaznam, beh.Druh(), protokol, &m_okno);
        Dialogy::Vycentrovat(&vyhodnoceni, &m_okno);
        vysledek = vyhodnoceni.exec();
    }
    if (vysledek == TResult::Opakovat) {
        beh.Opakovat();
        PripravitZnacky();
        ZobrazitPrvni();
    } else {
        emit KonecBehu();
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

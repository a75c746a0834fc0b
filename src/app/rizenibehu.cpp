#include "app/rizenibehu.h"

#include "app/panelotazky.h"
#include "app/panelpomoc.h"
#include "app/stavzaka.h"
#include "data/hodiny.h"
#include "okna/dialogy.h"
#include "practice/dotaz.h"
#include "practice/vyhodnoceni.h"
#include "practice/vysledky.h"
#include "uceni/poradiuceni.h"

#include <QKeyEvent>
#include <QTimer>

TRizeniBehu::TRizeniBehu(StavZaka &stav, BankaOtazek &banka, TPanelOtazky &otazky, TPanelPomoc &pomoc,
                         QWidget &okno)
    : QObject(&okno), m_stav(stav), m_banka(banka), m_otazky(otazky), m_pomoc(pomoc), m_okno(okno),
      m_timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("RizeniBehu"));
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    connect(m_timer1, &QTimer::timeout, this, &TRizeniBehu::Timer1Timer);
    okno.installEventFilter(this);
}

bool TRizeniBehu::PripravitBeh(DruhBehu druh)
{
    const Konfigurace &nastaveni = m_stav.Nastaveni();
    const int q = BehOtazek::PocetOtazek(m_banka, nastaveni);
    if (q < 1) {
        Dialogy::Informace(&m_okno, QStringLiteral("Zvoleným okruhům otázek neodpovídá pro skupinu %1 žádná otázka. "
                                                   "Změňte okruhy nebo skupinu v nastavení programu.")
                                        .arg(nastaveni.ZvolenaSkupina));
        return false;
    }
    const PoradiOtazek poradi = PoradiZNastaveni(nastaveni);
    // The learning order needs the memory: read before the dialog, so that a table that cannot be
    // read is told before the learner chooses anything.
    const PametProfilu *pamet = nullptr;
    if (poradi == PoradiOtazek::PodlePameti) {
        try {
            pamet = &m_stav.Pamet();
        } catch (const ChybaTabulky &e) {
            Dialogy::Chyba(&m_okno, e.Text());
            return false;
        }
    }
    const QList<OtazkaUceni> podlePameti = pamet ? PoradiBehu(m_banka, nastaveni, *pamet, Hodiny::Ted().date())
                                                 : QList<OtazkaUceni>();
    TDotazPZ dotaz(druh, q, poradi, &m_okno);
    if (pamet)
        dotaz.NastavitSlozeni([&podlePameti](int pocet) { return SlozeniBehu(podlePameti, pocet); });
    Dialogy::Vycentrovat(&dotaz, &m_okno);
    dotaz.exec();
    if (pamet)
        ZacitPodlePameti(m_stav.Beh(), nastaveni, druh, podlePameti, dotaz.Pocet());
    else
        m_stav.Beh().Zacit(m_banka, nastaveni, druh, poradi, dotaz.Pocet(), dotaz.Zacatek());
    return true;
}

void TRizeniBehu::Zahajit()
{
    m_bezi = true;
    ZobrazitPrvni();
}

void TRizeniBehu::Ukoncit()
{
    m_bezi = false;
    m_stav.Beh().Ukoncit();
    m_pomoc.NastavitDuvod({});
}

void TRizeniBehu::ZobrazitPrvni()
{
    m_stav.ZacitSerii();
    m_pomoc.NastavitCelkem(m_stav.Beh().CelkemOtazek());
    m_pomoc.NastavitUspesnost(0);
    DalsiOtazka();
}

void TRizeniBehu::DalsiOtazka()
{
    BehOtazek &beh = m_stav.Beh();
    m_pomoc.NastavitZbyva(beh.Zbyva());
    if (const std::optional<int> x = beh.DalsiOtazka(m_banka)) {
        m_otazky.UkazatPoznamku(false);
        m_otazky.ZobrazitOtazku(*x);
        m_pomoc.NastavitDuvod(beh.Duvod());
    }
    else if (beh.Zbyva() > 0) // a run without questions left has nothing to show, and nothing went wrong
        Dialogy::Chyba(&m_okno, QStringLiteral("Další otázku nelze vybrat: žádná další otázka neodpovídá zvoleným okruhům a skupině."));
}

void TRizeniBehu::stAClick(int odpoved)
{
    if (m_bezi && m_stav.Beh().Oznacit(odpoved))
        m_otazky.UkazatZnacku(odpoved, m_stav.Beh().Oznacena(odpoved));
}

void TRizeniBehu::pOtazkyMouseDown(Qt::MouseButton tlacitko)
{
    const BehOtazek &beh = m_stav.Beh();
    if (m_otazky.VerdiktViditelny() || tlacitko != Qt::RightButton || !m_bezi)
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
    const Hodnoceni h = m_stav.Beh().Potvrdit();
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
    m_pomoc.NastavitUspesnost(m_stav.Beh().UspesnostBehu());
    m_otazky.UkazatVerdikt(h.spravne);
    if (!h.spravne)
        UkazatVysvetleni();
    m_timer1->start(1500);
}

// Practice explains a mistake with the question's note until the next question; an examination
// leaves the learner to find out.
void TRizeniBehu::UkazatVysvetleni()
{
    if (m_stav.Beh().Druh() == DruhBehu::Procvicovani)
        m_otazky.UkazatPoznamku(true);
}

void TRizeniBehu::Timer1Timer()
{
    m_otazky.SkrytVerdikt();
    m_timer1->stop();
}

void TRizeniBehu::M2OznacSpravneClick()
{
    if (m_bezi && m_stav.Beh().Napoveda()) {
        m_otazky.UkazatSpravne(m_stav.Beh().SpravnePismena());
        UkazatVysvetleni();
    }
}

// The record is decided and written before the evaluation shows, so that a question or an error
// comes first; the dialog then shows the figures and what became of the record.
void TRizeniBehu::Vyhodnotit()
{
    BehOtazek &beh = m_stav.Beh();
    const ZaznamVysledku zaznam = beh.Vysledek(m_stav.AktivniProfil(), Hodiny::Ted());
    TResult::Protokol protokol = TResult::Protokol::Zapsan;
    switch (Vysledky::RozhodnoutOZapisu(beh, m_stav.Nastaveni())) {
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
    if (udalost->type() != QEvent::KeyPress || !m_bezi)
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

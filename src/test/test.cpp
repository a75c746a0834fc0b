#include "test/test.h"

#include "data/hodiny.h"
#include "kresby/kresby.h"
#include "logika/nahoda.h"
#include "okna/dialogy.h"
#include "okna/vzhled.h"
#include "okna/zvetseni.h"
#include "test/plan.h"
#include "test/pozicetestu.h"
#include "test/protokoltestu.h"
#include "test/vyhodnocenitestu.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace {

constexpr int Sirka = 772, Vyska = 546;
constexpr int VyskaStranek = 497;
constexpr int VyskaVyhodnoceni = 580; // outer height of the window with the evaluation view
constexpr int TopPozice = 4;
// The first position of each of the seven pages.
constexpr std::array<int, 8> ZacatkyListu{1, 5, 9, 13, 17, 21, 24, 26};

const QString TitulekTestu = QStringLiteral("Test z předpisů o provozu na pozemních komunikacích");
const QString TitulekVyhodnoceni = QStringLiteral("Vyhodnocení testu z předpisů o provozu na pozemních komunikacích");

} // namespace

TTestForm::TTestForm(const Konfigurace &nastaveni, QWidget *rodic) : QDialog(rodic), m_nastaveni(nastaveni)
{
    setObjectName(QStringLiteral("TestForm"));
    setWindowTitle(TitulekTestu);
    static const QIcon ikona = Kresby::IkonaOkna(); // painted once for every test of the run
    setWindowIcon(ikona);
    setWindowFlags(Vzhled::OknoDialogu);
    setFont(ListTestu::PismoOkna());
    setFixedSize(Sirka, Vyska);

    m_pcTest = new QTabWidget(this);
    m_pcTest->setObjectName(QStringLiteral("pcTest"));
    m_pcTest->setFont(ListTestu::PismoTextu());
    m_pcTest->setGeometry(0, 0, Sirka, VyskaStranek);
    for (int list = 1; list <= 7; ++list) {
        auto *stranka = new QWidget;
        stranka->setObjectName(QStringLiteral("List%1").arg(list));
        Vzhled::BarvaPozadi(stranka, Qt::white);
        m_pcTest->addTab(stranka, QStringLiteral("List%1").arg(list));
        for (int p = ZacatkyListu[static_cast<size_t>(list - 1)]; p < ZacatkyListu[static_cast<size_t>(list)]; ++p) {
            auto *pozice = new TPoziceTestu(p, stranka);
            pozice->move(6, TopPozice);
            connect(pozice, &TPoziceTestu::cb1AClick, this, [this] { m_pcTest->setFocus(); });
            m_pozice[static_cast<size_t>(p - 1)] = pozice;
        }
    }

    QList<QLabel *> panely;
    m_stavRadek = Vzhled::StavovyRadek(this, "StavRadek", {193, 193, 193, 193}, Sirka, panely);
    std::copy(panely.begin(), panely.end(), m_panely.begin());
    for (QLabel *panel : m_panely)
        panel->setAlignment(Qt::AlignCenter);
    const int vyskaRadku = m_stavRadek->height();
    m_stavRadek->move(0, Vyska - vyskaRadku);

    const int topTlacitek = VyskaStranek + (Vyska - vyskaRadku - VyskaStranek - 26) / 2;
    m_btnVyhodnotit = new QPushButton(QStringLiteral("&Vyhodnotit test"), this);
    m_btnVyhodnotit->setObjectName(QStringLiteral("btnVyhodnotit"));
    m_btnVyhodnotit->setGeometry(226, topTlacitek, 140, 26);
    connect(m_btnVyhodnotit, &QPushButton::clicked, this, &TTestForm::btnVyhodnotitClick);
    m_btnZrusit = new QPushButton(QStringLiteral("&Ukončit test"), this);
    m_btnZrusit->setObjectName(QStringLiteral("btnZrusit"));
    m_btnZrusit->setGeometry(406, topTlacitek, 140, 26);
    connect(m_btnZrusit, &QPushButton::clicked, this, &QWidget::close);
    // Enter on the sheet neither evaluates nor ends the test: Space on the focused button, Alt+V or Alt+U do.
    m_btnVyhodnotit->setAutoDefault(false);
    m_btnZrusit->setAutoDefault(false);

    TObrazekOtazky::KlavesaZ(m_pcTest, [this] { return ObrazekListu(); });

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &TTestForm::Timer1Timer);

    FormCreate();
}

TTestForm::~TTestForm() = default;

void TTestForm::FormCreate()
{
    const QString &skupina = m_nastaveni.ZvolenaSkupina;
    Vzhled::TextSeJmenem(m_panely[0], QStringLiteral("Uživatel: "), m_nastaveni.AktivniProfil);
    m_panely[1]->setText(QStringLiteral("Skupina: ") + skupina);
    m_minPocetBodu = PlanTestu::MinPocetBodu(skupina).value_or(0);
    m_panely[2]->setText(QStringLiteral("Minimální potřeba bodů: %1").arg(m_minPocetBodu));
    m_panely[3]->setText(QStringLiteral("Čas do konce: ") + VysledekTestu::CasNaText(PlanTestu::CasTestuSekund));
    m_pripraven = ZahajTest();
    if (m_pripraven)
        m_datumACas = Hodiny::Ted();
}

bool TTestForm::ZahajTest()
{
    try {
        m_banka.Otevrit();
        Nahoda nahoda = Nahoda::ZCasu();
        QString proc;
        const auto polozky =
            VylosujTest(m_banka, m_nastaveni.ZvolenaSkupina, [&nahoda](int n) { return nahoda.Dalsi(n); }, &proc);
        if (!polozky) {
            Dialogy::Chyba(parentWidget(), proc);
            return false;
        }
        m_polozky = *polozky;
        NaplnListy();
    } catch (const ChybaTabulky &e) {
        Dialogy::Chyba(parentWidget(), e.Text());
        return false;
    }

    if (const QScreen *obrazovka = screen()) {
        const QRect r = obrazovka->geometry();
        move(r.left() + (r.width() - frameGeometry().width()) / 2, r.top() + (r.height() - frameGeometry().height()) / 2);
    }
    // One line feed between the sentences: a carriage return after it would draw a second break.
    Dialogy::Informace(this, QStringLiteral("Po stisknutí tlačítka OK začne plynout doba 30 minut, která je dostatečně "
                                            "dlouhá pro vyřešení testu.\nV případě, že budete hotovi dřív, stiskněte "
                                            "tlačítko \"Vyhodnotit test\"!"));
    m_zbyvaSekund = PlanTestu::CasTestuSekund;
    m_timer1->start();
    return true;
}

// Every position gets its question, the texts their heights, and the group boxes are stacked on
// their pages; a page that cannot hold its positions makes the window taller.
void TTestForm::NaplnListy()
{
    const int ram = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, m_pcTest);
    int vyskaListu = m_pcTest->height() - m_pcTest->tabBar()->sizeHint().height() - ram;
    for (TPoziceTestu *pozice : m_pozice) {
        const int p = pozice->Pozice();
        pozice->Naplnit(m_banka.Nacist(m_polozky[static_cast<size_t>(p - 1)].SkutCis));
        const bool prvniNaListu = std::find(ZacatkyListu.begin(), ZacatkyListu.end(), p) != ZacatkyListu.end();
        if (!prvniNaListu) {
            const TPoziceTestu *nad = m_pozice[static_cast<size_t>(p - 2)];
            pozice->move(pozice->x(), nad->y() + nad->height() + 2);
        }
        // The last page is measured too: its positions would otherwise be cut off unseen.
        const bool posledniNaListu = std::find(ZacatkyListu.begin(), ZacatkyListu.end(), p + 1) != ZacatkyListu.end();
        if (posledniNaListu) {
            const int spodek = pozice->y() + pozice->height() + 4;
            if (spodek > vyskaListu) {
                const int navic = spodek - vyskaListu;
                vyskaListu += navic;
                setFixedSize(width(), height() + navic);
                m_pcTest->resize(m_pcTest->width(), m_pcTest->height() + navic);
                for (QWidget *w : {static_cast<QWidget *>(m_btnVyhodnotit), static_cast<QWidget *>(m_btnZrusit),
                                   static_cast<QWidget *>(m_stavRadek)})
                    w->move(w->x(), w->y() + navic);
            }
        }
    }
}

// The picture of the position the keyboard is at, else the first one of the page shown.
TObrazekOtazky *TTestForm::ObrazekListu() const
{
    const QWidget *stranka = m_pcTest->currentWidget();
    TObrazekOtazky *prvni = nullptr;
    for (const TPoziceTestu *pozice : m_pozice) {
        if (pozice->parentWidget() != stranka || !pozice->Obrazek())
            continue;
        if (pozice->isAncestorOf(focusWidget()))
            return pozice->Obrazek();
        if (!prvni)
            prvni = pozice->Obrazek();
    }
    return prvni;
}

void TTestForm::Timer1Timer()
{
    --m_zbyvaSekund;
    m_panely[3]->setText(QStringLiteral("Čas do konce: ") + VysledekTestu::CasNaText(m_zbyvaSekund));
    if (m_zbyvaSekund == 0)
        btnVyhodnotitClick();
}

void TTestForm::btnVyhodnotitClick()
{
    m_timer1->stop();
    Vyhodnot();
    m_pcTest->hide();
    m_stavRadek->hide();
    m_btnVyhodnotit->setEnabled(false);
    m_btnZrusit->setEnabled(false);
    const int ram = frameGeometry().height() - geometry().height();
    setFixedSize(width(), VyskaVyhodnoceni - ram);
    m_pVyhodnoceni->setGeometry(rect());
    m_pVyhodnoceni->show();
    m_pVyhodnoceni->raise();
    setWindowTitle(TitulekVyhodnoceni);
    m_pVyhodnoceni->FokusOK();
}

void TTestForm::Vyhodnot()
{
    for (size_t i = 0; i < m_polozky.size(); ++i)
        m_polozky[i].Odpoved = m_pozice[i]->Odpoved();
    m_skore = VysledekTestu::Vyhodnot(m_polozky);
    emit Vyhodnocen(m_polozky, Hodiny::Ted());
    // Made only now: most of its controls serve the review alone.
    m_pVyhodnoceni = new TVyhodnoceniTestu(m_banka, m_polozky, this);
    m_pVyhodnoceni->hide();
    connect(m_pVyhodnoceni, &TVyhodnoceniTestu::btnOKClick, this, &QWidget::close);
    const bool protokol = m_nastaveni.VytvaretProtokol[2];
    m_pVyhodnoceni->ZobrazVyhodnoceni({m_nastaveni.AktivniProfil, m_nastaveni.ZvolenaSkupina, m_minPocetBodu,
                                       m_zbyvaSekund, m_skore, protokol});
    Dialogy::Informace(this, VysledekTestu::Zprava(m_polozky, m_skore, m_minPocetBodu, m_zbyvaSekund));
    if (!protokol)
        return;
    try {
        ProtokolTestu::Zapsat(ProtokolTestu::Zaznam({m_nastaveni.AktivniProfil, m_datumACas, m_nastaveni.ZvolenaSkupina,
                                                    m_zbyvaSekund, m_skore, m_minPocetBodu, m_polozky}));
    } catch (const ChybaTabulky &e) {
        Dialogy::Chyba(this, e.Text());
        m_pVyhodnoceni->ProtokolNezapsan();
    }
}

// While the countdown runs, only a confirmed question ends the test, unevaluated.
bool TTestForm::MuzeZavrit()
{
    if (!m_timer1->isActive())
        return true;
    if (!Dialogy::Otazka(this, QStringLiteral("Opravdu chcete ukončit tento test?")))
        return false;
    m_timer1->stop();
    return true;
}

void TTestForm::closeEvent(QCloseEvent *udalost)
{
    if (!MuzeZavrit()) {
        udalost->ignore();
        return;
    }
    udalost->accept();
    done(QDialog::Rejected);
}

void TTestForm::reject()
{
    if (MuzeZavrit())
        QDialog::reject();
}

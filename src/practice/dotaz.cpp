#include "practice/dotaz.h"

#include "okna/vzhled.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {

constexpr int Sirka = 340;
constexpr int Vyska = 206;

// A bar the keyboard reaches with Tab and moves by one with the arrows (Left and Up back), by ten
// with Page Up and Down, to its ends with Home and End. Its page step stays 1, so that a click beside
// the handle still moves it by one.
class Posuvnik : public QScrollBar {
public:
    Posuvnik(QWidget *rodic, const char *jmeno, const QString &popis, int maximum, int pozice, const QRect &kde)
        : QScrollBar(Qt::Horizontal, rodic)
    {
        setObjectName(QString::fromLatin1(jmeno));
        setAccessibleName(popis);
        setFocusPolicy(Qt::StrongFocus);
        setRange(1, maximum);
        setPageStep(1);
        setValue(pozice);
        setGeometry(kde);
    }

protected:
    void keyPressEvent(QKeyEvent *udalost) override
    {
        constexpr int Stranka = 10;
        if (udalost->modifiers() & ~Qt::KeypadModifier) {
            QScrollBar::keyPressEvent(udalost);
            return;
        }
        switch (udalost->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up: setValue(value() - 1); break;
        case Qt::Key_Right:
        case Qt::Key_Down: setValue(value() + 1); break;
        case Qt::Key_PageUp: setValue(value() - Stranka); break;
        case Qt::Key_PageDown: setValue(value() + Stranka); break;
        case Qt::Key_Home: setValue(minimum()); break;
        case Qt::Key_End: setValue(maximum()); break;
        default: QScrollBar::keyPressEvent(udalost); return;
        }
        udalost->accept();
    }

    // The style draws no focus on a scroll bar: a dotted frame shows where the keys go.
    void paintEvent(QPaintEvent *udalost) override
    {
        QScrollBar::paintEvent(udalost);
        if (!hasFocus())
            return;
        QStylePainter malir(this);
        QStyleOptionFocusRect volby;
        volby.initFrom(this);
        volby.rect = rect().adjusted(1, 1, -1, -1);
        malir.drawPrimitive(QStyle::PE_FrameFocusRect, volby);
    }
};

} // namespace

TDotazPZ::TDotazPZ(DruhBehu druh, int pocet, PoradiOtazek poradi, QWidget *rodic)
    : QDialog(rodic, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_q(std::max(1, pocet))
{
    const bool zkouseni = druh == DruhBehu::Zkouseni;
    // The learning order's account of the run takes a line of its own under the count.
    const int radek = poradi == PoradiOtazek::PodlePameti ? 22 : 0;
    setObjectName(QStringLiteral("DotazPZ"));
    setWindowTitle(QStringLiteral("Dotaz programu Semaforix"));
    setFixedSize(Sirka, Vyska + radek);

    auto *lbNadpis = Vzhled::Popisek(this, "lbNadpis", zkouseni ? QStringLiteral("Zkoušení otázek") : QStringLiteral("Procvičování otázek"),
                             {0, 10, Sirka, 24});
    QFont tucne = lbNadpis->font();
    tucne.setBold(true);
    tucne.setPointSize(tucne.pointSize() + 3);
    lbNadpis->setFont(tucne);
    Vzhled::BarvaTextu(lbNadpis, Qt::blue);
    lbNadpis->setAlignment(Qt::AlignCenter);

    const int pocatek = m_q > 20 ? 20 : m_q;
    m_lbPocet = Vzhled::Popisek(this, "lbPocet", QStringLiteral("Počet otázek: %1").arg(pocatek), {20, 44, 300, 18});
    m_sbPocet = new Posuvnik(this, "sbPocet", QStringLiteral("Počet otázek"), m_q, pocatek, {20, 64, 300, 17});
    if (radek)
        m_lbPodlePameti = Vzhled::Popisek(this, "lbPodlePameti", QString(), {20, 86, 300, 18});
    m_lbOtazka = Vzhled::Popisek(this, "lbOtazka", QStringLiteral("Začít otázkou: 1*"), {20, 92 + radek, 300, 18});
    m_sbOtazka = new Posuvnik(this, "sbOtazka", QStringLiteral("Začít otázkou"), m_q, 1, {20, 112 + radek, 300, 17});
    auto *lbHvezda = Vzhled::Popisek(this, "lbHvezda", QStringLiteral("*"), {20, 136 + radek, 10, 16});
    auto *stHvezda = Vzhled::Popisek(this, "stHvezda", QStringLiteral("Myslí se relativně vzhledem k možnosti výběru okruhu otázek"),
                             {30, 136 + radek, 290, 30});
    stHvezda->setWordWrap(true);
    stHvezda->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Only number order begins at a position.
    for (QWidget *w : {static_cast<QWidget *>(m_sbOtazka), static_cast<QWidget *>(m_lbOtazka),
                       static_cast<QWidget *>(lbHvezda), static_cast<QWidget *>(stHvezda)})
        w->setEnabled(poradi == PoradiOtazek::PodleCisla);

    auto *btnPotvrdit = new QPushButton(zkouseni ? QStringLiteral("Start Zkoušení") : QStringLiteral("Start Procvičování"), this);
    btnPotvrdit->setObjectName(QStringLiteral("btnPotvrdit"));
    btnPotvrdit->setGeometry((Sirka - 140) / 2, 170 + radek, 140, 27);
    btnPotvrdit->setDefault(true);
    connect(btnPotvrdit, &QPushButton::clicked, this, &QDialog::accept);

    Vzhled::PoradiKlavesnice({m_sbPocet, m_sbOtazka, btnPotvrdit});
    m_sbPocet->setFocus();

    connect(m_sbPocet, &QScrollBar::valueChanged, this, &TDotazPZ::sbPocetChange);
    connect(m_sbOtazka, &QScrollBar::valueChanged, this, &TDotazPZ::sbOtazkaChange);
}

void TDotazPZ::NastavitSlozeni(Slozeni slozeni)
{
    m_slozeni = std::move(slozeni);
    sbPocetChange(m_sbPocet->value());
}

void TDotazPZ::sbPocetChange(int pozice)
{
    m_lbPocet->setText(QStringLiteral("Počet otázek: %1").arg(pozice));
    if (m_lbPodlePameti && m_slozeni)
        m_lbPodlePameti->setText(m_slozeni(pozice));
    Omezit(m_sbOtazka, pozice);
}

void TDotazPZ::sbOtazkaChange(int pozice)
{
    m_lbOtazka->setText(QStringLiteral("Začít otázkou: %1*").arg(pozice));
    Omezit(m_sbPocet, pozice);
}

// The count and the start always leave the run inside the Q questions: count + start <= Q + 1. A bar
// the user moved pulls the other one back where the two would not.
void TDotazPZ::Omezit(QScrollBar *druhy, int pozice)
{
    const int nejvice = m_q - pozice + 1;
    if (m_nastavuje || druhy->value() <= nejvice)
        return;
    m_nastavuje = true;
    druhy->setValue(nejvice);
    m_nastavuje = false;
}

int TDotazPZ::Pocet() const { return m_sbPocet->value(); }

int TDotazPZ::Zacatek() const { return m_sbOtazka->value(); }

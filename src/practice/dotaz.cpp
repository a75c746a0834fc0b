#include "practice/dotaz.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr int Sirka = 340;
constexpr int Vyska = 206;

QLabel *Popisek(QWidget *rodic, const char *jmeno, const QString &text, const QRect &kde)
{
    auto *l = new QLabel(text, rodic);
    l->setObjectName(QString::fromLatin1(jmeno));
    l->setGeometry(kde);
    return l;
}

QScrollBar *Posuvnik(QWidget *rodic, const char *jmeno, int maximum, int pozice, const QRect &kde)
{
    auto *sb = new QScrollBar(Qt::Horizontal, rodic);
    sb->setObjectName(QString::fromLatin1(jmeno));
    sb->setRange(1, maximum);
    sb->setPageStep(1);
    sb->setValue(pozice);
    sb->setGeometry(kde);
    return sb;
}

} // namespace

TDotazPZ::TDotazPZ(StavProgramu &stav, bool zkouseni, int pocet, QWidget *rodic)
    : QDialog(rodic, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_stav(stav), m_q(std::max(1, pocet))
{
    setObjectName(QStringLiteral("DotazPZ"));
    setWindowTitle(QStringLiteral("Dotaz programu Semaforix"));
    setFixedSize(Sirka, Vyska);

    auto *lbNadpis = Popisek(this, "lbNadpis", zkouseni ? QStringLiteral("Zkoušení otázek") : QStringLiteral("Procvičování otázek"),
                             {0, 10, Sirka, 24});
    QFont tucne = lbNadpis->font();
    tucne.setBold(true);
    tucne.setPointSize(tucne.pointSize() + 3);
    lbNadpis->setFont(tucne);
    QPalette modra = lbNadpis->palette();
    modra.setColor(QPalette::WindowText, Qt::blue);
    lbNadpis->setPalette(modra);
    lbNadpis->setAlignment(Qt::AlignCenter);

    const int pocatek = m_q > 20 ? 20 : m_q;
    m_lbPocet = Popisek(this, "lbPocet", QStringLiteral("Počet otázek: %1").arg(pocatek), {20, 44, 300, 18});
    m_sbPocet = Posuvnik(this, "sbPocet", m_q, pocatek, {20, 64, 300, 17});
    m_lbOtazka = Popisek(this, "lbOtazka", QStringLiteral("Začít otázkou: 1*"), {20, 92, 300, 18});
    m_sbOtazka = Posuvnik(this, "sbOtazka", m_q, 1, {20, 112, 300, 17});
    auto *lbHvezda = Popisek(this, "lbHvezda", QStringLiteral("*"), {20, 136, 10, 16});
    auto *stHvezda = Popisek(this, "stHvezda", QStringLiteral("Myslí se relativně vzhledem k možnosti výběru okruhu otázek"),
                             {30, 136, 290, 30});
    stHvezda->setWordWrap(true);
    stHvezda->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // With random selection the start position means nothing.
    for (QWidget *w : {static_cast<QWidget *>(m_sbOtazka), static_cast<QWidget *>(m_lbOtazka),
                       static_cast<QWidget *>(lbHvezda), static_cast<QWidget *>(stHvezda)})
        w->setEnabled(stav.PostupnyVyber);

    auto *btnPotvrdit = new QPushButton(zkouseni ? QStringLiteral("Start Zkoušení") : QStringLiteral("Start Procvičování"), this);
    btnPotvrdit->setObjectName(QStringLiteral("btnPotvrdit"));
    btnPotvrdit->setGeometry((Sirka - 140) / 2, 170, 140, 27);
    btnPotvrdit->setDefault(true);
    connect(btnPotvrdit, &QPushButton::clicked, this, &QDialog::accept);

    connect(m_sbPocet, &QScrollBar::valueChanged, this, &TDotazPZ::sbPocetChange);
    connect(m_sbOtazka, &QScrollBar::valueChanged, this, &TDotazPZ::sbOtazkaChange);
}

// The count and the start always leave the run inside the Q questions: count + start <= Q + 1.
void TDotazPZ::sbPocetChange(int pozice)
{
    m_lbPocet->setText(QStringLiteral("Počet otázek: %1").arg(pozice));
    if (m_nastavuje)
        return;
    if (m_sbOtazka->value() > m_q - pozice + 1) {
        m_nastavuje = true;
        m_sbOtazka->setValue(m_q - pozice + 1);
        m_nastavuje = false;
    }
}

void TDotazPZ::sbOtazkaChange(int pozice)
{
    m_lbOtazka->setText(QStringLiteral("Začít otázkou: %1*").arg(pozice));
    if (m_nastavuje)
        return;
    if (m_sbPocet->value() > m_q - pozice + 1) {
        m_nastavuje = true;
        m_sbPocet->setValue(m_q - pozice + 1);
        m_nastavuje = false;
    }
}

void TDotazPZ::FormClose()
{
    m_stav.Zbyva = m_sbPocet->value();
    m_stav.ZacitOtazkou = m_sbOtazka->value();
}

// Every way of closing (the button, Enter, Escape, the window manager) ends here.
void TDotazPZ::done(int vysledek)
{
    FormClose();
    QDialog::done(vysledek);
}

#include "test/pozicetestu.h"

#include "data/banka.h"
#include "okna/rozvrzeni.h"
#include "okna/vzhled.h"
#include "okna/zvetseni.h"
#include "test/plan.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>

namespace {

constexpr int Sirka = 750;
constexpr int VyskaRadku = 16;
constexpr int LevaOtazky = 8, SirkaOtazky = 734;
constexpr int LevaPole = 8, SirkaPole = 34;
constexpr int LevaOdpovedi = 42, SirkaOdpovedi = 700;
constexpr int MezeraObrazku = 8;

// Positions 17 to 21 show a sign, 23 to 25 a crossroad; the others have no picture.
QSize VelikostObrazku(int pozice)
{
    if (pozice >= 17 && pozice <= 21)
        return {96, 96};
    if (pozice >= 23 && pozice <= 25)
        return {300, 175};
    return {};
}

QString TitulekPozice(int pozice)
{
    const int body = PlanTestu::BodyPozice(pozice);
    return QStringLiteral("%1. otázka (%2 %3)").arg(pozice).arg(body).arg(body == 1 ? QStringLiteral("bod") : QStringLiteral("body"));
}

} // namespace

namespace ListTestu {

QFont PismoTextu()
{
    QFont pismo = Vzhled::PismoOkna();
    pismo.setPixelSize(13);
    return pismo;
}

QFont PismoOkna()
{
    QFont pismo = PismoTextu();
    pismo.setPixelSize(11);
    return pismo;
}

int VyskaTextu(const QString &text, int sirka)
{
    static const QFont pismo = PismoTextu();
    return VyskaRadku * Rozvrzeni::PocetRadku(pismo, text, sirka);
}

} // namespace ListTestu

TPoziceTestu::TPoziceTestu(int pozice, QWidget *rodic)
    : QGroupBox(TitulekPozice(pozice), rodic), m_pozice(pozice),
      m_vyskaNavrhu(pozice >= 23 ? 200 : 115), m_stO(Vzhled::ZalomenyText(this, QStringLiteral("st%1O").arg(pozice)))
{
    setObjectName(QStringLiteral("gb%1").arg(pozice));
    resize(Sirka, m_vyskaNavrhu);
    Vzhled::BarvaTextu(m_stO, Qt::blue);
    m_stO->installEventFilter(this);

    const QString pismena = QStringLiteral("ABCD");
    for (int i = 0; i < 4; ++i) {
        m_cb[i] = new QCheckBox(QStringLiteral("%1)").arg(pismena[i].toLower()), this);
        // The fourth box of the first position has always borne this name.
        m_cb[i]->setObjectName(pozice == 1 && i == 3 ? QStringLiteral("cd1D") : QStringLiteral("cb%1%2").arg(pozice).arg(pismena[i]));
        // A click does not take the focus to the box; the keyboard does.
        m_cb[i]->setFocusPolicy(Qt::TabFocus);
        connect(m_cb[i], &QCheckBox::clicked, this, [this, i] {
            if (!m_cb[i]->hasFocus())
                emit cb1AClick();
        });
        m_st[i] = Vzhled::ZalomenyText(this, QStringLiteral("st%1%2").arg(pozice).arg(pismena[i]));
        m_st[i]->installEventFilter(this);
    }
    if (const QSize s = VelikostObrazku(pozice); s.isValid()) {
        m_img = new TObrazekOtazky(this);
        m_img->setObjectName(QStringLiteral("img%1").arg(pozice));
        m_img->setAlignment(Qt::AlignCenter);
        m_img->setGeometry(Sirka - LevaOtazky - s.width(), 0, s.width(), s.height());
    }
}

void TPoziceTestu::Naplnit(const OtazkaBanky &otazka)
{
    m_stO->setText(otazka.otazka);
    for (size_t i = 0; i < 4; ++i) {
        m_st[i]->setText(otazka.odpovedi[i]);
        m_cb[i]->setAccessibleDescription(otazka.odpovedi[i]);
        // A question of three answers offers no box for a fourth. (A position is filled once, and
        // showing a child of a hidden window would only polish it early.)
        if (otazka.odpovedi[i].isEmpty())
            m_cb[i]->hide();
    }

    int zuzeni = 0;
    if (m_img) {
        // Inside the frame, level with the question text: the caption stands above the frame's top line.
        m_img->move(m_img->x(), TopObsahu());
        const bool obrazek = !otazka.obrazek.isEmpty() && m_img->Nacist(otazka.obrazek);
        if (obrazek) {
            m_img->setAccessibleName(QStringLiteral("Obrázek k otázce %1").arg(m_pozice));
            zuzeni = m_img->width() + MezeraObrazku;
        } else {
            m_img->hide();
        }
    }

    const int sirkaOtazky = SirkaOtazky - zuzeni, sirkaOdpovedi = SirkaOdpovedi - zuzeni;
    m_stO->setGeometry(LevaOtazky, TopObsahu(), sirkaOtazky, ListTestu::VyskaTextu(m_stO->text(), sirkaOtazky));
    int top = m_stO->y() + m_stO->height();
    for (size_t i = 0; i < 4; ++i) {
        m_st[i]->setGeometry(LevaOdpovedi, top, sirkaOdpovedi, ListTestu::VyskaTextu(m_st[i]->text(), sirkaOdpovedi));
        m_cb[i]->setGeometry(LevaPole, top + 1, SirkaPole, VyskaRadku);
        top += m_st[i]->height();
    }
    int vyska = top + 6;
    if (m_img && m_img->isVisibleTo(this))
        vyska = std::max({vyska, m_vyskaNavrhu, m_img->y() + m_img->height() + 4});
    resize(Sirka, vyska);
}

TObrazekOtazky *TPoziceTestu::Obrazek() const { return m_img && m_img->isVisibleTo(this) ? m_img : nullptr; }

// Below the caption and the frame's top line.
int TPoziceTestu::TopObsahu() const { return fontMetrics().height() + 7; }

QString TPoziceTestu::Odpoved() const
{
    QString pismena;
    for (const QCheckBox *cb : m_cb)
        if (cb->isChecked())
            pismena += cb->objectName().back(); // the letter is the last character of the name
    return pismena;
}

bool TPoziceTestu::eventFilter(QObject *objekt, QEvent *udalost)
{
    if (udalost->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(udalost)->button() == Qt::LeftButton)
        for (int i = 0; i < 4; ++i)
            if (objekt == m_st[i]) {
                st1AClick(i);
                return true;
            }
    return QGroupBox::eventFilter(objekt, udalost);
}

// A click on an answer text ticks or unticks its box.
void TPoziceTestu::st1AClick(int odpoved)
{
    m_cb[static_cast<size_t>(odpoved)]->toggle();
}

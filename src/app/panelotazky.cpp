#include "app/panelotazky.h"

#include "app/panelprohlizeni.h"
#include "data/banka.h"
#include "okna/dialogy.h"
#include "okna/rozvrzeni.h"
#include "okna/vzhled.h"
#include "okna/zvetseni.h"

#include <QLabel>
#include <QMouseEvent>

#include <algorithm>

namespace {

const QString OznameniVyrazeni =
    QStringLiteral("Otázka vyřazena v srpnu 2001 či po novele zákona 247/00 Sb. v lednu 2002");

QLabel *Text(QWidget *rodic, const QString &jmeno, int x, int sirka)
{
    QLabel *l = Vzhled::ZalomenyText(rodic, jmeno);
    l->setGeometry(x, 0, sirka, 0);
    return l;
}

} // namespace

TPanelOtazky::TPanelOtazky(BankaOtazek &banka, QWidget *rodic)
    : QFrame(rodic), m_banka(banka), m_titulek(new QLabel(this))
{
    setObjectName(QStringLiteral("pOtazky"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Vzhled::BarvaPozadi(this, Qt::white);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(16);
    setFont(arial);

    m_titulek->setObjectName(QStringLiteral("Titulek"));
    m_titulek->setAlignment(Qt::AlignCenter);
    m_titulek->hide();

    m_lbCisloOtazky = new QLabel(this);
    m_lbCisloOtazky->setObjectName(QStringLiteral("lbCisloOtazky"));
    m_lbCisloOtazky->move(8, 5);

    m_stOtazka = Text(this, QStringLiteral("stOtazka"), Rozvrzeni::LevaOtazky, Rozvrzeni::ZakladniSirka + 37);
    m_stOtazka->move(Rozvrzeni::LevaOtazky, Rozvrzeni::TopOtazky);
    Vzhled::BarvaTextu(m_stOtazka, Qt::blue);
    const QString pismena = QStringLiteral("ABCD");
    for (int i = 0; i < 4; ++i) {
        m_img[i] = new QLabel(this);
        m_img[i]->setObjectName(QStringLiteral("img") + pismena[i]);
        m_img[i]->setGeometry(8, 0, Znamky::Velikost, Znamky::Velikost);
        m_img[i]->hide();
        m_lb[i] = new QLabel(QStringLiteral("%1)").arg(pismena[i].toLower()), this);
        m_lb[i]->setObjectName(QStringLiteral("lb") + pismena[i]);
        m_lb[i]->setGeometry(26, 0, 19, Rozvrzeni::VyskaRadku);
        m_st[i] = Text(this, QStringLiteral("st") + pismena[i], Rozvrzeni::LevaOdpovedi, Rozvrzeni::ZakladniSirka);
    }
    m_stPoznamka = Text(this, QStringLiteral("stPoznamka"), Rozvrzeni::LevaPoznamky, Rozvrzeni::SirkaPoznamky);
    QFont kurziva = font();
    kurziva.setItalic(true);
    m_stPoznamka->setFont(kurziva);
    Vzhled::BarvaTextu(m_stPoznamka, QColor(128, 128, 128));
    m_stPoznamka->hide();

    m_imgObrazek = new TObrazekOtazky(this);
    m_imgObrazek->setObjectName(QStringLiteral("imgObrazek"));
    m_imgObrazek->move(Rozvrzeni::LevaObrazkuZnacky, Rozvrzeni::TopObrazku);
    m_imgObrazek->hide();
    TObrazekOtazky::KlavesaZ(this, [this] { return m_imgObrazek; });

    m_pSpravne = new QFrame(this);
    m_pSpravne->setObjectName(QStringLiteral("pSpravne"));
    m_pSpravne->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_pSpravne->setGeometry(264, 152, 105, 33);
    Vzhled::BarvaPozadi(m_pSpravne, Vzhled::BarvaOkna);
    m_lbVerdikt = new QLabel(QStringLiteral("Správně"), m_pSpravne);
    m_lbVerdikt->setObjectName(QStringLiteral("lbSpravne"));
    QFont tucne = font();
    tucne.setBold(true);
    m_lbVerdikt->setFont(tucne);
    Vzhled::BarvaTextu(m_lbVerdikt, Vzhled::Zelena);
    m_lbVerdikt->setAlignment(Qt::AlignCenter);
    m_lbVerdikt->setGeometry(0, 0, 105, 33);
    m_pSpravne->hide();

    m_prohlizeni = new TPanelProhlizeni(this);
    m_prohlizeni->hide();
    connect(m_prohlizeni, &TPanelProhlizeni::ZobrazitOtazku, this, &TPanelOtazky::ZobrazitOtazku);
    connect(m_prohlizeni, &TPanelProhlizeni::ZvetsitObrazek, m_imgObrazek, &TObrazekOtazky::Zvetsit);

    for (QLabel *l : std::initializer_list<QLabel *>{m_imgObrazek, m_lbCisloOtazky, m_stOtazka})
        l->installEventFilter(this);
    for (int i = 0; i < 4; ++i)
        for (QLabel *l : {m_img[i], m_lb[i], m_st[i]})
            l->installEventFilter(this);
}

void TPanelOtazky::resizeEvent(QResizeEvent *udalost)
{
    QFrame::resizeEvent(udalost);
    m_titulek->setGeometry(contentsRect());
}

void TPanelOtazky::mousePressEvent(QMouseEvent *udalost)
{
    emit pOtazkyMouseDown(udalost->button());
    QFrame::mousePressEvent(udalost);
}

bool TPanelOtazky::eventFilter(QObject *objekt, QEvent *udalost)
{
    if (udalost->type() == QEvent::MouseButtonPress) {
        const Qt::MouseButton tlacitko = static_cast<QMouseEvent *>(udalost)->button();
        // The left button on the picture enlarges it and answers nothing.
        if (objekt == m_imgObrazek && tlacitko == Qt::LeftButton) {
            m_imgObrazek->Zvetsit();
            return true;
        }
        for (int i = 0; i < 4; ++i)
            if (tlacitko == Qt::LeftButton && (objekt == m_lb[i] || objekt == m_st[i]))
                emit stAClick(i);
        emit pOtazkyMouseDown(tlacitko);
        return true;
    }
    return QFrame::eventFilter(objekt, udalost);
}

QString TPanelOtazky::Titulek() const { return m_titulek->text(); }

void TPanelOtazky::NastavitProhlizeni(bool zapnuto)
{
    // The number field hidden keeps no focus, which would take the keys of the run that follows.
    if (QWidget *fokus = window()->focusWidget(); !zapnuto && fokus && m_prohlizeni->isAncestorOf(fokus))
        fokus->clearFocus();
    m_prohlizeni->setVisible(zapnuto);
    m_stPoznamka->setVisible(zapnuto);
    if (zapnuto)
        m_prohlizeni->Zacit();
}

void TPanelOtazky::UkazatPoznamku(bool viditelna) { m_stPoznamka->setVisible(viditelna); }

void TPanelOtazky::ZobrazitOtazku(int n)
{
    m_cislo = n;
    if (!m_banka.OtazkaExistuje(n)) {
        ZobrazitTexty(false);
        return;
    }
    try {
        VyplnitOtazku(m_banka.Nacist(n));
    } catch (const ChybaTabulky &e) {
        Dialogy::Chyba(this, e.Text());
    }
}

void TPanelOtazky::VyplnitOtazku(const OtazkaBanky &otazka)
{
    if (!Titulek().isEmpty())
        ZobrazitTexty(true);
    m_lbCisloOtazky->setText(QStringLiteral("Otázka číslo %1").arg(m_cislo));
    m_lbCisloOtazky->adjustSize();
    m_stOtazka->setText(otazka.otazka);
    for (int i = 0; i < 4; ++i) {
        m_st[i]->setText(otazka.odpovedi[static_cast<size_t>(i)]);
        // A question of three answers shows no lone "d)" over its note.
        m_lb[i]->setVisible(!m_st[i]->text().isEmpty());
    }
    m_stPoznamka->setText(otazka.poznamka);
    RozvrhnoutTexty(otazka.obrazek);
    ZarovnatZnacky();
    if (m_prohlizeni->isVisibleTo(this))
        UkazatSpravne(otazka.spravne);
}

// Each text is wrapped to its width, given the height of its lines and placed below the one before.
void TPanelOtazky::RozvrhnoutTexty(const QString &obrazek)
{
    const int n = m_cislo;
    int sirkaObrazku = 0, vyskaObrazku = 0;
    if (const int leva = Rozvrzeni::LevaObrazku(n)) {
        if (m_imgObrazek->Nacist(obrazek)) {
            m_imgObrazek->resize(m_imgObrazek->pixmap().size());
            m_imgObrazek->move(leva, Rozvrzeni::TopObrazku);
            m_imgObrazek->show();
            sirkaObrazku = m_imgObrazek->width();
            vyskaObrazku = m_imgObrazek->height();
        } else {
            m_imgObrazek->hide(); // the texts keep their full width beside a picture that failed
        }
    } else {
        m_imgObrazek->hide();
    }

    const std::array<QLabel *, Rozvrzeni::PocetTextu> texty{m_stOtazka, m_st[0], m_st[1], m_st[2], m_st[3], m_stPoznamka};
    std::array<QString, Rozvrzeni::PocetTextu> obsah;
    for (int i = 0; i < Rozvrzeni::PocetTextu; ++i)
        obsah[i] = texty[i]->text();
    // Each text measured in the font it is drawn in, the note in its italics.
    const auto v = Rozvrzeni::Rozvrhnout(n, obsah, sirkaObrazku, vyskaObrazku,
                                         [&texty](Rozvrzeni::Text ktery, const QString &text, int sirka) {
                                             return Rozvrzeni::PocetRadku(texty[ktery]->font(), text, sirka);
                                         });
    for (int i = 0; i < Rozvrzeni::PocetTextu; ++i) {
        const auto &r = v.texty[i];
        texty[i]->setGeometry(r.x, r.y, r.sirka, r.vyska);
    }
    // Nothing stands below the note: it takes the room its label draws in, the descenders of its last
    // line below their 18 px too.
    if (m_stPoznamka->height() > 0)
        m_stPoznamka->resize(m_stPoznamka->width(),
                             std::max(m_stPoznamka->height(), m_stPoznamka->heightForWidth(m_stPoznamka->width())));
}

void TPanelOtazky::ZarovnatZnacky()
{
    for (int i = 0; i < 4; ++i) {
        const int top = m_st[i]->y();
        m_lb[i]->move(m_lb[i]->x(), top);
        m_img[i]->move(m_img[i]->x(), top);
    }
}

void TPanelOtazky::UkazatSpravne(const QString &pismena)
{
    for (int i = 0; i < 4; ++i)
        m_img[i]->setVisible(pismena.contains(QChar(u'A' + i)));
}

void TPanelOtazky::ZobrazitTexty(bool viditelne)
{
    m_lbCisloOtazky->setText(QStringLiteral("Otázka číslo %1").arg(m_cislo));
    m_lbCisloOtazky->adjustSize();
    m_titulek->setText(viditelne ? QString() : OznameniVyrazeni);
    m_titulek->setVisible(!viditelne);
    m_titulek->lower();
    for (int i = 0; i < 4; ++i) {
        m_img[i]->hide();
        m_lb[i]->setVisible(viditelne);
        m_st[i]->setVisible(viditelne);
    }
    m_stOtazka->setVisible(viditelne);
    m_stPoznamka->clear();
    m_imgObrazek->hide();
}

bool TPanelOtazky::NacistZnacku(int odpoved, Znamky::Druh druh)
{
    return Vzhled::NacistObrazek(m_img[static_cast<size_t>(odpoved)], Znamky::Cesta(druh), this);
}

void TPanelOtazky::UkazatZnacku(int odpoved, bool viditelna) { m_img[static_cast<size_t>(odpoved)]->setVisible(viditelna); }

bool TPanelOtazky::ZnackaViditelna(int odpoved) const { return m_img[static_cast<size_t>(odpoved)]->isVisibleTo(this); }

void TPanelOtazky::UkazatVerdikt(bool spravne)
{
    m_lbVerdikt->setText(spravne ? QStringLiteral("Správně") : QStringLiteral("Špatně"));
    Vzhled::BarvaTextu(m_lbVerdikt, spravne ? Vzhled::Zelena : QColor(Qt::red));
    m_pSpravne->show();
    m_pSpravne->raise();
}

void TPanelOtazky::SkrytVerdikt() { m_pSpravne->hide(); }

bool TPanelOtazky::VerdiktViditelny() const { return m_pSpravne->isVisibleTo(this); }

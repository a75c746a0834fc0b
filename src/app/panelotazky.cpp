#include "app/panelotazky.h"

#include "app/dialogy.h"
#include "app/panelprohlizeni.h"
#include "app/rozvrzeni.h"
#include "data/adresare.h"
#include "data/banka.h"

#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>

namespace {

const QString OznameniVyrazeni =
    QStringLiteral("Otázka vyřazena v srpnu 2001 či po novele zákona 247/00 Sb. v lednu 2002");

QLabel *Text(QWidget *rodic, const QString &jmeno, int x, int sirka)
{
    auto *l = new QLabel(rodic);
    l->setObjectName(jmeno);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setContentsMargins(0, 0, 0, 0);
    l->setGeometry(x, 0, sirka, 0);
    return l;
}

void Barva(QLabel *l, const QColor &barva)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, barva);
    l->setPalette(p);
}

} // namespace

TPanelOtazky::TPanelOtazky(BankaOtazek &banka, StavProgramu &stav, QWidget *rodic)
    : QFrame(rodic), m_banka(banka), m_stav(stav), m_titulek(new QLabel(this))
{
    setObjectName(QStringLiteral("pOtazky"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QPalette bila = palette();
    bila.setColor(QPalette::Window, Qt::white);
    setPalette(bila);
    setAutoFillBackground(true);
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
    Barva(m_stOtazka, Qt::blue);
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
    Barva(m_stPoznamka, QColor(128, 128, 128));
    m_stPoznamka->hide();

    m_imgObrazek = new QLabel(this);
    m_imgObrazek->setObjectName(QStringLiteral("imgObrazek"));
    m_imgObrazek->move(Rozvrzeni::LevaObrazkuZnacky, Rozvrzeni::TopObrazku);
    m_imgObrazek->hide();

    m_pSpravne = new QFrame(this);
    m_pSpravne->setObjectName(QStringLiteral("pSpravne"));
    m_pSpravne->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_pSpravne->setGeometry(264, 152, 105, 33);
    QPalette sede = m_pSpravne->palette();
    sede.setColor(QPalette::Window, QColor(224, 223, 227));
    m_pSpravne->setPalette(sede);
    m_pSpravne->setAutoFillBackground(true);
    m_lbVerdikt = new QLabel(QStringLiteral("Správně"), m_pSpravne);
    m_lbVerdikt->setObjectName(QStringLiteral("lbSpravne"));
    QFont tucne = font();
    tucne.setBold(true);
    m_lbVerdikt->setFont(tucne);
    Barva(m_lbVerdikt, QColor(0, 128, 0));
    m_lbVerdikt->setAlignment(Qt::AlignCenter);
    m_lbVerdikt->setGeometry(0, 0, 105, 33);
    m_pSpravne->hide();

    m_prohlizeni = new TPanelProhlizeni(this);
    m_prohlizeni->hide();
    connect(m_prohlizeni, &TPanelProhlizeni::ZobrazitOtazku, this, &TPanelOtazky::ZobrazitOtazku);

    for (QLabel *l : {m_imgObrazek, m_lbCisloOtazky, m_stOtazka})
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
    m_prohlizeni->setVisible(zapnuto);
    m_stPoznamka->setVisible(zapnuto);
    if (zapnuto)
        m_prohlizeni->Zacit();
}

void TPanelOtazky::ZobrazitOtazku(int n)
{
    m_stav.AktualniOtazka = n;
    if (!m_banka.OtazkaExistuje(n)) {
        // No letters of the question shown before may be taken for this one's.
        m_stav.SpravnePismena.clear();
        m_stav.SkupinyOtazky.clear();
        ZobrazitTexty(false);
        return;
    }
    try {
        const OtazkaBanky otazka = m_banka.Nacist(n);
        m_stav.SpravnePismena = otazka.spravne;
        m_stav.SkupinyOtazky = otazka.skupina;
        VyplnitOtazku(otazka);
    } catch (const ChybaTabulky &e) {
        Dialogy::Chyba(this, e.Text());
    }
}

void TPanelOtazky::VyplnitOtazku(const OtazkaBanky &otazka)
{
    if (!Titulek().isEmpty())
        ZobrazitTexty(true);
    m_lbCisloOtazky->setText(QStringLiteral("Otázka číslo %1").arg(m_stav.AktualniOtazka));
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
        UkazatSpravne(m_stav.SpravnePismena);
}

bool TPanelOtazky::NacistObrazek(QLabel *cil, const QString &cesta)
{
    auto kde = m_obrazky.constFind(cesta);
    if (kde == m_obrazky.constEnd()) {
        QImageReader ctecka(Adresare::Zdroj(cesta));
        const QImage obraz = ctecka.read();
        if (obraz.isNull()) {
            Dialogy::Chyba(this, QStringLiteral("Obrázek %1 nelze načíst: %2").arg(cesta, ctecka.errorString()));
            return false;
        }
        kde = m_obrazky.insert(cesta, QPixmap::fromImage(obraz));
    }
    cil->setPixmap(*kde);
    cil->resize(kde->size());
    return true;
}

// Each text is wrapped to its width, given the height of its lines and placed below the one before.
void TPanelOtazky::RozvrhnoutTexty(const QString &obrazek)
{
    const int n = m_stav.AktualniOtazka;
    int sirkaObrazku = 0, vyskaObrazku = 0;
    if (const int leva = Rozvrzeni::LevaObrazku(n)) {
        if (NacistObrazek(m_imgObrazek, obrazek)) {
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
    const QFont pismo = m_stOtazka->font();
    const auto v = Rozvrzeni::Rozvrhnout(n, obsah, sirkaObrazku, vyskaObrazku, [&pismo](const QString &text, int sirka) {
        return Rozvrzeni::PocetRadku(pismo, text, sirka);
    });
    for (int i = 0; i < Rozvrzeni::PocetTextu; ++i) {
        const auto &r = v.texty[i];
        texty[i]->setGeometry(r.x, r.y, r.sirka, r.vyska);
    }
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
    m_lbCisloOtazky->setText(QStringLiteral("Otázka číslo %1").arg(m_stav.AktualniOtazka));
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
    return NacistObrazek(m_img[static_cast<size_t>(odpoved)], Znamky::Cesta(druh));
}

void TPanelOtazky::UkazatZnacku(int odpoved, bool viditelna) { m_img[static_cast<size_t>(odpoved)]->setVisible(viditelna); }

bool TPanelOtazky::ZnackaViditelna(int odpoved) const { return m_img[static_cast<size_t>(odpoved)]->isVisibleTo(this); }

void TPanelOtazky::UkazatVerdikt(bool spravne)
{
    m_lbVerdikt->setText(spravne ? QStringLiteral("Správně") : QStringLiteral("Špatně"));
    Barva(m_lbVerdikt, spravne ? QColor(0, 128, 0) : QColor(255, 0, 0));
    m_pSpravne->show();
    m_pSpravne->raise();
}

void TPanelOtazky::SkrytVerdikt() { m_pSpravne->hide(); }

bool TPanelOtazky::VerdiktViditelny() const { return m_pSpravne->isVisibleTo(this); }

// The question view of the main window: one question of the bank laid out on pOtazky.
#include "app/hlavniformular.h"

#include "app/dialogy.h"
#include "app/rozvrzeni.h"

#include <QImageReader>
#include <QLabel>
#include <QPixmap>

namespace {

QString T(const char *utf8) { return QString::fromUtf8(utf8); }

const char *const OznameniVyrazeni = "Otázka vyřazena v srpnu 2001 či po novele zákona 247/00 Sb. v lednu 2002";

QLabel *Text(QWidget *rodic, const QString &jmeno, int x, int y, int sirka)
{
    auto *l = new QLabel(rodic);
    l->setObjectName(jmeno);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setContentsMargins(0, 0, 0, 0);
    l->setGeometry(x, y, sirka, 0);
    return l;
}

void Barva(QLabel *l, const QColor &barva)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, barva);
    l->setPalette(p);
}

} // namespace

void THlavniFormular::VytvoritOtazku()
{
    lbCisloOtazky = new QLabel(pOtazky);
    lbCisloOtazky->setObjectName(QStringLiteral("lbCisloOtazky"));
    lbCisloOtazky->move(8, 5);

    stOtazka = Text(pOtazky, QStringLiteral("stOtazka"), 8, 24, 617);
    Barva(stOtazka, Qt::blue);
    const char *pismena = "ABCD";
    for (int i = 0; i < 4; ++i) {
        imgOdpovedi[i] = new QLabel(pOtazky);
        imgOdpovedi[i]->setObjectName(QStringLiteral("img") + QLatin1Char(pismena[i]));
        imgOdpovedi[i]->setGeometry(8, 0, 18, 18);
        imgOdpovedi[i]->hide();
        lbOdpovedi[i] = new QLabel(QStringLiteral("%1)").arg(QLatin1Char(static_cast<char>('a' + i))), pOtazky);
        lbOdpovedi[i]->setObjectName(QStringLiteral("lb") + QLatin1Char(pismena[i]));
        lbOdpovedi[i]->setGeometry(26, 0, 19, 18);
        stOdpovedi[i] = Text(pOtazky, QStringLiteral("st") + QLatin1Char(pismena[i]), 45, 0, 580);
    }
    stPoznamka = Text(pOtazky, QStringLiteral("stPoznamka"), 25, 0, 597);
    QFont kurziva = pOtazky->font();
    kurziva.setItalic(true);
    stPoznamka->setFont(kurziva);
    Barva(stPoznamka, QColor(128, 128, 128));

    imgObrazek = new QLabel(pOtazky);
    imgObrazek->setObjectName(QStringLiteral("imgObrazek"));
    imgObrazek->move(Rozvrzeni::LevaObrazkuZnacky, Rozvrzeni::TopObrazku);
    imgObrazek->hide();

    pSpravne = new QFrame(pOtazky);
    pSpravne->setObjectName(QStringLiteral("pSpravne"));
    pSpravne->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pSpravne->setGeometry(264, 152, 105, 33);
    auto *spravne = new QLabel(T("Správně"), pSpravne);
    spravne->setObjectName(QStringLiteral("lbSpravne"));
    QFont tucne = pOtazky->font();
    tucne.setBold(true);
    spravne->setFont(tucne);
    Barva(spravne, QColor(0, 128, 0));
    spravne->setAlignment(Qt::AlignCenter);
    spravne->setGeometry(0, 0, 105, 33);
    pSpravne->hide();
}

void THlavniFormular::ZobrazitOtazku(int n)
{
    m_stav.AktualniOtazka = n;
    m_banka.AktualniOtazka = n;
    try {
        if (!m_banka.OtazkaExistuje(n)) {
            ZobrazitTexty(false);
            return;
        }
        Tabulka &t = m_banka.Zobrazeni();
        m_banka.Rezim = BankaOtazek::RezimFiltru::Cislo;
        t.NastavitFiltrovani(true);
        m_stav.SpravnePismena = t.Text(PoleOtazky::Spravne);
        m_stav.SkupinyOtazky = t.Text(PoleOtazky::Skupina);
        VyplnitOtazku();
        m_banka.ZnovuOtevrit();
    } catch (const ChybaTabulky &e) {
        Dialogy::Chyba(this, e.Text());
    }
}

void THlavniFormular::VyplnitOtazku()
{
    if (!pOtazky->Titulek().isEmpty())
        ZobrazitTexty(true);
    const Tabulka &t = m_banka.Zobrazeni();
    lbCisloOtazky->setText(T("Otázka číslo ") + QString::number(m_stav.AktualniOtazka));
    lbCisloOtazky->adjustSize();
    stOtazka->setText(t.Text(PoleOtazky::Otazka));
    for (int i = 0; i < 4; ++i) {
        stOdpovedi[i]->setText(t.Text(PoleOtazky::A + i));
        // A question of three answers shows no lone "d)" over its note.
        lbOdpovedi[i]->setVisible(!stOdpovedi[i]->text().isEmpty());
    }
    stPoznamka->setText(t.Text(PoleOtazky::Poznamka));
    RozvrhnoutTexty();
    ZarovnatZnacky();
    if (pProhlizeni->isVisibleTo(pOtazky))
        UkazatSpravne(m_stav.SpravnePismena);
}

bool THlavniFormular::NacistObrazek(QLabel *cil, const QString &cesta)
{
    QString soubor = cesta;
    soubor.replace(u'\\', u'/');
    QImageReader ctecka(soubor);
    const QImage obraz = ctecka.read();
    if (obraz.isNull()) {
        Dialogy::Chyba(this, T("Obrázek %1 nelze načíst: %2").arg(cesta, ctecka.errorString()));
        return false;
    }
    cil->setPixmap(QPixmap::fromImage(obraz));
    cil->resize(obraz.size());
    return true;
}

// RozvrhnoutText for the six texts in their order: each is wrapped to its width, given the
// height of its lines and placed below the one before it.
void THlavniFormular::RozvrhnoutTexty()
{
    const int n = m_stav.AktualniOtazka;
    int sirkaObrazku = 0, vyskaObrazku = 0;
    if (const int leva = Rozvrzeni::LevaObrazku(n)) {
        if (NacistObrazek(imgObrazek, m_banka.Zobrazeni().Text(PoleOtazky::Obrazek))) {
            imgObrazek->move(leva, Rozvrzeni::TopObrazku);
            imgObrazek->show();
            sirkaObrazku = imgObrazek->width();
            vyskaObrazku = imgObrazek->height();
        } else {
            imgObrazek->hide(); // the texts keep their full width beside a picture that failed
        }
    } else if (n >= 1 && n <= 620) {
        imgObrazek->hide();
    }

    std::array<QLabel *, Rozvrzeni::PocetTextu> texty{stOtazka, stOdpovedi[0], stOdpovedi[1],
                                                      stOdpovedi[2], stOdpovedi[3], stPoznamka};
    std::array<QString, Rozvrzeni::PocetTextu> obsah;
    for (int i = 0; i < Rozvrzeni::PocetTextu; ++i)
        obsah[i] = texty[i]->text();
    const auto v = Rozvrzeni::Rozvrhnout(n, obsah, sirkaObrazku, vyskaObrazku, [&](const QString &text, int sirka) {
        return Rozvrzeni::PocetRadku(stOtazka->font(), text, sirka);
    });
    for (int i = 0; i < Rozvrzeni::PocetTextu; ++i) {
        const auto &r = v.texty[i];
        texty[i]->setGeometry(r.x, r.y, r.sirka, r.vyska);
    }
}

void THlavniFormular::ZarovnatZnacky()
{
    for (int i = 0; i < 4; ++i) {
        const int top = stOdpovedi[i]->y();
        lbOdpovedi[i]->move(lbOdpovedi[i]->x(), top);
        imgOdpovedi[i]->move(imgOdpovedi[i]->x(), top);
    }
}

void THlavniFormular::UkazatSpravne(const QString &pismena)
{
    for (int i = 0; i < 4; ++i)
        imgOdpovedi[i]->setVisible(pismena.contains(QChar(u'A' + i)));
}

void THlavniFormular::ZobrazitTexty(bool viditelne)
{
    lbCisloOtazky->setText(T("Otázka číslo ") + QString::number(m_stav.AktualniOtazka));
    lbCisloOtazky->adjustSize();
    pOtazky->NastavitTitulek(viditelne ? QString() : T(OznameniVyrazeni));
    for (int i = 0; i < 4; ++i) {
        imgOdpovedi[i]->hide();
        lbOdpovedi[i]->setVisible(viditelne);
        stOdpovedi[i]->setVisible(viditelne);
    }
    stOtazka->setVisible(viditelne);
    stPoznamka->clear();
    imgObrazek->hide();
}

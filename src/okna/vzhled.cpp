#include "okna/vzhled.h"

#include "data/adresare.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPixmapCache>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>

namespace Vzhled {

namespace {

QFont Pismo(const QString &rodina, const QString &nahrada, QFont::StyleHint druh)
{
    // The stand-in asked for by its own name: a family that fontconfig does not know costs, even
    // with a substitution, a search for fallbacks at every start (several million instructions).
    // The substitution stays for the Windows name wherever else it is met.
    QFont::insertSubstitution(rodina, nahrada);
    QFont pismo(nahrada);
    pismo.setStyleHint(druh);
    pismo.setPointSize(8);
    return pismo;
}

void Barva(QWidget *w, QPalette::ColorRole role, const QColor &barva)
{
    QPalette paleta = w->palette();
    paleta.setColor(role, barva);
    w->setPalette(paleta);
}

} // namespace

QFont PismoOkna()
{
    return Pismo(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QFont::SansSerif);
}

QFont PismoProtokolu()
{
    QFont pismo = Pismo(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QFont::TypeWriter);
    pismo.setFixedPitch(true);
    return pismo;
}

void BarvaTextu(QWidget *w, const QColor &barva) { Barva(w, QPalette::WindowText, barva); }

void BarvaPozadi(QWidget *w, const QColor &barva)
{
    Barva(w, QPalette::Window, barva);
    w->setAutoFillBackground(true);
}

QPushButton *Tlacitko(QWidget *rodic, const char *jmeno, const QString &text, QRect kde)
{
    auto *b = new QPushButton(text, rodic);
    b->setObjectName(QString::fromLatin1(jmeno));
    b->setGeometry(kde);
    b->setAutoDefault(false);
    return b;
}

void PoradiKlavesnice(const QList<QWidget *> &prvky)
{
    for (qsizetype i = 1; i < prvky.size(); ++i)
        QWidget::setTabOrder(prvky[i - 1], prvky[i]);
}

QLabel *Popisek(QWidget *rodic, const char *jmeno, const QString &text, const QRect &kde)
{
    auto *l = new QLabel(text, rodic);
    l->setObjectName(QString::fromLatin1(jmeno));
    l->setGeometry(kde);
    return l;
}

QLabel *Popisek(QWidget *rodic, const char *jmeno, const QString &text, QPoint kde, const QFont &pismo)
{
    QLabel *l = Popisek(rodic, jmeno, text, QRect(kde, QSize()));
    l->setFont(pismo);
    l->adjustSize();
    return l;
}

QLabel *Popisek(QWidget *rodic, const char *jmeno, const QString &text, QPoint kde)
{
    QLabel *l = Popisek(rodic, jmeno, text, QRect(kde, QSize()));
    l->adjustSize();
    return l;
}

QFrame *Cara(QWidget *rodic, const char *jmeno, const QRect &kde, QFrame::Shape tvar)
{
    auto *c = new QFrame(rodic);
    c->setObjectName(QString::fromLatin1(jmeno));
    c->setFrameStyle(tvar | QFrame::Sunken);
    c->setGeometry(kde);
    return c;
}

QLabel *ZalomenyText(QWidget *rodic, const QString &jmeno)
{
    auto *l = new QLabel(rodic);
    l->setObjectName(jmeno);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setContentsMargins(0, 0, 0, 0);
    return l;
}

void TextSeJmenem(QLabel *l, const QString &pred, const QString &jmeno, int sirka)
{
    if (sirka < 0) {
        // A framed label indents its text by half an "x" (QLabel::indent).
        const int odsazeni = l->indent() >= 0 ? l->indent() : (l->frameWidth() > 0 ? l->fontMetrics().horizontalAdvance(u'x') / 2 : 0);
        sirka = l->contentsRect().width() - 2 * l->margin() - odsazeni;
    }
    const QFontMetrics metrika = l->fontMetrics();
    l->setText(pred + metrika.elidedText(jmeno, Qt::ElideRight, std::max(0, sirka - metrika.horizontalAdvance(pred))));
    l->setToolTip(jmeno);
    l->setAccessibleDescription(jmeno);
}

// The panels are placed by hand: the bar's own layout adds spacing and margins that fixed widths
// adding up to the window's width do not leave room for, so that panels overlapped.
QStatusBar *StavovyRadek(QWidget *rodic, const char *jmeno, const QList<int> &sirky, int sirka, QList<QLabel *> &panely)
{
    auto *radek = new QStatusBar(rodic);
    radek->setObjectName(QString::fromLatin1(jmeno));
    radek->setSizeGripEnabled(false);
    constexpr int Okraj = 2;
    panely.clear();
    int x = 0, vyska = 0;
    for (int i = 0; i < sirky.size(); ++i) {
        auto *panel = new QLabel(radek);
        panel->setObjectName(QStringLiteral("PanelStavu%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        const int w = i + 1 < sirky.size() ? sirky[i] : sirka - x;
        vyska = panel->fontMetrics().height() + 2 * panel->frameWidth() + 2;
        panel->setGeometry(x, Okraj, w - (i + 1 < sirky.size() ? Okraj : 0), vyska);
        x += sirky[i];
        panely.append(panel);
    }
    radek->resize(sirka, vyska + 2 * Okraj);
    return radek;
}

bool NacistObrazek(QLabel *cil, const QString &cesta, QWidget *okno)
{
    const QString soubor = Adresare::Zdroj(cesta);
    // Room for every question picture of the bank, so that none is decoded twice.
    static const bool prostor = [] {
        QPixmapCache::setCacheLimit(std::max(QPixmapCache::cacheLimit(), 32 * 1024));
        return true;
    }();
    Q_UNUSED(prostor);
    const QString klic = QStringLiteral("semaforix:") + QFileInfo(soubor).absoluteFilePath();
    QPixmap obrazek;
    if (!QPixmapCache::find(klic, &obrazek)) {
        // The format by the file's extension, which also spares probing every image plugin.
        QImageReader ctecka(soubor, QFileInfo(soubor).suffix().toLatin1());
        const QImage obraz = ctecka.read();
        if (obraz.isNull()) {
            cil->clear();
            Dialogy::Chyba(okno, QStringLiteral("Obrázek %1 nelze načíst: %2").arg(cesta, ctecka.errorString()));
            return false;
        }
        obrazek = QPixmap::fromImage(obraz);
        QPixmapCache::insert(klic, obrazek);
    }
    cil->setPixmap(obrazek);
    return true;
}

} // namespace Vzhled

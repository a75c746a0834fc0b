#include "app/vzhled.h"

#include "data/adresare.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPixmapCache>
#include <QPushButton>

#include <algorithm>

namespace Vzhled {

namespace {

QFont Pismo(const QString &rodina, const QString &nahrada, QFont::StyleHint druh)
{
    // Naming the stand-in spares fontconfig a slow search for a fallback.
    QFont::insertSubstitution(rodina, nahrada);
    QFont pismo(rodina);
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

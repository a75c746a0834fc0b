#include "app/vzhled.h"

#include <QLabel>
#include <QPushButton>

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

QPushButton *Tlacitko(QWidget *rodic, const char *jmeno, const QString &text, QRect kde)
{
    auto *b = new QPushButton(text, rodic);
    b->setObjectName(QString::fromLatin1(jmeno));
    b->setGeometry(kde);
    b->setAutoDefault(false);
    return b;
}

QLabel *Popisek(QWidget *rodic, const char *jmeno, const QString &text, QPoint kde)
{
    auto *l = new QLabel(text, rodic);
    l->setObjectName(QString::fromLatin1(jmeno));
    l->move(kde);
    l->adjustSize();
    return l;
}

} // namespace Vzhled

#pragma once

// What the user reads in a window, several controls at a time.
#include "pomocnik.h"

#include <QAbstractButton>
#include <QAbstractItemView>

namespace Pomocnik {

// The texts of the labels, buttons and menu items named (separated by spaces), joined by " | ":
// one literal states a window's lines, and a failure shows them all side by side.
inline QString Texty(const QObject *okno, const char *jmena)
{
    QStringList texty;
    for (const QString &jmeno : QString::fromLatin1(jmena).split(u' ', Qt::SkipEmptyParts)) {
        const QObject *prvek = Prvek<QObject>(okno, qPrintable(jmeno));
        if (const auto *akce = qobject_cast<const QAction *>(prvek))
            texty << akce->text();
        else if (const auto *tlacitko = qobject_cast<const QAbstractButton *>(prvek))
            texty << tlacitko->text();
        else
            texty << Text(okno, qPrintable(jmeno));
    }
    return texty.join(QStringLiteral(" | "));
}

// Which of the controls named (separated by spaces) are enabled, one digit each: "110".
inline QString Povolene(const QObject *okno, const char *jmena)
{
    QString stav;
    for (const QString &jmeno : QString::fromLatin1(jmena).split(u' ', Qt::SkipEmptyParts))
        stav += Prvek(okno, qPrintable(jmeno))->isEnabled() ? u'1' : u'0';
    return stav;
}

// A column of the window's record list (DBGrid1) as the user reads it, row by row.
inline QStringList Sloupec(const QObject *okno, int sloupec)
{
    const QAbstractItemModel *model = Prvek<QAbstractItemView>(okno, "DBGrid1")->model();
    QStringList hodnoty;
    for (int r = 0; r < model->rowCount(); ++r)
        hodnoty << model->index(r, sloupec).data().toString();
    return hodnoty;
}

} // namespace Pomocnik

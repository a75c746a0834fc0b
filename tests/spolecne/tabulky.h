#pragma once

#include "data/tabulka.h"

#include <QStringList>

namespace Pomocnik {

// The values of one field over the table's whole view, in its order.
inline QStringList HodnotyPole(Tabulka &t, const QString &pole)
{
    QStringList hodnoty;
    for (int i = 0; i < t.PocetZaznamu(); ++i) {
        t.PrejitNa(i);
        hodnoty << t.Text(pole);
    }
    return hodnoty;
}

} // namespace Pomocnik

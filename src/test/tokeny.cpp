#include "test/tokeny.h"

namespace Tokeny {

QString Spojit(const QStringList &tokeny) { return tokeny.join(u' '); }

QStringList Rozdelit(const QString &text, int pocet)
{
    QStringList tokeny;
    QString zbytek = text;
    for (int i = 1; i < pocet; ++i) {
        const qsizetype mezera = zbytek.indexOf(u' ');
        if (mezera < 0) {
            tokeny << zbytek;
            zbytek.clear();
            continue;
        }
        tokeny << zbytek.left(mezera);
        zbytek.remove(0, mezera + 1);
    }
    tokeny << zbytek;
    return tokeny;
}

} // namespace Tokeny

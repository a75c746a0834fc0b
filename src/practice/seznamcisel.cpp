#include "practice/seznamcisel.h"

#include <QStringList>

namespace SeznamCisel {

QString Text(const QList<int> &cisla)
{
    QStringList texty;
    for (int c : cisla)
        texty << QString::number(c);
    return texty.join(QStringLiteral(", "));
}

QList<int> Cisla(const QString &text)
{
    QList<int> cisla;
    QString sbirka;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool cislice = c >= u'0' && c <= u'9';
        if (cislice)
            sbirka += c;
        if ((!cislice && c != u' ') || (cislice && i == text.size() - 1)) {
            if (!sbirka.isEmpty())
                cisla << sbirka.toInt();
            sbirka.clear();
        } else if (c == u' ') {
            sbirka.clear();
        }
    }
    return cisla;
}

} // namespace SeznamCisel

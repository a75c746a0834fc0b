#pragma once

// The project's own question sources, for the tests of the tools that check and draw them.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace Pomocnik {

// The questions of one source file of the project's bank ("7-krizovatky.json").
inline QJsonArray ZdrojBanky(const char *soubor)
{
    QFile f(QStringLiteral(SEMAFORIX_ZDROJ "/data/otazky/") + QString::fromLatin1(soubor));
    return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).array() : QJsonArray();
}

// Every crossroad question of the project's bank, from each source of category 7 ("7-*.json").
inline QList<QJsonObject> OtazkyKrizovatek()
{
    QList<QJsonObject> otazky;
    const QDir zdroje(QStringLiteral(SEMAFORIX_ZDROJ "/data/otazky"));
    for (const QString &soubor : zdroje.entryList({QStringLiteral("7-*.json")}))
        for (const QJsonValue &v : ZdrojBanky(qPrintable(soubor)))
            otazky << v.toObject();
    return otazky;
}

} // namespace Pomocnik

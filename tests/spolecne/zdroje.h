#pragma once

// The project's own question sources, for the tests of the tools that check and draw them.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace Pomocnik {

// The questions of one source file of the project's bank ("7-krizovatky.json").
inline QJsonArray ZdrojBanky(const char *soubor)
{
    QFile f(QStringLiteral(SEMAFORIX_ZDROJ "/data/otazky/") + QString::fromLatin1(soubor));
    return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).array() : QJsonArray();
}

} // namespace Pomocnik

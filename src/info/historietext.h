#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The release history as the history window shows it: entries newest first, each a heading of
// its date and kind, a line of hyphens exactly as long, its lines and its items.
namespace HistorieOprav {

struct Zaznam {
    QString datum;      // day.month.year
    QString druh;       // "Upgrade", "Oprava", or empty for the first version
    QStringList uvod;   // sentences before the items
    QStringList polozky; // items, written " - " with their continuation lines indented
};

// Lines of the text are wrapped at this many characters.
inline constexpr int SirkaRadku = 64;

QList<Zaznam> Zaznamy();
QString Nadpis(const Zaznam &z);
// The whole text: entries separated by two empty lines.
QString Sestavit(const QList<Zaznam> &zaznamy, int sirka = SirkaRadku);
// Words of a text wrapped greedily at the width; a word longer than the width stands alone.
QStringList Zalomit(const QString &text, int sirka);
QString Text();

} // namespace HistorieOprav

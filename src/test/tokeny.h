#pragma once

#include <QString>
#include <QStringList>

// The memos of a test protocol hold one token per position joined by single blanks; an empty
// token keeps its place, so an unanswered position leaves two blanks side by side.
namespace Tokeny {

QString Spojit(const QStringList &tokeny);
// Splits at single blanks from the left; the last of the pocet tokens takes whatever remains.
QStringList Rozdelit(const QString &text, int pocet);

} // namespace Tokeny

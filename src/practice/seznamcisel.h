#pragma once

#include <QList>
#include <QString>

// Lists of question numbers as the result records keep them: "3, 7, 15".
namespace SeznamCisel {

QString Text(const QList<int> &cisla);
// Reads the numbers back: digits are collected; a character other than a digit or a blank ends
// a number, a blank only drops what was collected, and the end of the text ends the last one.
QList<int> Cisla(const QString &text);

} // namespace SeznamCisel

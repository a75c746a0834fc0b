#pragma once

#include "data/tabulka.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// The day of each learner's theory exam, "TerminyZkousek" in the learner's directory beside their
// answers: the knowledge overview estimates the points test for that day. Fields in this order:
//   Profil      string 30   the profile
//   DenZkousky  date        the day of the exam
// A profile's latest record counts. The day lives in a table, not in config.ini: a profile's name
// may hold characters an INI key cannot, and the close-time clean-up deletes it together with the
// profile's other records.
namespace TerminZkousky {

inline const QString JmenoTabulky = QStringLiteral("TerminyZkousek");

QList<DefinicePole> PoleTabulky();

// How far ahead an exam day may be chosen.
inline constexpr int NejviceLet = 5;

// The profile's exam day, or nothing when none is stored. A stored value that is no day the learner
// could have chosen by dnes (not a date at all, or more than NejviceLet years ahead) is not used:
// nothing is returned and *vyhrada (when given) gets a Czech message saying so, naming the value;
// the record stays as it is until the learner chooses a day. Throws ChybaTabulky when the table
// cannot be read or is not this table.
std::optional<QDate> Precist(const QString &profil, const QDate &dnes, QString *vyhrada = nullptr);

// Stores the day for the profile, creating the table crash-safe when there is none, then removes the
// profile's older days; a crash between the two leaves the new day as the latest one. Throws
// ChybaTabulky with the store's text.
void Zapsat(const QString &profil, const QDate &den);

} // namespace TerminZkousky

#pragma once

#include "data/tabulka.h"
#include "practice/beh.h"

#include <QList>
#include <QString>

// The results table of practice and examination runs, "Vysledky" in the working directory: one
// record per evaluated run, only ever appended to here.
namespace Vysledky {

inline const QString JmenoTabulky = QStringLiteral("Vysledky");

// Field names, in the order of the table's fields.
inline const QString TypTestu = QStringLiteral("TypTestu");
inline const QString Profil = QStringLiteral("Profil");
inline const QString Datum = QStringLiteral("Datum");
inline const QString Cas = QStringLiteral("Cas");
inline const QString Skupina = QStringLiteral("Skupina");
inline const QString Kategorie = QStringLiteral("Kategorie");
inline const QString PocetOtazek = QStringLiteral("PocetOtazek");
inline const QString Spatne = QStringLiteral("Spatne");
inline const QString SpatneCisla = QStringLiteral("SpatneCisla");
inline const QString SNapovedou = QStringLiteral("SNapovedou");
inline const QString SNapovedouCisla = QStringLiteral("SNapovedouCisla");
inline const QString Uspesnost = QStringLiteral("Uspesnost");

QList<DefinicePole> PoleTabulky();

// Appends the record, creating the table first when there is none (built under the name
// "Vysledky-nova" and then moved into place, so that a crash never leaves half a table). The
// record is stored whole or not at all; an existing file is never replaced. Throws ChybaTabulky
// with the store's text.
void ZapsatVysledek(const Beh::Vysledek &v);

} // namespace Vysledky

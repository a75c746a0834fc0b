#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// Catalogue of Czech road signs, traffic devices, markings and lights, each drawn in code.
// A sign is named by its official code ("A1a", "B2", "P4", "IP4b", "E2a", "Z3", "V4", "S1").
namespace Znacky {

inline constexpr int VelikostObrazku = 96;

// Whether the catalogue knows the code (exact, case-sensitive).
bool Existuje(const QString &kod);

// Every code of the catalogue, in catalogue order.
QStringList Kody();

// The sign on a white square of velikost × velikost pixels; a null image for an unknown code.
// Call with a QGuiApplication running: numbers and texts on the signs use the system fonts.
QImage Nakreslit(const QString &kod, int velikost = VelikostObrazku);

} // namespace Znacky

#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <utility>

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

// Sides of a plate that shows a crossroads as its driver sees it: the arm the driver comes
// from is at the bottom.
enum class Strana { Dole, Vlevo, Nahore, Vpravo };

// The plate "Tvar křižovatky" (E 2b) of one particular crossroads: its arms, and the two arms
// of the main road drawn thick. On a white square of velikost × velikost pixels.
QImage TvarKrizovatky(const QList<Strana> &ramena, std::pair<Strana, Strana> hlavni,
                      int velikost = VelikostObrazku);

} // namespace Znacky

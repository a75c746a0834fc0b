#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

// Pictures of the main window, painted in code: the idle screen and the program's icon.
namespace Kresby {

QPixmap Pozadi(int sirka, int vyska);
// The program's icon, square, on a transparent ground: the window's and the desktop's alike.
QImage Ikona(int velikost);
QIcon IkonaOkna();

} // namespace Kresby

#pragma once

#include <QIcon>
#include <QPixmap>

// Pictures of the main window, painted in code: the idle screen and the window icon.
namespace Kresby {

QPixmap Pozadi(int sirka, int vyska);
QIcon IkonaOkna();

} // namespace Kresby

#pragma once

#include <QFont>

// The fonts the program's windows are designed for, with their stand-ins on Linux desktops.
namespace Vzhled {

// "MS Sans Serif" 8 points, the font of every window of the program.
QFont PismoOkna();
// "Courier New" 8 points, the fixed pitch of the test protocol, on screen and on paper.
QFont PismoProtokolu();

} // namespace Vzhled

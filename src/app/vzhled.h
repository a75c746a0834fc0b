#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>

class QLabel;
class QPushButton;
class QWidget;

// The fonts the program's windows are designed for, with their stand-ins on Linux desktops, and
// their buttons placed as designed.
namespace Vzhled {

// "MS Sans Serif" 8 points, the font of every window of the program.
QFont PismoOkna();
// "Courier New" 8 points, the fixed pitch of the test protocol, on screen and on paper.
QFont PismoProtokolu();

// A button with its control name, caption and place. It is not pressed by Enter elsewhere in its
// dialog; a window makes its one default button itself.
QPushButton *Tlacitko(QWidget *rodic, const char *jmeno, const QString &text, QRect kde);

// A label with its control name and text at its place, sized to its text.
QLabel *Popisek(QWidget *rodic, const char *jmeno, const QString &text, QPoint kde);

} // namespace Vzhled

#pragma once

class QTranslator;

// What the program sets up before its window opens: Czech for Qt's own dialogs, its names for
// the desktop, and the two directories it reads and writes. Shared by main and by the check of
// the installed package, so that both start alike.
namespace Start {

// The name of the installed desktop entry and icon, by which the desktop ties the window to them.
inline constexpr char IdAplikace[] = "cz.semaforix.semaforix";

// preklad must live as long as the application.
void Pripravit(QTranslator &preklad);

} // namespace Start

#pragma once

#include <QDialog>
#include <QImage>

#include <functional>

class QAction;
class QWidget;
class THlavniFormular;

// Taking a window's picture offscreen: the window drawn by itself, framed by a title bar with
// its caption so that a reader recognises it on the desktop.
namespace Porizeni {

QImage Okno(QWidget &okno);
QImage HlavniOkno(THlavniFormular &okno);
// The main window with one of its menus open and an item highlighted; podmenu, when given, is
// a submenu of that menu opened beside it.
QImage Nabidka(THlavniFormular &okno, const char *menu, const char *polozka, const char *podmenu = nullptr);
// A window that `otevrit` opens modally (a menu command, a button): once it shows, `porid` takes
// its picture, and the window is hidden so that the command that opened it goes on.
QImage Modalni(const std::function<void()> &otevrit,
               const std::function<QImage(QDialog &)> &porid = [](QDialog &d) { return Okno(d); });
// A control of the window by its name, clicked as the user would.
void Stisknout(QWidget &okno, const char *tlacitko);
// A menu command of the main window by its name.
QAction *Prikaz(THlavniFormular &okno, const char *jmeno);
// Browse mode: the number typed into the browse field and confirmed with Enter.
void Prejit(THlavniFormular &okno, int cislo);

} // namespace Porizeni

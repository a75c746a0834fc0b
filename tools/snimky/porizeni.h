#pragma once

#include <QImage>

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
// Browse mode: the number typed into the browse field and confirmed with Enter.
void Prejit(THlavniFormular &okno, int cislo);

} // namespace Porizeni

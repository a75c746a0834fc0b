#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class THlavniFormular;

// Pictures of the program's windows for the help pages, taken from the program itself: every
// picture is one entry that builds its window offscreen, puts it into the state the help
// describes, and grabs it. A new window is one new entry.
namespace Snimky {

struct Snimek {
    QString soubor; // file name under Help/obrazky, as the pages reference it
    // Builds the picture with a freshly started main window as owner.
    std::function<QImage(THlavniFormular &)> porid;
};

const QList<Snimek> &Seznam();
QStringList Jmena();

// How wide a picture may be to stand whole in the help window as it opens: its text area beside the
// scroll bar, less the margins of the document and of the page (styl.css).
int SirkaNapovedy();

// Takes every picture with the program whose bank, pictures and help lie in adresarProgramu
// and writes them as PNG into cil. The windows run in a fresh copy of that directory (without
// config.ini or results), so the pictures show the program as it starts for a new user. A window
// wider than the help window's text is shrunk to its width (SirkaNapovedy).
// Returns the problems found; empty when every picture was written.
QStringList Zapsat(const QString &adresarProgramu, const QString &cil);

} // namespace Snimky

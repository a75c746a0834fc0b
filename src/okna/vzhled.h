#pragma once

#include "okna/dialogy.h"

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QList>
#include <QPoint>
#include <QRect>

class QLabel;
class QPushButton;
class QStatusBar;
class QWidget;

// What every window of the program is made of: its fonts with their stand-ins on Linux desktops,
// its frame, labels, buttons and colours, the question pictures and answer marks, and the opening
// of a list of stored records.
namespace Vzhled {

// "MS Sans Serif" 8 points, the font of every window of the program.
QFont PismoOkna();
// "Courier New" 8 points, the fixed pitch of the test protocol, on screen and on paper.
QFont PismoProtokolu();

// The title bar of the program's windows: a system menu and a close button, no maximise button.
inline constexpr Qt::WindowFlags Titulek =
    Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
// A dialog of fixed size that can also be minimised, as most windows of the program are.
inline constexpr Qt::WindowFlags OknoDialogu = Qt::Dialog | Titulek | Qt::WindowMinimizeButtonHint;

// The grey of the main window and its panels.
inline const QColor BarvaOkna{224, 223, 227};
inline const QColor Zelena{0, 128, 0};

void BarvaTextu(QWidget *w, const QColor &barva);
// The widget paints its whole background in the colour.
void BarvaPozadi(QWidget *w, const QColor &barva);

// A button with its control name, caption and place. It is not pressed by Enter elsewhere in its
// dialog; a window makes its one default button itself.
QPushButton *Tlacitko(QWidget *rodic, const char *jmeno, const QString &text, QRect kde);

// The order in which Tab visits the controls, the first to the last.
void PoradiKlavesnice(const QList<QWidget *> &prvky);

// A label with its control name and text at its place, sized to its text (in the font given).
QLabel *Popisek(QWidget *rodic, const char *jmeno, const QString &text, QPoint kde);
QLabel *Popisek(QWidget *rodic, const char *jmeno, const QString &text, QPoint kde, const QFont &pismo);
// A label with its control name and text in a fixed rectangle.
QLabel *Popisek(QWidget *rodic, const char *jmeno, const QString &text, const QRect &kde);
// A sunken line across its rectangle (QFrame::VLine for an upright one).
QFrame *Cara(QWidget *rodic, const char *jmeno, const QRect &kde, QFrame::Shape tvar = QFrame::HLine);
// A text wrapped at its width from its top left corner, without margins, for texts laid out to the
// height of their lines.
QLabel *ZalomenyText(QWidget *rodic, const QString &jmeno);

// A text ending in a name that may be long (a profile may have 30 characters): the name is cut
// with "…" where the whole text would be wider than sirka (-1: the room inside the label as it
// stands), and the whole name is the label's tooltip and accessible description.
void TextSeJmenem(QLabel *l, const QString &pred, const QString &jmeno, int sirka = -1);

// A status bar of sunken panels side by side, as wide as sirka: each panel the width given, the
// last one reaching the right edge. The panels are labels named PanelStavu0, PanelStavu1, ...; the
// bar is as high as they need and is placed by its window.
QStatusBar *StavovyRadek(QWidget *rodic, const char *jmeno, const QList<int> &sirky, int sirka,
                         QList<QLabel *> &panely);

// Loads a picture file ("obrazky\621.jpg" or "grafika/yes.jpg": either separator, the format by its
// extension) into the label. A file is decoded once for the whole program and then kept. On failure
// the label is emptied, the error box names the file with the loader's text, and false is returned.
bool NacistObrazek(QLabel *cil, const QString &cesta, QWidget *okno);

// Opens a list of stored records modally, centred over its owner: without its table file the user is
// told bezTabulky and nothing opens; a list that could not read its table (its Chyba()) shows the
// store's text instead. vytvorit makes the list as a child of the owner.
template <typename Vytvorit>
void OtevritSeznam(QWidget *vlastnik, bool tabulkaExistuje, const QString &bezTabulky, Vytvorit vytvorit)
{
    if (!tabulkaExistuje) {
        Dialogy::Informace(vlastnik, bezTabulky);
        return;
    }
    const auto seznam = vytvorit();
    if (!seznam->Chyba().isEmpty()) {
        Dialogy::Chyba(vlastnik, seznam->Chyba());
        return;
    }
    Dialogy::Vycentrovat(seznam.get(), vlastnik);
    seznam->exec();
}

} // namespace Vzhled

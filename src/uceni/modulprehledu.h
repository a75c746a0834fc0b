#pragma once

#include "uceni/udajeprehledu.h"

#include <QList>
#include <QString>

class BankaOtazek;
class PametProfilu;
class QWidget;
struct Konfigurace;

// The knowledge overview as the program opens it. Its window (TPrehled, uceni/prehled.h) draws with
// Qt Charts, whose libraries would cost every start their loading, so it lives in a module of its
// own, loaded the first time the learner opens the overview and kept for the rest of the run. The
// program computes what the window shows, answers what it asks (the estimate of each exam day, its
// picture saved, the exam day kept) and tells every error through the dialog seam.
//
//   const QList<int> procvicit = ModulPrehledu::Otevrit(banka, nastaveni, stav.Pamet(), this);
namespace ModulPrehledu {

// The module's file, in the directory of modules (Adresare::Modul), as the build names it.
inline const QString Soubor = QStringLiteral("prehled.so");

// Opens the overview of the profile's memory for the settings' profile, group and categories,
// modally over rodic. The due questions when the learner asked to practise them, else nothing.
// A module that cannot be loaded, or lacks its function, is told in Czech with the file and the
// loader's reason, and nothing opens; a failed loading is tried again next time.
QList<int> Otevrit(const BankaOtazek &banka, const Konfigurace &nastaveni, const PametProfilu &pamet, QWidget *rodic);

// A program built with the window linked in (the tests, the start-up benchmark's comparison) gives
// its function here, and no module is loaded.
void PouzitTovarnu(PrehledZnalosti::Tovarna tovarna);

} // namespace ModulPrehledu

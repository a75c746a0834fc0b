#pragma once

#include <QDialog>
#include <QList>

#include <memory>

class BankaOtazek;
class PametProfilu;
struct StavProgramu;

// The knowledge overview as the program sees it. Its window (TPrehled, uceni/prehled.h) draws with
// Qt Charts, whose libraries would cost every start their loading, so it lives in a module of its
// own, loaded the first time the learner opens the overview and kept for the rest of the run. The
// module takes everything else from the program: one copy of every unit and of its state.
//
//   QString chyba;
//   auto prehled = ModulPrehledu::Vytvorit(stav, banka, pamet, this, &chyba);
//   if (!prehled)
//       Dialogy::Chyba(this, chyba);
class TOknoPrehledu : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

signals:
    // "Procvičit otázky k opakování": the due questions in the learning order, at most as many as
    // qualify for a practice run; sent once the window has closed.
    void ProcvicitOtazky(const QList<int> &otazky);
};

namespace ModulPrehledu {

// The module's file, in the directory of modules (Adresare::Modul), as the build names it.
inline const QString Soubor = QStringLiteral("prehled.so");
// The module's one exported function: the overview over the active profile's memory, owned by the
// caller.
inline constexpr char JmenoTovarny[] = "semaforix_vytvorit_prehled";
using Tovarna = TOknoPrehledu *(*)(const StavProgramu &stav, const BankaOtazek &banka, const PametProfilu &pamet,
                                    QWidget *rodic);

// The overview's window, its module loaded on first need. Null when the module cannot be loaded or
// lacks its function: *chyba then says so in Czech, with the file and the loader's reason. A failed
// loading is tried again next time.
std::unique_ptr<TOknoPrehledu> Vytvorit(const StavProgramu &stav, const BankaOtazek &banka, const PametProfilu &pamet,
                                        QWidget *rodic, QString *chyba);

} // namespace ModulPrehledu

// The overview's module: the function by which the program makes the window (uceni/modulprehledu.h).
#include "uceni/modulprehledu.h"
#include "uceni/prehled.h"

// Checked against the program's declaration, so that the two cannot drift apart.
extern "C" Q_DECL_EXPORT TOknoPrehledu *semaforix_vytvorit_prehled(const StavProgramu &stav, const BankaOtazek &banka,
                                                                   const PametProfilu &pamet, QWidget *rodic)
{
    return new TPrehled(stav, banka, pamet, rodic);
}
static_assert(std::is_same_v<decltype(&semaforix_vytvorit_prehled), ModulPrehledu::Tovarna>);

// The overview's module: the function by which the program makes the window (uceni/udajeprehledu.h).
#include "uceni/prehled.h"

// Checked against the program's declaration, so that the two cannot drift apart.
extern "C" Q_DECL_EXPORT QDialog *semaforix_prehled(const PrehledZnalosti::UdajePrehledu &udaje,
                                                    PrehledZnalosti::ObsluhaPrehledu &obsluha, QWidget *rodic)
{
    return new TPrehled(udaje, obsluha, rodic);
}
static_assert(std::is_same_v<decltype(&semaforix_prehled), PrehledZnalosti::Tovarna>);

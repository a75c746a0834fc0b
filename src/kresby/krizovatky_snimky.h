#pragma once

#include "logika/jizda.h"

#include <QImage>

class QPainter;

namespace Krizovatky {

// The frames of a crossroad scene in motion, at the size of the picture (meritko 1) or of its
// enlarged version (ObrazkyOtazek::Zvetseni). What does not move, the roads and the signs, is
// painted once; a frame adds the signals, the officer and the vehicles where the motion has them.
// The last frame is the still picture, arrows and all.
class SnimkyKrizovatky {
public:
    explicit SnimkyKrizovatky(Jizda jizda, int meritko = 1);

    const Jizda &Pohyb() const { return m_jizda; }
    int PocetSnimku() const { return m_jizda.PocetSnimku(); }

    // Paints the frame with its top left corner at the painter's origin.
    void Nakreslit(QPainter &p, int snimek) const;
    QImage Snimek(int snimek) const;

private:
    Jizda m_jizda;
    int m_meritko;
    QImage m_pozadi;
    QImage m_stojici;
};

} // namespace Krizovatky

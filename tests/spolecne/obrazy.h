#pragma once

// Pictures looked at as a user sees them: colours near each other, pixels of a kind counted.
#include <QColor>
#include <QImage>

#include <functional>

namespace Pomocnik {

// Whether the colours differ by less than odchylka in the sum of their three channels.
inline bool Blizko(QColor a, QColor b, int odchylka = 40)
{
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < odchylka;
}

// The pixels of the picture whose colour passes the test.
inline int Pocet(const QImage &obr, const std::function<bool(QColor)> &test)
{
    int pocet = 0;
    for (int y = 0; y < obr.height(); ++y)
        for (int x = 0; x < obr.width(); ++x)
            pocet += test(obr.pixelColor(x, y));
    return pocet;
}

// The pixels of about the given colour.
inline int PocetBarvy(const QImage &obr, QColor barva)
{
    return Pocet(obr, [barva](QColor c) { return Blizko(c, barva); });
}

} // namespace Pomocnik

#pragma once

// Pictures looked at as a user sees them: colours near each other, pixels of a kind counted.
#include <QColor>
#include <QImage>
#include <QString>

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

// Whether a user would call the colour by that name: "cervena", "zluta", "zelena", "modra" of a
// clear hue, or "bila", "seda", "tmavaSeda" and "cerna" without one.
inline bool Pojmenovana(QColor c, const QString &barva)
{
    const int h = c.hsvHue(), s = c.hsvSaturation(), v = c.value();
    const auto bez = [s, v](int od, int po) { return s < 25 && v >= od && v <= po; };
    const auto odstin = [h, s, v](int od, int po) { return s > 100 && v > 140 && h >= od && h <= po; };
    if (barva == QStringLiteral("bila"))
        return bez(236, 255);
    if (barva == QStringLiteral("seda"))
        return bez(131, 180);
    if (barva == QStringLiteral("tmavaSeda"))
        return bez(70, 130);
    if (barva == QStringLiteral("cerna"))
        return bez(0, 60);
    if (barva == QStringLiteral("cervena"))
        return odstin(0, 12) || odstin(348, 359);
    return barva == QStringLiteral("zluta") ? odstin(40, 60) : barva == QStringLiteral("zelena") ? odstin(100, 160) : odstin(200, 250);
}

} // namespace Pomocnik

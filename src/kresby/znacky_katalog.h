#pragma once

#include <QList>
#include <QPainter>
#include <QStringView>

// The catalogue of signs: each official code with the few lines that draw it from the parts
// in znacky_dily.h, in the sign's 100 × 100 coordinates.
namespace Znacky::Katalog {

using Kresba = void (*)(QPainter &);

struct Polozka {
    QStringView kod;
    Kresba kresba;
};

const QList<Polozka> &Polozky();

} // namespace Znacky::Katalog

// Public face of the sign catalogue: look-up by code and rendering onto a white square.
#include "znacky.h"

#include "znacky_katalog.h"

#include <QPainter>

namespace Znacky {

namespace {

const Katalog::Polozka *Najdi(const QString &kod)
{
    for (const Katalog::Polozka &polozka : Katalog::Polozky()) {
        if (polozka.kod == kod)
            return &polozka;
    }
    return nullptr;
}

} // namespace

bool Existuje(const QString &kod)
{
    return Najdi(kod) != nullptr;
}

QStringList Kody()
{
    QStringList kody;
    for (const Katalog::Polozka &polozka : Katalog::Polozky())
        kody << polozka.kod.toString();
    return kody;
}

QImage Nakreslit(const QString &kod, int velikost)
{
    const Katalog::Polozka *polozka = Najdi(kod);
    if (polozka == nullptr || velikost <= 0)
        return {};
    QImage obrazek(velikost, velikost, QImage::Format_RGB32);
    obrazek.fill(Qt::white);
    QPainter p(&obrazek);
    p.setRenderHint(QPainter::Antialiasing);
    // Every sign is described in 100 × 100 units; the size only scales it.
    p.scale(velikost / 100.0, velikost / 100.0);
    polozka->kresba(p);
    return obrazek;
}

} // namespace Znacky

// Public face of the sign catalogue: look-up by code and rendering onto a white square.
#include "kresby/znacky.h"

#include "kresby/znacky_dily.h"
#include "kresby/znacky_katalog.h"

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

// Every sign is described in 100 × 100 units; the size only scales it.
template <typename Kresba>
QImage NaCtverec(int velikost, const Kresba &kresba)
{
    if (velikost <= 0)
        return {};
    QImage obrazek(velikost, velikost, QImage::Format_RGB32);
    obrazek.fill(Qt::white);
    QPainter p(&obrazek);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(velikost / 100.0, velikost / 100.0);
    kresba(p);
    return obrazek;
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
    if (polozka == nullptr)
        return {};
    return NaCtverec(velikost, polozka->kresba);
}

QImage TvarKrizovatky(const QList<Strana> &ramena, std::pair<Strana, Strana> hlavni,
                      int velikost)
{
    return NaCtverec(velikost,
                     [&](QPainter &p) { Dily::TvarKrizovatky(p, ramena, hlavni); });
}

} // namespace Znacky

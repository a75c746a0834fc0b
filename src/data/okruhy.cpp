#include "data/okruhy.h"

namespace Okruhy {

namespace {

struct Popis {
    QString kod, nazev;
};

const std::array<Popis, Pocet> &Popisy()
{
    static const std::array<Popis, Pocet> popisy{{
        {QStringLiteral("PP"), QStringLiteral("Pravidla provozu na pozemních komunikacích")},
        {QStringLiteral("DZ"), QStringLiteral("Dopravní značky a dopravní zařízení")},
        {QStringLiteral("ZBJ"), QStringLiteral("Zásady bezpečné jízdy a ovládání vozidla")},
        {QStringLiteral("DS"), QStringLiteral("Dopravní situace")},
        {QStringLiteral("PPV"), QStringLiteral("Předpisy o podmínkách provozu vozidel na pozemních komunikacích")},
        {QStringLiteral("SP"), QStringLiteral("Předpisy související s provozem na pozemních komunikacích")},
        {QStringLiteral("ZP"), QStringLiteral("Zdravotnická příprava")},
    }};
    return popisy;
}

} // namespace

QString Kod(Okruh o) { return Popisy()[static_cast<size_t>(Index(o))].kod; }

QString Nazev(Okruh o) { return Popisy()[static_cast<size_t>(Index(o))].nazev; }

std::optional<Okruh> ZKodu(const QString &kod)
{
    for (Okruh o : Vsechny)
        if (Kod(o) == kod)
            return o;
    return std::nullopt;
}

} // namespace Okruhy

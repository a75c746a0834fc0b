#include "data/kategorie.h"

namespace Kategorie {

QString Klic(int k)
{
    static const std::array<QString, Pocet> klice{
        QStringLiteral("Pravidla provozu"), QStringLiteral("Ridicke opravneni"),
        QStringLiteral("Silnicni zakon"),   QStringLiteral("Zdravoveda"),
        QStringLiteral("Podminky provozu"), QStringLiteral("Znacky"),
        QStringLiteral("Krizovatky")};
    return klice[static_cast<size_t>(k - 1)];
}

QString Nazev(int k)
{
    static const std::array<QString, Pocet> nazvy{
        QStringLiteral("Pravidla provozu na pozemních komunikacích"),
        QStringLiteral("Řidičské oprávnění a řidičský průkaz"),
        QStringLiteral("Silniční zákon, silniční doprava a pojištění odpovědnosti"),
        QStringLiteral("První pomoc - Zdravověda"),
        QStringLiteral("Podmínky provozu na pozemních komunikacích"),
        QStringLiteral("Dopravní značky a zařízení"),
        QStringLiteral("Řešení dopravních situací na křižovatkách")};
    return nazvy[static_cast<size_t>(k - 1)];
}

QString Cislice(const std::array<bool, Pocet> &povolene)
{
    QString text;
    for (int k = 1; k <= Pocet; ++k)
        if (povolene[static_cast<size_t>(k - 1)])
            text += QString::number(k);
    return text;
}

} // namespace Kategorie

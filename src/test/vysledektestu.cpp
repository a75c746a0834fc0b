#include "test/vysledektestu.h"

#include "practice/seznamcisel.h"

#include <QList>

namespace VysledekTestu {

QString PismenaOdpovedi(const std::array<bool, 4> &zaskrtnuto)
{
    QString pismena;
    for (int i = 0; i < 4; ++i)
        if (zaskrtnuto[static_cast<size_t>(i)])
            pismena += QChar(u'A' + i);
    return pismena;
}

Skore Vyhodnot(PolozkyTestu &polozky)
{
    Skore s;
    for (PolozkaTestu &p : polozky) {
        p.Chybne = p.Odpoved != p.SpravnaOdpoved;
        if (p.Chybne)
            ++s.PocetChyb;
        else
            s.PocetBodu += p.Body;
    }
    return s;
}

bool Prosel(int pocetBodu, int minPocetBodu) { return pocetBodu >= minPocetBodu; }

QString CasNaText(int sekundy)
{
    const int m = sekundy / 60, s = sekundy % 60;
    const QString minuty = m <= 0 ? QStringLiteral("00:") : QStringLiteral("%1:").arg(m, 2, 10, QChar(u'0'));
    const QString sek = s <= 0 ? QStringLiteral("00") : QStringLiteral("%1").arg(s, 2, 10, QChar(u'0'));
    return minuty + sek;
}

namespace {

// 1, 2 to 4, and 5 or more take the three forms of the Czech noun.
QString Tvar(int n, const QString &jeden, const QString &dva, const QString &pet)
{
    if (n == 1)
        return jeden;
    if (n >= 2 && n <= 4)
        return dva;
    return pet;
}

} // namespace

QString DelkaSlovy(int sekundy)
{
    const int m = sekundy / 60, s = sekundy % 60;
    const QString minuty = QStringLiteral("%1 %2").arg(m).arg(
        Tvar(m, QStringLiteral("minuta"), QStringLiteral("minuty"), QStringLiteral("minut")));
    const QString sek = QStringLiteral("%1 %2").arg(s).arg(
        Tvar(s, QStringLiteral("sekunda"), QStringLiteral("sekundy"), QStringLiteral("sekund")));
    if (m > 0 && s > 0)
        return minuty + QStringLiteral(", ") + sek;
    if (m > 0)
        return minuty;
    return sek; // also "0 sekund" for a test evaluated before its first second ran out
}

QString SeznamChybnych(const PolozkyTestu &polozky)
{
    QList<int> chybne;
    for (const PolozkaTestu &p : polozky)
        if (p.Chybne)
            chybne << p.pozice;
    if (chybne.isEmpty())
        return {};
    return QStringLiteral(", jejich čísla jsou ") + SeznamCisel::Text(chybne);
}

QString Zprava(const PolozkyTestu &polozky, const Skore &skore, int minPocetBodu, int zbyvaSekund)
{
    QString radek1 = zbyvaSekund == 0 ? QStringLiteral("Čas vymezený pro test uplynul! - ") : QString();
    radek1 += Prosel(skore.PocetBodu, minPocetBodu) ? QStringLiteral("Test byl úspěšně vyřešen!")
                                                    : QStringLiteral("Test nebyl úspěšně vyřešen!");
    const QString radek2 = QStringLiteral(" - Dosáhli jste %1 bodů z %2 možných, minimem pro složení testu bylo %3 bodů")
                               .arg(skore.PocetBodu)
                               .arg(PlanTestu::MaxBodu)
                               .arg(minPocetBodu);
    const QString radek3 = QStringLiteral(" - Počet špatných odpovědí byl: %1").arg(skore.PocetChyb) + SeznamChybnych(polozky);
    const QString radek4 = QStringLiteral("Více se dozvíte z protokolu po stisku klávesy OK");
    return radek1 + QStringLiteral("\r\n") + radek2 + QStringLiteral("\r\n") + radek3 + QStringLiteral("\r\n") + radek4;
}

} // namespace VysledekTestu

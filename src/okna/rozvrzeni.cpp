#include "okna/rozvrzeni.h"

#include <QFontMetrics>
#include <QRect>

namespace Rozvrzeni {

int LevaObrazku(int cislo)
{
    if (cislo >= 621 && cislo <= 720)
        return LevaObrazkuZnacky;
    if (cislo >= 721 && cislo <= 757)
        return LevaObrazkuKrizovatky;
    return 0;
}

Vysledek Rozvrhnout(int cislo, const std::array<QString, PocetTextu> &texty, int sirkaObrazku,
                    int vyskaObrazku, const MeraniRadku &radky)
{
    const int zuzeni = LevaObrazku(cislo) ? sirkaObrazku : 0;
    Vysledek v;
    auto &t = v.texty;
    t[Otazka] = {LevaOtazky, TopOtazky, ZakladniSirka + 37 - zuzeni, 0};
    for (int i = A; i <= D; ++i)
        t[i] = {LevaOdpovedi, 0, ZakladniSirka - zuzeni, 0};
    t[Poznamka] = {LevaPoznamky, 0, SirkaPoznamky, 0};

    for (int i = Otazka; i < PocetTextu; ++i) {
        if (i == A)
            t[i].y = t[Otazka].y + t[Otazka].vyska + Mezera;
        else if (i == Poznamka) {
            t[i].y = t[D].y + t[D].vyska + Mezera;
            // The note keeps its full width, so beside a tall picture it goes below it, where
            // it can be read, instead of under it.
            if (zuzeni && t[i].y < TopObrazku + vyskaObrazku + Mezera)
                t[i].y = TopObrazku + vyskaObrazku + Mezera;
        }
        else if (i != Otazka)
            t[i].y = t[i - 1].y + t[i - 1].vyska;
        t[i].vyska = VyskaRadku * radky(static_cast<Text>(i), texty[i], t[i].sirka);
    }
    return v;
}

int PocetRadku(const QFont &pismo, const QString &text, int sirka)
{
    QString s = text;
    // A text ending with a line break has an empty last line, which is not counted.
    if (s.endsWith(QStringLiteral("\r\n")))
        s.chop(2);
    else if (s.endsWith(u'\n'))
        s.chop(1);
    if (s.isEmpty())
        return 0;
    const QFontMetrics fm(pismo);
    const QRect r = fm.boundingRect(QRect(0, 0, sirka, 1 << 20), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, s);
    return (r.height() + fm.lineSpacing() / 2) / fm.lineSpacing();
}

} // namespace Rozvrzeni

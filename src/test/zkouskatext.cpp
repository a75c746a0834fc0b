#include "test/zkouskatext.h"

#include "test/zkouska.h"

namespace ZkouskaText {

namespace {

// Where each column ends: position, bank number, topic, shown order, answer, right answer, points.
constexpr std::array<int, 7> Sirky{8, 10, 7, 9, 11, 9, 9};

QString Sloupce(const std::array<QString, 7> &texty)
{
    QString radek;
    for (size_t i = 0; i < texty.size(); ++i)
        radek += texty[i].rightJustified(Sirky[i], u' ', false);
    return radek;
}

// "b)" for the bank's letter shown as b); nothing when there is no letter.
QString Zobrazene(const PolozkaZkousky &p, QChar pismeno)
{
    const int i = p.ZobrazenaPozice(pismeno);
    return i < 0 ? QString() : QString(QChar(u'a' + i)) + u')';
}

QString DatumACas(const ZaznamZkousky &z) { return Tabulka::ZobrazitHodnotu(TypPole::DatumCas, z.DatumACas); }

const QString Cara = QStringLiteral("  ") + QString(SirkaRadku - 2, u'-');

} // namespace

QString Titulek(const ZaznamZkousky &z)
{
    return QStringLiteral("Zkouška nanečisto z ") + DatumACas(z) + QStringLiteral("; Uživatel: ") + z.Profil;
}

QString RadekPozice(const PolozkaZkousky &p)
{
    QString radek = Sloupce({QString::number(p.pozice), QString::number(p.SkutCis), Okruhy::Kod(p.okruh), p.Poradi,
                             Zobrazene(p, p.Odpoved), Zobrazene(p, p.Spravna), QString::number(p.Ziskano())});
    if (!p.Spravne())
        radek[3] = u'x';
    return radek;
}

QStringList Radky(const ZaznamZkousky &z)
{
    const PolozkyZkousky polozky = ZaznamyZkousek::Polozky(z);
    QStringList radky{
        QStringLiteral(" Uživatel : ") + z.Profil,
        QString(),
        QStringLiteral("  Skupina : ") + z.Skupina,
        QStringLiteral("  Maximální dosažitelný počet bodů : %1").arg(PlanZkousky::MaxBodu),
        QStringLiteral("  Minimální potřeba počtu bodů : %1").arg(z.MinPocetBodu),
        QStringLiteral("  Datum a čas zkoušky : ") + DatumACas(z),
        QStringLiteral("  Délka zkoušky : ") + z.DelkaTestu,
        QString(),
        Sloupce({QStringLiteral("Otázka"), QStringLiteral("Skutečné"), QStringLiteral("Okruh"), QStringLiteral("Pořadí"),
                 QStringLiteral("Odpověď"), QStringLiteral("Správná"), QStringLiteral("Získané")}),
        Sloupce({QStringLiteral("číslo"), QStringLiteral("číslo"), QString(), QStringLiteral("odpovědí"),
                 QStringLiteral("uživatele"), QStringLiteral("odpověď"), QStringLiteral("body")}),
        Cara,
    };
    for (const PolozkaZkousky &p : polozky)
        radky << RadekPozice(p);
    radky << Cara << QStringLiteral("     ") + z.Verdikt << Cara
          << QString(11, u' ') + QStringLiteral("Celkem : ") + QString::number(z.Spravne).rightJustified(25, u' ', false)
                 + QString::number(z.PocetBodu).rightJustified(18, u' ', false)
          << QString() << QStringLiteral("  Body podle okruhů:");
    const std::array<int, Okruhy::Pocet> body = VysledekZkousky::BodyPodleOkruhu(polozky),
                                         mozne = VysledekZkousky::MaxBodyPodleOkruhu();
    for (const PlanZkousky::Radek &r : PlanZkousky::Radky) {
        const size_t i = static_cast<size_t>(Okruhy::Index(r.okruh));
        radky << QStringLiteral("    %1 %2 z %3  %4")
                     .arg(Okruhy::Kod(r.okruh), -4)
                     .arg(body[i], 2)
                     .arg(mozne[i], 2)
                     .arg(Okruhy::Nazev(r.okruh));
    }
    radky << QString()
          << QStringLiteral("  Pořadí: písmena odpovědí v databázi otázek v pořadí,")
          << QStringLiteral("  v jakém byly ukázány jako a), b), c).");
    return radky;
}

} // namespace ZkouskaText

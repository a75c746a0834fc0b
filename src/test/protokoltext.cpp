#include "test/protokoltext.h"

#include "test/plan.h"
#include "test/tokeny.h"

#include <QStringEncoder>

namespace ProtokolText {

namespace {

// A token right-aligned in its column; a longer one is kept whole.
QString Sloupec(const QString &text, int sirka)
{
    return text.rightJustified(sirka, u' ', false);
}

QByteArray Kodovat(QStringView text)
{
    QStringEncoder kodovani("windows-1250");
    QByteArray bajty = kodovani.encode(text);
    if (!kodovani.hasError())
        return bajty;
    // The encoder would put its control character SUB in place of a missing letter; a reader
    // sees "?" better. Each character, a surrogate pair as one, is tried on its own.
    bajty.clear();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype delka = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        QStringEncoder znak("windows-1250");
        const QByteArray b = znak.encode(text.mid(i, delka));
        bajty += znak.hasError() ? QByteArray("?") : b;
        i += delka;
    }
    return bajty;
}

const QString Cara = QStringLiteral("  ") + QString(45, u'-');

// The date and time of the test as the test list shows them.
QString DatumACas(const ZaznamProtokolu &z) { return Tabulka::ZobrazitHodnotu(TypPole::DatumCas, z.DatumACas); }

} // namespace

QString Titulek(const ZaznamProtokolu &z)
{
    return QStringLiteral("Test z ") + DatumACas(z) + QStringLiteral("; Uživatel: ") + z.Profil;
}

QString RadekOtazky(int i, const QString &skutCis, const QString &odpoved, const QString &spravna,
                    const QString &body)
{
    QString radek = Sloupec(QString::number(i), 8) + Sloupec(skutCis, 10) + Sloupec(odpoved, 11)
                    + Sloupec(spravna, 9) + QString(8, u' ') + u'0';
    if (odpoved == spravna) {
        // The points replace the closing "0"; with over-long tokens it no longer stands at the
        // 47th character, and a character in the middle of a token must not be overwritten.
        if (!body.isEmpty())
            radek[radek.size() - 1] = body[0];
    } else {
        radek[3] = u'x';
    }
    return radek;
}

QString RadekCelkem(int spravne, int pocetBodu)
{
    return QString(11, u' ') + QStringLiteral("Celkem : ") + Sloupec(QString::number(spravne), 9)
           + Sloupec(QString::number(pocetBodu), 18);
}

QStringList Radky(const ZaznamProtokolu &z)
{
    const int n = PlanTestu::PocetPozic;
    const QStringList body = Tokeny::Rozdelit(z.Body, n);
    const QStringList odpoved = Tokeny::Rozdelit(z.Odpoved, n);
    const QStringList spravna = Tokeny::Rozdelit(z.SpravnaOdpoved, n);
    const QStringList skutCis = Tokeny::Rozdelit(z.SkutCis, n);

    QStringList radky{
        QStringLiteral(" Uživatel : ") + z.Profil,
        QString(),
        QStringLiteral("  Skupina : ") + z.Skupina,
        QStringLiteral("  Maximální dosažitelný počet bodů: : %1").arg(PlanTestu::MaxBodu),
        QStringLiteral("  Minimální potřeba počtu bodů : %1").arg(z.MinPocetBodu),
        QStringLiteral("  Datum a čas testu : ") + DatumACas(z),
        QStringLiteral("  Délka testu : ") + z.DelkaTestu,
        QString(),
        QStringLiteral("  Otázka  Skutečné    Odpověď  Správná  Získané"),
        QStringLiteral("   číslo     číslo  uživatele  odpověď     body"),
        Cara,
    };
    for (int i = 0; i < n; ++i)
        radky << RadekOtazky(i + 1, skutCis[i], odpoved[i], spravna[i], body[i]);
    radky << Cara << QStringLiteral("     ") + z.Verdikt << Cara << RadekCelkem(z.Spravne, z.PocetBodu);
    return radky;
}

QString JmenoSouboru(const QString &zvolene)
{
    if (zvolene.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
        return zvolene;
    return zvolene + QStringLiteral(".txt");
}

QString JmenoTisku(const QString &titulek)
{
    static const QString zakazane = QStringLiteral("<>:\"/\\|?*");
    QString jmeno = titulek;
    for (QChar &c : jmeno)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || zakazane.contains(c))
            c = u'_';
    return jmeno;
}

QByteArray ObsahSouboru(const QStringList &radky)
{
    QByteArray obsah;
    for (const QString &radek : radky) {
        obsah += Kodovat(radek);
        obsah += "\r\n";
    }
    return obsah;
}

} // namespace ProtokolText

#include "banka/stavitel.h"

#include "data/kategorie.h"
#include "data/tabulka.h"
#include "obrazky/krizovatky.h"
#include "obrazky/znacky.h"
#include "obrazky/znamky.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSaveFile>

#include <array>
#include <set>

namespace Banka {

namespace {

const std::set<int> Vyrazene{181, 274, 355, 388, 502, 523, 544, 545, 547, 550, 552, 553, 554, 555,
                             558, 559, 560, 561, 563, 565, 566, 568, 569, 570, 573, 575, 577, 579};

QString Text(const char *utf8) { return QString::fromUtf8(utf8); }

// Letters of A..D, each at most once, ascending. The pattern is anchored to the whole text: a bare
// "$" would also accept a trailing line feed.
bool VzestupnaPismena(const QString &s)
{
    static const QRegularExpression vzor(QRegularExpression::anchoredPattern(QStringLiteral("A?B?C?D?")));
    return !s.isEmpty() && vzor.match(s).hasMatch();
}

// Questions the points test takes from each category for one group: categories 3 and 5
// share their two places.
struct Pozadavek {
    std::array<int, 2> kategorie;
    int pocet;
    const char *popis;
};
constexpr std::array<Pozadavek, 6> PlanTestu{{
    {{1, 1}, 10, "kategorie 1"},
    {{2, 2}, 4, "kategorie 2"},
    {{3, 5}, 2, "kategorií 3 a 5"},
    {{4, 4}, 1, "kategorie 4"},
    {{6, 6}, 5, "kategorie 6"},
    {{7, 7}, 3, "kategorie 7"},
}};

bool Splnuje(const QString &skupinaOtazky, const QString &pismena)
{
    return skupinaOtazky.contains(pismena);
}

} // namespace

bool Vyrazena(int cislo) { return Vyrazene.count(cislo) > 0; }

QList<OtazkaZdroje> NacistZdroje(const QString &adresar, Kontrola &kontrola)
{
    QList<OtazkaZdroje> otazky;
    static const QRegularExpression jmenoSouboru(QStringLiteral("^([1-7])-[^/]+\\.json$"));
    const QDir dir(adresar);
    if (!dir.exists()) {
        kontrola.chyby << Text("Adresář se zdroji %1 neexistuje.").arg(adresar);
        return otazky;
    }
    const QStringList soubory = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    std::set<int> kategorieSouboru;
    for (const QString &soubor : soubory) {
        const auto shoda = jmenoSouboru.match(soubor);
        if (!shoda.hasMatch()) {
            kontrola.chyby << Text("%1: jméno souboru musí mít tvar <kategorie 1-7>-<název>.json").arg(soubor);
            continue;
        }
        const int kategorie = shoda.captured(1).toInt();
        if (!kategorieSouboru.insert(kategorie).second) {
            kontrola.chyby << Text("%1: kategorie %2 má více než jeden soubor").arg(soubor).arg(kategorie);
            continue;
        }
        QFile f(dir.filePath(soubor));
        if (!f.open(QIODevice::ReadOnly)) {
            kontrola.chyby << Text("%1: nelze číst: %2").arg(soubor, f.errorString());
            continue;
        }
        QJsonParseError chyba;
        const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &chyba);
        if (chyba.error != QJsonParseError::NoError || !doc.isArray()) {
            kontrola.chyby << Text("%1: není platné pole JSON (znak %2: %3)")
                                  .arg(soubor).arg(chyba.offset).arg(chyba.errorString());
            continue;
        }
        int predchozi = 0;
        const QJsonArray pole = doc.array();
        for (int i = 0; i < pole.size(); ++i) {
            const QJsonObject o = pole[i].toObject();
            OtazkaZdroje q;
            q.soubor = soubor;
            q.cislo = o.value(QStringLiteral("cislo")).toInt(0);
            const QString kde = Text("%1: otázka %2").arg(soubor).arg(q.cislo ? QString::number(q.cislo)
                                                                              : Text("č. %1 v pořadí").arg(i + 1));
            bool spravnyTvar = true;
            for (const char *klic : {"otazka", "a", "b", "c", "d", "spravne", "skupina", "poznamka"}) {
                if (!o.value(QString::fromLatin1(klic)).isString()) {
                    kontrola.chyby << Text("%1: chybí text \"%2\"").arg(kde, QString::fromLatin1(klic));
                    spravnyTvar = false;
                }
            }
            if (q.cislo < 1 || q.cislo > Kategorie::NejvyssiCislo) {
                kontrola.chyby << Text("%1: číslo musí být celé číslo 1 až 757").arg(kde);
                continue;
            }
            if (Kategorie::KategorieOtazky(q.cislo) != kategorie)
                kontrola.chyby << Text("%1: číslo nepatří do kategorie %2 (%3 až %4)")
                                      .arg(kde).arg(kategorie)
                                      .arg(Kategorie::Meze[kategorie - 1] + 1).arg(Kategorie::Meze[kategorie]);
            if (q.cislo <= predchozi)
                kontrola.chyby << Text("%1: čísla v souboru musí vzestupně růst").arg(kde);
            predchozi = std::max(predchozi, q.cislo);
            if (!spravnyTvar)
                continue;
            q.otazka = o.value(QStringLiteral("otazka")).toString();
            q.a = o.value(QStringLiteral("a")).toString();
            q.b = o.value(QStringLiteral("b")).toString();
            q.c = o.value(QStringLiteral("c")).toString();
            q.d = o.value(QStringLiteral("d")).toString();
            q.spravne = o.value(QStringLiteral("spravne")).toString();
            q.skupina = o.value(QStringLiteral("skupina")).toString();
            q.poznamka = o.value(QStringLiteral("poznamka")).toString();
            q.maZnacku = o.contains(QStringLiteral("znacka"));
            q.maKrizovatku = o.contains(QStringLiteral("krizovatka"));
            q.znacka = o.value(QStringLiteral("znacka")).toString();
            q.krizovatka = o.value(QStringLiteral("krizovatka")).toObject();
            otazky.append(q);
        }
    }
    return otazky;
}

void Zkontrolovat(const QList<OtazkaZdroje> &otazky, Kontrola &kontrola)
{
    std::set<int> cisla;
    for (const OtazkaZdroje &q : otazky) {
        const QString kde = Text("%1: otázka %2").arg(q.soubor).arg(q.cislo);
        auto chyba = [&](const QString &pravidlo) { kontrola.chyby << kde + QStringLiteral(": ") + pravidlo; };

        if (!cisla.insert(q.cislo).second)
            chyba(Text("číslo je v bance dvakrát"));
        if (Vyrazena(q.cislo))
            chyba(Text("vyřazená otázka nesmí mít záznam"));
        if (q.otazka.trimmed().isEmpty())
            chyba(Text("chybí text otázky"));

        const std::array<QString, 4> odpovedi{q.a, q.b, q.c, q.d};
        for (int i = 0; i < 3; ++i)
            if (odpovedi[i].trimmed().isEmpty())
                chyba(Text("odpověď %1) je prázdná; prázdná smí být jen d)").arg(QChar(u'a' + i)));
        for (int i = 0; i < 4; ++i)
            for (int j = i + 1; j < 4; ++j)
                if (!odpovedi[i].isEmpty() && odpovedi[i].trimmed() == odpovedi[j].trimmed())
                    chyba(Text("odpovědi %1) a %2) jsou stejné").arg(QChar(u'a' + i)).arg(QChar(u'a' + j)));

        if (!VzestupnaPismena(q.spravne))
            chyba(Text("správné odpovědi \"%1\" musí být velká písmena A až D vzestupně bez oddělovačů").arg(q.spravne));
        else
            for (QChar pismeno : q.spravne)
                if (odpovedi[pismeno.unicode() - u'A'].isEmpty())
                    chyba(Text("správná odpověď %1 je prázdná").arg(pismeno));

        if (!VzestupnaPismena(q.skupina))
            chyba(Text("skupina \"%1\" musí být písmena A až D vzestupně bez oddělovačů").arg(q.skupina));

        const bool obrazek = q.cislo > Kategorie::Meze[5];
        const bool jeZnacka = Kategorie::KategorieOtazky(q.cislo) == 6;
        if (!obrazek && (q.maZnacku || q.maKrizovatku))
            chyba(Text("obrázek smějí mít jen otázky 621 až 757"));
        if (obrazek && jeZnacka && !q.maZnacku)
            chyba(Text("chybí obrázek: otázka 621 až 720 musí mít \"znacka\""));
        if (obrazek && !jeZnacka && !q.maKrizovatku)
            chyba(Text("chybí obrázek: otázka 721 až 757 musí mít \"krizovatka\""));
        if (obrazek && jeZnacka && q.maKrizovatku)
            chyba(Text("otázka 621 až 720 ukazuje značku, ne křižovatku"));
        if (obrazek && !jeZnacka && q.maZnacku)
            chyba(Text("otázka 721 až 757 ukazuje křižovatku, ne samotnou značku"));
        if (q.maZnacku && !Znacky::Existuje(q.znacka))
            chyba(Text("neznámá dopravní značka \"%1\"").arg(q.znacka));
        if (q.maKrizovatku) {
            const QString vada = Krizovatky::Zkontrolovat(q.krizovatka);
            if (!vada.isEmpty())
                chyba(Text("chybná křižovatka: %1").arg(vada));
        }
    }

    for (int n = 1; n <= Kategorie::NejvyssiCislo; ++n)
        if (!Vyrazena(n) && !cisla.count(n))
            kontrola.chybejici.append(n);
    if (!kontrola.chybejici.isEmpty())
        return;

    if (static_cast<int>(cisla.size()) != PocetZaznamu)
        kontrola.chyby << Text("banka musí mít %1 otázek, má %2").arg(PocetZaznamu).arg(cisla.size());
    for (const QString &pismena : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                   QStringLiteral("D"), QStringLiteral("ABCD")}) {
        for (const Pozadavek &p : PlanTestu) {
            int pocet = 0;
            for (const OtazkaZdroje &q : otazky) {
                const int k = Kategorie::KategorieOtazky(q.cislo);
                if ((k == p.kategorie[0] || k == p.kategorie[1])
                    && (pismena.size() == 4 ? q.skupina == pismena : Splnuje(q.skupina, pismena)))
                    ++pocet;
            }
            if (pocet < p.pocet)
                kontrola.chyby << Text("test na body nelze sestavit pro skupinu %1: z %2 potřebuje %3 otázek, banka má %4")
                                      .arg(pismena.size() == 4 ? QStringLiteral("T") : pismena,
                                           Text(p.popis)).arg(p.pocet).arg(pocet);
        }
    }
}

QString Zapsat(const QList<OtazkaZdroje> &otazky, const QString &cil)
{
    QDir dir(cil);
    if (!dir.mkpath(QStringLiteral("grafika")) || !dir.mkpath(QStringLiteral("obrazky")))
        return Text("Nelze vytvořit adresáře v %1.").arg(cil);

    auto ulozitObrazek = [](const QImage &obraz, const QString &cesta) -> QString {
        QSaveFile f(cesta);
        if (obraz.isNull() || !f.open(QIODevice::WriteOnly) || !obraz.save(&f, "JPG", 92) || !f.commit())
            return Text("Nelze zapsat obrázek %1: %2").arg(cesta, f.errorString());
        return {};
    };

    for (auto druh : {Znamky::Druh::Spravne, Znamky::Druh::Spatne, Znamky::Druh::Opomenuta}) {
        const QString vada = ulozitObrazek(Znamky::Nakreslit(druh),
                                          dir.filePath(QStringLiteral("grafika/") + QString::fromLatin1(Znamky::Soubor(druh))));
        if (!vada.isEmpty())
            return vada;
    }

    QList<OtazkaZdroje> serazene = otazky;
    std::sort(serazene.begin(), serazene.end(),
              [](const OtazkaZdroje &x, const OtazkaZdroje &y) { return x.cislo < y.cislo; });

    // The new bank is written aside and moved in whole, so a failed build leaves the old one.
    const QString docasne = dir.filePath(QStringLiteral("otazky-nova"));
    QFile::remove(docasne + QStringLiteral(".DB"));
    QFile::remove(docasne + QStringLiteral(".MB"));
    {
        Tabulka::Vytvorit(docasne, {
            {QStringLiteral("Číslo"), TypPole::Cele, 0},
            {QStringLiteral("OTÁZKA"), TypPole::Memo, 0},
            {QStringLiteral("A"), TypPole::Memo, 0},
            {QStringLiteral("B"), TypPole::Memo, 0},
            {QStringLiteral("C"), TypPole::Memo, 0},
            {QStringLiteral("D"), TypPole::Memo, 0},
            {QStringLiteral("SPRÁVNĚ"), TypPole::Retezec, 4},
            {QStringLiteral("Skupina"), TypPole::Retezec, 4},
            {QStringLiteral("OBRÁZEK"), TypPole::Retezec, 64},
            {QStringLiteral("POZNÁMKA"), TypPole::Memo, 0},
        });
        Tabulka t(docasne);
        t.Otevrit();
        for (const OtazkaZdroje &q : std::as_const(serazene)) {
            QString obrazek;
            if (q.maZnacku || q.maKrizovatku) {
                obrazek = QStringLiteral("obrazky/%1.jpg").arg(q.cislo);
                const QString vada = ulozitObrazek(q.maZnacku ? Znacky::Nakreslit(q.znacka)
                                                              : Krizovatky::Nakreslit(q.krizovatka),
                                                   dir.filePath(obrazek));
                if (!vada.isEmpty())
                    return vada;
            }
            t.Vlozit();
            t.Nastavit(QStringLiteral("Číslo"), q.cislo);
            t.Nastavit(QStringLiteral("OTÁZKA"), q.otazka);
            t.Nastavit(QStringLiteral("A"), q.a);
            t.Nastavit(QStringLiteral("B"), q.b);
            t.Nastavit(QStringLiteral("C"), q.c);
            t.Nastavit(QStringLiteral("D"), q.d);
            t.Nastavit(QStringLiteral("SPRÁVNĚ"), q.spravne);
            t.Nastavit(QStringLiteral("Skupina"), q.skupina);
            t.Nastavit(QStringLiteral("OBRÁZEK"), obrazek);
            t.Nastavit(QStringLiteral("POZNÁMKA"), q.poznamka);
            t.Ulozit();
        }
    }
    for (const char *pripona : {".DB", ".MB"}) {
        const QString novy = docasne + QString::fromLatin1(pripona);
        const QString cilovy = dir.filePath(QStringLiteral("otazky") + QString::fromLatin1(pripona));
        QFile::remove(cilovy);
        if (!QFile::rename(novy, cilovy))
            return Text("Nelze přesunout %1 na %2.").arg(novy, cilovy);
    }
    return {};
}

QString Rozsahy(const QList<int> &cisla)
{
    QStringList casti;
    for (int i = 0; i < cisla.size();) {
        int j = i;
        while (j + 1 < cisla.size() && (cisla[j + 1] == cisla[j] + 1 || (Vyrazena(cisla[j] + 1) && cisla[j + 1] == cisla[j] + 2)))
            ++j;
        casti << (i == j ? QString::number(cisla[i]) : QStringLiteral("%1-%2").arg(cisla[i]).arg(cisla[j]));
        i = j + 1;
    }
    return casti.join(QStringLiteral(", "));
}

} // namespace Banka

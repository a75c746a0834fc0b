#include "banka/stavitel.h"

#include "data/banka.h"
#include "data/kategorie.h"
#include "data/tabulka.h"
#include "kresby/znamky.h"
#include "kresby/krizovatky.h"
#include "logika/krizovatky_odpovedi.h"
#include "kresby/znacky.h"
#include "test/plan.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <set>

namespace Banka {

namespace {

const std::set<int> Vyrazene{181, 274, 355, 388, 502, 523, 544, 545, 547, 550, 552, 553, 554, 555,
                             558, 559, 560, 561, 563, 565, 566, 568, 569, 570, 573, 575, 577, 579};

// Letters of A..D, each at most once, ascending. The pattern is anchored to the whole text: a bare
// "$" would also accept a trailing line feed.
bool VzestupnaPismena(const QString &s)
{
    static const QRegularExpression vzor(QRegularExpression::anchoredPattern(QStringLiteral("A?B?C?D?")));
    return !s.isEmpty() && vzor.match(s).hasMatch();
}

// Category 1..7 of a question number, 8 for safe driving, 0 for a number of none.
int KategorieCisla(int cislo)
{
    return Kategorie::BezpecnaJizda(cislo) ? Kategorie::KategorieBezpecneJizdy : Kategorie::KategorieOtazky(cislo);
}

int PrvniCislo(int k) { return k == Kategorie::KategorieBezpecneJizdy ? Kategorie::PrvniBezpecneJizdy : Kategorie::Prvni(k); }
int PosledniCislo(int k)
{
    return k == Kategorie::KategorieBezpecneJizdy ? Kategorie::PosledniBezpecneJizdy : Kategorie::Posledni(k);
}

} // namespace

bool Vyrazena(int cislo) { return Vyrazene.count(cislo) > 0; }

namespace {

QString KodyOkruhu()
{
    QStringList kody;
    for (Okruhy::Okruh o : Okruhy::Vsechny)
        kody << Okruhy::Kod(o);
    return kody.join(QStringLiteral(", "));
}

} // namespace

QString OveritKrizovatku(const OtazkaZdroje &q)
{
    const std::optional<Krizovatky::Scena> scena = Krizovatky::Nacist(q.krizovatka, nullptr);
    if (!scena)
        return QStringLiteral("scénu nelze přečíst");
    const Krizovatky::Reseni reseni = Krizovatky::Vyresit(*scena);
    if (!reseni.Rozhodnuto())
        return QStringLiteral("%1 Scéna musí uvést pořadí s důvodem v údaji „reseni“.").arg(reseni.chyba);
    return Krizovatky::OveritOdpovedi(*scena, reseni, q.otazka, {q.a, q.b, q.c, q.d}, q.spravne);
}

QList<OtazkaZdroje> NacistZdroje(const QString &adresar, Kontrola &kontrola)
{
    QList<OtazkaZdroje> otazky;
    static const QRegularExpression jmenoSouboru(QStringLiteral("^([1-8])-[^/]+\\.json$"));
    const QDir dir(adresar);
    if (!dir.exists()) {
        kontrola.chyby << QStringLiteral("Adresář se zdroji %1 neexistuje.").arg(adresar);
        return otazky;
    }
    const QStringList soubory = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    std::set<int> kategorieSouboru;
    for (const QString &soubor : soubory) {
        const auto shoda = jmenoSouboru.match(soubor);
        if (!shoda.hasMatch()) {
            kontrola.chyby << QStringLiteral("%1: jméno souboru musí mít tvar <kategorie 1-8>-<název>.json").arg(soubor);
            continue;
        }
        const int kategorie = shoda.captured(1).toInt();
        if (!kategorieSouboru.insert(kategorie).second) {
            kontrola.chyby << QStringLiteral("%1: kategorie %2 má více než jeden soubor").arg(soubor).arg(kategorie);
            continue;
        }
        QFile f(dir.filePath(soubor));
        if (!f.open(QIODevice::ReadOnly)) {
            kontrola.chyby << QStringLiteral("%1: nelze číst: %2").arg(soubor, f.errorString());
            continue;
        }
        QJsonParseError chyba;
        const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &chyba);
        if (chyba.error != QJsonParseError::NoError || !doc.isArray()) {
            kontrola.chyby << QStringLiteral("%1: není platné pole JSON (znak %2: %3)")
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
            const QString kde = QStringLiteral("%1: otázka %2").arg(soubor).arg(q.cislo ? QString::number(q.cislo)
                                                                              : QStringLiteral("č. %1 v pořadí").arg(i + 1));
            bool spravnyTvar = true;
            for (const char *klic : {"otazka", "a", "b", "c", "d", "spravne", "skupina", "poznamka"}) {
                if (!o.value(QString::fromLatin1(klic)).isString()) {
                    kontrola.chyby << QStringLiteral("%1: chybí text \"%2\"").arg(kde, QString::fromLatin1(klic));
                    spravnyTvar = false;
                }
            }
            if (KategorieCisla(q.cislo) == 0) {
                kontrola.chyby << QStringLiteral("%1: číslo musí být celé číslo 1 až %2 nebo %3 až %4")
                                      .arg(kde).arg(Kategorie::NejvyssiCislo)
                                      .arg(Kategorie::PrvniBezpecneJizdy).arg(Kategorie::PosledniBezpecneJizdy);
                continue;
            }
            if (KategorieCisla(q.cislo) != kategorie)
                kontrola.chyby << QStringLiteral("%1: číslo nepatří do kategorie %2 (%3 až %4)")
                                      .arg(kde).arg(kategorie).arg(PrvniCislo(kategorie)).arg(PosledniCislo(kategorie));
            if (q.cislo <= predchozi)
                kontrola.chyby << QStringLiteral("%1: čísla v souboru musí vzestupně růst").arg(kde);
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
            q.okruh = o.value(QStringLiteral("okruh")).toString();
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
        const QString kde = QStringLiteral("%1: otázka %2").arg(q.soubor).arg(q.cislo);
        auto chyba = [&](const QString &pravidlo) { kontrola.chyby << kde + QStringLiteral(": ") + pravidlo; };

        if (!cisla.insert(q.cislo).second)
            chyba(QStringLiteral("číslo je v bance dvakrát"));
        if (Vyrazena(q.cislo))
            chyba(QStringLiteral("vyřazená otázka nesmí mít záznam"));
        if (q.otazka.trimmed().isEmpty())
            chyba(QStringLiteral("chybí text otázky"));

        const std::array<QString, 4> odpovedi{q.a, q.b, q.c, q.d};
        for (int i = 0; i < 3; ++i)
            if (odpovedi[i].trimmed().isEmpty())
                chyba(QStringLiteral("odpověď %1) je prázdná; prázdná smí být jen d)").arg(QChar(u'a' + i)));
        for (int i = 0; i < 4; ++i)
            for (int j = i + 1; j < 4; ++j)
                if (!odpovedi[i].isEmpty() && odpovedi[i].trimmed() == odpovedi[j].trimmed())
                    chyba(QStringLiteral("odpovědi %1) a %2) jsou stejné").arg(QChar(u'a' + i)).arg(QChar(u'a' + j)));

        if (!VzestupnaPismena(q.spravne))
            chyba(QStringLiteral("správné odpovědi \"%1\" musí být velká písmena A až D vzestupně bez oddělovačů").arg(q.spravne));
        else
            for (QChar pismeno : q.spravne)
                if (odpovedi[pismeno.unicode() - u'A'].isEmpty())
                    chyba(QStringLiteral("správná odpověď %1 je prázdná").arg(pismeno));

        if (!VzestupnaPismena(q.skupina))
            chyba(QStringLiteral("skupina \"%1\" musí být písmena A až D vzestupně bez oddělovačů").arg(q.skupina));
        if (q.okruh.isEmpty())
            chyba(QStringLiteral("chybí okruh: jeden z kódů %1").arg(KodyOkruhu()));
        else if (!Okruhy::ZKodu(q.okruh))
            chyba(QStringLiteral("okruh \"%1\" není žádný z kódů %2").arg(q.okruh, KodyOkruhu()));

        if (Kategorie::BezpecnaJizda(q.cislo)) {
            if (!q.d.isEmpty())
                chyba(QStringLiteral("otázka bezpečné jízdy má právě tři odpovědi: d) musí být prázdná"));
            if (q.spravne.size() != 1)
                chyba(QStringLiteral("otázka bezpečné jízdy má právě jednu správnou odpověď, ne \"%1\"").arg(q.spravne));
            if (!q.okruh.isEmpty() && q.okruh != Okruhy::Kod(Okruhy::Okruh::ZBJ))
                chyba(QStringLiteral("otázka bezpečné jízdy patří do okruhu ZBJ, ne \"%1\"").arg(q.okruh));
        }

        const bool obrazek = Kategorie::MaObrazek(q.cislo);
        const bool jeZnacka = Kategorie::KategorieOtazky(q.cislo) == Kategorie::KategorieZnacek;
        if (!obrazek && (q.maZnacku || q.maKrizovatku))
            chyba(QStringLiteral("obrázek smějí mít jen otázky 621 až 757"));
        if (obrazek && jeZnacka && !q.maZnacku)
            chyba(QStringLiteral("chybí obrázek: otázka 621 až 720 musí mít \"znacka\""));
        if (obrazek && !jeZnacka && !q.maKrizovatku)
            chyba(QStringLiteral("chybí obrázek: otázka 721 až 757 musí mít \"krizovatka\""));
        if (obrazek && jeZnacka && q.maKrizovatku)
            chyba(QStringLiteral("otázka 621 až 720 ukazuje značku, ne křižovatku"));
        if (obrazek && !jeZnacka && q.maZnacku)
            chyba(QStringLiteral("otázka 721 až 757 ukazuje křižovatku, ne samotnou značku"));
        if (q.maZnacku && !Znacky::Existuje(q.znacka))
            chyba(QStringLiteral("neznámá dopravní značka \"%1\"").arg(q.znacka));
        if (q.maKrizovatku) {
            const QString vada = Krizovatky::Zkontrolovat(q.krizovatka);
            if (!vada.isEmpty())
                chyba(QStringLiteral("chybná křižovatka: %1").arg(vada));
            else if (const QString nesouhlas = OveritKrizovatku(q); !nesouhlas.isEmpty())
                chyba(QStringLiteral("křižovatka: %1").arg(nesouhlas));
        }
    }

    for (int n = 1; n <= Kategorie::NejvyssiCislo; ++n)
        if (!Vyrazena(n) && !cisla.count(n))
            kontrola.chybejici.append(n);
    if (!kontrola.chybejici.isEmpty())
        return;

    const auto sedmKategorii = std::count_if(cisla.begin(), cisla.end(), [](int n) { return n <= Kategorie::NejvyssiCislo; });
    if (sedmKategorii != PocetZaznamu)
        kontrola.chyby << QStringLiteral("kategorie 1 až 7 musí mít %1 otázek, mají %2").arg(PocetZaznamu).arg(sedmKategorii);
    // Every row of the points test's plan must be fillable for every group.
    for (const QString &skupina : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                   QStringLiteral("D"), QStringLiteral("T")}) {
        for (const PlanTestu::Radek &radek : PlanTestu::Radky) {
            int pocet = 0;
            for (const OtazkaZdroje &q : otazky)
                if (PlanTestu::CisloVRadku(radek, q.cislo) && Skupiny::OtazkaProSkupinu(q.skupina, skupina))
                    ++pocet;
            if (pocet < radek.PocetPozic())
                kontrola.chyby << QStringLiteral("test na body nelze sestavit pro skupinu %1: pozice %2 až %3 "
                                                 "potřebují %4 otázek, banka má %5")
                                      .arg(skupina).arg(radek.prvni).arg(radek.posledni)
                                      .arg(radek.PocetPozic()).arg(pocet);
        }
    }
}

namespace {

const std::array<QString, OkruhySkupin::PocetRadku> &RadkySkupin()
{
    static const std::array<QString, OkruhySkupin::PocetRadku> radky{
        QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("T")};
    return radky;
}

} // namespace

OkruhySkupin SecistOkruhy(const QList<OtazkaZdroje> &otazky)
{
    OkruhySkupin soucty;
    for (const OtazkaZdroje &q : otazky) {
        soucty.bezpecneJizdy += Kategorie::BezpecnaJizda(q.cislo);
        const auto okruh = Okruhy::ZKodu(q.okruh);
        if (!okruh)
            continue;
        for (size_t r = 0; r < RadkySkupin().size(); ++r)
            if (Skupiny::OtazkaProSkupinu(q.skupina, RadkySkupin()[r]))
                ++soucty.pocty[r][static_cast<size_t>(Okruhy::Index(*okruh))];
    }
    return soucty;
}

QString OkruhySkupin::Tabulka() const
{
    QString text = QStringLiteral("Okruhy podle skupin (T: otázky společné všem skupinám; s %1 otázkami bezpečné jízdy):\n")
                       .arg(bezpecneJizdy);
    text += QStringLiteral("skupina");
    for (Okruhy::Okruh o : Okruhy::Vsechny)
        text += QStringLiteral("%1").arg(Okruhy::Kod(o), 6);
    text += QStringLiteral("%1\n").arg(QStringLiteral("celkem"), 8);
    for (size_t r = 0; r < RadkySkupin().size(); ++r) {
        text += QStringLiteral("%1").arg(RadkySkupin()[r], -7);
        int celkem = 0;
        for (int pocet : pocty[r]) {
            text += QStringLiteral("%1").arg(pocet, 6);
            celkem += pocet;
        }
        text += QStringLiteral("%1\n").arg(celkem, 8);
    }
    return text;
}

namespace {

// The first whitespace-separated token of the trimmed text, without trailing punctuation, in lower case.
QString PrvniSlovo(const QString &odpoved)
{
    const QString text = odpoved.trimmed();
    qsizetype konec = 0;
    while (konec < text.size() && !text[konec].isSpace())
        ++konec;
    QString slovo = text.left(konec);
    while (!slovo.isEmpty() && QStringLiteral(",.;:!?").contains(slovo.back()))
        slovo.chop(1);
    return slovo.toLower();
}

// The phrases with their patterns: whole words, any case.
const QList<std::pair<QString, QRegularExpression>> &FrazeSpatnych()
{
    static const QList<std::pair<QString, QRegularExpression>> fraze = [] {
        QList<std::pair<QString, QRegularExpression>> seznam;
        for (const QString &text : {QStringLiteral("ale jen"), QStringLiteral("bez ohledu"), QStringLiteral("protože"),
                                    QStringLiteral("jinak ne"), QStringLiteral("jinde ne"), QStringLiteral("jen")})
            seznam.append({text, QRegularExpression(QStringLiteral("(?<!\\w)%1(?!\\w)").arg(QRegularExpression::escape(text)),
                                                    QRegularExpression::CaseInsensitiveOption
                                                        | QRegularExpression::UseUnicodePropertiesOption)});
        return seznam;
    }();
    return fraze;
}

// The cues of the form of three answers a question with one right answer (0..2) gives.
void ZmeritTvar(const std::array<QString, 3> &odpovedi, int spravna, Napovedy &n)
{
    std::array<QString, 3> slova;
    for (size_t i = 0; i < 3; ++i)
        slova[i] = PrvniSlovo(odpovedi[i]);
    auto vyskyty = [&slova](const QString &slovo) { return std::count(slova.begin(), slova.end(), slovo); };

    // Exactly two alike: the one word that occurs once is the odd one out.
    int licha = -1, osamocenych = 0;
    for (int i = 0; i < 3; ++i)
        if (vyskyty(slova[static_cast<size_t>(i)]) == 1) {
            licha = i;
            ++osamocenych;
        }
    if (osamocenych == 1) {
        ++n.lichych;
        n.lichaSpravna += licha == spravna;
    }

    const auto anoNe = [](const QString &slovo) { return slovo == u"ano" || slovo == u"ne"; };
    int anoNeOdpovedi = 0, osamocena = -1, osamocenychAnoNe = 0;
    for (int i = 0; i < 3; ++i) {
        const QString &slovo = slova[static_cast<size_t>(i)];
        if (!anoNe(slovo))
            continue;
        ++anoNeOdpovedi;
        if (vyskyty(slovo) == 1) {
            osamocena = i;
            ++osamocenychAnoNe;
        }
    }
    if (anoNeOdpovedi >= 2 && osamocenychAnoNe == 1) {
        ++n.anoNe;
        n.anoNeSpravna += osamocena == spravna;
    }

    for (qsizetype f = 0; f < FrazeSpatnych().size(); ++f)
        for (int i = 0; i < 3; ++i)
            if (FrazeSpatnych()[f].second.match(odpovedi[static_cast<size_t>(i)]).hasMatch())
                ++(i == spravna ? n.fraze[f].spravnych : n.fraze[f].spatnych);
}

} // namespace

Napovedy ZmeritNapovedy(const QList<OtazkaZdroje> &otazky)
{
    Napovedy n;
    for (const auto &[text, vzor] : FrazeSpatnych())
        n.fraze.append({text, 0, 0});
    for (const OtazkaZdroje &q : otazky) {
        if (q.spravne.size() != 1 || !VzestupnaPismena(q.spravne))
            continue;
        const int spravna = q.spravne.front().unicode() - u'A';
        const std::array<QString, 4> odpovedi{q.a, q.b, q.c, q.d};
        QList<qsizetype> delky;
        for (const QString &o : odpovedi)
            if (!o.trimmed().isEmpty())
                delky << o.trimmed().size();
        if (spravna >= delky.size())
            continue;
        const qsizetype delka = delky[spravna];
        bool kratsi = true, delsi = true, mnohemDelsi = true;
        for (int i = 0; i < delky.size(); ++i) {
            if (i == spravna)
                continue;
            kratsi = kratsi && delky[i] > delka;
            delsi = delsi && delky[i] < delka;
            mnohemDelsi = mnohemDelsi && delky[i] * 10 > delka * 13;
        }
        if (delky.size() == 4) {
            ++n.ctveric;
            ++n.pismena[static_cast<size_t>(spravna)];
            continue;
        }
        ++n.trojic;
        ZmeritTvar({q.a, q.b, q.c}, spravna, n);
        n.nejkratsi += kratsi;
        n.nejdelsi += delsi;
        if (mnohemDelsi) {
            ++n.obeDelsi;
            n.cislaObeDelsi << q.cislo;
        }
    }
    return n;
}

namespace {

QString Podil(int pocet, int zaklad)
{
    return QStringLiteral("%1 z %2 (%3 %)").arg(pocet).arg(zaklad)
        .arg(zaklad ? 100.0 * pocet / zaklad : 0.0, 0, 'f', 1);
}

} // namespace

QStringList Napovedy::Prekroceni() const
{
    QStringList vady;
    if (obeDelsi * 100 >= 4 * trojic && obeDelsi > 0) {
        QStringList cisla;
        for (int c : cislaObeDelsi)
            cisla << QString::number(c);
        vady << QStringLiteral("obě špatné odpovědi o víc než 30 % delší než správná: %1, limit pod 4 % (otázky %2)")
                    .arg(Podil(obeDelsi, trojic), cisla.join(QStringLiteral(", ")));
    }
    if (nejkratsi * 10 > 3 * trojic)
        vady << QStringLiteral("správná odpověď nejkratší: %1, limit 30 %").arg(Podil(nejkratsi, trojic));
    if (nejdelsi * 10 > 3 * trojic)
        vady << QStringLiteral("správná odpověď nejdelší: %1, limit 30 %").arg(Podil(nejdelsi, trojic));
    for (int i = 0; i < 4; ++i)
        if (pismena[static_cast<size_t>(i)] * 10 > 4 * ctveric)
            vady << QStringLiteral("ve čtyřech odpovědích je správná %1): %2, limit 40 %")
                        .arg(QChar(u'a' + i)).arg(Podil(pismena[static_cast<size_t>(i)], ctveric));
    if (lichaSpravna * 100 > 45 * lichych)
        vady << QStringLiteral("lichá odpověď podle prvního slova správná: %1, limit 45 %").arg(Podil(lichaSpravna, lichych));
    if (anoNeSpravna * 2 > anoNe)
        vady << QStringLiteral("osamocené „ano“ nebo „ne“ správné: %1, limit 50 %").arg(Podil(anoNeSpravna, anoNe));
    // Each three-answer question has one right and two wrong answers: a share among the wrong ones
    // at most twice the share among the right ones is at most four times as many answers.
    for (const Fraze &f : fraze)
        if (f.spatnych > 4 * f.spravnych)
            vady << QStringLiteral("„%1“ ve špatných odpovědích %2, ve správných %3, limit dvojnásobek podílu ve správných")
                        .arg(f.text, Podil(f.spatnych, 2 * trojic), Podil(f.spravnych, trojic));
    return vady;
}

QString Napovedy::Souhrn() const
{
    QStringList pismenaCtveric;
    for (int i = 0; i < 4; ++i)
        pismenaCtveric << QStringLiteral("%1) %2").arg(QChar(u'a' + i)).arg(pismena[static_cast<size_t>(i)]);
    QStringList frazeVOdpovedich;
    for (const Fraze &f : fraze)
        frazeVOdpovedich << QStringLiteral("„%1“ %2 : %3").arg(f.text).arg(f.spatnych).arg(f.spravnych);
    return QStringLiteral("Otázky s jednou správnou ze tří odpovědí: obě špatné mnohem delší %1, správná nejkratší %2, "
                          "nejdelší %3; ze čtyř odpovědí správná %4.\n"
                          "Lichá odpověď podle prvního slova správná %5; osamocené „ano“ nebo „ne“ správné %6; "
                          "fráze ve špatných : správných odpovědích %7.")
        .arg(Podil(obeDelsi, trojic), Podil(nejkratsi, trojic), Podil(nejdelsi, trojic),
             pismenaCtveric.join(QStringLiteral(", ")), Podil(lichaSpravna, lichych), Podil(anoNeSpravna, anoNe),
             frazeVOdpovedich.join(QStringLiteral(", ")));
}

QString Zapsat(const QList<OtazkaZdroje> &otazky, const QString &cil)
{
    QDir dir(cil);
    if (!dir.mkpath(QStringLiteral("grafika")) || !dir.mkpath(ObrazkyOtazek::VelkaVerze(QStringLiteral("obrazky/"))))
        return QStringLiteral("Nelze vytvořit adresáře v %1.").arg(cil);

    auto ulozitObrazek = [](const QImage &obraz, const QString &cesta) -> QString {
        QSaveFile f(cesta);
        if (obraz.isNull() || !f.open(QIODevice::WriteOnly) || !obraz.save(&f, "JPG", 92) || !f.commit())
            return QStringLiteral("Nelze zapsat obrázek %1: %2").arg(cesta, f.errorString());
        return {};
    };

    for (auto druh : {Znamky::Druh::Spravne, Znamky::Druh::Spatne, Znamky::Druh::Opomenuta}) {
        const QString vada = ulozitObrazek(Znamky::Nakreslit(druh),
                                          dir.filePath(QStringLiteral("grafika/") + Znamky::Soubor(druh)));
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
        Tabulka::Vytvorit(docasne, BankaOtazek::PoleTabulky());
        Tabulka t(docasne);
        t.Otevrit();
        for (const OtazkaZdroje &q : std::as_const(serazene)) {
            QString obrazek;
            if (q.maZnacku || q.maKrizovatku) {
                obrazek = QStringLiteral("obrazky/%1.jpg").arg(q.cislo);
                // The large version drawn from the same description, not scaled up from the small one.
                for (const int meritko : {1, ObrazkyOtazek::Zvetseni}) {
                    const QString vada = ulozitObrazek(
                        q.maZnacku ? Znacky::Nakreslit(q.znacka, Znacky::VelikostObrazku * meritko)
                                   : Krizovatky::Nakreslit(q.krizovatka, meritko),
                        dir.filePath(meritko == 1 ? obrazek : ObrazkyOtazek::VelkaVerze(obrazek)));
                    if (!vada.isEmpty())
                        return vada;
                }
            }
            t.Vlozit();
            int odpovedi = 0;
            for (const QString *odpoved : {&q.a, &q.b, &q.c, &q.d})
                odpovedi += odpoved->trimmed().isEmpty() ? 0 : 1;
            const std::array<QString, BankaOtazek::PocetPoli> hodnoty{
                QString::number(q.cislo), q.otazka, q.a, q.b, q.c, q.d, q.spravne, q.skupina, obrazek, q.poznamka,
                q.okruh, QString::number(odpovedi),
                q.maKrizovatku ? QString::fromUtf8(QJsonDocument(q.krizovatka).toJson(QJsonDocument::Compact)) : QString()};
            for (int i = 0; i < BankaOtazek::PocetPoli; ++i)
                t.Nastavit(BankaOtazek::JmenoPole(static_cast<BankaOtazek::Pole>(i)), hodnoty[static_cast<size_t>(i)]);
            t.Ulozit();
        }
    }
    for (const char *pripona : {".DB", ".MB"}) {
        const QString novy = docasne + QString::fromLatin1(pripona);
        const QString cilovy = dir.filePath(QStringLiteral("otazky") + QString::fromLatin1(pripona));
        QFile::remove(cilovy);
        if (!QFile::rename(novy, cilovy))
            return QStringLiteral("Nelze přesunout %1 na %2.").arg(novy, cilovy);
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

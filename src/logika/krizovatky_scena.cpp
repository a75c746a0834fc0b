#include "logika/krizovatky_scena.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

using namespace Qt::StringLiterals;

namespace Krizovatky {

namespace {

// A failed check carries its message up to Nacist.
struct Chyba {
    QString zprava;
};

template <typename T>
struct Nazev {
    QString jmeno;
    T hodnota;
};

const QList<Nazev<Rameno>> &NazvyRamen()
{
    static const QList<Nazev<Rameno>> n = {
        {u"sever"_s, Rameno::Sever}, {u"vychod"_s, Rameno::Vychod},
        {u"jih"_s, Rameno::Jih}, {u"zapad"_s, Rameno::Zapad}};
    return n;
}

const QList<Nazev<Smer>> &NazvySmeru()
{
    static const QList<Nazev<Smer>> n = {
        {u"rovne"_s, Smer::Rovne}, {u"vlevo"_s, Smer::Vlevo}, {u"vpravo"_s, Smer::Vpravo}};
    return n;
}

const QList<Nazev<Smerovka>> &NazvySmerovek()
{
    static const QList<Nazev<Smerovka>> n = {
        {u"zadna"_s, Smerovka::Zadna}, {u"vlevo"_s, Smerovka::Vlevo},
        {u"vpravo"_s, Smerovka::Vpravo}};
    return n;
}

const QList<Nazev<Druh>> &NazvyDruhu()
{
    static const QList<Nazev<Druh>> n = {
        {u"osobni"_s, Druh::Osobni}, {u"nakladni"_s, Druh::Nakladni},
        {u"autobus"_s, Druh::Autobus}, {u"tramvaj"_s, Druh::Tramvaj},
        {u"motocykl"_s, Druh::Motocykl}, {u"kolo"_s, Druh::Kolo},
        {u"sanitka"_s, Druh::Sanitka}, {u"hasici"_s, Druh::Hasici},
        {u"policie"_s, Druh::Policie}};
    return n;
}

const QList<Nazev<Svetlo>> &NazvySvetel()
{
    static const QList<Nazev<Svetlo>> n = {
        {u"cervena"_s, Svetlo::Cervena}, {u"cervena_zluta"_s, Svetlo::CervenaZluta},
        {u"zelena"_s, Svetlo::Zelena}, {u"zluta"_s, Svetlo::Zluta},
        {u"zluta_blikajici"_s, Svetlo::ZlutaBlikajici}, {u"vypnuto"_s, Svetlo::Vypnuto}};
    return n;
}

// Each colour with its name in the form and the stem of its Czech adjective.
struct JmenoBarvy {
    QString jmeno;
    Barva barva;
    QString kmen;
};

const QList<JmenoBarvy> &TabulkaBarev()
{
    static const QList<JmenoBarvy> n = {
        {u"cervena"_s, Barva::Cervena, u"červen"_s}, {u"modra"_s, Barva::Modra, u"modr"_s},
        {u"zelena"_s, Barva::Zelena, u"zelen"_s},    {u"zluta"_s, Barva::Zluta, u"žlut"_s},
        {u"oranzova"_s, Barva::Oranzova, u"oranžov"_s}, {u"fialova"_s, Barva::Fialova, u"fialov"_s},
        {u"bila"_s, Barva::Bila, u"bíl"_s},          {u"cerna"_s, Barva::Cerna, u"čern"_s},
        {u"seda"_s, Barva::Seda, u"šed"_s},          {u"hneda"_s, Barva::Hneda, u"hněd"_s}};
    return n;
}

const QList<Nazev<Barva>> &NazvyBarev()
{
    static const QList<Nazev<Barva>> n = [] {
        QList<Nazev<Barva>> nazvy;
        for (const JmenoBarvy &b : TabulkaBarev())
            nazvy.append({b.jmeno, b.barva});
        return nazvy;
    }();
    return n;
}

bool MaPevneBarvy(Druh d)
{
    return d == Druh::Sanitka || d == Druh::Hasici || d == Druh::Policie;
}

bool MusiMitBarvu(Druh d)
{
    return d != Druh::Tramvaj && !MaPevneBarvy(d);
}

QString Uvozovky(const QString &s)
{
    return u"„"_s + s + u"“"_s;
}

QString Text(const QJsonObject &o, const QString &klic, const QString &kde)
{
    const QJsonValue v = o.value(klic);
    if (v.isUndefined())
        throw Chyba{u"Chybí %1 %2."_s.arg(Uvozovky(klic), kde)};
    if (!v.isString())
        throw Chyba{u"Údaj %1 %2 není text."_s.arg(Uvozovky(klic), kde)};
    return v.toString();
}

bool Priznak(const QJsonObject &o, const QString &klic, const QString &kde)
{
    const QJsonValue v = o.value(klic);
    if (v.isUndefined())
        return false;
    if (!v.isBool())
        throw Chyba{u"Údaj %1 %2 není true ani false."_s.arg(Uvozovky(klic), kde)};
    return v.toBool();
}

template <typename T>
T Najit(const QList<Nazev<T>> &nazvy, const QString &jmeno, const QString &co)
{
    for (const auto &n : nazvy)
        if (n.jmeno == jmeno)
            return n.hodnota;
    throw Chyba{u"%1 %2."_s.arg(co, Uvozovky(jmeno))};
}

Rameno CtiRameno(const QString &jmeno, const Scena &s)
{
    const Rameno r = Najit(NazvyRamen(), jmeno, u"Neznámé rameno"_s);
    if (!s.maRameno(r))
        throw Chyba{u"Rameno %1 v této křižovatce není."_s.arg(Uvozovky(jmeno))};
    return r;
}

QJsonArray Pole(const QJsonObject &o, const QString &klic)
{
    const QJsonValue v = o.value(klic);
    if (!v.isUndefined() && !v.isArray())
        throw Chyba{u"Údaj %1 není pole."_s.arg(Uvozovky(klic))};
    return v.toArray();
}

QJsonObject Objekt(const QJsonValue &v, const QString &kde)
{
    if (!v.isObject())
        throw Chyba{u"Položka %1 není objekt."_s.arg(kde)};
    return v.toObject();
}

void JenZnameKlice(const QJsonObject &o, const QStringList &zname, const QString &kde)
{
    for (auto it = o.begin(); it != o.end(); ++it)
        if (!zname.contains(it.key()))
            throw Chyba{u"Neznámý údaj %1 %2."_s.arg(Uvozovky(it.key()), kde)};
}

void CtiRamena(const QJsonObject &json, Scena &s)
{
    if (!json.contains(u"ramena"_s)) {
        s.ramena = {Rameno::Sever, Rameno::Vychod, Rameno::Jih, Rameno::Zapad};
        return;
    }
    for (const QJsonValue &v : Pole(json, u"ramena"_s)) {
        const Rameno r = Najit(NazvyRamen(), v.toString(), u"Neznámé rameno"_s);
        if (s.ramena.contains(r))
            throw Chyba{u"Rameno %1 je uvedeno dvakrát."_s.arg(Uvozovky(v.toString()))};
        s.ramena.append(r);
    }
    if (s.ramena.size() < 3)
        throw Chyba{u"Křižovatka potřebuje aspoň tři ramena."_s};
}

void CtiHlavni(const QJsonObject &json, Scena &s)
{
    const QJsonArray pole = Pole(json, u"hlavni"_s);
    for (const QJsonValue &v : pole)
        s.hlavni.append(CtiRameno(v.toString(), s));
    if (!pole.isEmpty() && (s.hlavni.size() != 2 || s.hlavni[0] == s.hlavni[1]))
        throw Chyba{u"Hlavní pozemní komunikace má mít právě dvě různá ramena."_s};
}

void CtiKoleje(const QJsonObject &json, Scena &s)
{
    for (const QJsonValue &v : Pole(json, u"koleje"_s)) {
        const QJsonArray par = v.toArray();
        if (par.size() != 2)
            throw Chyba{u"Koleje spojují právě dvě ramena."_s};
        const Rameno a = CtiRameno(par[0].toString(), s);
        const Rameno b = CtiRameno(par[1].toString(), s);
        if (a == b)
            throw Chyba{u"Koleje nemohou spojit rameno %1 samo se sebou."_s.arg(
                Uvozovky(par[0].toString()))};
        if (s.okruzni)
            throw Chyba{u"Koleje patří jen do křižovatky, ne na kruhový objezd."_s};
        s.koleje.append({a, b});
    }
}

void CtiZnacky(const QJsonObject &json, Scena &s)
{
    const QJsonArray pole = Pole(json, u"znacky"_s);
    for (qsizetype i = 0; i < pole.size(); ++i) {
        const QString kde = u"u značky č. %1"_s.arg(i + 1);
        const QJsonObject o = Objekt(pole[i], kde);
        JenZnameKlice(o, {u"rameno"_s, u"kod"_s}, kde);
        Znacka z;
        z.rameno = CtiRameno(Text(o, u"rameno"_s, kde), s);
        z.kod = Text(o, u"kod"_s, kde);
        if (z.kod == KodTvaruKrizovatky && (s.hlavni.isEmpty() || s.okruzni))
            throw Chyba{u"Tabulka %1 %2 potřebuje křižovatku s údajem „hlavni“."_s.arg(
                Uvozovky(z.kod), kde)};
        s.znacky.append(z);
    }
}

void CtiSemafory(const QJsonObject &json, Scena &s)
{
    const QJsonArray pole = Pole(json, u"semafory"_s);
    for (qsizetype i = 0; i < pole.size(); ++i) {
        const QString kde = u"u semaforu č. %1"_s.arg(i + 1);
        const QJsonObject o = Objekt(pole[i], kde);
        JenZnameKlice(o, {u"rameno"_s, u"stav"_s, u"sipka"_s}, kde);
        Semafor m;
        m.rameno = CtiRameno(Text(o, u"rameno"_s, kde), s);
        m.stav = Najit(NazvySvetel(), Text(o, u"stav"_s, kde), u"Neznámý stav semaforu"_s);
        if (o.contains(u"sipka"_s)) {
            const Smer sipka =
                Najit(NazvySmeru(), Text(o, u"sipka"_s, kde), u"Neznámý směr šipky"_s);
            if (sipka == Smer::Rovne)
                throw Chyba{u"Doplňková šipka semaforu míří jen vlevo nebo vpravo."_s};
            m.sipka = sipka;
        }
        for (const Semafor &jiny : std::as_const(s.semafory))
            if (jiny.rameno == m.rameno)
                throw Chyba{u"Rameno má nejvýš jeden semafor (%1)."_s.arg(kde)};
        s.semafory.append(m);
    }
}

bool MaKoleje(const Scena &s, Rameno a, Rameno b)
{
    for (const auto &[x, y] : s.koleje)
        if ((x == a && y == b) || (x == b && y == a))
            return true;
    return false;
}

Smerovka VychoziSmerovka(const Scena &s, const Vozidlo &v)
{
    if (s.okruzni && !v.naOkruhu)
        return Smerovka::Zadna;
    switch (v.smer) {
    case Smer::Vlevo: return Smerovka::Vlevo;
    case Smer::Vpravo: return Smerovka::Vpravo;
    case Smer::Rovne: break;
    }
    return Smerovka::Zadna;
}

Vozidlo CtiVozidlo(const QJsonObject &o, const QString &kde, const Scena &s)
{
    JenZnameKlice(o,
                  {u"druh"_s, u"barva"_s, u"rameno"_s, u"smer"_s, u"smerovka"_s, u"poradi"_s,
                   u"na_okruhu"_s, u"majak"_s, u"moje"_s},
                  kde);
    Vozidlo v;
    const QString druh = Text(o, u"druh"_s, kde);
    v.druh = Najit(NazvyDruhu(), druh, u"Neznámý druh vozidla"_s);
    if (o.contains(u"barva"_s)) {
        if (MaPevneBarvy(v.druh))
            throw Chyba{u"Vozidlo druhu %1 má pevné barvy, „barva“ k němu nepatří."_s.arg(
                Uvozovky(druh))};
        v.barva = Najit(NazvyBarev(), Text(o, u"barva"_s, kde), u"Neznámá barva"_s);
    } else if (MusiMitBarvu(v.druh)) {
        throw Chyba{u"Chybí „barva“ %1."_s.arg(kde)};
    }
    v.rameno = CtiRameno(Text(o, u"rameno"_s, kde), s);
    v.smer = Najit(NazvySmeru(), Text(o, u"smer"_s, kde), u"Neznámý směr"_s);
    v.naOkruhu = Priznak(o, u"na_okruhu"_s, kde);
    if (v.naOkruhu && !s.okruzni)
        throw Chyba{u"Údaj „na_okruhu“ %1 patří jen ke kruhovému objezdu."_s.arg(kde)};
    if (v.naOkruhu && v.smer == Smer::Vlevo)
        throw Chyba{u"Vozidlo na okruhu jede „rovne“ nebo „vpravo“ (%1)."_s.arg(kde)};
    if (!v.naOkruhu && !s.maRameno(Cil(v.rameno, v.smer)))
        throw Chyba{u"Směr %1 %2 vede do ramene, které tu není."_s.arg(
            Uvozovky(o.value(u"smer"_s).toString()), kde)};
    if (v.druh == Druh::Tramvaj && !MaKoleje(s, v.rameno, Cil(v.rameno, v.smer)))
        throw Chyba{u"Tramvaj nemá pro svůj směr koleje (%1)."_s.arg(kde)};
    v.smerovka = o.contains(u"smerovka"_s)
                     ? Najit(NazvySmerovek(), Text(o, u"smerovka"_s, kde), u"Neznámá směrovka"_s)
                     : VychoziSmerovka(s, v);
    const QJsonValue poradi = o.value(u"poradi"_s);
    const bool poradiPlati =
        poradi.isUndefined() || (poradi.toInt(-1) >= 0 && poradi.toInt() <= 3);
    if (!poradiPlati)
        throw Chyba{u"Údaj „poradi“ %1 má být celé číslo 0 až 3."_s.arg(kde)};
    v.poradi = poradi.toInt();
    v.majak = Priznak(o, u"majak"_s, kde);
    v.moje = Priznak(o, u"moje"_s, kde);
    return v;
}

void CtiVozidla(const QJsonObject &json, Scena &s)
{
    const QJsonArray pole = Pole(json, u"vozidla"_s);
    QSet<QString> podoby;
    QSet<QString> mista;
    int mych = 0;
    for (qsizetype i = 0; i < pole.size(); ++i) {
        const QString kde = u"u vozidla č. %1"_s.arg(i + 1);
        const Vozidlo v = CtiVozidlo(Objekt(pole[i], kde), kde, s);
        const QString podoba = u"%1/%2"_s.arg(int(v.druh)).arg(v.barva ? int(*v.barva) : -1);
        if (podoby.contains(podoba))
            throw Chyba{u"Vozidlo č. %1 má druh i barvu jako jiné, nedá se rozlišit."_s.arg(i + 1)};
        podoby.insert(podoba);
        const QString misto = u"%1/%2/%3"_s.arg(int(v.rameno)).arg(v.poradi).arg(v.naOkruhu);
        if (mista.contains(misto))
            throw Chyba{u"Vozidlo č. %1 stojí na místě jiného vozidla."_s.arg(i + 1)};
        mista.insert(misto);
        if (v.moje && ++mych > 1)
            throw Chyba{u"Vlastní vozidlo („moje“) smí být nejvýš jedno."_s};
        s.vozidla.append(v);
    }
}

void CtiPolicistu(const QJsonObject &json, Scena &s)
{
    if (!json.contains(u"policista"_s))
        return;
    const QString kde = u"u policisty"_s;
    const QJsonObject o = Objekt(json.value(u"policista"_s), kde);
    JenZnameKlice(o, {u"celem"_s, u"predpazeni"_s}, kde);
    if (s.okruzni)
        throw Chyba{u"Policista řídí provoz jen na křižovatce, ne na kruhovém objezdu."_s};
    s.policista = Policista{CtiRameno(Text(o, u"celem"_s, kde), s), Priznak(o, u"predpazeni"_s, kde)};
}

void CtiReseni(const QJsonObject &json, Scena &s)
{
    const QJsonArray pole = Pole(json, u"reseni"_s);
    QSet<qsizetype> uvedena;
    for (qsizetype i = 0; i < pole.size(); ++i) {
        const QString kde = u"v řešení, skupina č. %1"_s.arg(i + 1);
        const QJsonObject o = Objekt(pole[i], kde);
        JenZnameKlice(o, {u"vozidla"_s, u"duvod"_s}, kde);
        SkupinaReseni skupina;
        skupina.duvod = Text(o, u"duvod"_s, kde).trimmed();
        if (skupina.duvod.isEmpty())
            throw Chyba{u"Chybí důvod %1."_s.arg(kde)};
        for (const QJsonValue &v : Pole(o, u"vozidla"_s)) {
            const int cislo = v.toInt(0);
            if (cislo < 1 || cislo > s.vozidla.size() || uvedena.contains(cislo - 1))
                throw Chyba{u"Vozidlo č. %1 %2 není ve scéně nebo je uvedeno dvakrát."_s.arg(
                    v.toVariant().toString(), kde)};
            uvedena.insert(cislo - 1);
            skupina.vozidla << cislo - 1;
        }
        if (skupina.vozidla.isEmpty())
            throw Chyba{u"Skupina %1 nemá žádné vozidlo."_s.arg(kde)};
        s.reseni << skupina;
    }
    if (!pole.isEmpty() && uvedena.size() != s.vozidla.size())
        throw Chyba{u"Řešení musí uvést každé vozidlo scény."_s};
}

} // namespace

bool Scena::maZnacku(Rameno r, const QString &kod) const
{
    for (const Znacka &z : znacky)
        if (z.rameno == r && z.kod == kod)
            return true;
    return false;
}

const Semafor *Scena::semafor(Rameno r) const
{
    for (const Semafor &m : semafory)
        if (m.rameno == r)
            return &m;
    return nullptr;
}

QString KmenBarvy(Barva b)
{
    return TabulkaBarev()[int(b)].kmen;
}

Rameno Cil(Rameno odkud, Smer smer)
{
    // Arms are numbered clockwise from the north, so a right turn is one step back.
    const int krok = smer == Smer::Vpravo ? 3 : smer == Smer::Vlevo ? 1 : 2;
    return Rameno((int(odkud) + krok) % 4);
}

std::optional<Scena> Nacist(const QJsonObject &json, QString *chyba)
{
    try {
        JenZnameKlice(json,
                      {u"typ"_s, u"ramena"_s, u"hlavni"_s, u"koleje"_s, u"znacky"_s,
                       u"semafory"_s, u"policista"_s, u"vozidla"_s, u"reseni"_s},
                      u"ve scéně"_s);
        Scena s;
        const QString typ =
            json.contains(u"typ"_s) ? Text(json, u"typ"_s, u"ve scéně"_s) : u"krizovatka"_s;
        if (typ != u"krizovatka"_s && typ != u"okruzni"_s)
            throw Chyba{u"Neznámý typ křižovatky %1."_s.arg(Uvozovky(typ))};
        s.okruzni = typ == u"okruzni"_s;
        CtiRamena(json, s);
        CtiHlavni(json, s);
        CtiKoleje(json, s);
        CtiZnacky(json, s);
        CtiSemafory(json, s);
        CtiPolicistu(json, s);
        CtiVozidla(json, s);
        if (s.vozidla.isEmpty())
            throw Chyba{u"Ve scéně chybí vozidla."_s};
        CtiReseni(json, s);
        return s;
    } catch (const Chyba &c) {
        if (chyba)
            *chyba = c.zprava;
        return std::nullopt;
    }
}

std::optional<Scena> NacistText(const QString &json, QString *chyba)
{
    QJsonParseError vada;
    const QJsonDocument d = QJsonDocument::fromJson(json.toUtf8(), &vada);
    if (!d.isObject()) {
        if (chyba)
            *chyba = u"Popis křižovatky není objekt JSON (%1)."_s.arg(vada.errorString());
        return std::nullopt;
    }
    return Nacist(d.object(), chyba);
}

} // namespace Krizovatky

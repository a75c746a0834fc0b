#include "uceni/poradiuceni.h"

#include "practice/beh.h"
#include "uceni/pamet.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

namespace {

struct Kandidat {
    DuvodUceni duvod;
    StavOtazky stav;
    int cislo;
};

// The order of the last wrong answers: their stamps, then the order they were given in.
auto Kdy(const StavOtazky &s) { return std::tie(s.posledniDatum, s.posledniCas, s.poradiPosledni); }

// A count with the word's Czech form for it: 1 nová, 2 nové, 5 nových.
QString Pocet(int pocet, const QString &jedna, const QString &dve, const QString &pet)
{
    return QStringLiteral("%1 %2").arg(pocet).arg(pocet == 1 ? jedna : pocet >= 2 && pocet <= 4 ? dve : pet);
}

} // namespace

QList<OtazkaUceni> PoradiSDuvody(const QList<int> &kvalifikujici, const PametProfilu &pamet, const QDate &dnes)
{
    std::vector<Kandidat> kandidati;
    kandidati.reserve(static_cast<size_t>(kvalifikujici.size()));
    std::array<bool, Kategorie::NejvyssiCislo + 1> pouzita{};
    for (int cislo : kvalifikujici) {
        if (cislo < 1 || cislo > Kategorie::NejvyssiCislo || pouzita[static_cast<size_t>(cislo)])
            continue;
        pouzita[static_cast<size_t>(cislo)] = true;
        const StavOtazky stav = pamet.Stav(cislo, dnes);
        const DuvodUceni duvod = !stav.zodpovezena    ? DuvodUceni::Nova
                                 : stav.posledniChybna ? DuvodUceni::NaposledyChybne
                                 : stav.splatna        ? DuvodUceni::KOpakovani
                                                       : DuvodUceni::Opakovani;
        kandidati.push_back({duvod, stav, cislo});
    }
    // Stable: what compares equal keeps the number order it came in.
    std::stable_sort(kandidati.begin(), kandidati.end(), [](const Kandidat &a, const Kandidat &b) {
        if (a.duvod != b.duvod)
            return a.duvod < b.duvod;
        switch (a.duvod) {
        case DuvodUceni::NaposledyChybne: return Kdy(a.stav) < Kdy(b.stav);
        case DuvodUceni::Nova: return false;
        default: return a.stav.vybavitelnost < b.stav.vybavitelnost;
        }
    });
    QList<OtazkaUceni> poradi;
    poradi.reserve(static_cast<qsizetype>(kandidati.size()));
    for (const Kandidat &k : kandidati)
        poradi.append({k.cislo, k.duvod, k.stav.vybavitelnost});
    return poradi;
}

QList<int> PoradiUceni(const QList<int> &kvalifikujici, const PametProfilu &pamet, const QDate &dnes)
{
    QList<int> cisla;
    for (const OtazkaUceni &o : PoradiSDuvody(kvalifikujici, pamet, dnes))
        cisla.append(o.cislo);
    return cisla;
}

QString TextDuvodu(const OtazkaUceni &otazka)
{
    switch (otazka.duvod) {
    case DuvodUceni::NaposledyChybne: return QStringLiteral("Naposledy chybně");
    case DuvodUceni::KOpakovani:
        // The default rounding mode rounds a tie to the even neighbour.
        return QStringLiteral("K opakování (jistota %1 %)")
            .arg(static_cast<int>(std::nearbyint(std::clamp(otazka.vybavitelnost, 0.0, 1.0) * 100)));
    case DuvodUceni::Nova: return QStringLiteral("Nová otázka");
    case DuvodUceni::Opakovani: break;
    }
    return QStringLiteral("Opakování");
}

QString SlozeniBehu(const QList<OtazkaUceni> &poradi, int pocet)
{
    int kOpakovani = 0, nove = 0, zname = 0;
    for (const OtazkaUceni &o : poradi.mid(0, std::max(0, pocet)))
        ++(o.duvod == DuvodUceni::Nova ? nove : o.duvod == DuvodUceni::Opakovani ? zname : kOpakovani);
    QString text = QStringLiteral("Podle paměti: %1 k opakování, ").arg(kOpakovani)
                   + Pocet(nove, QStringLiteral("nová"), QStringLiteral("nové"), QStringLiteral("nových"));
    if (zname > 0)
        text += QStringLiteral(", ") + Pocet(zname, QStringLiteral("známá"), QStringLiteral("známé"), QStringLiteral("známých"));
    return text;
}

QList<OtazkaUceni> PoradiBehu(const BankaOtazek &banka, const Konfigurace &nastaveni, const PametProfilu &pamet,
                              const QDate &dnes)
{
    return PoradiSDuvody(BehOtazek::VyhovujiciOtazky(banka, nastaveni), pamet, dnes);
}

QList<int> OtazkyBehuPodlePameti(const BankaOtazek &banka, const Konfigurace &nastaveni, const PametProfilu &pamet,
                                 const QDate &dnes, int pocet)
{
    return PoradiUceni(BehOtazek::VyhovujiciOtazky(banka, nastaveni), pamet, dnes).mid(0, std::max(0, pocet));
}

void ZacitPodlePameti(BehOtazek &beh, const Konfigurace &nastaveni, DruhBehu druh, const QList<OtazkaUceni> &poradi,
                      int pocet)
{
    QList<int> otazky;
    QStringList duvody;
    for (const OtazkaUceni &o : poradi.mid(0, std::max(0, pocet))) {
        otazky.append(o.cislo);
        duvody.append(TextDuvodu(o));
    }
    beh.ZacitPodlePameti(nastaveni, druh, otazky, duvody);
}

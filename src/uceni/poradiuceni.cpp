#include "uceni/poradiuceni.h"

#include "practice/beh.h"
#include "uceni/pamet.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

enum Skupina { Chybne, Splatne, Nove, Ostatni };

struct Kandidat {
    Skupina skupina;
    StavOtazky stav;
    int cislo;
};

// The order of the last wrong answers: their stamps, then the order they were given in.
auto Kdy(const StavOtazky &s) { return std::tie(s.posledniDatum, s.posledniCas, s.poradiPosledni); }

} // namespace

QList<int> PoradiUceni(const QList<int> &kvalifikujici, const PametProfilu &pamet, const QDate &dnes)
{
    std::vector<Kandidat> kandidati;
    kandidati.reserve(static_cast<size_t>(kvalifikujici.size()));
    std::array<bool, Kategorie::NejvyssiCislo + 1> pouzita{};
    for (int cislo : kvalifikujici) {
        if (cislo < 1 || cislo > Kategorie::NejvyssiCislo || pouzita[static_cast<size_t>(cislo)])
            continue;
        pouzita[static_cast<size_t>(cislo)] = true;
        const StavOtazky stav = pamet.Stav(cislo, dnes);
        const Skupina skupina = !stav.zodpovezena ? Nove
                                : stav.posledniChybna ? Chybne
                                : stav.splatna        ? Splatne
                                                      : Ostatni;
        kandidati.push_back({skupina, stav, cislo});
    }
    // Stable: what compares equal keeps the number order it came in.
    std::stable_sort(kandidati.begin(), kandidati.end(), [](const Kandidat &a, const Kandidat &b) {
        if (a.skupina != b.skupina)
            return a.skupina < b.skupina;
        switch (a.skupina) {
        case Chybne: return Kdy(a.stav) < Kdy(b.stav);
        case Nove: return false;
        default: return a.stav.vybavitelnost < b.stav.vybavitelnost;
        }
    });
    QList<int> poradi;
    poradi.reserve(static_cast<qsizetype>(kandidati.size()));
    for (const Kandidat &k : kandidati)
        poradi.append(k.cislo);
    return poradi;
}

QList<int> OtazkyBehuPodlePameti(const BankaOtazek &banka, const Konfigurace &nastaveni, const PametProfilu &pamet,
                                 const QDate &dnes, int pocet)
{
    return PoradiUceni(BehOtazek::VyhovujiciOtazky(banka, nastaveni), pamet, dnes).mid(0, std::max(0, pocet));
}

#pragma once

#include "test/sestaveni.h"

#include <QString>

#include <array>

// Scoring of a points test and the texts that report it.
namespace VysledekTestu {

struct Skore {
    int PocetBodu = 0;
    int PocetChyb = 0;
};

// The letters of the ticked boxes a) to d) as "ACD"; empty when none is ticked.
QString PismenaOdpovedi(const std::array<bool, 4> &zaskrtnuto);

// Marks each position right or wrong by its Odpoved and adds up the points. A position counts
// only when its answer equals the correct letters exactly: no partial points.
Skore Vyhodnot(PolozkyTestu &polozky);

bool Prosel(int pocetBodu, int minPocetBodu);

// Minutes and seconds, two digits each: 1800 gives "30:00", 725 "12:05", 59 "00:59".
QString CasNaText(int sekundy);

// The time used in words: "12 minut, 5 sekund", "1 minuta, 1 sekunda", "30 minut", "45 sekund";
// no time at all is "0 sekund".
QString DelkaSlovy(int sekundy);

// ", jejich čísla jsou 4, 12, 15" for the wrong positions, empty when there is none.
QString SeznamChybnych(const PolozkyTestu &polozky);

// The result message, four lines joined by CR LF.
QString Zprava(const PolozkyTestu &polozky, const Skore &skore, int minPocetBodu, int zbyvaSekund);

} // namespace VysledekTestu

#pragma once

// The scene form: the "krizovatka" object of a category-7 question.
//
// All names are ASCII identifiers (no diacritics). Unknown keys are refused, so a typo
// never silently changes a picture.
//
// {
//   "typ": "krizovatka" | "okruzni",       // plain crossroads (default) or roundabout
//   "ramena": ["sever", "vychod", "jih", "zapad"],
//                                          // the arms present (default all four; at least three).
//                                          // North is the top of the picture.
//   "hlavni": ["zapad", "jih"],            // optional: the two arms of the main road. The mouths
//                                          // of the other arms are closed by a dashed edge line,
//                                          // so the course of the main road is visible.
//   "koleje": [["zapad", "vychod"]],       // optional: tram tracks, each a pair of arms joined
//                                          // through the crossroads (one track each way, laid in
//                                          // the lanes). Plain crossroads only.
//   "znacky": [{"rameno": "jih", "kod": "P4"}],
//                                          // signs at the right of an arm's approach, in order,
//                                          // drawn by the sign catalogue at 28 px. P4 paints the
//                                          // give-way line, P6 (like a signal) the stop line.
//                                          // The plate E2b ("Tvar křižovatky") is drawn from
//                                          // the scene: its arms as seen from the arm it stands
//                                          // at, the main road ("hlavni", required) thick.
//   "semafory": [{"rameno": "jih", "stav": "zelena", "sipka": "vpravo"}],
//                                          // a signal at an arm's approach. stav: "cervena",
//                                          // "cervena_zluta", "zelena", "zluta",
//                                          // "zluta_blikajici", "vypnuto". Optional "sipka"
//                                          // ("vlevo" | "vpravo"): a lit green arrow beside it.
//   "policista": {"celem": "jih", "predpazeni": false},
//                                          // optional: a police officer directing the traffic
//                                          // from the middle of a crossroads, facing the arm
//                                          // "celem", arms held out sideways; "predpazeni": his
//                                          // right arm held forward instead.
//   "vozidla": [{
//     "druh": "osobni",                    // osobni, nakladni, autobus, tramvaj, motocykl, kolo,
//                                          // sanitka, hasici, policie
//     "barva": "cervena",                  // cervena, modra, zelena, zluta, oranzova, fialova,
//                                          // bila, cerna, seda, hneda. Required for osobni,
//                                          // nakladni, autobus, motocykl, kolo; optional for
//                                          // tramvaj; refused for the emergency vehicles,
//                                          // whose livery is fixed.
//     "rameno": "jih",                     // the arm it comes from, facing the crossroads
//     "smer": "vlevo",                     // "rovne" | "vlevo" | "vpravo", relative to the driver;
//                                          // shown as an arrow for the first vehicle of an arm
//                                          // and for every vehicle on a roundabout's ring.
//                                          // On a roundabout it names the arm it leaves by
//                                          // (vpravo: the arm to its right), going round
//                                          // anticlockwise to get there.
//     "smerovka": "vlevo",                 // optional turn indicator "vlevo" | "vpravo" | "zadna";
//                                          // default follows "smer" (none on entering a
//                                          // roundabout, right on leaving it)
//     "poradi": 0,                         // optional place in the queue of its arm, 0 = first
//     "na_okruhu": true,                   // optional, roundabout only: the vehicle is on the
//                                          // ring just before the arm "rameno"; "smer" is then
//                                          // "vpravo" (leaves there) or "rovne" (goes on round
//                                          // and leaves by the next arm)
//     "majak": true,                       // optional: blue lights on (emergency vehicles)
//     "moje": true                         // optional: "your vehicle", labelled VY (at most one)
//   }],
//   "reseni": [{"vozidla": [2], "duvod": "..."}, {"vozidla": [1, 3], "duvod": "..."}]
//                                          // optional, only for a scene the rules of right of way
//                                          // cannot decide: the order of passing given by hand,
//                                          // groups of vehicles (numbered from 1 as listed) that
//                                          // go together, each with the reason in Czech.
// }
//
// Every vehicle of a scene differs from the others in kind or colour, so a question can
// name each one ("červené auto", "tramvaj", "sanitka").

#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace Krizovatky {

// The plate whose drawing follows the scene's own arms and main road.
inline const QString KodTvaruKrizovatky = QStringLiteral("E2b");

// Arms are numbered clockwise from the north.
enum class Rameno { Sever, Vychod, Jih, Zapad };
enum class Smer { Rovne, Vlevo, Vpravo };
enum class Smerovka { Zadna, Vlevo, Vpravo };
enum class Druh { Osobni, Nakladni, Autobus, Tramvaj, Motocykl, Kolo, Sanitka, Hasici, Policie };
enum class Svetlo { Cervena, CervenaZluta, Zelena, Zluta, ZlutaBlikajici, Vypnuto };
enum class Barva { Cervena, Modra, Zelena, Zluta, Oranzova, Fialova, Bila, Cerna, Seda, Hneda };

struct Vozidlo {
    Druh druh = Druh::Osobni;
    std::optional<Barva> barva;  // empty: the kind's own livery
    Rameno rameno = Rameno::Jih;
    Smer smer = Smer::Rovne;
    Smerovka smerovka = Smerovka::Zadna;
    int poradi = 0;
    bool naOkruhu = false;
    bool majak = false;
    bool moje = false;
};

struct Znacka {
    Rameno rameno = Rameno::Jih;
    QString kod;
};

struct Semafor {
    Rameno rameno = Rameno::Jih;
    Svetlo stav = Svetlo::Vypnuto;
    std::optional<Smer> sipka;
};

struct Policista {
    Rameno celem = Rameno::Jih;
    bool predpazeni = false;
};

// A group of the order given by hand: indices into Scena::vozidla and the reason.
struct SkupinaReseni {
    QList<qsizetype> vozidla;
    QString duvod;
};

struct Scena {
    bool okruzni = false;
    QList<Rameno> ramena;
    QList<Rameno> hlavni;
    QList<std::pair<Rameno, Rameno>> koleje;
    QList<Znacka> znacky;
    QList<Semafor> semafory;
    std::optional<Policista> policista;
    QList<Vozidlo> vozidla;
    QList<SkupinaReseni> reseni;

    bool maRameno(Rameno r) const { return ramena.contains(r); }
    bool maZnacku(Rameno r, const QString &kod) const;
    const Semafor *semafor(Rameno r) const;
};

// The scene read from its JSON form, or empty with a Czech message in *chyba. Sign codes are
// taken as written; whether the sign catalogue knows them is the picture's check.
std::optional<Scena> Nacist(const QJsonObject &json, QString *chyba);
// The same from the description's text, as the question bank stores it.
std::optional<Scena> NacistText(const QString &json, QString *chyba);

// The arm a driver coming from `odkud` reaches by going `smer`.
Rameno Cil(Rameno odkud, Smer smer);

// The stem of a colour's Czech adjective ("modr"), which a question's text inflects: "modré auto",
// "modrému vozidlu", "modrý autobus".
QString KmenBarvy(Barva b);

} // namespace Krizovatky

#pragma once

// Right of way at a crossroads scene: the order in which its vehicles pass, as groups of
// vehicles that may go together, each vehicle with the rule that puts it where it is.
//
// The rules, in the order they weigh (zákon č. 361/2000 Sb.):
// - a vehicle with its blue lights on goes first, bound by neither § 21 odst. 5 nor § 22; every
//   other waits for it (§ 41);
// - a police officer's signals decide who may go now (§ 75 odst. 1), else working traffic
//   lights do; who has to wait goes when his direction is given way;
// - between vehicles that may go now: on green or on the officer's "Volno" a driver turning left
//   gives way to oncoming vehicles and trams (§ 21 odst. 5), one on a green arrow to those on
//   green; else a driver on a side road with "Dej přednost v jízdě!" or "Stůj, dej přednost
//   v jízdě!" gives way to the main road (§ 22 odst. 1), one entering a roundabout marked so
//   to the vehicles on its ring (§ 22 odst. 5), a driver turning left to oncoming vehicles and
//   trams (§ 21 odst. 5), and where nothing of that decides, to a vehicle from the right
//   (§ 22 odst. 2), a tram among them;
// - a vehicle queued behind another goes after it.
// A scene these rules cannot decide (drivers who all have someone on their right, two vehicles
// entering a roundabout at once) carries its order in "reseni".
#include "logika/krizovatky_scena.h"

#include <QList>
#include <QString>

namespace Krizovatky {

enum class Duvod {
    PrednostniJizda,        // blue lights on: every other vehicle gives way to it
    DavaPrednostPrednostni, // waits for a vehicle with its blue lights on
    Zelena,                 // its signal shows green
    ZelenaSipka,            // goes on a green arrow, giving way to the vehicles on green
    CekaNaSignal,           // its signal shows stop: it goes when its green comes
    PolicistaVolno,         // the officer gives its direction way
    CekaNaPolicistu,        // the officer stops its direction: it goes when he gives it way
    Hlavni,                 // on the main road
    Vedlejsi,               // on a side road marked "Dej přednost v jízdě!"
    VedlejsiStuj,           // on a side road marked "Stůj, dej přednost v jízdě!"
    NaOkruhu,               // on a roundabout's ring
    VjezdNaOkruh,           // entering a roundabout: gives way to the vehicles on its ring
    NikdoZprava,            // nobody comes from its right
    Zprava,                 // gives way to a vehicle from its right
    OdbocujeVlevo,          // turning left: gives way to oncoming vehicles and trams
    Fronta,                 // follows the vehicle in front of it
    Volno,                  // nobody's course crosses its own
    Stanovene,              // the order given in the scene, with its reason
};

struct Reseni {
    QList<QList<qsizetype>> skupiny; // indices into Scena::vozidla, group by group
    QList<Duvod> duvody;             // for each vehicle
    QList<bool> smiNyni;             // for each vehicle: whether it may enter the crossroads now,
                                     // before any signal or the officer changes
    QStringList texty;               // for each group given by hand: its reason
    QString chyba;                   // why the order cannot be given; the rest is then empty

    bool Rozhodnuto() const { return chyba.isEmpty(); }
    // The group the vehicle passes in, 0 first; -1 for none.
    qsizetype Skupina(qsizetype vozidlo) const;
};

// The order of passing. A scene with "reseni" gets that order when the rules cannot decide;
// one whose order the rules decide differently is an error, so that no given order
// contradicts them.
Reseni Vyresit(const Scena &s);

// The vehicle as a caption names it: "modré auto", "oranžový nákladní automobil", "tramvaj",
// "sanitka", "cyklista", "vaše vozidlo".
QString JmenoVozidla(const Scena &s, qsizetype i);
// What the rule says of the vehicle, as a caption follows its name: "jede po hlavní pozemní
// komunikaci". For an order given by hand, the group's reason.
QString TextDuvodu(const Scena &s, const Reseni &r, qsizetype i);
// The order in words, groups joined by " → ", vehicles of one group by " + ".
QString PopisPoradi(const Scena &s, const Reseni &r);

// The turn indicator the driver has to show: at a crossroads the way it turns; on a roundabout
// none entering or riding the ring, right leaving it (vyjizdi).
Smerovka PredepsanaSmerovka(const Scena &s, const Vozidlo &v, bool vyjizdi);

} // namespace Krizovatky

#pragma once

// The motion of a crossroad scene: every vehicle drives its course through the crossroads in the
// order of passing, group after group, each group setting off once the vehicles before it have
// cleared the crossroads (or the roundabout's ring). A tram follows its rails, a turning vehicle
// its arc, a roundabout's vehicles the ring. Indicators blink as the law asks, blue lights flash,
// traffic lights and the officer give way to a waiting group before it sets off, and each step
// has its caption. All of it is data at 60 frames a second; the picture is painted elsewhere.
#include "logika/krizovatky_geometrie.h"
#include "logika/prednost.h"

#include <QList>
#include <QString>

#include <optional>

namespace Krizovatky {

inline constexpr int SnimkuZaSekundu = 60;

// One vehicle in one frame.
struct StavVozidla {
    QList<Poloha> clanky;                 // its sections, front first (one but for a tram)
    Smerovka smerovka = Smerovka::Zadna;  // the indicator lit in this frame (none while dark)
    bool majak = false;                   // blue lights lit in this frame
};

struct Snimek {
    QList<StavVozidla> vozidla;           // for each of Scena::vozidla
    QList<Svetlo> semafory;               // for each of Scena::semafory
    std::optional<Policista> policista;
    bool stojici = false;                 // the last frame: the still picture again
};

// A step of the order: a group of vehicles that sets off together, with its caption.
struct KrokJizdy {
    QList<qsizetype> vozidla;
    int zacatek = 0;  // the frame in which it sets off
    QString popisek;  // "1. tramvaj – jede po hlavní pozemní komunikaci"
};

class Jizda {
public:
    // The motion of the scene in the order r, which must be decided.
    Jizda(const Scena &s, const Reseni &r);

    // The motion of a scene as the question bank stores its description; empty, with the reason in
    // *chyba, when the description cannot be read or its order cannot be decided.
    static std::optional<Jizda> ZPopisu(const QString &popis, QString *chyba = nullptr);

    // Frames at SnimkuZaSekundu; the last one is the still picture.
    int PocetSnimku() const { return m_pocetSnimku; }
    double Delka() const { return double(m_pocetSnimku) / SnimkuZaSekundu; }
    Snimek SnimekCislo(int snimek) const;

    const Scena &Zadani() const { return m_scena; }
    const Reseni &Poradi() const { return m_reseni; }
    const QList<KrokJizdy> &Kroky() const { return m_kroky; }
    // The caption of the step under way in the frame: before the first group sets off, the first's.
    QString Popisek(int snimek) const;

private:
    struct Pohyb {
        QList<QPointF> body;    // the course, finely divided
        QList<double> delky;    // distance along it to each point; the vehicle starts at 0
        double sOdbocuje = 0;   // from here on it indicates (on a roundabout: before the exit)
        double sVyjel = 0;      // here it has cleared the crossroads
        double sPryc = 0;       // here it has left the picture
        double start = 0;       // when it sets off, in seconds
        Smerovka smerovka = Smerovka::Zadna; // the indicator the law asks for
    };

    QList<Poloha> Clanky(qsizetype i, double ujeto) const; // where it stands once it has driven so far
    double Ujeto(const Pohyb &p, double t) const;          // distance driven by time t
    double Cas(double draha) const;                         // time to cover it from a standstill
    bool Koliduje(qsizetype i, double start, const QList<bool> &naplanovano) const;
    double Naplanovat();                                    // start times; the time all have left

    Scena m_scena;
    Reseni m_reseni;
    QList<Pohyb> m_pohyby;
    QList<KrokJizdy> m_kroky;
    QList<int> m_zmenaSvetel;     // for each step: the frame the signals or the officer change for it, or -1
    double m_rychlost = 0, m_zrychleni = 0;
    int m_pocetSnimku = 0;
};

} // namespace Krizovatky

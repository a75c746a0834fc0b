#pragma once

#include "data/okruhy.h"
#include "test/sestavenizkousky.h"

#include <QDateTime>
#include <QString>

#include <array>

// A mock exam in progress and its scoring, without a window: the 25 positions, the learner's
// choice at each (changeable until the end), the position on screen, the time left by the clock the
// caller reads, the end by the learner or at 00:00, and the points per position, per topic and in
// all. A choice counts right exactly when the bank's letter behind the answer shown is the right one.
//
//   ZkouskaNanecisto z(profil, skupina, *VylosujZkousku(...), Hodiny::Ted());
//   z.Zvolit(z.AktualniPozice(), 1);       // the learner picks b)
//   if (z.Tik(Hodiny::Ted())) ...           // each second: true when the time has just run out
//   z.Ukoncit(Hodiny::Ted());               // "Ukončit test"
//   z.PocetBodu(), z.Prospel()
class ZkouskaNanecisto {
public:
    ZkouskaNanecisto(const QString &profil, const QString &skupina, const PolozkyZkousky &polozky,
                     const QDateTime &zacatek);

    const QString &Profil() const { return m_profil; }
    const QString &Skupina() const { return m_skupina; }
    const QDateTime &Zacatek() const { return m_zacatek; }
    const PolozkyZkousky &Polozky() const { return m_polozky; }
    const PolozkaZkousky &Polozka(int pozice) const; // 1..25; outside, the nearest

    // The position on screen, 1..25; a move outside stays where it is and says false.
    int AktualniPozice() const { return m_aktualni; }
    bool PrejitNa(int pozice);
    bool Dalsi() { return PrejitNa(m_aktualni + 1); }
    bool Predchozi() { return PrejitNa(m_aktualni - 1); }

    // The answer shown as a) (0), b) (1) or c) (2) at the position becomes the choice; false, and
    // nothing changes, once the exam has ended or for a position or answer that is not there.
    bool Zvolit(int pozice, int zobrazena);
    // The shown index of the position's choice, −1 while unanswered.
    int ZobrazenaVolba(int pozice) const { return Polozka(pozice).ZobrazenaPozice(Polozka(pozice).Odpoved); }
    int PocetNezodpovezenych() const;

    // Whole seconds left at the moment ted, 1800 at the start and 0 once 30 minutes have passed; a
    // clock set back shows no more than 1800. After the end, the seconds left at the end.
    int ZbyvaSekund(const QDateTime &ted) const;
    // The timer's tick: ends the exam when no time is left; true exactly when this tick ended it.
    bool Tik(const QDateTime &ted);
    // The learner ends the exam; ended when the time had already run out, it counts as run out.
    void Ukoncit(const QDateTime &ted);
    bool Ukoncena() const { return m_ukoncena; }
    bool VyprselCas() const { return m_ukoncena && m_zbyvaNaKonci == 0; }
    // The seconds used until the end, 0..1800; 0 before the end.
    int DelkaSekund() const { return m_ukoncena ? PlanZkousky::CasSekund - m_zbyvaNaKonci : 0; }

    int PocetBodu() const;
    bool Prospel() const { return PlanZkousky::Prospel(PocetBodu()); }

private:
    QString m_profil, m_skupina;
    PolozkyZkousky m_polozky;
    QDateTime m_zacatek;
    int m_aktualni = 1;
    bool m_ukoncena = false;
    int m_zbyvaNaKonci = PlanZkousky::CasSekund;
};

// The scoring of a mock exam's positions, in progress or read back from its record.
namespace VysledekZkousky {

int PocetBodu(const PolozkyZkousky &polozky);
int PocetSpravnych(const PolozkyZkousky &polozky);
// The points reached in each topic, and those a topic can give (index Okruhy::Index).
std::array<int, Okruhy::Pocet> BodyPodleOkruhu(const PolozkyZkousky &polozky);
std::array<int, Okruhy::Pocet> MaxBodyPodleOkruhu();

} // namespace VysledekZkousky

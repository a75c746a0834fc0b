#pragma once

#include "data/okruhy.h"
#include "test/planzkousky.h"
#include "test/sestaveni.h"

#include <QChar>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class BankaOtazek;

// One position of a mock exam: the question drawn, the order in which its answers are shown, and the
// learner's choice. Letters are the bank's own (A to C); the learner sees the answers as a), b), c)
// in the order Poradi gives.
struct PolozkaZkousky {
    int pozice = 0;                              // 1..25
    int SkutCis = 0;                             // the question's number in the bank
    Okruhy::Okruh okruh = Okruhy::Okruh::PP;     // the topic of the position's row
    int Body = 0;                                // points of the position
    QChar Spravna;                               // the bank's right letter
    QString Poradi = QStringLiteral("ABC");      // the bank's letters shown as a), b), c): "CAB"
    QChar Odpoved;                               // the bank's letter chosen; null while unanswered

    bool Zodpovezena() const { return !Odpoved.isNull(); }
    bool Spravne() const { return Zodpovezena() && Odpoved == Spravna; }
    int Ziskano() const { return Spravne() ? Body : 0; }
    // The bank's letter shown as a) (0), b) (1) or c) (2); null for another index.
    QChar PismenoZobrazene(int zobrazena) const;
    // Where the bank's letter is shown, 0..2; −1 for a letter that is not among the answers.
    int ZobrazenaPozice(QChar pismeno) const;
};

using PolozkyZkousky = std::array<PolozkaZkousky, PlanZkousky::PocetPozic>;

// The drawing of mock exams for one group: which questions each topic may draw is read from the bank
// once, so that the readiness estimate draws from the same pools as the exam window without asking
// the bank again. A question qualifies when it is in the bank, suits the group by the rule of the
// points test, belongs to the topic, and has three answers of which exactly one is right.
class SestavovaniZkousky {
public:
    using Cisla = std::array<int, PlanZkousky::PocetPozic>;

    SestavovaniZkousky(const BankaOtazek &banka, const QString &skupina);

    // Why no whole exam can be drawn for the group, for the learner; empty when it can.
    const QString &ProcNelze() const { return m_procNelze; }
    // The qualifying questions of a topic, ascending.
    const std::vector<int> &Zasoba(Okruhy::Okruh okruh) const { return m_zasoby[static_cast<size_t>(Okruhy::Index(okruh))]; }
    // The qualifying questions of every topic of the plan.
    int VelikostZasoby() const;

    // The numbers of positions 1..25: each row's questions a uniform choice without repetition from
    // its topic's pool, in the order drawn, one draw per position. Only when ProcNelze() is empty.
    Cisla Vylosovat(const ZdrojNahody &nahoda) const;

private:
    QString m_procNelze;
    std::array<std::vector<int>, Okruhy::Pocet> m_zasoby;
};

// Whether question n may stand in a mock exam of the group (the rule above, topic aside).
bool VhodnaProZkousku(const BankaOtazek &banka, int n, const QString &skupina);

// A whole mock exam for the group: the numbers as Vylosovat draws them, then for each position in
// order the shown order of its three answers, shuffled with two further draws. Nothing, with the
// reason in *chyba, when the bank cannot give the group a whole exam.
std::optional<PolozkyZkousky> VylosujZkousku(const BankaOtazek &banka, const QString &skupina,
                                             const ZdrojNahody &nahoda, QString *chyba = nullptr);

#pragma once

#include "data/kategorie.h"
#include "test/plan.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>

class BankaOtazek;

// One position of a composed points test.
struct PolozkaTestu {
    int pozice = 0;         // 1..25, the place on the sheet
    int SkutCis = 0;        // the question's number in the bank
    int Body = 0;           // points of the position
    QString SpravnaOdpoved; // the bank's correct letters, as drawn
    QString Odpoved;        // the letters ticked, A to D in that order; empty when none
    bool Chybne = false;    // the given answer differs from the correct one
};

using PolozkyTestu = std::array<PolozkaTestu, PlanTestu::PocetPozic>;

// The random source of the drawing: a number in 0 .. n-1. The program uses Nahoda seeded from the
// clock; tests script it.
using ZdrojNahody = std::function<int(int n)>;

// The drawing of the 25 numbers over the bank as it stands for one group: which numbers may stand
// on the sheet is read from the bank once, so that many tests are drawn without asking the bank per
// draw. The test window draws one test through VylosujTest, the readiness estimate ten thousand
// here; both follow the same rules and, for the same random source, draw the same numbers.
class SestavovaniTestu {
public:
    using Cisla = std::array<int, PlanTestu::PocetPozic>;

    SestavovaniTestu(const BankaOtazek &banka, const QString &skupina);

    // ProcNelzeSestavit's reason; empty when a whole test can be drawn.
    const QString &ProcNelze() const { return m_procNelze; }

    // The numbers of positions 1..25: every position from its row's categories, a number drawn again
    // while it is already on the sheet, missing in the bank or not meant for the group; then
    // positions 1 to 10 sorted by number. Only when ProcNelze() is empty: otherwise the redraws
    // would never end.
    Cisla Vylosovat(const ZdrojNahody &nahoda) const;

private:
    QString m_procNelze;
    std::array<bool, Kategorie::NejvyssiCislo + 1> m_pripustna{}; // in the bank and meant for the group
};

// Why a test cannot be composed for the group from this bank: the group is not one of the eight,
// or a row of the plan has fewer suitable questions than positions. Empty when it can be.
QString ProcNelzeSestavit(const BankaOtazek &banka, const QString &skupina);

// Draws the 25 questions for the group: every position from its row's categories, a number drawn
// again while it is already on the sheet, missing in the bank or not meant for the group; then
// positions 1 to 10 sorted by number. Nothing, with ProcNelzeSestavit's reason in *chyba, when the
// bank cannot give the group a whole test: the redraws would never end.
std::optional<PolozkyTestu> VylosujTest(const BankaOtazek &banka, const QString &skupina, const ZdrojNahody &nahoda,
                                        QString *chyba = nullptr);

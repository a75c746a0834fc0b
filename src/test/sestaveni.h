#pragma once

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

// Why a test cannot be composed for the group from this bank: the group is not one of the eight,
// or a row of the plan has fewer suitable questions than positions. Empty when it can be.
QString ProcNelzeSestavit(const BankaOtazek &banka, const QString &skupina);

// Draws the 25 questions for the group: every position from its row's categories, a number drawn
// again while it is already on the sheet, missing in the bank or not meant for the group; then
// positions 1 to 10 sorted by number. Nothing, with ProcNelzeSestavit's reason in *chyba, when the
// bank cannot give the group a whole test: the redraws would never end.
std::optional<PolozkyTestu> VylosujTest(const BankaOtazek &banka, const QString &skupina, const ZdrojNahody &nahoda,
                                        QString *chyba = nullptr);

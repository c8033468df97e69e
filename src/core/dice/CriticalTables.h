// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string_view>

namespace orthavel {

class Dice;
class Interaction;

// One row of a rule table: the rolls from lowest to highest and what they bring. The text is
// shown exactly as written; a "%" in it is an ordinary character.
struct CriticalRow {
    int lowest;
    int highest;
    std::string_view text;
};

// A rule table looked up with one percentile roll: the roll's label (shown in the roll's own
// caption), the caption of the result and the rows, highest rolls first, covering 1 to 100.
struct CriticalTable {
    std::string_view rollLabel;
    std::string_view resultCaption;
    std::span<const CriticalRow> rows;
};

// The hit location and the fourteen critical tables, in menu order.
enum class CriticalTableId {
    EndowmentSuccess,
    EndowmentFailure,
    HitLocation,
    BasicCombatSuccess,
    BasicCombatFailure,
    MeleeCombatSuccess,
    MeleeCombatFailure,
    HthCombatSuccess,
    HthCombatFailure,
    DodgeSuccess,
    DodgeFailure,
    FiredCombatSuccess,
    FiredCombatFailure,
    MagicSuccess,
    MagicFailure,
};
const CriticalTable& criticalTable(CriticalTableId id);

// The row a roll selects: the first, from the top, whose lower bound the roll reaches.
const CriticalRow& selectRow(const CriticalTable& table, int roll);

// Rolls for the table, then shows the selected row's text under the table's caption.
void RunCriticalTable(const CriticalTable& table, Dice& dice, Interaction& ui);

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/dice/CriticalTables.h"

#include "core/dice/Dice.h"
#include "core/dice/RollLog.h"
#include "core/dice/RollPercentile.h"
#include "core/interaction/Interaction.h"

#include <algorithm>
#include <array>
#include <string>

namespace orthavel {

namespace {

// clang-format off
constexpr std::array<CriticalRow, 4> kEndowmentSuccess{{
    {76, 100, "Your deity pays the WP cost and adds 100 to your powerbase."},
    {51, 75, "Your deity pays the WP cost for you."},
    {26, 50, "1% chance for +1 to any advantage, up to max"},
    {1, 25, "+3 to this endowment."},
}};

constexpr std::array<CriticalRow, 4> kEndowmentFailure{{
    {76, 100, "Your deity will ignore your next d10 channelings (GM rolls secretly)."},
    {51, 75, "Your entire powerbase drains to 100 points."},
    {26, 50, "Your deity curses you with a Warning."},
    {1, 25, "Lose the endowment; starts at 10 if rechosen."},
}};

constexpr std::array<CriticalRow, 14> kHitLocation{{
    {91, 100, "Head"},
    {88, 90, "Left hand"},
    {85, 87, "Lower left arm"},
    {72, 84, "Upper left arm"},
    {69, 71, "Right hand"},
    {66, 68, "Lower right arm"},
    {53, 65, "Upper right arm"},
    {19, 52, "Torso/Back"},
    {16, 18, "Left foot"},
    {13, 15, "Lower left leg"},
    {10, 12, "Upper left leg"},
    {7, 9, "Right foot"},
    {4, 6, "Lower right leg"},
    {1, 3, "Upper right leg"},
}};

constexpr std::array<CriticalRow, 4> kBasicSuccess{{
    {76, 100, "Stun opponent for d10 minutes (GM rolls secretly)."},
    {51, 75, "Gain free attack on same opponent only."},
    {26, 50, "Target cannot use armor or shield to absorb blow's damage."},
    {1, 25, "Knock opponent unconscious."},
}};

constexpr std::array<CriticalRow, 4> kBasicFailure{{
    {76, 100, "Take 2d10 - 8 damage from own weapon."},
    {51, 75, "Slip and fall!  Lose all actions for 2 rounds."},
    {26, 50, "Weapon slips from hand!  Lose all actions for 1 round."},
    {1, 25, "Weapon breaks and is useless.  Buy a new one."},
}};

constexpr std::array<CriticalRow, 4> kMeleeSuccess{{
    {76, 100, "Stun opponent for d10 minutes (GM rolls secretly)."},
    {51, 75, "Gain free attack (no Init cost) on same opponent only."},
    {26, 50, "Damage bypasses all of target's armor/shield absorption."},
    {1, 25, "Shift +1 on Rupture chart."},
}};

constexpr std::array<CriticalRow, 4> kMeleeFailure{{
    {76, 100, "Take 2d10 - 8 damage from own weapon."},
    {51, 75, "Slip and fall before attacking; spend 100 Init to stand."},
    {26, 50, "Weapon slips from hand, spend 50 Init to find and pick up."},
    {1, 25, "Break weapon, shift -3 to damage until replaced/repaired."},
}};

constexpr std::array<CriticalRow, 4> kHthSuccess{{
    {76, 100, "Stun opponent for d10 rounds (GM rolls secretly)."},
    {51, 75, "Gain free attack (no Init cost) same opponent only."},
    {26, 50, "Damage bypasses target's armor/shield."},
    {1, 25, "Damage bypasses target's armor/shield."},
}};

constexpr std::array<CriticalRow, 4> kHthFailure{{
    {76, 100, "Hit yourself; take d10 HP + damage bonus to hand/foot."},
    {51, 75, "Slip and fall before attacking; spend 100 Init to stand."},
    {26, 50, "Telegraph your attack!  Opponent has +25 on a return attack."},
    {1, 25, "Trigger a pressure point on self; the limb is useless for 3 rounds."},
}};

constexpr std::array<CriticalRow, 4> kDodgeSuccess{{
    {76, 100, "Reduce Init cost to 1 point; also, opponent slips and falls (dodge, duck) or is knocked on back (shield-block)."},
    {51, 75, "Opponent loses one weapon; natural melee weapons are temporarily useless for d10 rounds."},
    {26, 50, "If the opponent didn't roll a critical success to hit, he must roll on the critical failure chart."},
    {1, 25, "Reduce Init cost to 1 point."},
}};

constexpr std::array<CriticalRow, 4> kDodgeFailure{{
    {76, 100, "Opponent gets a second attack without spending Init; combat otherwise flows normally."},
    {51, 75, "Step into the swing by accident; +1 shift to damage, although armor/soak still works."},
    {26, 50, "Slip and fall, or lose your shield if blocking; spend 100 Init to stand or regain shield."},
    {1, 25, "Opponent's attack bypasses your armor."},
}};

constexpr std::array<CriticalRow, 4> kFiredSuccess{{
    {76, 100, "Gain free attack on any opponent in front 45 degree arc."},
    {51, 75, "Bypass target's armor/shield; +3 shift on Rupture chart."},
    {26, 50, "Bypass target's armor/shield; +2 shift on Rupture chart."},
    {1, 25, "Bypass target's armor/shield; +1 shift on Rupture chart."},
}};

constexpr std::array<CriticalRow, 4> kFiredFailure{{
    {76, 100, "Strike foot, friend, etc., in front 45 degree arc with a D success."},
    {51, 75, "Slip and fall before attacking; spend 100 Init to stand."},
    {26, 50, "Strike foot, friend, etc., in front 45 degree arc with a D success."},
    {1, 25, "Bowstring snaps or thrown missle snags on pouch/clothes."},
}};

constexpr std::array<CriticalRow, 4> kMagicSuccess{{
    {76, 100, "Spell occurs instantly and costs no Init."},
    {51, 75, "Decrease cost of spell by 5 WP's permanently."},
    {26, 50, "Double all effects of the casting for this action only."},
    {1, 25, "Tap a universal pocket of free energy!  No WP cost to cast spell."},
}};

constexpr std::array<CriticalRow, 4> kMagicFailure{{
    {76, 100, "Roll on Magic Instability Chart."},
    {51, 75, "Increase cost of spell by 10 WP's permanently."},
    {26, 50, "Roll on Magic Instability Chart."},
    {1, 25, "Ouch, touch an anti-magic pocket!  Spell costs twice normal WP's."},
}};

// In the order of CriticalTableId.
constexpr std::array kTables{
    CriticalTable{"Endowment Critical Success Roll", "Endowment Critical Success", kEndowmentSuccess},
    CriticalTable{"Endowment Critical Failure Roll", "Endowment Critical Failure", kEndowmentFailure},
    CriticalTable{"Random Hit Location", "Random Hit Location", kHitLocation},
    CriticalTable{"Basic Combat Critical Success Roll", "Basic Combat Critical Success Roll", kBasicSuccess},
    CriticalTable{"Basic Combat Critical Failure Roll", "Basic Combat Critical Failure Roll", kBasicFailure},
    CriticalTable{"Advanced Melee Combat Critical Success Roll", "Advanced Melee Combat Critical Success Roll", kMeleeSuccess},
    CriticalTable{"Advanced Melee Combat Critical Failure Roll", "Advanced Melee Combat Critical Failure Roll", kMeleeFailure},
    CriticalTable{"Advanced HTH Combat Critical Success Roll", "Advanced HTH Combat Critical Success Roll", kHthSuccess},
    CriticalTable{"Advanced HTH Combat Critical Failure Roll", "Advanced HTH Combat Critical Failure Roll", kHthFailure},
    CriticalTable{"Advanced Dodge, Duck, and Shield-Block Critical Success Roll", "Advanced Dodge, Duck, and Shield-Block Critical Success Roll", kDodgeSuccess},
    CriticalTable{"Advanced Dodge, Duck, and Shield-Block Critical Failure Roll", "Advanced Dodge, Duck, and Shield-Block Critical Failure Roll", kDodgeFailure},
    CriticalTable{"Advanced Fired/Thrown Combat Critical Success Roll", "Advanced Fired/Thrown Combat Critical Success Roll", kFiredSuccess},
    CriticalTable{"Advanced Fired/Thrown Combat Critical Failure Roll", "Advanced Fired/Thrown Combat Critical Failure Roll", kFiredFailure},
    CriticalTable{"Magic Critical Success Roll", "Magic Critical Success Roll", kMagicSuccess},
    CriticalTable{"Magic Critical Failure Roll", "Magic Critical Failure Roll", kMagicFailure},
};
// clang-format on

// Every table's rows run from 100 down to 1 without a gap or an overlap.
constexpr bool coversOneToHundred(const CriticalTable& table) {
    int next = 100;
    for (const auto& row : table.rows) {
        if (row.highest != next || row.lowest > row.highest) {
            return false;
        }
        next = row.lowest - 1;
    }
    return next == 0;
}
static_assert(std::all_of(kTables.begin(), kTables.end(), coversOneToHundred),
              "each table covers the rolls 1 to 100 once");
static_assert(kTables.size() == static_cast<std::size_t>(CriticalTableId::MagicFailure) + 1,
              "a table for each id");

} // namespace

const CriticalTable& criticalTable(CriticalTableId id) {
    return kTables.at(static_cast<std::size_t>(id));
}

const CriticalRow& selectRow(const CriticalTable& table, int roll) {
    const auto row = std::find_if(table.rows.begin(), table.rows.end(),
                                  [roll](const CriticalRow& r) { return roll >= r.lowest; });
    // Rolls are 1 to 100, so the lowest row always takes the rest.
    return row == table.rows.end() ? table.rows.back() : *row;
}

void RunCriticalTable(const CriticalTable& table, Dice& dice, Interaction& ui) {
    const int roll = RollPercentile(dice, ui, std::string(table.rollLabel));
    const std::string_view outcome = selectRow(table, roll).text;
    ui.showMessage({std::string(table.resultCaption), std::string(outcome), false});
    if (RollLog* log = dice.log()) {
        log->setOutcome(outcome);
    }
}

} // namespace orthavel

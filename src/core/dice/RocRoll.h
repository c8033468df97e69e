// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/interaction/NumberPrompt.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace orthavel {

class Dice;
class Interaction;

// One row of the Rolling Outcome Chart: the lowest total it takes and its text, whose leading
// "%i" receives the total. Every other character, a "%" included, is shown as written.
struct RocOutcome {
    std::int32_t lowest;
    std::string_view text;
};

// Highest row first; a total takes the first row whose lower bound it reaches. The last row takes
// every total below 30, negative totals included.
// clang-format off
inline constexpr std::array<RocOutcome, 13> RocOutcomeTable{{
    {700, "%i  Success: H  Seeing how exquisitely skilled you are, your patron god asks you to join the pantheon as an immortal."},
    {600, "%i  Success: H  Receive one wish from the patron god of the skill being used."},
    {500, "%i  Success: H  Others hear of your amazing skill. Raise SL to 5, Conf or Style by 1.  If SL>5 raise it by 1, Gain 1000 EPs."},
    {400, "%i  Success: H  Gain an extra 5% in skill, join Proffesion of choice (must meet requirements) and earn 400 EPs."},
    {200, "%i  Success: H  Inconceivable! The gods weep in anticipation of your arrival to the heavens of immortality. Gain 100 EPs"},
    {125, "%i  Success: G  Never better! The Queen wants to see you, today! Gain 50 EPs."},
    {90, "%i  Success: F  Standing ovation! An addition has been built onto the Round Table, just for you! Gain 25 EPs."},
    {75, "%i  Success: E  Terrific job! Not only are they eating out of your hand, but they're having it bronzed as well, Gain 10 EPs."},
    {60, "%i  Success: D  You did it! Your adventuring group admits their need for you."},
    {50, "%i  Success: C  Not bad. Only Dad would say he could do better."},
    {40, "%i  Success: B  Just made it. Um, your parents really want you to try harder."},
    {30, "%i  Success: A  Practically failed! Maybe getting up out of your chair would help."},
    {std::numeric_limits<std::int32_t>::min(), "%i  Success:--- Clear miss! Whoa, I didn't know you do that with a battle axe!"},
}};
// clang-format on

inline constexpr std::string_view kRocCaption = "Rolling Outcome Chart (ROC)";
inline constexpr std::string_view kRocRollLabel = "ROC Roll";
// From this total on, experience bonuses apply and the player is reminded how.
inline constexpr std::int32_t kRocEpBonusTotal = 75;
inline constexpr std::string_view kRocEpBonusText =
    "EP Bonuses apply to ROC skill rolls only, and are applied directly to the skill being used.";

// The dialog that asks for the action's base number.
NumberPrompt RocBaseNumberDialog();

// The chart's text for a total: its row's text with the total in place of the leading "%i".
std::string RocOutcomeText(std::int32_t total);

// The ROC roll: asks for the base number (Escape rolls on 0), adds a percentile roll, rolls again
// while the total is exactly 100, and shows the chart's row for the total, with the reminder on
// experience bonuses from 75 up.
void RunRocRoll(Dice& dice, Interaction& ui);
// The same roll on a base number already known (a skill's rating less the difficulty); the log
// names what it was for before its outcome ("Long Sword 25 - 20: 62  Success: D ...").
void rollOnRoc(Dice& dice, Interaction& ui, std::int32_t baseNumber, std::string_view about = {});

} // namespace orthavel

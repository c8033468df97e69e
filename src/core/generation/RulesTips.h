// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Rules Tips of character generation: reminders of a rule at the step it concerns, shown only
// while the character's Rules Tips option is on.

#include "core/record/CharacterRecord.h"

#include <string_view>

namespace orthavel {

class Interaction;

namespace rules_tip {
inline constexpr std::string_view kPathways =
    "Pathways give insight into your character--there are Givers and\nTakers.  There are no "
    "neutral characters.";
inline constexpr std::string_view kProfession =
    "A character can start the game with a Job or Profession.\nThis means the character has a "
    "Professional Level and can reap the\n rewards and must bow to the restrictions thereof.";
inline constexpr std::string_view kMinimumAdvantages =
    "The minimum advantages for your Job/Profession have already been selected.\nYou may now "
    "select additional advantages.";
inline constexpr std::string_view kGroamMagic =
    "You must have a Logic Advantage of 5 or greater to obtain any emphasis or mastery in "
    "Magic.\nCheck the Tome for more details.";
inline constexpr std::string_view kAgeRanges =
    "Very young and very old Kessari character will have different height and weight "
    "ranges.\nCheck the Kessari Culturebook for more details.";
inline constexpr std::string_view kNeuonianCulturalSkills =
    "Native skills include two Neuonian cultural skill at 20.\nCorner and Endure have been "
    "choosen you may\nchange them in the skill dialog.";
inline constexpr std::string_view kNeuonianPainting =
    "Native skills include Painting at 10 skill points.\nYou may change this to Poetry or Prose "
    "in the skill dialog.";
} // namespace rules_tip

// Shows the tip in a message box captioned "Rules Tip" while the record's Rules Tips are on.
void ShowRulesTip(const CharacterRecord& record, Interaction& ui, std::string_view text);

} // namespace orthavel

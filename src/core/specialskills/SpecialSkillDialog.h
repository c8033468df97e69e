// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/interaction/ChoiceDialog.h"
#include "core/record/CharacterRecord.h"
#include "core/skills/Masteries.h"
#include "core/specialskills/SpecialSkillTable.h"

namespace orthavel {

inline constexpr std::string_view kAdvantageLimitCaption = "Maximum Advantage Limits";
inline constexpr std::string_view kSkillLimitCaption = "Maximum Skill Rating";

// One showing of a profession's special-skill dialog for this character: its buttons in their
// columns with the choice's index as result, the current level of every advantage it can raise
// as inputs (by the advantage's label, in the order of the choices), and its refusals: the
// refusal of a raise that would carry an advantage past the character's race maximum or a rating
// past 100, and of a rating that would leave the profession's mastery requirements unmet where
// they were met.
ChoiceDialog specialSkillDialog(const SpecialSkillDialogRow& row, const CharacterRecord& record);

// What an AddSkill effect does to the ratings: its amount added to its skill (and to its second
// one), wrapping at 32 bits as every record value does.
void addSkillEffect(SkillRatings& ratings, const SpecialSkillEffect& effect);

} // namespace orthavel

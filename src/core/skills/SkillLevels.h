// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"
#include "core/skills/MasteryRequirements.h"

namespace orthavel {

// What a character's ratings give: the emphases and masteries, and the check of its profession's
// mastery requirements with the profession level it yields.
struct RatedLevels {
    MasteryResult levels;
    MasteryCheck check;
};

RatedLevels ratedLevels(std::int32_t race, std::int32_t profession, const SkillRatings& ratings);

// Stores what the ratings give: the emphases, the masteries and, when the profession's
// requirements are met, the profession level (otherwise it stays); then the life level. Every
// step that changes ratings outside "Choose Skills" ends with it, so the sheet never shows levels
// the ratings do not give.
void UpdateSkillLevels(CharacterRecord& record);

} // namespace orthavel

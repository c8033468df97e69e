// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/skills/SkillLevels.h"

#include "core/record/DerivedStats.h"

namespace orthavel {

RatedLevels ratedLevels(std::int32_t race, std::int32_t profession, const SkillRatings& ratings) {
    RatedLevels rated{computeMasteries(race, ratings), {}};
    rated.check = checkMasteryRequirements(race, profession, rated.levels, ratings);
    return rated;
}

void UpdateSkillLevels(CharacterRecord& record) {
    const RatedLevels rated = ratedLevels(record.m_nRace, record.m_nProfession, record.m_aSkill);
    record.m_aEmphasis = rated.levels.emphases;
    record.m_aMastery = rated.levels.masteries;
    if (rated.check.professionLevel) {
        record.m_nProfessionLevel = *rated.check.professionLevel;
    }
    UpdateLifeLevel(record);
}

} // namespace orthavel

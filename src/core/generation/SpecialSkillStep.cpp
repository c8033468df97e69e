// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/generation/SpecialSkillStep.h"

#include "core/generation/CareerTable.h"
#include "core/skills/SkillLevels.h"
#include "core/specialskills/SpecialSkillProcedure.h"

namespace orthavel {

void RunSpecialSkillStep(CharacterRecord& record, Interaction& ui,
                         std::span<const CareerGroup> table) {
    const CareerStep step = careerStep(record.m_nProfession, table);
    if (step.specialSkills) {
        SpecialSkillProcedure(record, ui);
    }
    // Picks and grants change ratings outside "Choose Skills": the stored levels follow them.
    UpdateSkillLevels(record);
    if (step.careerLevel != kCareerLevelUnchanged) {
        record.m_nCareerLevel = step.careerLevel;
    }
}

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/skills/ChooseSkills.h"

#include "core/interaction/Interaction.h"
#include "core/record/DerivedStats.h"
#include "core/skills/SkillSelection.h"

namespace orthavel {

ChosenSkills RunChooseSkills(CharacterRecord& record, std::int32_t skillPoints, Interaction& ui) {
    SkillSelection selection;
    selection.open(record.m_nRace, record.m_nProfession, skillPoints, record.m_nExperience,
                   record.m_aSkill, record.m_nProfessionLevel);
    const bool accepted = ui.runSkillSelection(selection);
    if (accepted) {
        record.m_aSkill = selection.ratings();
        record.m_aEmphasis = selection.levels().emphases;
        record.m_aMastery = selection.levels().masteries;
        record.m_nProfessionLevel = selection.professionLevel();
    }
    return {accepted, selection.skillPoints(), selection.experience()};
}

void AllotSkillPoints(CharacterRecord& record, std::int32_t n, Interaction& ui) {
    record.m_nSkillPoints = n;
    const ChosenSkills left = RunChooseSkills(record, n, ui);
    record.m_nSkillPoints = left.skillPoints;
    record.m_nExperience = left.experience;
    UpdateLifeLevel(record);
}

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/advantages/AssignAdvantages.h"

#include "core/advantages/AdvantageAssignment.h"
#include "core/interaction/Interaction.h"

namespace orthavel {

bool RunAssignAdvantages(CharacterRecord& record, Interaction& ui, bool professionChange) {
    AdvantageAssignment assignment;
    assignment.setProfessionChange(professionChange);
    assignment.open(record.m_nRace, record.m_bUpdateMode, record.m_nProfession, record.m_aAdvantage,
                    record.m_nSkillPoints, record.m_nAdvantagePoints);
    if (!ui.runAdvantageAssignment(assignment)) {
        return false;
    }
    record.m_aAdvantage = assignment.levels();
    record.m_nSkillPoints = assignment.skillPoints();
    record.m_nAdvantagePoints = assignment.advantagePoints();
    return true;
}

} // namespace orthavel

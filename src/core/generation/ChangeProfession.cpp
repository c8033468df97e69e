// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/generation/ChangeProfession.h"

#include "core/generation/CreationDialogs.h"
#include "core/generation/GenerationSteps.h"
#include "core/generation/SpecialSkillStep.h"
#include "core/interaction/Interaction.h"
#include "core/interaction/NumberPrompt.h"
#include "core/record/DerivedStats.h"
#include "core/skills/ChooseSkills.h"

namespace orthavel {

void RunChangeProfession(CharacterRecord& record, Interaction& ui) {
    record.m_bUpdateMode = 1;
    if (const auto house = runHouseDialog(ui)) {
        house->storeIn(record);
    }
    generation_step::houseCareer(record, ui);

    // Only the points earned for the change are spent; unspent ones from before are gone.
    record.m_nSkillPoints = 0;
    record.m_nAdvantagePoints = 0;
    if (const auto points = ui.askNumber(newAdvantagePointsPrompt())) {
        record.m_nAdvantagePoints = *points;
    }
    generation_step::assignAdvantages(record, ui, /*professionChange=*/true);

    if (const auto points = ui.askNumber(newSkillPointsPrompt())) {
        record.m_nSkillPoints = *points;
    }
    generation_step::chooseSkills(record, ui);

    // Out of update mode, the new profession's step grants every pick its level brings.
    record.m_bUpdateMode = 0;
    RunSpecialSkillStep(record, ui);
    UpdateDerivedStats(record);
    ui.showMessage({"Don't Forget", "Don't forget to save your character."});
    record.m_nPage = 1;
}

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/generation/FullGeneration.h"

#include "core/generation/CreationDialogs.h"
#include "core/generation/GenerationRules.h"
#include "core/generation/RulesTips.h"

namespace orthavel {

using namespace generation_step;

GenerationEnd RunFullGeneration(CharacterRecord& record, Dice& dice, Interaction& ui) {
    startNewCharacter(record);
    if (!nameAndAttitude(record, ui)) {
        return GenerationEnd::NameCancelled;
    }
    pathway(record, ui, runPathwayDialog);
    ShowRulesTip(record, ui, rules_tip::kProfession);
    if (const auto house = runHouseDialog(ui)) {
        house->storeIn(record);
    }
    houseCareer(record, ui);
    if (const auto ageClass = runAgeCategoryDialog(ui)) {
        ApplyAgeDelineation(record, *ageClass);
    }
    SetAverageTradeHints(record);
    familyTrade(record, dice, ui);
    advantages(record, ui, RaiseToProfessionMinimums);
    ShowRulesTip(record, ui, rules_tip::kAgeRanges);
    record.m_nAge = record.m_nStartAge;
    physicalTraits(record, ui);
    handedness(record, dice, ui);
    skillsToSheet(record, dice, ui, kCareerTable);
    return GenerationEnd::Completed;
}

} // namespace orthavel

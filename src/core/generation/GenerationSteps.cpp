// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/generation/GenerationSteps.h"

#include "core/advantages/AssignAdvantages.h"
#include "core/dice/RollPercentile.h"
#include "core/generation/CreationDialogs.h"
#include "core/generation/GenerationRules.h"
#include "core/generation/NativeSkills.h"
#include "core/generation/RulesTips.h"
#include "core/generation/SpecialSkillStep.h"
#include "core/interaction/Interaction.h"
#include "core/record/DerivedStats.h"
#include "core/record/Names.h"
#include "core/skills/ChooseSkills.h"

namespace orthavel::generation_step {
namespace {

constexpr int kAmbidextrousRoll = 57;

} // namespace

void startNewCharacter(CharacterRecord& record) {
    record.ResetToKessariDefaults();
    if (record.m_nPage == kPageMainMenu) {
        record.m_nPage = kPageGenerating;
    }
}

bool nameAndAttitude(CharacterRecord& record, Interaction& ui) {
    if (const auto answer = runNameAttitudeDialog(ui)) {
        answer->storeIn(record);
        return true;
    }
    record.m_nPage = kPageMainMenu;
    return false;
}

void pathway(CharacterRecord& record, Interaction& ui,
             std::optional<std::string> (*runDialog)(Interaction& ui)) {
    ShowRulesTip(record, ui, rules_tip::kPathways);
    if (const auto chosen = runDialog(ui)) {
        record.m_strPathway = *chosen;
    }
}

void houseCareer(CharacterRecord& record, Interaction& ui) {
    if (const auto career = runJobsDialog(ui, record.m_nCulture)) {
        career->storeIn(record);
    }
    if (record.m_nCulture == culture::kRaidir && record.m_nProfession == profession::kSpecialist) {
        ui.showMessage({"Specialist",
                        "Choose a Job/Profession to specialize in.\nIf the profession is not on "
                        "the list recreate the character as if from a different house."});
        if (const auto job = runSpecialistJobDialog(ui)) {
            job->storeIn(record);
        }
    }
}

void familyTrade(CharacterRecord& record, Dice& dice, Interaction& ui) {
    if (const auto choice = runFamilyTradeDialog(ui)) {
        record.m_nFamilyTradeChoice = *choice;
        if (*choice == 2) {
            ApplyRandomLineage(record, RollPercentile(dice, ui, "Family Trade"));
        } else {
            ApplyAverageLineage(record, *choice);
        }
    }
    if (const auto background =
            runFamilyBackgroundDialog(ui, record.m_strTradeHint1, record.m_strTradeHint2)) {
        record.m_strFamilyTrade = *background;
    }
}

void assignAdvantages(CharacterRecord& record, Interaction& ui, bool professionChange) {
    RunAssignAdvantages(record, ui, professionChange);
    UpdateDerivedStats(record);
}

void advantages(CharacterRecord& record, Interaction& ui,
                void (*setMinimums)(CharacterRecord& record)) {
    ShowRulesTip(record, ui, rules_tip::kMinimumAdvantages);
    setMinimums(record);
    if (record.m_nCulture == culture::kGroam) {
        ShowRulesTip(record, ui, rules_tip::kGroamMagic);
    }
    assignAdvantages(record, ui);
}

void physicalTraits(CharacterRecord& record, Interaction& ui) {
    if (const auto traits =
            runPhysicalTraitsDialog(ui, record.m_nAge, record.m_nStartAge, record.m_nMaxAge)) {
        traits->storeIn(record);
    }
}

void handedness(CharacterRecord& record, Dice& dice, Interaction& ui) {
    if (RollPercentile(dice, ui, "You need a 57 to be ambidextrous") == kAmbidextrousRoll) {
        record.m_strHandedness = "Ambidextrous";
    } else if (const auto hand = runHandednessDialog(ui)) {
        record.m_strHandedness = *hand;
    }
}

void chooseSkills(CharacterRecord& record, Interaction& ui) {
    AllotSkillPoints(record, record.m_nSkillPoints, ui);
}

void skillsToSheet(CharacterRecord& record, Dice& dice, Interaction& ui,
                   std::span<const CareerGroup> careers) {
    SetRaceNativeSkills(record, ui);
    AddCultureNativeSkills(record, dice, ui);
    chooseSkills(record, ui);
    RunSpecialSkillStep(record, ui, careers);
    UpdateDerivedStats(record);
    // The armor starts at None and is kept even when the dialog was closed; Neuonians have none.
    if (record.m_nRace == kRaceKessari) {
        record.m_aEquipment[0] = ui.runChoice(armorDialog()).value_or(0);
    }
    record.m_nPage = 1;
}

} // namespace orthavel::generation_step

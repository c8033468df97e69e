// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/generation/QuickGeneration.h"

#include "core/generation/CreationDialogs.h"
#include "core/generation/GenerationRules.h"
#include "core/generation/RulesTips.h"
#include "core/record/Names.h"

namespace orthavel {
namespace {

using namespace generation_step;

// A Neuonian chooses city-state, gender and starting job; a Kessari chooses a House (with its
// entry job and, for the Raidir, the gender) and, in three Houses, another starting career.
void originAndCareer(CharacterRecord& record, Interaction& ui) {
    if (record.m_nRace == kRaceNeuonian) {
        if (const auto culture = runCityStateDialog(ui)) {
            culture->storeIn(record);
        }
        if (const auto gender = runGenderDialog(ui)) {
            record.m_strGender = *gender;
        }
        if (const auto job = runStartingJobDialog(ui)) {
            job->storeIn(record);
        }
        return;
    }
    if (const auto house = runHouseDialog(ui)) {
        house->storeIn(record);
    }
    if (const auto career = runStartingCareersDialog(ui, record.m_nCulture)) {
        career->storeIn(record);
    }
    if (record.m_nCulture == culture::kRaidir && record.m_nProfession == profession::kSpecialist) {
        if (const auto job = runSpecialistJobDialog(ui)) {
            job->storeIn(record);
        }
    }
}

// The age range and skill points a race starts with, and its trade examples.
void startOfRace(CharacterRecord& record) {
    const RaceStart& start = raceStart(record.m_nRace);
    record.m_nStartAge = start.startAge;
    record.m_nMaxAge = start.maxAge;
    record.m_nSkillPoints = start.skillPoints;
    SetAverageTradeHints(record);
}

} // namespace

GenerationEnd RunQuickGeneration(CharacterRecord& record, Dice& dice, Interaction& ui) {
    startNewCharacter(record);
    if (const auto race = runRaceDialog(ui)) {
        if (*race == kRaceNeuonian) {
            record.ApplyNeuonianDefaults();
        } else {
            record.m_nRace = kRaceKessari;
        }
    }
    if (!nameAndAttitude(record, ui)) {
        return GenerationEnd::NameCancelled;
    }
    pathway(record, ui, runStartingPathwayDialog);
    ShowRulesTip(record, ui, rules_tip::kProfession);
    originAndCareer(record, ui);
    startOfRace(record);
    familyTrade(record, dice, ui);
    advantages(record, ui, ApplyStartingProfessionAdvantages);
    physicalTraits(record, ui);
    handedness(record, dice, ui);
    skillsToSheet(record, dice, ui, kStartingCareerTable);
    return GenerationEnd::Completed;
}

} // namespace orthavel

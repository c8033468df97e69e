#include "core/generation/QuickGeneration.h"

#include "core/dialogs/CreationDialogs.h"
#include "core/generation/CareerSkillStep.h"
#include "core/generation/GenerationRules.h"
#include "core/generation/NativeSkills.h"
#include "core/generation/RulesTips.h"
#include "core/record/DerivedStats.h"

namespace orthavel {
namespace {

using namespace generation_step;

constexpr std::int32_t kRaidir = 12;
constexpr std::int32_t kGroam = 4;

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
    if (record.m_nCulture == kRaidir && record.m_nProfession == kSpecialistCode) {
        if (const auto job = runSpecialistJobDialog(ui)) {
            job->storeIn(record);
        }
    }
}

// The age range, skill points and trade examples a race starts with.
void raceStart(CharacterRecord& record) {
    if (record.m_nRace == kRaceNeuonian) {
        record.m_nStartAge = 16;
        record.m_nMaxAge = 40;
        record.m_nSkillPoints = 506;
        record.m_strTradeHint1 = "City Guard, Artillery Agent, Craftsman, Artist,";
        record.m_strTradeHint2 = "Cavalry, Musician, Thief, Trapper, Actor";
    } else {
        record.m_nStartAge = 21;
        record.m_nMaxAge = 300;
        record.m_nSkillPoints = 405;
        record.m_strTradeHint1 = "Sage, Sergeant, Temple Guard, Alchemist, Disciple";
        record.m_strTradeHint2 = "Juggler, Mercenary, Monastery Guard, Merchant, etc.";
    }
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
    ShowRulesTip(record, ui, rules_tip::kPathways);
    if (const auto pathway = runStartingPathwayDialog(ui)) {
        record.m_strPathway = *pathway;
    }
    ShowRulesTip(record, ui, rules_tip::kProfession);
    originAndCareer(record, ui);
    raceStart(record);
    familyTrade(record, dice, ui);
    ShowRulesTip(record, ui, rules_tip::kMinimumAdvantages);
    ApplyStartingProfessionAdvantages(record);
    if (record.m_nCulture == kGroam) {
        ShowRulesTip(record, ui, rules_tip::kGroamMagic);
    }
    assignAdvantages(record, ui);
    physicalTraits(record, ui);
    handedness(record, dice, ui);
    SetRaceNativeSkills(record, ui);
    AddCultureNativeSkills(record, dice, ui);
    chooseSkills(record, ui);
    RunSpecialSkillStep(record, ui, kStartingCareerTable);
    UpdateDerivedStats(record);
    if (record.m_nRace == kRaceKessari) {
        armor(record, ui);
    }
    record.m_nPage = 1;
    return GenerationEnd::Completed;
}

} // namespace orthavel

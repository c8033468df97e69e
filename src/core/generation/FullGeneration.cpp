#include "core/generation/FullGeneration.h"

#include "core/dialogs/CreationDialogs.h"
#include "core/generation/CareerSkillStep.h"
#include "core/generation/GenerationRules.h"
#include "core/generation/NativeSkills.h"
#include "core/generation/RulesTips.h"
#include "core/record/DerivedStats.h"

namespace orthavel {

using namespace generation_step;

GenerationEnd RunFullGeneration(CharacterRecord& record, Dice& dice, Interaction& ui) {
    constexpr std::int32_t kGroam = 4;
    startNewCharacter(record);
    if (!nameAndAttitude(record, ui)) {
        return GenerationEnd::NameCancelled;
    }
    ShowRulesTip(record, ui, rules_tip::kPathways);
    if (const auto pathway = runPathwayDialog(ui)) {
        record.m_strPathway = *pathway;
    }
    ShowRulesTip(record, ui, rules_tip::kProfession);
    if (const auto house = runHouseDialog(ui)) {
        house->storeIn(record);
    }
    houseCareer(record, ui);
    if (const auto ageClass = runAgeCategoryDialog(ui)) {
        ApplyAgeDelineation(record, *ageClass);
    }
    record.m_strTradeHint1 = "Sage, Sergeant, Temple Guard, Alchemist, Disciple";
    record.m_strTradeHint2 = "Juggler, Mercenary, Monastery Guard, Merchant, etc.";
    familyTrade(record, dice, ui);
    ShowRulesTip(record, ui, rules_tip::kMinimumAdvantages);
    RaiseToProfessionMinimums(record);
    if (record.m_nCulture == kGroam) {
        ShowRulesTip(record, ui, rules_tip::kGroamMagic);
    }
    assignAdvantages(record, ui);
    ShowRulesTip(record, ui, rules_tip::kAgeRanges);
    record.m_nAge = record.m_nStartAge;
    physicalTraits(record, ui);
    handedness(record, dice, ui);
    SetRaceNativeSkills(record, ui);
    AddCultureNativeSkills(record, dice, ui);
    chooseSkills(record, ui);
    RunSpecialSkillStep(record, ui);
    UpdateDerivedStats(record);
    armor(record, ui);
    record.m_nPage = 1;
    return GenerationEnd::Completed;
}

} // namespace orthavel

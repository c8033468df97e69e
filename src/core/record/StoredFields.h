// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"

#include <string_view>
#include <type_traits>

namespace orthavel {

// The emphases are the one array that is not stored whole where it stands: its last element,
// which only Neuonians have, goes to the very end of the file.
using EmphasisArray = decltype(CharacterRecord::m_aEmphasis);
static_assert(kEmphasisCount != kSpecialSkillCount && kEmphasisCount != kMasteryCount &&
                  kEmphasisCount != kSkillCount && kEmphasisCount != kSaveCount &&
                  kEmphasisCount != kAdvantageCount && kEmphasisCount != kReservedCount &&
                  kEmphasisCount != kEquipmentCount,
              "the emphases must be told apart from every other array by their type");

// Calls visit(name, field) for every stored field of the record, in the order of the character
// file: the one list of the stored fields that the file and every other view of the record use.
// Record is CharacterRecord or const CharacterRecord.
template <typename Record, typename Visit> void forEachStoredField(Record& r, Visit&& visit) {
    static_assert(std::is_same_v<std::remove_const_t<Record>, CharacterRecord>);
#define ORTHAVEL_STORED(field) visit(std::string_view(#field), r.field)
    ORTHAVEL_STORED(m_nCareerLevel);
    ORTHAVEL_STORED(m_bRulesTips);
    ORTHAVEL_STORED(m_nBaseWillpower);
    ORTHAVEL_STORED(m_nBaseHealth);
    ORTHAVEL_STORED(m_nMoveBaseAdj);
    ORTHAVEL_STORED(m_nMoveBase);
    ORTHAVEL_STORED(m_nDamageBonusAdj);
    ORTHAVEL_STORED(m_nDamageBonus);
    ORTHAVEL_STORED(m_nInitiativeAdj);
    ORTHAVEL_STORED(m_nInitiative);
    ORTHAVEL_STORED(m_nSoakAdj);
    ORTHAVEL_STORED(m_nSoak);
    ORTHAVEL_STORED(m_nSizeLevel);
    ORTHAVEL_STORED(m_nMaxAge);
    ORTHAVEL_STORED(m_nStartAge);
    ORTHAVEL_STORED(m_aSpecialSkill);
    ORTHAVEL_STORED(m_nSpare);
    ORTHAVEL_STORED(m_nMaxLifeLevel);
    ORTHAVEL_STORED(m_aEmphasis);
    ORTHAVEL_STORED(m_aMastery);
    ORTHAVEL_STORED(m_aSkill);
    ORTHAVEL_STORED(m_nFiscalPoints);
    ORTHAVEL_STORED(m_nMaxWillpowerAdj);
    ORTHAVEL_STORED(m_nMaxWillpower);
    ORTHAVEL_STORED(m_nMaxHealthAdj);
    ORTHAVEL_STORED(m_nPowerTolerance);
    ORTHAVEL_STORED(m_nMaxHealth);
    ORTHAVEL_STORED(m_nHealRateAdj);
    ORTHAVEL_STORED(m_nHealRate);
    ORTHAVEL_STORED(m_nEPBonus);
    ORTHAVEL_STORED(m_nExperience);
    ORTHAVEL_STORED(m_nSocialPoints);
    ORTHAVEL_STORED(m_nSocialLevel);
    ORTHAVEL_STORED(m_nSleepLevelAdj);
    ORTHAVEL_STORED(m_nSleepLevel);
    ORTHAVEL_STORED(m_nEncumbMaxAdj);
    ORTHAVEL_STORED(m_nEncumbMax);
    ORTHAVEL_STORED(m_bEndowment1Given);
    ORTHAVEL_STORED(m_bEndowment2Given);
    ORTHAVEL_STORED(m_fMoveRateAdj);
    ORTHAVEL_STORED(m_fMoveRate);
    ORTHAVEL_STORED(m_strBirthDate);
    ORTHAVEL_STORED(m_strHandedness);
    ORTHAVEL_STORED(m_nLiftCapAdj);
    ORTHAVEL_STORED(m_aSave);
    ORTHAVEL_STORED(m_nRace);
    ORTHAVEL_STORED(m_aAdvantageAdjust);
    ORTHAVEL_STORED(m_strWeight);
    ORTHAVEL_STORED(m_strHeight);
    ORTHAVEL_STORED(m_strBuild);
    ORTHAVEL_STORED(m_nLiftCap);
    ORTHAVEL_STORED(m_strSkinColor);
    ORTHAVEL_STORED(m_strHairColor);
    ORTHAVEL_STORED(m_strEyeColor);
    ORTHAVEL_STORED(m_strTradeHint2);
    ORTHAVEL_STORED(m_strTradeHint1);
    ORTHAVEL_STORED(m_strFamilyTrade);
    ORTHAVEL_STORED(m_strGender);
    ORTHAVEL_STORED(m_aAdvantage);
    ORTHAVEL_STORED(m_nSkillPoints);
    ORTHAVEL_STORED(m_nAdvantagePoints);
    ORTHAVEL_STORED(m_nLineage);
    ORTHAVEL_STORED(m_nFamilyTradeChoice);
    ORTHAVEL_STORED(m_nProfession);
    ORTHAVEL_STORED(m_strProfession);
    ORTHAVEL_STORED(m_nCulture);
    ORTHAVEL_STORED(m_strCulture);
    ORTHAVEL_STORED(m_strAttitude);
    ORTHAVEL_STORED(m_strPlayedBy);
    ORTHAVEL_STORED(m_nProfessionLevel);
    ORTHAVEL_STORED(m_nFiscalLevel);
    ORTHAVEL_STORED(m_nLifeLevel);
    ORTHAVEL_STORED(m_strName);
    ORTHAVEL_STORED(m_nAge);
    ORTHAVEL_STORED(m_strPathway);
    ORTHAVEL_STORED(m_nPage);
    ORTHAVEL_STORED(m_aReserved);
    ORTHAVEL_STORED(m_aEquipment);
#undef ORTHAVEL_STORED
}

} // namespace orthavel

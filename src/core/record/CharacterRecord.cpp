// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/record/CharacterRecord.h"

#include "core/record/Names.h"

namespace orthavel {

namespace {

constexpr std::array<std::int32_t, kAdvantageCount> kKessariAdvantages{1, 0, 0, 0, 1, 0, 0, 0,
                                                                       2, 0, 0, 0, 0, 0, 0};
constexpr std::array<std::int32_t, kAdvantageCount> kNeuonianAdvantages{0, 0, 0, 0, 0, 0, 2, 0,
                                                                        3, 0, 0, 1, 0, 0, 0};

// What both races' defaults clear: the point pools' companions, the derived values a fresh
// character starts from, and every array of skills and special skills.
void clearProgress(CharacterRecord& r) {
    r.m_bEndowment1Given = 0;
    r.m_bEndowment2Given = 0;
    r.m_nCareerLevel = 1;
    r.m_nAdvantagePoints = 1;
    r.m_nExperience = 0;
    r.m_nSoak = 0;
    r.m_nInitiative = 0;
    r.m_nInitiativeAdj = 0;
    r.m_nDamageBonus = 0;
    r.m_nProfessionLevel = 0;
    r.m_nSpare = 0;
    r.m_nFiscalLevel = 0;
    r.m_nLifeLevel = 0;
    r.m_nMaxLifeLevel = 0;
    r.m_aReserved.fill(0);
    r.m_aEquipment.fill(0);
    r.m_aSkill.fill(0);
    r.m_aMastery.fill(0);
    r.m_aEmphasis.fill(0);
    r.m_aSpecialSkill.fill(0);
}

// What both races' defaults set alike, from the race's starting values: the sample names, the
// ages, size, movement, health, willpower, lineage, skill points and power tolerance, then a
// fresh character's progress.
void startAs(CharacterRecord& r, const RaceStart& start) {
    r.m_strName = "Aldo Verrick";
    r.m_strPlayedBy = "Tam Orrin";
    r.m_strPathway = "Assertive Giver";
    r.m_strCulture = kCultureNames[0];
    r.m_nAge = start.startAge;
    r.m_nStartAge = start.startAge;
    r.m_nMaxAge = start.maxAge;
    r.m_nSizeLevel = 4;
    r.m_nMoveBase = 5;
    r.m_nMoveBaseAdj = start.moveBaseAdj;
    r.m_nBaseHealth = 25;
    r.m_nBaseWillpower = start.baseWillpower;
    r.m_nLineage = start.lineage;
    r.m_nSkillPoints = start.skillPoints;
    r.m_nPowerTolerance = start.powerTolerance;
    clearProgress(r);
}

} // namespace

CharacterRecord::CharacterRecord() {
    ResetToKessariDefaults();
    m_bRulesTips = 1;
    m_bUpdateMode = 0;
    m_nPage = kPageMainMenu;
}

void CharacterRecord::ResetToKessariDefaults() {
    m_sizeDoc = {kSheetWidth, kSheetHeight};
    m_bUpdateMode = 0;
    m_nRace = kRaceKessari;
    m_strTradeHint1 = "Sage, Sergeant, Temple Guard, Alchemist";
    m_strTradeHint2 = "Juggler, Mercenary, Monastery Guard, etc.";
    m_strProfession = kProfessionNames[0];
    // The codes go with the names, so the new character's careers and rules are Balentin's Medic
    // until a dialog chooses others.
    m_nCulture = 0;
    m_nProfession = 0;
    startAs(*this, kKessariStart);
    m_aAdvantage = kKessariAdvantages;
    m_aAdvantageAdjust = kKessariAdjustments;
}

void CharacterRecord::ApplyNeuonianDefaults() {
    m_nRace = kRaceNeuonian;
    m_strTradeHint1 = "City Guard, Artillery Agent, Craftsman, Artist,";
    m_strTradeHint2 = "Cavalry, Musician, Thief, Trapper, Actor";
    m_strProfession = kProfessionNames[profession::kCityGuard];
    m_nProfession = profession::kCityGuard;
    startAs(*this, kNeuonianStart);
    m_aAdvantage = kNeuonianAdvantages;
    m_aAdvantageAdjust.fill(0);
}

} // namespace orthavel

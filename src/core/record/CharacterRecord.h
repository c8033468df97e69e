// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orthavel {

// Number of elements of the record's arrays.
inline constexpr int kAdvantageCount = 15;
inline constexpr int kSpecialSkillCount = 100;
inline constexpr int kEmphasisCount = 40;
inline constexpr int kMasteryCount = 12;
inline constexpr int kSkillCount = 330;
inline constexpr int kSaveCount = 6;
inline constexpr int kReservedCount = 10;
inline constexpr int kEquipmentCount = 10;

// The emphasis that only Neuonian characters store (their cultural group).
inline constexpr int kNeuonianEmphasis = 39;

// The fifteen advantages in record order (the order of m_aAdvantage): five physical, five
// mental, five social.
enum class Advantage : int {
    Strength,
    Agility,
    Dexterity,
    Stamina,
    Reflex,
    Comprehension,
    Awareness,
    Logic,
    Persevearance,
    Confidence,
    Appearance,
    Charisma,
    Etiquette,
    Style,
    Avoidance,
};

// The advantage at a position of m_aAdvantage (0 to 14), and back.
constexpr Advantage advantageAt(int index) {
    return static_cast<Advantage>(index);
}
constexpr std::size_t indexOf(Advantage advantage) {
    return static_cast<std::size_t>(advantage);
}

// Race codes.
inline constexpr std::int32_t kRaceKessari = 0;
inline constexpr std::int32_t kRaceNeuonian = 1;

// The name of a race as the program shows it; a code no rule writes reads as Kessari.
constexpr std::string_view raceName(std::int32_t race) {
    return race == kRaceNeuonian ? "Neuonian" : "Kessari";
}

// What a new character of each race starts with before any choice: its age range and the skill
// points it has to spend.
struct RaceStart {
    std::int32_t startAge;
    std::int32_t maxAge;
    std::int32_t skillPoints;
    std::int32_t moveBaseAdj;
    std::int32_t baseWillpower;
    std::int32_t lineage;
    std::int32_t powerTolerance;
};
inline constexpr RaceStart kKessariStart{21, 300, 405, 6, 105, 3, 40};
inline constexpr RaceStart kNeuonianStart{16, 40, 506, 5, 120, 2, 30};
// The Neuonian start for race 1, the Kessari one for any other.
constexpr const RaceStart& raceStart(std::int32_t race) {
    return race == kRaceNeuonian ? kNeuonianStart : kKessariStart;
}

// Page values: the main menu, the four sheet pages, and the value a generation command sets
// while its dialogs run.
inline constexpr std::int32_t kPageMainMenu = 0;
inline constexpr std::int32_t kPageGenerating = 99;

// Width and height of the drawn sheet in the view's logical units.
inline constexpr std::int32_t kSheetWidth = 765;
inline constexpr std::int32_t kSheetHeight = 900;

// Texts hold Windows-1252 bytes, as the character file stores them.
using Text = std::string;

// The one character. Fields are in declaration order; the stored ones are written to the
// character file in that order (except the last emphasis, which only Neuonians store, at the end).
struct CharacterRecord {
    // Working fields, not stored.
    std::array<std::int32_t, 2> m_sizeDoc{kSheetWidth, kSheetHeight};
    std::int32_t m_bUpdateMode = 0;

    // Stored fields.
    std::int32_t m_nCareerLevel = 0;
    std::int32_t m_bRulesTips = 0;
    std::int32_t m_nBaseWillpower = 0;
    std::int32_t m_nBaseHealth = 0;
    std::int32_t m_nMoveBaseAdj = 0;
    std::int32_t m_nMoveBase = 0;
    std::int32_t m_nDamageBonusAdj = 0;
    std::int32_t m_nDamageBonus = 0;
    std::int32_t m_nInitiativeAdj = 0;
    std::int32_t m_nInitiative = 0;
    std::int32_t m_nSoakAdj = 0;
    std::int32_t m_nSoak = 0;
    std::int32_t m_nSizeLevel = 0;
    std::int32_t m_nMaxAge = 0;
    std::int32_t m_nStartAge = 0;
    std::array<std::int32_t, kSpecialSkillCount> m_aSpecialSkill{};
    std::int32_t m_nSpare = 0;
    std::int32_t m_nMaxLifeLevel = 0;
    std::array<std::int32_t, kEmphasisCount> m_aEmphasis{};
    std::array<std::int32_t, kMasteryCount> m_aMastery{};
    std::array<std::int32_t, kSkillCount> m_aSkill{};
    std::int32_t m_nFiscalPoints = 0;
    std::int32_t m_nMaxWillpowerAdj = 0;
    std::int32_t m_nMaxWillpower = 0;
    std::int32_t m_nMaxHealthAdj = 0;
    std::int32_t m_nPowerTolerance = 0;
    std::int32_t m_nMaxHealth = 0;
    std::int32_t m_nHealRateAdj = 0;
    std::int32_t m_nHealRate = 0;
    std::int32_t m_nEPBonus = 0;
    std::int32_t m_nExperience = 0;
    std::int32_t m_nSocialPoints = 0;
    std::int32_t m_nSocialLevel = 0;
    std::int32_t m_nSleepLevelAdj = 0;
    std::int32_t m_nSleepLevel = 0;
    std::int32_t m_nEncumbMaxAdj = 0;
    std::int32_t m_nEncumbMax = 0;
    std::int32_t m_bEndowment1Given = 0;
    std::int32_t m_bEndowment2Given = 0;
    float m_fMoveRateAdj = 0.0F;
    float m_fMoveRate = 0.0F;
    Text m_strBirthDate;
    Text m_strHandedness;
    std::int32_t m_nLiftCapAdj = 0;
    std::array<std::int32_t, kSaveCount> m_aSave{};
    std::int32_t m_nRace = 0;
    // Racial adjustments in the group order social, mental, physical: see adjustmentIndex().
    std::array<std::int32_t, kAdvantageCount> m_aAdvantageAdjust{};
    Text m_strWeight;
    Text m_strHeight;
    Text m_strBuild;
    std::int32_t m_nLiftCap = 0;
    Text m_strSkinColor;
    Text m_strHairColor;
    Text m_strEyeColor;
    Text m_strTradeHint2;
    Text m_strTradeHint1;
    Text m_strFamilyTrade;
    Text m_strGender;
    std::array<std::int32_t, kAdvantageCount> m_aAdvantage{};
    std::int32_t m_nSkillPoints = 0;
    std::int32_t m_nAdvantagePoints = 0;
    std::int32_t m_nLineage = 0;
    std::int32_t m_nFamilyTradeChoice = 0;
    std::int32_t m_nProfession = 0;
    Text m_strProfession;
    std::int32_t m_nCulture = 0;
    Text m_strCulture;
    Text m_strAttitude;
    Text m_strPlayedBy;
    std::int32_t m_nProfessionLevel = 0;
    std::int32_t m_nFiscalLevel = 0;
    std::int32_t m_nLifeLevel = 0;
    Text m_strName;
    std::int32_t m_nAge = 0;
    Text m_strPathway;
    std::int32_t m_nPage = 0;
    std::array<std::int32_t, kReservedCount> m_aReserved{};
    // [0] is the armor type; the rest is kept for the file's sake.
    std::array<std::int32_t, kEquipmentCount> m_aEquipment{};

    // A freshly constructed character: empty texts, the Kessari defaults, Rules Tips on, update
    // mode off, the main menu shown.
    CharacterRecord();

    // Returns the record to a fresh Kessari character, Balentin's Medic. Fields it does not name
    // (appearance, gender, attitude, lineage choice, Rules Tips, page ...) keep their values.
    void ResetToKessariDefaults();

    // Switches the record to a fresh Neuonian character, a City Guard.
    void ApplyNeuonianDefaults();

    // The drawn sheet's extent, for scrolling.
    std::array<std::int32_t, 2> GetSheetSize() const { return m_sizeDoc; }

    bool operator==(const CharacterRecord&) const = default;
};

// The Kessari racial adjustments, in the order of m_aAdvantageAdjust (see adjustmentIndex).
inline constexpr std::array<std::int32_t, kAdvantageCount> kKessariAdjustments{
    0, -2, -2, 0, -3, 0, 3, -2, 0, 3, 2, 0, 0, 2, 0};

// Element of m_aAdvantageAdjust that holds the racial adjustment of advantage a (0 to 14):
// physical advantages (0 to 4) sit at 10 + a, mental ones (5 to 9) at a, social ones at a - 10.
constexpr int adjustmentIndex(int advantage) {
    if (advantage < 5) {
        return advantage + 10;
    }
    if (advantage < 10) {
        return advantage;
    }
    return advantage - 10;
}

} // namespace orthavel

#include "script/RecordJson.h"

#include "core/record/Cp1252.h"

#include <cmath>
#include <cstdio>

namespace orthavel {

namespace {

nlohmann::ordered_json value(std::int32_t v) {
    return v;
}
nlohmann::ordered_json value(const Text& t) {
    return cp1252ToUtf8(t);
}
nlohmann::ordered_json value(float f) {
    return static_cast<double>(f);
}
template <std::size_t N> nlohmann::ordered_json value(const std::array<std::int32_t, N>& a) {
    return nlohmann::ordered_json(a);
}

} // namespace

nlohmann::ordered_json recordToJson(const CharacterRecord& r) {
    nlohmann::ordered_json j;
#define ORTHAVEL_FIELD(name) j[#name] = value(r.name)
    ORTHAVEL_FIELD(m_sizeDoc);
    ORTHAVEL_FIELD(m_bUpdateMode);
    ORTHAVEL_FIELD(m_nCareerLevel);
    ORTHAVEL_FIELD(m_bRulesTips);
    ORTHAVEL_FIELD(m_nBaseWillpower);
    ORTHAVEL_FIELD(m_nBaseHealth);
    ORTHAVEL_FIELD(m_nMoveBaseAdj);
    ORTHAVEL_FIELD(m_nMoveBase);
    ORTHAVEL_FIELD(m_nDamageBonusAdj);
    ORTHAVEL_FIELD(m_nDamageBonus);
    ORTHAVEL_FIELD(m_nInitiativeAdj);
    ORTHAVEL_FIELD(m_nInitiative);
    ORTHAVEL_FIELD(m_nSoakAdj);
    ORTHAVEL_FIELD(m_nSoak);
    ORTHAVEL_FIELD(m_nSizeLevel);
    ORTHAVEL_FIELD(m_nMaxAge);
    ORTHAVEL_FIELD(m_nStartAge);
    ORTHAVEL_FIELD(m_aSpecialSkill);
    ORTHAVEL_FIELD(m_nSpare);
    ORTHAVEL_FIELD(m_nMaxLifeLevel);
    ORTHAVEL_FIELD(m_aEmphasis);
    ORTHAVEL_FIELD(m_aMastery);
    ORTHAVEL_FIELD(m_aSkill);
    ORTHAVEL_FIELD(m_nFiscalPoints);
    ORTHAVEL_FIELD(m_nMaxWillpowerAdj);
    ORTHAVEL_FIELD(m_nMaxWillpower);
    ORTHAVEL_FIELD(m_nMaxHealthAdj);
    ORTHAVEL_FIELD(m_nPowerTolerance);
    ORTHAVEL_FIELD(m_nMaxHealth);
    ORTHAVEL_FIELD(m_nHealRateAdj);
    ORTHAVEL_FIELD(m_nHealRate);
    ORTHAVEL_FIELD(m_nEPBonus);
    ORTHAVEL_FIELD(m_nExperience);
    ORTHAVEL_FIELD(m_nSocialPoints);
    ORTHAVEL_FIELD(m_nSocialLevel);
    ORTHAVEL_FIELD(m_nSleepLevelAdj);
    ORTHAVEL_FIELD(m_nSleepLevel);
    ORTHAVEL_FIELD(m_nEncumbMaxAdj);
    ORTHAVEL_FIELD(m_nEncumbMax);
    ORTHAVEL_FIELD(m_bEndowment1Given);
    ORTHAVEL_FIELD(m_bEndowment2Given);
    ORTHAVEL_FIELD(m_fMoveRateAdj);
    ORTHAVEL_FIELD(m_fMoveRate);
    ORTHAVEL_FIELD(m_strBirthDate);
    ORTHAVEL_FIELD(m_strHandedness);
    ORTHAVEL_FIELD(m_nLiftCapAdj);
    ORTHAVEL_FIELD(m_aSave);
    ORTHAVEL_FIELD(m_nRace);
    ORTHAVEL_FIELD(m_aAdvantageAdjust);
    ORTHAVEL_FIELD(m_strWeight);
    ORTHAVEL_FIELD(m_strHeight);
    ORTHAVEL_FIELD(m_strBuild);
    ORTHAVEL_FIELD(m_nLiftCap);
    ORTHAVEL_FIELD(m_strSkinColor);
    ORTHAVEL_FIELD(m_strHairColor);
    ORTHAVEL_FIELD(m_strEyeColor);
    ORTHAVEL_FIELD(m_strTradeHint2);
    ORTHAVEL_FIELD(m_strTradeHint1);
    ORTHAVEL_FIELD(m_strFamilyTrade);
    ORTHAVEL_FIELD(m_strGender);
    ORTHAVEL_FIELD(m_aAdvantage);
    ORTHAVEL_FIELD(m_nSkillPoints);
    ORTHAVEL_FIELD(m_nAdvantagePoints);
    ORTHAVEL_FIELD(m_nLineage);
    ORTHAVEL_FIELD(m_nFamilyTradeChoice);
    ORTHAVEL_FIELD(m_nProfession);
    ORTHAVEL_FIELD(m_strProfession);
    ORTHAVEL_FIELD(m_nCulture);
    ORTHAVEL_FIELD(m_strCulture);
    ORTHAVEL_FIELD(m_strAttitude);
    ORTHAVEL_FIELD(m_strPlayedBy);
    ORTHAVEL_FIELD(m_nProfessionLevel);
    ORTHAVEL_FIELD(m_nFiscalLevel);
    ORTHAVEL_FIELD(m_nLifeLevel);
    ORTHAVEL_FIELD(m_strName);
    ORTHAVEL_FIELD(m_nAge);
    ORTHAVEL_FIELD(m_strPathway);
    ORTHAVEL_FIELD(m_nPage);
    ORTHAVEL_FIELD(m_aReserved);
    ORTHAVEL_FIELD(m_aEquipment);
#undef ORTHAVEL_FIELD
    return j;
}

std::string dumpRecordJson(const CharacterRecord& record) {
    const auto json = recordToJson(record);
    std::string out = "{\n";
    std::size_t left = json.size();
    for (const auto& [key, value] : json.items()) {
        out += "  \"" + key + "\": ";
        if (value.is_number_float() && !std::isfinite(value.get<double>())) {
            // A file may hold any bits; JSON has no number for infinities and NaNs.
            out += "null";
        } else if (value.is_number_float()) {
            // Nine significant digits bring every float back bit for bit.
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%.9g",
                          static_cast<double>(static_cast<float>(value.get<double>())));
            out += buffer;
        } else {
            out += value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        }
        out += --left > 0 ? ",\n" : "\n";
    }
    out += "}\n";
    return out;
}

} // namespace orthavel

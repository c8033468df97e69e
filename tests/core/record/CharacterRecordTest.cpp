// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/record/CharacterRecord.h"

#include <gtest/gtest.h>

#include <tuple>

namespace orthavel {
namespace {

TEST(CharacterRecord, ResetKeepsWhatItDoesNotName) {
    CharacterRecord r;
    r.m_strGender = "Female";
    r.m_nProfession = 57;
    r.m_nCulture = 11;
    r.m_bRulesTips = 0;
    r.m_nPage = 3;
    r.m_aSkill[12] = 40;
    r.m_nAge = 99;
    r.ResetToKessariDefaults();
    EXPECT_EQ(r.m_strGender, "Female");
    EXPECT_EQ(r.m_nProfession, 0) << "the codes go with the names Medic and Balentin";
    EXPECT_EQ(r.m_nCulture, 0);
    EXPECT_EQ(r.m_bRulesTips, 0);
    EXPECT_EQ(r.m_nPage, 3);
    EXPECT_EQ(r.m_aSkill[12], 0);
    EXPECT_EQ(r.m_nAge, 21);
}

TEST(CharacterRecord, NeuonianDefaultsAndBackAgain) {
    CharacterRecord r;
    r.m_bUpdateMode = 1;
    r.ApplyNeuonianDefaults();
    EXPECT_EQ(std::tuple(r.m_nRace, r.m_strProfession, r.m_nProfession, r.m_nSkillPoints,
                         r.m_nMoveBaseAdj, r.m_nMaxAge, r.m_nPowerTolerance),
              std::tuple(1, "City Guard", 87, 506, 5, 40, 30));
    EXPECT_EQ(r.m_bUpdateMode, 1) << "the Neuonian defaults leave the update mode";
    EXPECT_EQ(r.m_aAdvantageAdjust, decltype(r.m_aAdvantageAdjust){});
    EXPECT_EQ(r.m_aAdvantage,
              (std::array<std::int32_t, 15>{0, 0, 0, 0, 0, 0, 2, 0, 3, 0, 0, 1, 0, 0, 0}));

    r.ResetToKessariDefaults();
    EXPECT_EQ(r, CharacterRecord{}) << "every field either operation writes is Kessari again";
}

} // namespace
} // namespace orthavel

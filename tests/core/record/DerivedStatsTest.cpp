// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/record/DerivedStats.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace orthavel {
namespace {

TEST(DerivedStats, HealthOfLowStaminaIsDividedAndTruncated) {
    CharacterRecord r;
    r.ApplyNeuonianDefaults();
    const struct {
        std::int32_t stamina;
        std::int32_t health;
    } cases[] = {{-2, 15}, {-1, 19}, {0, 25}, {1, 32}, {3, 47}};
    for (const auto& c : cases) {
        r.m_aAdvantage[3] = c.stamina;
        UpdateDerivedStats(r);
        EXPECT_EQ(r.m_nMaxHealth, c.health) << "stamina " << c.stamina;
    }
}

TEST(DerivedStats, SocialLevelIsClampedToTen) {
    CharacterRecord r;
    const struct {
        std::int32_t lineage, career, level, points;
    } cases[] = {
        {10, 5, 5, 5000}, {10, 30, 10, 10000000}, {-9, 1, 0, 0}, {2, 1, 1, 10}, {0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        r.m_nLineage = c.lineage;
        r.m_nCareerLevel = c.career;
        UpdateDerivedStats(r);
        EXPECT_EQ(r.m_nSocialLevel, c.level) << c.lineage << "+" << c.career;
        EXPECT_EQ(r.m_nSocialPoints, c.points) << c.lineage << "+" << c.career;
    }
}

TEST(DerivedStats, FiscalLevelBounds) {
    const struct {
        std::int32_t points, level;
    } cases[] = {
        {-5, 0},       {999, 0},
        {1000, 1},     {2999, 1},
        {3000, 2},     {5999, 2},
        {6000, 3},     {10999, 3},
        {11000, 4},    {29999, 4},
        {30000, 5},    {99999, 5},
        {100000, 6},   {299999, 6},
        {300000, 7},   {649999, 7},
        {650000, 8},   {1199999, 8},
        {1200000, 9},  {4999999, 9},
        {5000000, 10}, {std::numeric_limits<std::int32_t>::max(), 10},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fiscalLevelOf(c.points), c.level) << c.points;
    }
}

// The damage bonus is the lift capacity over 200, truncated: Strength 5 and, with the Kessari
// adjustment of +2, 7.
TEST(DerivedStats, DamageBonusIsTheLiftCapacityOverTwoHundred) {
    CharacterRecord r;
    r.m_aAdvantage[0] = 5;
    UpdateDerivedStats(r);
    EXPECT_EQ(std::tuple(r.m_nLiftCap, r.m_nDamageBonus, r.m_nLiftCapAdj, r.m_nDamageBonusAdj),
              std::tuple(3080, 15, 5960, 29));
}

// Values read from a file may be anything; the arithmetic wraps at 32 bits instead of being
// undefined (the sanitizer build checks that no overflow happens on the way).
TEST(DerivedStats, HugeValuesFromAFileWrapAround) {
    CharacterRecord r;
    r.m_aAdvantage.fill(2000000);
    r.m_aAdvantageAdjust.fill(std::numeric_limits<std::int32_t>::max());
    r.m_nLineage = std::numeric_limits<std::int32_t>::min();
    r.m_nCareerLevel = -1;
    r.m_nSizeLevel = 2000000;
    r.m_nBaseHealth = std::numeric_limits<std::int32_t>::max();
    r.m_nBaseWillpower = std::numeric_limits<std::int32_t>::max();
    UpdateDerivedStats(r);
    // 2,000,000 squared times 120 plus 80, modulo 2^32, as a signed value.
    const auto expected = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(2000000ULL * 2000000ULL * 120ULL + 80ULL));
    EXPECT_EQ(r.m_nLiftCap, expected);
    EXPECT_GE(r.m_nSocialLevel, 0);
    EXPECT_LE(r.m_nSocialLevel, 10);
}

// The mean, truncated; a lower life level leaves the highest reached (raising it: the update
// tests).
TEST(DerivedStats, LifeLevelIsTheMeanAndTheMaximumStays) {
    CharacterRecord r;
    r.m_nSocialLevel = 4;
    r.m_nProfessionLevel = 3;
    r.m_nFiscalLevel = 1;
    r.m_nMaxLifeLevel = 5;
    UpdateLifeLevel(r);
    EXPECT_EQ(std::pair(r.m_nLifeLevel, r.m_nMaxLifeLevel), std::pair(2, 5));
}

} // namespace
} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/advantages/AdvantageAssignment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>

namespace orthavel {
namespace {

using enum Advantage;

AdvantageAssignment opened(std::int32_t skillPoints, std::int32_t advantagePoints,
                           std::int32_t race = kRaceKessari, std::int32_t updateMode = 0,
                           std::int32_t profession = 103, AdvantageLevels levels = {}) {
    AdvantageAssignment model;
    model.open(race, updateMode, profession, levels, skillPoints, advantagePoints);
    return model;
}

TEST(AdvantageAssignment, ChargingOneAdvantagePointPerLevelAndBorrowingSkillPoints) {
    struct Case {
        const char* what;
        std::int32_t skillPoints, advantagePoints, newStrength, expectedSkillPoints,
            expectedAdvantagePoints;
    };
    // clang-format off
    const Case cases[] = {
        {"0 to 2 with one point left borrows 25", 300, 1, 2, 275, 0},
        {"0 to 2 with two points", 300, 2, 2, 300, 0},
        {"0 to 5 with none borrows 125", 300, 0, 5, 175, 0},
        {"0 to -3 gains three", 300, 0, -3, 300, 3},
        {"borrowing may take skill points below 0", 10, 0, 1, -15, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        AdvantageAssignment model = opened(c.skillPoints, c.advantagePoints);
        EXPECT_TRUE(model.setLevel(Strength, c.newStrength)) << c.what;
        EXPECT_EQ(model.level(Strength), c.newStrength) << c.what;
        EXPECT_EQ(model.skillPoints(), c.expectedSkillPoints) << c.what;
        EXPECT_EQ(model.advantagePoints(), c.expectedAdvantagePoints) << c.what;
    }
}

TEST(AdvantageAssignment, LevelsStayWithinMinusTenAndTheRaceMaximum) {
    struct Case {
        std::int32_t race;
        Advantage advantage;
        std::int32_t highest;
    };
    const Case cases[] = {{kRaceKessari, Awareness, 10}, {kRaceNeuonian, Awareness, 8}};
    for (const auto& c : cases) {
        AdvantageAssignment model = opened(1000, 30, c.race);
        EXPECT_EQ(model.maximumLevel(c.advantage), c.highest);
        EXPECT_EQ(model.minimumLevel(c.advantage), -10);
        EXPECT_TRUE(model.setLevel(c.advantage, c.highest));
        EXPECT_FALSE(model.setLevel(c.advantage, c.highest + 1));
        EXPECT_FALSE(model.stepLevel(c.advantage, +1)) << "the arrow stops at the maximum";
        EXPECT_EQ(model.level(c.advantage), c.highest);
        EXPECT_EQ(model.advantagePoints(), 30 - c.highest) << "a refused raise charges nothing";
        EXPECT_FALSE(model.typeLevel(c.advantage, std::to_string(c.highest + 1)));
        EXPECT_TRUE(model.setLevel(c.advantage, -10));
        EXPECT_FALSE(model.stepLevel(c.advantage, -1)) << "the arrow stops at -10";
        EXPECT_FALSE(model.setLevel(c.advantage, -11));
        EXPECT_EQ(model.advantagePoints(), 40);
    }
}

TEST(AdvantageAssignment, TypedValuesMustBeWholeNumbersInRange) {
    struct Case {
        const char* typed;
        bool taken;
        std::int32_t level;
    };
    // The number itself is read as in every number field; here the range is the advantage's.
    const Case cases[] = {{"3", true, 3}, {"-10", true, -10}, {"-11", false, 0}, {"9", false, 0}};
    for (const auto& c : cases) {
        AdvantageAssignment model = opened(300, 20);
        EXPECT_EQ(model.typeLevel(Logic, c.typed), c.taken) << c.typed;
        EXPECT_EQ(model.level(Logic), c.level) << "a refused value leaves the level: " << c.typed;
        EXPECT_EQ(model.advantagePoints(), 20 - c.level) << c.typed;
    }
}

// A level above the race maximum, as a file may hold it, can only be lowered.
TEST(AdvantageAssignment, ArrowsMayStepBackIntoRangeFromAFilesValue) {
    AdvantageLevels fromFile{};
    fromFile[indexOf(Avoidance)] = 7; // above the Kessari maximum of 3
    AdvantageAssignment outside = opened(300, 0, kRaceKessari, 0, 103, fromFile);
    EXPECT_FALSE(outside.stepLevel(Avoidance, +1));
    EXPECT_TRUE(outside.stepLevel(Avoidance, -1));
    EXPECT_EQ(outside.level(Avoidance), 6);
    EXPECT_EQ(outside.advantagePoints(), 1);
}

// A script's arrow step of many clicks is taken at once; it must end exactly where clicking one
// at a time would, also from a pool below zero or a level outside the range.
TEST(AdvantageAssignment, ManyClicksAtOnceEndWhereSingleClicksWould) {
    struct Case {
        std::int32_t advantagePoints, level;
        int clicks;
    };
    const Case cases[] = {{-3, 0, -5},     {-3, 0, 4},   {1, 0, 20}, {0, 7, -12},
                          {2, -10, -1000}, {0, 3, 1000}, {5, -14, 3}};
    for (const auto& c : cases) {
        AdvantageLevels levels{};
        levels[indexOf(Avoidance)] = c.level;
        AdvantageAssignment atOnce = opened(300, c.advantagePoints, kRaceKessari, 1, 103, levels);
        AdvantageAssignment oneByOne = atOnce;
        bool anyTaken = false;
        for (int i = 0; i < std::abs(c.clicks); ++i) {
            anyTaken = oneByOne.stepLevel(Avoidance, c.clicks < 0 ? -1 : 1) || anyTaken;
        }
        EXPECT_EQ(atOnce.clickArrows(Avoidance, c.clicks), anyTaken) << c.clicks;
        EXPECT_EQ(atOnce.level(Avoidance), oneByOne.level(Avoidance)) << c.clicks;
        EXPECT_EQ(atOnce.advantagePoints(), oneByOne.advantagePoints()) << c.clicks;
        EXPECT_EQ(atOnce.skillPoints(), oneByOne.skillPoints()) << c.clicks;
    }
}

TEST(AdvantageAssignment, TradingButtons) {
    struct Case {
        const char* what;
        bool toAdvantages;
        std::int32_t skillPoints, advantagePoints, expectedSkillPoints, expectedAdvantagePoints;
    };
    // clang-format off
    const Case cases[] = {
        {"225 skill points: nothing", true, 225, 0, 225, 0},
        {"226 skill points leave 201", true, 226, 0, 201, 1},
        {"plenty", true, 1000, 3, 975, 4},
        {"no advantage points: nothing", false, 100, 0, 100, 0},
        {"one advantage point back", false, 100, 1, 125, 0},
        {"negative advantage points: nothing", false, 100, -2, 100, -2},
    };
    // clang-format on
    for (const auto& c : cases) {
        AdvantageAssignment model = opened(c.skillPoints, c.advantagePoints);
        c.toAdvantages ? model.skillPointsToAdvantages() : model.advantagesToSkillPoints();
        EXPECT_EQ(model.skillPoints(), c.expectedSkillPoints) << c.what;
        EXPECT_EQ(model.advantagePoints(), c.expectedAdvantagePoints) << c.what;
    }
}

TEST(AdvantageAssignment, ConfirmChecksPointsThenSkillPointsThenMinimums) {
    // clang-format off
    const Message advantageWarning{"Advantage Warning", "You still have Advantages to spend.\nSpend them or convert them to Skill Points.", true};
    const Message skillWarning{"Skill Points Warning", "You must have at least 200 skill points to continue.", true};
    const Message medicWarning{"Minimum Advantages Warning", "You need Comprehension:3 and Logic:2 to be a Medic.", true};
    // clang-format on
    constexpr std::int32_t Medic = 0;
    AdvantageLevels medic{};
    medic[5] = 3;
    medic[7] = 2;
    struct Case {
        const char* what;
        std::int32_t updateMode, skillPoints, advantagePoints;
        AdvantageLevels levels;
        std::optional<Message> expected;
    };
    // clang-format off
    const Case cases[] = {
        {"points left come first", 0, 150, 1, {}, advantageWarning},
        {"negative points are points left", 0, 300, -1, medic, advantageWarning},
        {"fewer than 200 from the start are kept", 0, 122, 0, medic, std::nullopt},
        {"exactly 200 skill points go on to the minimums", 0, 200, 0, {}, medicWarning},
        {"minimums met", 0, 200, 0, medic, std::nullopt},
        {"update mode with 50 skill points skips the minimums", 1, 50, 0, {}, std::nullopt},
        {"update mode with negative skill points", 1, -25, 0, {}, std::nullopt},
        {"update mode with 250 skill points checks the minimums", 1, 250, 0, {}, medicWarning},
        {"update mode still refuses points left", 1, 50, 2, {}, advantageWarning},
    };
    // clang-format on
    for (const auto& c : cases) {
        AdvantageAssignment model =
            opened(c.skillPoints, c.advantagePoints, kRaceKessari, c.updateMode, Medic, c.levels);
        EXPECT_EQ(model.confirm(), c.expected) << c.what;
        // A refused OK changes nothing.
        EXPECT_EQ(model.skillPoints(), c.skillPoints) << c.what;
        EXPECT_EQ(model.advantagePoints(), c.advantagePoints) << c.what;
        EXPECT_EQ(model.levels(), c.levels) << c.what;
    }
    // Skill points spent below 200 in the dialog are refused, whatever the start.
    for (const std::int32_t start : {210, 199}) {
        AdvantageAssignment model = opened(start, 0, kRaceKessari, 0, Medic, medic);
        ASSERT_TRUE(model.setLevel(Advantage::Strength, 1));
        EXPECT_EQ(model.confirm(), skillWarning) << start;
    }
}

// A pool read from a file far below zero borrows at once instead of looping.
TEST(AdvantageAssignment, AHugeNegativePoolFromAFileBorrowsAtOnce) {
    AdvantageAssignment huge = opened(0, std::numeric_limits<std::int32_t>::min());
    EXPECT_TRUE(huge.setLevel(Strength, 1));
    EXPECT_EQ(huge.advantagePoints(), 0);
}

} // namespace
} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/advantages/AdvantageAssignment.h"

#include "support/Golden.h"

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

// Over a grid of pools: each trading button, Strength set from 0 (one advantage point a level,
// 25 skill points borrowed for each point missing), and OK with no levels and with the Medic's
// minimums, opened and updating. A refused OK changes nothing.
TEST(AdvantageAssignment, PoolsAfterEachOperation) {
    AdvantageLevels medic{};
    medic[5] = 3;
    medic[7] = 2;
    std::string made;
    for (const std::int32_t skillPoints :
         {-25, 10, 50, 100, 122, 150, 199, 200, 225, 226, 250, 300, 1000}) {
        for (const std::int32_t advantagePoints : {-2, -1, 0, 1, 2, 3}) {
            const auto pools = [](const AdvantageAssignment& m) {
                return " " + std::to_string(m.skillPoints()) + " " +
                       std::to_string(m.advantagePoints()) + ";";
            };
            made += std::to_string(skillPoints) + " " + std::to_string(advantagePoints) + ":";
            AdvantageAssignment model = opened(skillPoints, advantagePoints);
            model.skillPointsToAdvantages();
            made += " to advantages" + pools(model);
            model = opened(skillPoints, advantagePoints);
            model.advantagesToSkillPoints();
            made += " to skill points" + pools(model);
            for (const std::int32_t strength : {1, 2, 5, -3}) {
                model = opened(skillPoints, advantagePoints);
                EXPECT_TRUE(model.setLevel(Strength, strength));
                made += " strength " + std::to_string(strength) + pools(model);
            }
            for (const std::int32_t updateMode : {0, 1}) {
                for (const AdvantageLevels& levels : {AdvantageLevels{}, medic}) {
                    model =
                        opened(skillPoints, advantagePoints, kRaceKessari, updateMode, 0, levels);
                    const auto refused = model.confirm();
                    made += " " + (refused ? refused->caption : "OK");
                    EXPECT_EQ(pools(model), pools(opened(skillPoints, advantagePoints)));
                    EXPECT_EQ(model.levels(), levels);
                }
            }
            made += "\n";
        }
    }
    test::expectGolden(made, "advantage_pools.txt");
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

// What each refusal says; below 200, skill points spent in the dialog are refused, whatever the
// start.
TEST(AdvantageAssignment, ConfirmSaysWhatIsMissing) {
    // clang-format off
    const Message advantageWarning{"Advantage Warning", "You still have Advantages to spend.\nSpend them or convert them to Skill Points.", true};
    const Message skillWarning{"Skill Points Warning", "You must have at least 200 skill points to continue.", true};
    const Message medicWarning{"Minimum Advantages Warning", "You need Comprehension:3 and Logic:2 to be a Medic.", true};
    // clang-format on
    EXPECT_EQ(opened(150, 1, kRaceKessari, 0, 0).confirm(), advantageWarning);
    EXPECT_EQ(opened(200, 0, kRaceKessari, 0, 0).confirm(), medicWarning);
    for (const std::int32_t start : {210, 199}) {
        AdvantageLevels medic{};
        medic[5] = 3;
        medic[7] = 2;
        AdvantageAssignment model = opened(start, 0, kRaceKessari, 0, 0, medic);
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

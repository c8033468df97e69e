// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/skills/Masteries.h"

#include "core/skills/SkillCatalogue.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace orthavel {
namespace {

// Ratings from "Name n, ...".
SkillRatings ratingsOf(std::string_view text) {
    SkillRatings ratings{};
    while (!text.empty()) {
        const std::size_t end = text.find(", ");
        const std::string_view part = text.substr(0, end);
        const auto blank = part.rfind(' ');
        const auto index = skillIndexByName(part.substr(0, blank));
        EXPECT_TRUE(index) << part;
        ratings[static_cast<std::size_t>(index.value_or(0))] =
            std::stoi(std::string(part.substr(blank + 1)));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 2);
    }
    return ratings;
}

TEST(ComputeMasteries, EmphasesAverageTheirRatedMembersWhenEnoughAreRated) {
    constexpr std::int32_t K = kRaceKessari;
    constexpr std::int32_t N = kRaceNeuonian;
    struct Case {
        const char* what;
        std::int32_t race;
        std::string_view rated;
        std::int32_t emphasis, expected;
    };
    // clang-format off
    const Case cases[] = {
        {"two swords", K, "Stilletto 45, Great Sword 38", 0, 4},
        {"one sword is not enough", K, "Long Sword 90", 0, 0},
        {"averages truncate", K, "Longbow 19, Shortbow 20", 6, 1},
        {"the average before the tenth", K, "Longbow 15, Crossbow 14", 6, 1},
        {"a zero member neither adds nor counts", K, "Longbow 19, Shortbow 0", 6, 0},
        {"a negative member neither adds nor counts", K, "Longbow 40, Shortbow -30, Crossbow 20", 6, 3},
        {"Howling Wind for a Kessari", K, "Howling Wind 37", 4, 3},
        {"Brawling does not count for a Kessari", K, "Brawling 60", 4, 0},
        {"Brawling counts for a Neuonian", N, "Brawling 60", 4, 6},
        {"Howling Wind does not count for a Neuonian", N, "Howling Wind 60", 4, 0},
        {"Kessari culture", K, "Natural Form 40, Kessari Speech 40, Kessari Literacy 40, High Speech 40", 8, 4},
        {"the Neuonian emphasis", N, "Grobber Gestures 50, High Speech 50, Low Speech 50, Olde Human Literacy 50", 39, 5},
        {"the Neuonian emphasis ignores the Kessari skills", N, "Natural Form 50, Kessari Speech 50, Kessari Literacy 50, Corner 50", 39, 0},
        {"Theology (Morning Light) counts nowhere", K, "Education 30, Order 30, Theology (Morning Light) 90", 30, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        const MasteryResult result = computeMasteries(c.race, ratingsOf(c.rated));
        EXPECT_EQ(result.emphases[static_cast<std::size_t>(c.emphasis)], c.expected) << c.what;
    }
}

TEST(ComputeMasteries, MasteriesAverageTheirNonZeroEmphases) {
    // Blades 4 and Thrown Weapons 3, every other Combat emphasis 0.
    const MasteryResult combat =
        computeMasteries(kRaceKessari, ratingsOf("Stilletto 40, Short Sword 40, Throwing Spear 30, "
                                                 "Throwing Dagger 30"));
    EXPECT_EQ(combat.emphases[0], 4);
    EXPECT_EQ(combat.emphases[7], 3);
    EXPECT_EQ(combat.masteries[kMasteryCombat], 3);

    // One emphasis is enough; Magic is its single emphasis.
    SkillRatings magic{};
    for (int skill = 84; skill < 89; ++skill) {
        magic[static_cast<std::size_t>(skill)] = 73;
    }
    const MasteryResult wizard = computeMasteries(kRaceKessari, magic);
    EXPECT_EQ(wizard.emphases[19], 7);
    EXPECT_EQ(wizard.masteries[kMasteryMagic], 7);

    // Cultural Skills follows the race's own emphasis.
    const auto culture =
        ratingsOf("Grobber Gestures 60, High Speech 60, Low Speech 60, Olde Human Literacy 60");
    EXPECT_EQ(computeMasteries(kRaceKessari, culture).masteries[kMasteryCulturalSkills], 6);
    EXPECT_EQ(computeMasteries(kRaceNeuonian, culture).masteries[kMasteryCulturalSkills], 6);
    EXPECT_EQ(computeMasteries(kRaceNeuonian, culture).emphases[8], 0);
}

TEST(ComputeMasteries, NothingRatedGivesZeroesAndEndowmentsChangeNothing) {
    SkillRatings ratings{};
    EXPECT_EQ(computeMasteries(kRaceKessari, ratings), MasteryResult{});
    for (int skill = 227; skill <= 273; ++skill) {
        ratings[static_cast<std::size_t>(skill)] = 100;
    }
    ratings[322] = 100;
    for (int skill = 323; skill < kSkillCount; ++skill) {
        ratings[static_cast<std::size_t>(skill)] = 100;
    }
    EXPECT_EQ(computeMasteries(kRaceKessari, ratings), MasteryResult{});
    EXPECT_EQ(computeMasteries(kRaceNeuonian, ratings), MasteryResult{});
}

TEST(ComputeMasteries, HugeRatingsFromAFileDoNotOverflow) {
    SkillRatings ratings{};
    ratings.fill(std::numeric_limits<std::int32_t>::max());
    const MasteryResult result = computeMasteries(kRaceKessari, ratings);
    EXPECT_EQ(result.emphases[19], std::numeric_limits<std::int32_t>::max() / 10);
    EXPECT_EQ(result.masteries[kMasteryMagic], std::numeric_limits<std::int32_t>::max() / 10);
}

} // namespace
} // namespace orthavel

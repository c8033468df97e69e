// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/advantages/ProfessionMinimums.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <vector>

namespace orthavel {
namespace {

// The professions held to minimums: every Kessari one but the Specialist (66), and the Neuonian
// jobs but the City Guard (87) and the Crafter (89). The Adventurer (103) of both races and those
// two Neuonian jobs are accepted as they are.
bool hasMinimums(std::int32_t race, std::int32_t code) {
    return race == kRaceNeuonian ? code == 88 || (code >= 90 && code <= 102)
                                 : code >= 0 && code <= 86 && code != 66;
}

// The "Name:level" pairs a warning states, by advantage ("Perseverance" as some warnings spell
// it); a second level of one advantage would be a contradiction.
std::map<std::size_t, std::int32_t> statedIn(std::string_view warning) {
    std::map<std::size_t, std::int32_t> stated;
    const std::regex pair(R"(([A-Za-z]+):([0-9]+))");
    const std::string text(warning);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pair);
         it != std::sregex_iterator(); ++it) {
        std::string name = (*it)[1];
        if (name == "Perseverance") {
            name = "Persevearance";
        }
        const auto advantage = advantageByLabel(name);
        EXPECT_TRUE(advantage.has_value()) << name;
        if (advantage) {
            EXPECT_TRUE(stated.emplace(indexOf(*advantage), std::stoi((*it)[2])).second) << name;
        }
    }
    return stated;
}

// Each row's levels are the ones its own warning states, so a wrong level in either shows. A
// character at exactly those levels (everything else at the lowest) passes; one level below any
// of them fails, unless the row's alternative still holds.
TEST(ProfessionMinimums, EveryRowAgreesWithItsWarningAndHoldsAtItsLevels) {
    for (const std::int32_t race : {kRaceKessari, kRaceNeuonian}) {
        for (std::int32_t code = 0; code <= 103; ++code) {
            SCOPED_TRACE(::testing::Message() << "race " << race << " code " << code);
            const ProfessionMinimumsRow* row = findProfessionMinimums(race, code);
            const bool accepted =
                code == 103 || (race == kRaceNeuonian && (code == 87 || code == 89));
            ASSERT_EQ(row != nullptr, hasMinimums(race, code) || accepted);
            if (row == nullptr) {
                continue;
            }
            EXPECT_EQ(row->minimumCount() == 0, accepted);
            AdvantageLevels atMinimum;
            atMinimum.fill(kLowestAdvantageLevel);
            std::map<std::size_t, std::int32_t> levels;
            for (std::size_t i = 0; i < row->minimumCount(); ++i) {
                const AdvantageMinimum& m = row->minimums.at(i);
                levels[indexOf(m.advantage)] = m.level;
                if (m.alternative >= 0) {
                    levels[static_cast<std::size_t>(m.alternative)] = m.level;
                }
                atMinimum[indexOf(m.advantage)] = m.level;
            }
            EXPECT_EQ(statedIn(row->warning), levels);
            EXPECT_EQ(minimumsWarning(race, code),
                      accepted ? kGenericMinimumsWarning : row->warning);
            EXPECT_TRUE(meetsMinimums(race, code, atMinimum));
            for (std::size_t i = 0; i < row->minimumCount(); ++i) {
                AdvantageLevels below = atMinimum;
                below[indexOf(row->minimums.at(i).advantage)] -= 1;
                EXPECT_FALSE(meetsMinimums(race, code, below)) << i;
            }
        }
    }
}

TEST(ProfessionMinimums, CodesWithoutARowInTheBranchNeverPass) {
    AdvantageLevels highest;
    highest.fill(10);
    for (std::int32_t race : {kRaceKessari, kRaceNeuonian}) {
        for (std::int32_t code = -1; code <= 105; ++code) {
            if (findProfessionMinimums(race, code) != nullptr) {
                continue;
            }
            EXPECT_FALSE(meetsMinimums(race, code, highest)) << race << " " << code;
            EXPECT_EQ(minimumsWarning(race, code),
                      "You do not have the minimum advantages for your job/profession.");
        }
    }
}

// A Neuonian Thug needs Reflex 2 or Agility 2: either alone is enough.
TEST(ProfessionMinimums, EitherOfTwoAlternativesIsEnough) {
    AdvantageLevels thug{};
    thug[1] = 2;  // Agility
    thug[14] = 1; // Avoidance
    thug[6] = 1;  // Awareness
    EXPECT_TRUE(meetsMinimums(kRaceNeuonian, 99, thug));
    thug[1] = 1;
    thug[4] = 1;
    EXPECT_FALSE(meetsMinimums(kRaceNeuonian, 99, thug));
    thug[4] = 2; // Reflex
    EXPECT_TRUE(meetsMinimums(kRaceNeuonian, 99, thug));
}

} // namespace
} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/skills/MasteryRequirements.h"

#include "core/skills/SkillCatalogue.h"

#include "support/Golden.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

namespace orthavel {
namespace {

struct State {
    MasteryResult levels{};
    SkillRatings ratings{};

    void set(MasteryValue value, std::int32_t level) {
        const auto index = static_cast<std::size_t>(value.index);
        using K = MasteryValue::Kind;
        (value.kind == K::Mastery    ? levels.masteries[index]
         : value.kind == K::Emphasis ? levels.emphases[index]
                                     : ratings[index]) = level;
    }
};

// The codes held to requirements: the Kessari professions but the Specialist (66), and the
// Adventurer; the Neuonian jobs.
bool hasRequirements(std::int32_t race, std::int32_t code) {
    return race == kRaceNeuonian ? code >= 87 && code <= 102
                                 : (code >= 0 && code <= 86 && code != 66) || code == 103;
}

// The minimums a warning states after "You need".
std::multiset<std::int32_t> statedMinimums(std::string_view warning) {
    const std::string need(warning.substr(warning.find("You need")));
    const std::regex number(":([0-9]+)");
    std::multiset<std::int32_t> stated;
    for (auto it = std::sregex_iterator(need.begin(), need.end(), number);
         it != std::sregex_iterator(); ++it) {
        stated.insert(std::stoi((*it)[1]));
    }
    return stated;
}

// Each row is found by exactly its own codes, and its minimums are the ones its own warning
// states, so a wrong code or minimum in either shows. "5(all)" states one minimum for several
// emphases; the Adventurer's ratings are left to the Tome (checked below).
TEST(MasteryRequirements, EveryRowHasItsCodesAndTheMinimumsItsWarningStates) {
    for (const std::int32_t race : {kRaceKessari, kRaceNeuonian}) {
        for (std::int32_t code = -1; code <= 105; ++code) {
            EXPECT_EQ(findMasteryRequirements(race, code) != nullptr, hasRequirements(race, code))
                << race << " " << code;
            if (!hasRequirements(race, code)) {
                // No row: no requirement, and the caller keeps its profession level.
                const MasteryCheck check = checkMasteryRequirements(race, code, {}, {});
                EXPECT_TRUE(check.met) << race << " " << code;
                EXPECT_FALSE(check.professionLevel.has_value());
            }
        }
        for (const MasteryRequirementRow& row : masteryRequirementRows(race)) {
            SCOPED_TRACE(row.profession);
            for (std::int32_t code = row.firstCode; code <= row.lastCode; ++code) {
                EXPECT_EQ(findMasteryRequirements(race, code), &row) << code;
            }
            std::multiset<std::int32_t> minimums;
            for (const MasteryRequirement& r : row.required) {
                using K = MasteryValue::Kind;
                if (r.value.kind != K::None &&
                    (r.value.kind != K::Rating || row.firstCode != 103)) {
                    minimums.insert(r.minimum);
                }
            }
            const auto stated = statedMinimums(row.warning);
            if (row.warning.find("(all)") == std::string_view::npos) {
                EXPECT_EQ(minimums, stated);
            } else {
                EXPECT_EQ(std::set(minimums.begin(), minimums.end()),
                          std::set(stated.begin(), stated.end()));
            }
        }
    }
}

// Per row: the profession level at its minimums and with the averaged values raised, which single
// value one below its minimum fails the row, and the warning with every value one below (line
// breaks shown as " | ").
TEST(MasteryRequirements, EveryRowAtItsMinimumsAndOneBelow) {
    std::string made;
    for (const std::int32_t race : {kRaceKessari, kRaceNeuonian}) {
        for (const MasteryRequirementRow& row : masteryRequirementRows(race)) {
            State atMinimum;
            State allBelow;
            for (const MasteryRequirement& r : row.required) {
                atMinimum.set(r.value, r.minimum);
                allBelow.set(r.value, r.minimum - 1);
            }
            const auto check = [&](const State& s) {
                return checkMasteryRequirements(race, row.firstCode, s.levels, s.ratings);
            };
            // Each averaged value raised by its place (1, 2, ...) so a value read twice shows.
            State raised = atMinimum;
            for (std::size_t i = 0; i < row.averaged.size(); ++i) {
                const MasteryValue v = row.averaged.at(i);
                if (v.kind != MasteryValue::Kind::None) {
                    raised.set(v, valueOf(v, raised.levels, raised.ratings) + 1 + std::int32_t(i));
                }
            }
            const MasteryCheck met = check(atMinimum);
            made += std::to_string(race) + " " + std::to_string(row.firstCode) + "-" +
                    std::to_string(row.lastCode) + " " + std::string(row.profession) + ": met " +
                    std::to_string(met.met) + " level " +
                    std::to_string(met.professionLevel.value_or(-99)) + " raised " +
                    std::to_string(check(raised).professionLevel.value_or(-99)) +
                    "; one below fails";
            for (const MasteryRequirement& r : row.required) {
                if (r.value.kind != MasteryValue::Kind::None) {
                    State below = atMinimum;
                    below.set(r.value, r.minimum - 1);
                    made += " " + std::to_string(!check(below).met);
                }
            }
            std::string warning = check(allBelow).warning;
            for (auto at = warning.find('\n'); at != std::string::npos; at = warning.find('\n')) {
                warning.replace(at, 1, " | ");
            }
            made += "; " + warning + "\n";
        }
    }
    test::expectGolden(made, "mastery_requirements.txt");
}

// Any race code but 1 is held to the Kessari rows.
TEST(MasteryRequirements, ARaceThatIsNotNeuonianIsHeldToTheKessariRows) {
    EXPECT_FALSE(checkMasteryRequirements(7, 0, {}, {}).met);
}

} // namespace
} // namespace orthavel

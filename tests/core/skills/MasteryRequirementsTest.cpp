// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/skills/MasteryRequirements.h"

#include "core/skills/SkillCatalogue.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

namespace orthavel {
namespace {

struct Target {
    MasteryValue value;
    std::int32_t minimum;
};

MasteryValue resolve(std::string_view name) {
    constexpr std::string_view ratingOf = "rating of \"";
    if (name.starts_with(ratingOf)) {
        const auto skill =
            skillIndexByName(name.substr(ratingOf.size(), name.size() - ratingOf.size() - 1));
        EXPECT_TRUE(skill) << name;
        return {MasteryValue::Kind::Rating, static_cast<std::int16_t>(skill.value_or(0))};
    }
    for (std::size_t m = 0; m < kMasteryNames.size(); ++m) {
        if (kMasteryNames[m] == name) {
            return {MasteryValue::Kind::Mastery, static_cast<std::int16_t>(m)};
        }
    }
    for (std::size_t e = 0; e < kEmphases.size(); ++e) {
        if (kEmphases[e].name == name) {
            return {MasteryValue::Kind::Emphasis, static_cast<std::int16_t>(e)};
        }
    }
    ADD_FAILURE() << "unknown value " << name;
    return {};
}

std::vector<Target> parseRequired(std::string_view text) {
    std::vector<Target> targets;
    while (!text.empty()) {
        const auto comma = text.find(", ");
        const std::string_view part = text.substr(0, comma);
        const auto blank = part.rfind(' ');
        targets.push_back(
            {resolve(part.substr(0, blank)), std::stoi(std::string(part.substr(blank + 1)))});
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 2);
    }
    return targets;
}

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

// The check of a state holding the values listed ("Name n, ...").
MasteryCheck checkWith(std::int32_t race, std::int32_t code, std::string_view values) {
    State state;
    for (const auto& target : parseRequired(values)) {
        state.set(target.value, target.minimum);
    }
    return checkMasteryRequirements(race, code, state.levels, state.ratings);
}

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

TEST(MasteryRequirements, TheAdventurerPassesAtItsMinimumRatingsAndFailsOneBelowEach) {
    const auto targets =
        parseRequired(R"(Cultural Skills 4, rating of "Howling Wind" 20, )"
                      R"(rating of "Prowling" 10, rating of "Dowsing" 20, )"
                      R"(rating of "Hunting" 40, rating of "Bandaging & Bones" 40, )"
                      R"(rating of "Riding" 10)");
    State atMinimum;
    for (const auto& target : targets) {
        atMinimum.set(target.value, target.minimum);
    }
    EXPECT_TRUE(
        checkMasteryRequirements(kRaceKessari, 103, atMinimum.levels, atMinimum.ratings).met);
    for (const auto& target : targets) {
        State below = atMinimum;
        below.set(target.value, target.minimum - 1);
        EXPECT_FALSE(checkMasteryRequirements(kRaceKessari, 103, below.levels, below.ratings).met)
            << target.minimum;
    }
}

TEST(MasteryRequirements, WarningsShowTheCurrentValuesInTheirOwnOrder) {
    struct Case {
        std::int32_t race, code;
        std::string_view values;
        std::string_view warning;
    };
    // Meta Spy names Dark Arts first; Adventurer shows only Cultural Skills; Priestess the
    // masteries; Master Meta Spy the raw rating.
    // clang-format off
    const Case cases[] = {
        {0, 0, "Archaic Science 3", "You have Archaic Science:3   You need Archaic Science:4"},
        {0, 4, "Travel 3, Dark Arts 4", "You have Dark Arts:4  Travel:3   You need Dark Arts:5  Travel:3"},
        {0, 103, R"(Cultural Skills 4, rating of "Howling Wind" 20, rating of "Prowling" 10, rating of "Dowsing" 20, rating of "Hunting" 39, rating of "Bandaging & Bones" 40, rating of "Riding" 10)", "You have Cultural:4   You need Cultural:4 and minimum skills (see Tome)."},
        {0, 69, "Church 5, Gods 4, Religion 4, Domestic 2, Civilian 3", "You have Religion:4  Domestics:2  Civilian:3\nYou need Religion:5(all)  Domestics:5(all)  Civilian:2"},
        {0, 8, R"(Dark Arts 6, Leadership 6, Travel 4, rating of "City States of Neoun" 3)", "You have Dark Arts:6  Leadership:6  Travel:4  City States:3\nYou need Dark Arts:6  Leadership:6  Travel:4  City States:4"},
        {1, 98, R"(Combat 3, rating of "Cities" 45)", "You have Combat:3 and Terrain:Cities:45\nYou need Combat:4 and Terrain:Cities:30"},
        {1, 89, "Prof Crafts 3", "You have Professional Crafts:3   You need Professional Crafts:4"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const MasteryCheck check = checkWith(c.race, c.code, c.values);
        EXPECT_FALSE(check.met) << c.values;
        EXPECT_EQ(check.warning, c.warning) << c.values;
    }
}

TEST(MasteryRequirements, TheProfessionLevelAveragesTheRowsValues) {
    struct Case {
        std::int32_t race, code;
        std::string_view values;
        std::int32_t level;
    };
    // Medic, Sergeant, Mercenary with no Dark Arts, Squire, Mercenary Fighter averaging a
    // rating, Adventurer by Cultural Skills alone, Priestess averaging masteries, Knight.
    // clang-format off
    const Case cases[] = {
        {0, 0, "Archaic Science 4", 4},
        {0, 14, "Combat 6, Military 3", 4},
        {0, 55, "Combat 5, Travel 4", 4},
        {1, 96, "Home 3, Scholastics 2, Neuonian 2, Animalship 1", 2},
        {1, 98, R"(Combat 4, rating of "Cities" 30)", 17},
        {0, 103, R"(Cultural Skills 5, rating of "Howling Wind" 20, rating of "Prowling" 10, rating of "Dowsing" 20, rating of "Hunting" 40, rating of "Bandaging & Bones" 40, rating of "Riding" 10)", 5},
        {0, 69, "Church 5, Gods 5, Demonology 5, Farm 5, Home 5, Civilian 2, Religion 6, Domestic 5", 4},
        {0, 21, "Combat 7, Cultural Skills 4, Leadership 4, History 4, Travel 5", 4},
    };
    // clang-format on
    for (const auto& c : cases) {
        const MasteryCheck check = checkWith(c.race, c.code, c.values);
        EXPECT_TRUE(check.met) << c.values << ": " << check.warning;
        EXPECT_EQ(check.professionLevel, c.level) << c.values;
    }
}

// Any race code but 1 is held to the Kessari rows.
TEST(MasteryRequirements, ARaceThatIsNotNeuonianIsHeldToTheKessariRows) {
    EXPECT_FALSE(checkMasteryRequirements(7, 0, {}, {}).met);
}

} // namespace
} // namespace orthavel

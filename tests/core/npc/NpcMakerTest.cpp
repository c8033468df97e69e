// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/dice/Dice.h"
#include "core/generation/AgeClasses.h"
#include "core/generation/OriginDialogs.h"
#include "core/npc/NpcBatch.h"
#include "core/npc/NpcNames.h"
#include "core/npc/RatingPlan.h"
#include "core/record/Names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <string>

namespace orthavel {
namespace {

// Every House at every age class makes a character, seed after seed, wherever its age class can
// pay for one of its professions; that is every House at every age class but the youngest
// Balentin, who is made only by a lucky draw. Each gender has first names of its own; the looks are
// drawn too.
TEST(NpcMaker, EveryHouseAtEveryAgeClassMakesACharacter) {
    std::set<std::string> women;
    std::set<std::string> eyes;
    for (const std::int32_t house : npcCultures(kRaceKessari)) {
        for (std::int32_t age = 0; age < static_cast<std::int32_t>(kAgeClasses.size()); ++age) {
            const NpcPlan request{std::nullopt, house, std::nullopt, age};
            bool payable = false;
            for (const NpcPlan& choice : professionChoices(request)) {
                payable = payable || ageClassCanPay(house, *choice.profession, age);
            }
            const std::string where = std::to_string(house) + " at " + std::to_string(age);
            EXPECT_EQ(payable, house != culture::kBalentin || age > 0) << where;
            // Where no profession is sure to be paid for, a lucky draw still makes one.
            for (std::uint64_t seed = 1; seed <= 20; ++seed) {
                Dice dice(seed);
                const MadeNpc made = makeNpc(request, dice);
                ASSERT_TRUE(made.record) << where << ", seed " << seed << ": " << made.why;
                EXPECT_EQ(std::pair(made.record->m_nCulture, made.record->m_nStartAge),
                          std::pair(house, kAgeClasses.at(static_cast<std::size_t>(age)).minAge));
                const std::string name = made.record->m_strName;
                const bool female = std::string(made.record->m_strGender) == "Female";
                const auto& names = female ? kNpcFemaleFirstNames : kNpcMaleFirstNames;
                EXPECT_NE(std::find(names.begin(), names.end(), name.substr(0, name.find(' '))),
                          names.end())
                    << name;
                (female ? women : eyes).insert(female ? name : made.record->m_strEyeColor);
            }
        }
    }
    EXPECT_EQ(std::pair(women.empty(), eyes.size()), std::pair(false, std::size_t{4}));
}

// A form is answered by its fields' keys, whatever their labels read.
TEST(NpcMaker, FieldsAreKnownByKeyNotLabel) {
    FormDialog dialog = nameAttitudeDialog();
    for (FormField& field : dialog.fields) {
        field.label = "Renamed:";
    }
    FormEntry form(dialog);
    Dice dice(2);
    RandomInteraction ui(dice, {});
    ASSERT_TRUE(ui.runForm(form));
    EXPECT_EQ(form.value(0), ui.name("Male"));
    EXPECT_EQ(std::pair(form.findField(FieldKey::CharacterName), form.findField(FieldKey::NpcSeed)),
              std::pair(std::optional<std::size_t>(0), std::optional<std::size_t>()));
}

TEST(NpcMaker, NumberedFileNamesFitAFileSystem) {
    const std::string e = "\xC3\xA9"; // two bytes of UTF-8
    const std::string a248(248, 'a');
    const std::tuple<std::string, int, std::string> cases[] = {
        {"Rosa Pell.ksc", 12, "Rosa Pell 12.ksc"},
        {"A.ksc", 2, "A 2.ksc"},
        {"Untitled", 3, "Untitled 3"},
        {a248 + "aaaaaaaaaa.ksc", 1, a248 + "aaa.ksc"},
        {a248 + "aaaaaaaaaa.ksc", 10, a248 + " 10.ksc"},
        // A cut in the middle of a character goes back to its first byte.
        {a248 + "aa" + e + e + ".ksc", 1, a248 + "aa.ksc"},
        {a248 + "a" + e + e + ".ksc", 1, a248 + "a" + e + ".ksc"},
    };
    for (const auto& [proposed, number, expected] : cases) {
        EXPECT_EQ(numberedFileName(proposed, number), expected) << proposed.size() << number;
    }
}

// The planner meets the requirements of every profession that has some, at the cost it reports,
// then spends the rest without breaking them, to the last point.
TEST(RatingPlan, MeetsRequirementsAtItsCost) {
    for (std::int32_t profession = 0; profession <= profession::kLastKessariProfession;
         ++profession) {
        Dice dice(static_cast<std::uint64_t>(profession));
        RatingPlan plan(kRaceKessari, profession, SkillRatings{}, dice);
        const auto rated = [&] {
            return std::accumulate(plan.ratings().begin(), plan.ratings().end(), std::int64_t{0});
        };
        ASSERT_TRUE(plan.meetRequirements()) << profession;
        const std::int64_t cost = plan.cost();
        EXPECT_EQ(rated(), cost) << profession;
        plan.spend(cost + 500);
        EXPECT_TRUE(plan.requirementsMet()) << profession;
        EXPECT_EQ(std::pair(plan.cost(), rated()), std::pair(cost + 500, cost + 500)) << profession;
        // Points without end: every skill rated goes to the top.
        plan.spend(10'000'000);
        EXPECT_EQ(std::count_if(plan.ratings().begin(), plan.ratings().end(),
                                [](std::int32_t r) { return r != 0 && r != kHighestRating; }),
                  0);
    }
}

} // namespace
} // namespace orthavel

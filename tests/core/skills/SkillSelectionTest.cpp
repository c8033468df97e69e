// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/skills/SkillSelection.h"

#include <gtest/gtest.h>

#include <tuple>

namespace orthavel {
namespace {

using C = SkillCategory;
constexpr std::int32_t Adventurer = 103;
constexpr std::int32_t Medic = 0;

SkillSelection opened(std::int32_t skillPoints, SkillRatings ratings = {},
                      std::int32_t profession = Adventurer, std::int32_t race = kRaceNeuonian) {
    SkillSelection model;
    model.open(race, profession, skillPoints, 1234, ratings, 7);
    return model;
}

// Choosing an entry shows its rating and charges nothing; every change of a chosen box is
// stored and charged, one point a point.
TEST(SkillSelection, ChoosingAnEntryShowsItsRatingAndEveryChangeIsCharged) {
    SkillRatings ratings{};
    ratings[3] = 30; // Long Sword
    SkillSelection model = opened(50, ratings);
    EXPECT_TRUE(model.chooseEntry(C::Combat, "Long Sword"));
    EXPECT_TRUE(model.chooseEntry(C::Religion, "Theology (Morning Light)"));
    EXPECT_EQ(model.chosenEntry(C::Combat), "Long Sword");
    EXPECT_EQ(model.boxValue(C::Combat), 30);
    EXPECT_EQ(model.skillPoints(), 50);

    EXPECT_TRUE(model.setBoxValue(C::Combat, 35));
    EXPECT_TRUE(model.stepBox(C::Religion, +1));
    EXPECT_EQ(model.ratings()[3], 35);
    EXPECT_EQ(model.ratings()[322], 1);
    EXPECT_EQ(model.skillPoints(), 44);
    EXPECT_TRUE(model.typeBoxValue(C::Combat, "20"));
    EXPECT_EQ(model.ratings()[3], 20);
    EXPECT_EQ(model.skillPoints(), 59);
    EXPECT_EQ(model.counterText(), "Skill Points: 59");
}

// A typed text chooses the entry it names, case aside; any other chooses nothing.
TEST(SkillSelection, ATypedTextChoosesOnlyTheEntryItNames) {
    const std::tuple<C, const char*, std::string_view> cases[] = {
        {C::Combat, "LONG sword", "Long Sword"},
        {C::Combat, "Long Swor", "Brawling"},
        {C::Combat, "Long Sword ", "Brawling"},
        {C::Combat, "", "Brawling"},
        {C::Magic, "long sword", ""},
    };
    for (const auto& [category, typed, chosen] : cases) {
        SkillSelection model = opened(50, SkillRatings{{0, 0, 0, 30}});
        model.chooseEntry(C::Combat, "Brawling");
        EXPECT_EQ(model.typeEntry(category, typed), chosen == "Long Sword") << typed;
        EXPECT_EQ(model.chosenEntry(category), chosen) << typed;
        EXPECT_EQ(model.boxValue(category), chosen == "Long Sword" ? 30 : 0) << typed;
    }
}

// Only entries of the category's own list can be chosen; a box without one changes no rating.
TEST(SkillSelection, OnlyEntriesOfTheCategorysListCanBeChosen) {
    SkillSelection model = opened(50);
    EXPECT_TRUE(model.stepBox(C::Magic, +1));
    EXPECT_TRUE(model.setBoxValue(C::Magic, 40));
    EXPECT_EQ(model.boxValue(C::Magic), 40);
    EXPECT_EQ(model.ratings(), SkillRatings{});
    EXPECT_EQ(model.skillPoints(), 50);
    EXPECT_FALSE(model.chooseEntry(C::Combat, "Ariela"));
    EXPECT_FALSE(model.chooseEntry(C::Combat, "long sword"));
    EXPECT_TRUE(model.chosenEntry(C::Combat).empty());
    EXPECT_TRUE(model.chooseEntry(C::Combat, "Brawling"));
    EXPECT_TRUE(model.stepBox(C::Combat, +1));
    EXPECT_EQ(model.ratings()[314], 1) << "Brawling is skill 314";
    EXPECT_EQ(model.skillPoints(), 49);
}

TEST(SkillSelection, BoxesStayWithinZeroToAHundred) {
    struct Case {
        const char* typed;
        bool taken;
        std::int32_t rating;
    };
    // The number itself is read as in every number field; here the range is 0 to 100.
    // clang-format off
    const Case cases[] = {{"0", true, 0}, {"100", true, 100}, {"101", false, 10}, {"-1", false, 10}};
    // clang-format on
    for (const auto& c : cases) {
        SkillRatings ratings{};
        ratings[53] = 10; // Acrobatics
        SkillSelection model = opened(0, ratings);
        model.chooseEntry(C::Entertainment, "Acrobatics");
        EXPECT_EQ(model.typeBoxValue(C::Entertainment, c.typed), c.taken) << c.typed;
        EXPECT_EQ(model.ratings()[53], c.rating) << c.typed;
        EXPECT_EQ(model.boxValue(C::Entertainment), c.rating) << "the box shows the rating again";
        EXPECT_EQ(model.skillPoints(), 10 - c.rating) << c.typed;
    }
    SkillRatings top{};
    top[53] = 100;
    SkillSelection model = opened(0, top);
    model.chooseEntry(C::Entertainment, "Acrobatics");
    EXPECT_FALSE(model.stepBox(C::Entertainment, +1));
    EXPECT_TRUE(model.stepBox(C::Entertainment, -1));
    EXPECT_EQ(model.skillPoints(), 1);
}

TEST(SkillSelection, ConfirmChecksMasteriesThenTheBalance) {
    struct Case {
        const char* what;
        std::int32_t profession, skillPoints;
        std::optional<Message> expected;
    };
    // clang-format off
    const Message masteries{"Required Masteries Not Correct", "You have Archaic Science:0   You need Archaic Science:4", false};
    const Case cases[] = {
        {"12 unspent", Adventurer, 12, Message{"Not Done Yet.", "You still have skill points to spend.", false}},
        {"3 overspent", Adventurer, -3, Message{"Negative Skill Points!!!", "You must have zero skill points to continue.", false}},
        {"spent exactly", Adventurer, 0, std::nullopt},
        {"masteries first, even with points left", Medic, 12, masteries},
        {"masteries first, even overspent", Medic, -3, masteries},
    };
    // clang-format on
    for (const auto& c : cases) {
        // A Neuonian Adventurer has no requirements; a Kessari Medic needs Archaic Science 4.
        const std::int32_t race = c.profession == Medic ? kRaceKessari : kRaceNeuonian;
        SkillSelection model = opened(c.skillPoints, {}, c.profession, race);
        EXPECT_EQ(model.confirm(), c.expected) << c.what;
        EXPECT_EQ(model.skillPoints(), c.skillPoints) << c.what;
        EXPECT_EQ(model.professionLevel(), 7) << "a refused OK keeps the profession level";
    }
}

} // namespace
} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/skills/SkillCatalogue.h"

#include "support/Golden.h"

#include <gtest/gtest.h>

#include <string>

namespace orthavel {
namespace {

using C = SkillCategory;

// Each category's label and its list as the dialog shows it, entry by entry with its skill slot
// (some stand out of slot order); each entry is found by its name and names its slot.
TEST(SkillCatalogue, CategoriesHaveTheirListsInDialogOrder) {
    std::string made;
    for (int c = 0; c < kSkillCategoryCount; ++c) {
        made += std::string(categoryLabel(static_cast<C>(c))) + "\n";
        for (const CatalogueEntry& entry : categoryEntries(static_cast<C>(c))) {
            made += "  " + std::to_string(entry.skill) + " " + std::string(entry.name) + "\n";
            EXPECT_EQ(skillIndexByName(entry.category, entry.name), entry.skill);
            EXPECT_EQ(skillName(entry.skill), entry.name);
            EXPECT_EQ(categoryOf(entry.skill), entry.category) << entry.name;
        }
    }
    test::expectGolden(made, "skill_lists.txt");
}

TEST(SkillCatalogue, NamesAreFoundOnlyByExactTextInTheirOwnList) {
    EXPECT_EQ(skillIndexByName(C::Combat, "Long Sword"), 3);
    EXPECT_EQ(skillIndexByName(C::Combat, "Long Sword "), std::nullopt);
    EXPECT_EQ(skillIndexByName(C::Endowments, "Tangleroot"), std::nullopt);
    // "Combat" names a Travel skill, not the Combat list.
    EXPECT_EQ(skillIndexByName(C::Combat, "Combat"), std::nullopt);
    EXPECT_EQ(skillIndexByName("Combat"), 299);
    EXPECT_EQ(skillIndexByName(""), std::nullopt);
}

// Which slots hold a skill is checked where the catalogue is defined; here, that each name leads
// back to its one slot, and that slots without a skill have no name.
TEST(SkillCatalogue, EveryNamedSlotHasItsOwnNameAndTheRestNone) {
    for (std::int32_t index = 0; index < kSkillCount; ++index) {
        if (index < kNamedSkillCount) {
            EXPECT_EQ(skillIndexByName(skillName(index)), index);
        } else {
            EXPECT_TRUE(skillName(index).empty()) << index;
            EXPECT_EQ(categoryOf(index), std::nullopt) << index;
        }
    }
    for (std::int32_t outside : {-1, 330, 100000}) {
        EXPECT_TRUE(skillName(outside).empty());
        EXPECT_EQ(categoryOf(outside), std::nullopt);
        EXPECT_EQ(emphasisOf(outside, kRaceKessari), std::nullopt);
    }
}

TEST(SkillCatalogue, EmphasisOfFollowsTheRaceBoundMembers) {
    struct Case {
        std::int32_t skill;
        std::optional<std::int32_t> kessari;
        std::optional<std::int32_t> neuonian;
    };
    constexpr auto None = std::nullopt;
    // Long Sword: Blades for both; Howling Wind Kessari only, Brawling Neuonian only; Grobber
    // Gestures in each race's culture; Theology (Morning Light), an Endowment, no skill: none.
    // clang-format off
    const Case cases[] = {
        {3, 0, 0}, {13, 4, None}, {314, None, 4}, {24, 8, 39}, {322, None, None}, {227, None, None},
        {323, None, None},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(emphasisOf(c.skill, kRaceKessari), c.kessari) << c.skill;
        EXPECT_EQ(emphasisOf(c.skill, kRaceNeuonian), c.neuonian) << c.skill;
    }
}

} // namespace
} // namespace orthavel

#include "core/skills/SkillCatalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace orthavel {
namespace {

using C = SkillCategory;

TEST(SkillCatalogue, CategoriesHaveTheirListsInDialogOrder) {
    struct Case {
        C category;
        std::string_view label;
        std::size_t count;
        std::string_view first, last;
    };
    // clang-format off
    const Case cases[] = {
        {C::Combat, "Combat:", 25, "Stilletto", "Throwing Dagger"},
        {C::CulturalSkills, "Cultural Skills:", 13, "Natural Form", "Synergy"},
        {C::DarkArts, "Dark Arts:", 12, "Escape", "Traps"},
        {C::Domestic, "Domestic:", 11, "Dowsing", "Trapping"},
        {C::Entertainment, "Entertainment:", 21, "Acrobatics", "Wind"},
        {C::Leadership, "Leadership:", 10, "Grapevine", "Public Relations"},
        {C::Magic, "Magic:", 63, "Magic Theory", "Water Walk"},
        {C::MythAndLore, "Myth and Lore:", 37, "Ariela", "Heros:Kessari"},
        {C::ProfCrafts, "Prof Crafts:", 33, "Chain", "Bowyer & Fletcher"},
        {C::Religion, "Religion:", 11, "Education", "Legendary Evils"},
        {C::Endowments, "Endowments:", 47, "Sunspot (Solaris)", "Blessed Event"},
        {C::Scholastics, "Scholastics:", 16, "Algebra & Early Physics", "Sage Science"},
        {C::Travel, "Travel:", 24, "Barges, Traders, Fish Boats", "Swamp"},
    };
    // clang-format on
    std::size_t total = 0;
    for (const auto& c : cases) {
        const auto entries = categoryEntries(c.category);
        EXPECT_EQ(categoryLabel(c.category), c.label);
        ASSERT_EQ(entries.size(), c.count) << c.label;
        EXPECT_EQ(entries.front().name, c.first) << c.label;
        EXPECT_EQ(entries.back().name, c.last) << c.label;
        total += entries.size();
    }
    EXPECT_EQ(total, 323U);
}

TEST(SkillCatalogue, EntriesOutOfIndexOrderStandWhereTheListShowsThem) {
    struct Case {
        C category;
        std::size_t position; // in the list, from 0
        std::string_view name;
        std::int32_t index;
    };
    // clang-format off
    const Case cases[] = {
        {C::Combat, 13, "Howling Wind", 13}, {C::Combat, 14, "Brawling", 314}, {C::Combat, 15, "Fisticuffs", 315},
        {C::Combat, 16, "Bardiche", 14}, {C::CulturalSkills, 7, "Corner", 316},
        {C::Religion, 2, "Theology (Fidei Draconis)", 219}, {C::Religion, 3, "Theology (Morning Light)", 322},
        {C::Religion, 4, "Opposing Deities", 220}, {C::Religion, 10, "Legendary Evils", 226},
        {C::Endowments, 33, "Tangleroot (Terra)", 260}, {C::Travel, 9, "Combat", 299},
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto entries = categoryEntries(c.category);
        ASSERT_LT(c.position, entries.size());
        EXPECT_EQ(entries[c.position].name, c.name);
        EXPECT_EQ(entries[c.position].skill, c.index);
        EXPECT_EQ(skillIndexByName(c.category, c.name), c.index) << c.name;
        EXPECT_EQ(skillName(c.index), c.name);
        EXPECT_EQ(categoryOf(c.index), c.category) << c.name;
    }
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

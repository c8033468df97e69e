// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/sheet/Page1Layout.h"

#include "FixedPitchMetrics.h"

#include "core/record/CharacterFile.h"
#include "core/record/StoredFields.h"

#include "support/Golden.h"

#include <gtest/gtest.h>

#include <limits>
#include <type_traits>
#include <variant>

namespace orthavel {
namespace {

using namespace test;

DisplayList page1(const CharacterRecord& r = {}) {
    return layoutPage1(r, FixedPitchMetrics{});
}

TEST(Page1Layout, RaceAndCultureLabels) {
    struct Case {
        std::int32_t race, culture;
        const char *raceLabel, *cultureLabel, *subCulture;
    };
    // Codes a file may hold that no rule writes fall back to Kessari's labels.
    // clang-format off
    const Case cases[] = {
        {0, 15, "Race:Metamorphoun", "Culture:Kessari", "Sub Culture: City State of "},
        {-1, 1000, "Race:Metamorphoun", "Culture:Kessari", "Sub Culture:House of "},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.race * 100 + c.culture);
        CharacterRecord r;
        r.m_nRace = c.race;
        r.m_nCulture = c.culture;
        expectTexts(page1(r),
                    {{20, 90, c.raceLabel}, {20, 105, c.cultureLabel}, {20, 120, c.subCulture}});
    }
}

// Two special skills per column; the columns go 10, 205, 400 and then alternate between 205
// and 400. A held ability (200) shows its name in the level's place.
TEST(Page1Layout, SpecialSkillColumnWalk) {
    CharacterRecord r;
    for (const auto& [slot, value] :
         {std::pair{0, 5}, {3, 200}, {10, 200}, {20, 7}, {30, 9}, {40, 11}, {50, 13}, {68, 200}}) {
        r.m_aSpecialSkill[static_cast<std::size_t>(slot)] = value;
    }
    r.m_aSpecialSkill[69] = 5; // slots without a name are never shown
    r.m_aSpecialSkill[12] = -4;
    const DisplayList list = page1(r);
    // The seventh goes back to the second column's first row; the eighth below it.
    // clang-format off
    expectTexts(list, {{10, 442, "Lvl Skill Name/Comp"}, {205, 442, "Lvl Skill Name/Comp"}, {400, 442, "Special Bonuses:"},
                       {10, 465, "5"}, {35, 465, "Sense Injury(20)"}, {10, 490, "Analgesia(20)"},
                       {205, 465, "Jousting"}, {205, 490, "7"}, {230, 490, "Mimic Spell(20)"},
                       {400, 465, "9"}, {425, 465, "Illusionary Curtain(15)"}, {400, 490, "11"},
                       {425, 490, "Fear"}, {230, 465, "Safe House"}, {205, 490, "Bonus SS"}});
    // clang-format on
    EXPECT_EQ(textsNamed(list, "Safe House").size(), 1U);
    EXPECT_EQ(textsNamed(list, "Bonus SS").size(), 1U);
    EXPECT_TRUE(textsNamed(list, "Fast Draw").empty());
}

// A text longer than any dialog lets the player type can only come from a file made elsewhere:
// only as much as could be typed is drawn, and only that much is measured, however long the text
// is. Every text at its longest and widest: where each stands and the width it is narrowed to
// (the ends of the fields), and that a number is never cut.
TEST(Page1Layout, TextsLongerThanTheirDialogsAllowAreCut) {
    struct CountingMetrics : FixedPitchMetrics {
        mutable std::size_t measured = 0;
        int textWidth(FontId font, std::string_view text) const override {
            measured += text.size();
            return FixedPitchMetrics::textWidth(font, text);
        }
    } metrics;
    CharacterRecord r;
    forEachStoredField(r, [](std::string_view, auto& field) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(field)>, Text>) {
            field.assign(300, 'W');
        }
    });
    r.m_strPathway = std::string(70000, 'W');
    r.m_nExperience = std::numeric_limits<std::int32_t>::min();
    const DisplayList list = layoutPage1(r, metrics);
    std::string made;
    for (const DisplayItem& item : list.items()) {
        if (const auto* t = std::get_if<TextItem>(&item)) {
            const bool typed = t->text.find_first_not_of('W') == std::string::npos;
            made += std::to_string(t->x) + "," + std::to_string(t->y) + " narrowed to " +
                    std::to_string(t->narrowedTo) + ": " +
                    (typed ? std::to_string(t->text.size()) + " W" : t->text) + "\n";
        }
    }
    EXPECT_LT(metrics.measured, 20000U);
    expectGolden(made, "page1_longest_texts.txt");
}

} // namespace
} // namespace orthavel

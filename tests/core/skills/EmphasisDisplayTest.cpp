// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/skills/EmphasisDisplay.h"
#include "core/skills/SkillCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orthavel {
namespace {

TEST(EmphasisDisplay, ThreeColumnsAtTheirPositions) {
    MasteryResult levels{};
    levels.masteries[kMasteryCombat] = 3;
    levels.emphases[0] = 4;
    const EmphasisDisplay kessari = layoutEmphasisDisplay(kRaceKessari, levels);
    using T = EmphasisDisplay::Text;
    ASSERT_GE(kessari.texts.size(), 12U);
    EXPECT_EQ(kessari.texts[0], (T{10, 15, "Combat: 3", true}));
    EXPECT_EQ(kessari.texts[1], (T{20, 30, "Blades: 4", false}));
    EXPECT_EQ(kessari.texts[9], (T{10, 155, "Cultural Skills: 0", true}));
    EXPECT_EQ(kessari.texts[10], (T{20, 170, "Culture: 0", false}));
    EXPECT_EQ(kessari.texts.size(), 51U);

    const EmphasisDisplay neuonian = layoutEmphasisDisplay(kRaceNeuonian, levels);
    EXPECT_EQ(neuonian.texts.size(), 52U);
    EXPECT_EQ(neuonian.texts[10], (T{20, 170, "Neuonian: 0", false}));
    EXPECT_EQ(neuonian.texts[11], (T{20, 185, "Kessari: 0", false}));
    for (const T& top :
         {T{150, 15, "Entertainment: 0", true}, T{290, 15, "Prof Crafts: 0", true}}) {
        EXPECT_NE(std::ranges::find(neuonian.texts, top), neuonian.texts.end()) << top.text;
    }
    EXPECT_EQ(neuonian.texts.back(), (T{300, 15 + 19 * 15 + 3 * 5, "Terrain Knowledge: 0", false}));
}

// A font wider than the columns were laid out for moves them apart, never into each other; a
// narrow one leaves them where they are.
TEST(EmphasisDisplay, ColumnsMoveApartForAWideFont) {
    MasteryResult levels{};
    levels.emphases[20] = 10; // "Fabled Lands & Beasts: 10", the longest text
    for (const std::int32_t perCharacter : {4, 7, 9}) {
        EmphasisDisplay display = layoutEmphasisDisplay(kRaceKessari, levels);
        const EmphasisDisplay before = display;
        const auto width = [&](std::string_view text) {
            return perCharacter * static_cast<std::int32_t>(text.size());
        };
        separateColumns(display, width);
        for (const auto& a : display.texts) {
            for (const auto& b : display.texts) {
                const bool overlap = a.y == b.y && a.x < b.x && a.x + width(a.text) >= b.x - 5;
                EXPECT_FALSE(overlap) << perCharacter << ": " << a.text << " / " << b.text;
            }
        }
        if (perCharacter == 4) {
            EXPECT_EQ(display.texts, before.texts);
        }
        EXPECT_EQ(display.texts.front(), before.texts.front()) << "the first column stays";
    }
}

} // namespace
} // namespace orthavel

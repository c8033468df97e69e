// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/skills/Masteries.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orthavel {

// The read-only "Emphasis and Mastery" dialog: three columns of masteries, each followed by its
// emphases, drawn on the dialog's grey background, three lines of text and OK.
struct EmphasisDisplay {
    static constexpr std::string_view kTitle = "Emphasis and Mastery";
    static constexpr std::array<std::string_view, 3> kTextLines{
        "Emphases are not just descriptive of a character's interests but are also very useful.",
        "Masteries(ex:Combat) are the average of Emphasis Levels(ex:Blades)",
        "which are the average of Skill Ratings(ex: Longsword, Shortsword).",
    };
    // The background the columns are drawn on (red, green, blue).
    static constexpr std::array<int, 3> kBackground{192, 192, 192};

    // One drawn text: its top-left corner in dialog pixels and the text ("Blades: 4").
    struct Text {
        std::int32_t x = 0;
        std::int32_t y = 0;
        std::string text;
        bool heading = false; // a mastery, not an emphasis

        bool operator==(const Text&) const = default;
    };

    std::int32_t race = 0;
    MasteryResult levels;
    std::vector<Text> texts;
};

// Lays out the dialog for a character of this race with these emphases and masteries.
EmphasisDisplay layoutEmphasisDisplay(std::int32_t race, const MasteryResult& levels);

// Where a font draws a column's longest text ("Fabled Lands & Beasts: 10") past the start of the
// next column, moves that column and those right of it over, so that no text runs into another;
// columns that are far enough apart stay where they are. width measures a text in that font.
void separateColumns(EmphasisDisplay& display,
                     const std::function<std::int32_t(std::string_view)>& width);

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/sheet/DisplayList.h"
#include "core/sheet/TextMetrics.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace orthavel::test {

// Every character of a font is equally wide, so the tests can work out each aligned position by
// hand: Times 10, Courier print and bold 8, Courier 7, Courier small 6 units. Heights are the
// fonts' cell heights.
class FixedPitchMetrics : public TextMetrics {
public:
    static constexpr std::array<int, kFontCount> kWidths{10, 7, 8, 8, 6};
    static constexpr std::array<int, kFontCount> kHeights{20, 14, 16, 16, 12};

    int textWidth(FontId font, std::string_view text) const override {
        return kWidths[static_cast<std::size_t>(font)] * static_cast<int>(text.size());
    }
    int textHeight(FontId font) const override { return kHeights[static_cast<std::size_t>(font)]; }
};

// Every text item whose string is text.
inline std::vector<TextItem> textsNamed(const DisplayList& list, std::string_view text) {
    std::vector<TextItem> found;
    for (const TextItem& t : list.texts()) {
        if (t.text == text) {
            found.push_back(t);
        }
    }
    return found;
}

// The text drawn at exactly (x, y), or an empty string.
inline std::string textAt(const DisplayList& list, int x, int y) {
    for (const TextItem& t : list.texts()) {
        if (t.x == x && t.y == y) {
            return t.text;
        }
    }
    return {};
}

// A text expected at (x, y), and its font where given.
struct At {
    int x;
    int y;
    const char* text;
    std::optional<FontId> font = std::nullopt;
};

inline void expectTexts(const DisplayList& list, std::initializer_list<At> expected) {
    const std::vector<TextItem> texts = list.texts();
    for (const At& e : expected) {
        const auto found = std::find_if(texts.begin(), texts.end(), [&](const TextItem& t) {
            return t.x == e.x && t.y == e.y && t.text == e.text;
        });
        EXPECT_NE(found, texts.end()) << e.text << " at (" << e.x << ", " << e.y << "), found \""
                                      << textAt(list, e.x, e.y) << "\"";
        if (found != texts.end() && e.font) {
            EXPECT_EQ(found->font, *e.font) << e.text;
        }
    }
}

} // namespace orthavel::test

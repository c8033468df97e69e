// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace orthavel {

// The five fonts of the sheet view. Heights are character cell heights in logical units.
enum class FontId {
    CenturyGothic, // titles and the main menu's captions: "Times New Roman", 20, weight 600
    CourierNew,    // most labels and values, every skill line: "Courier New", 14
    CourierPrint,  // name and career block, group headings, page 4's top block: 16
    CourierBold,   // category headings: "Courier New", 16, weight 600
    CourierSmall,  // the small labels of page 1's title area: 12
};

inline constexpr int kFontCount = 5;

// How wide and tall a text is in one of the sheet's fonts, in logical units. Layouts measure
// every aligned text through this, so a page measures the same as it is drawn.
class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    // Width of a Windows-1252 text.
    virtual int textWidth(FontId font, std::string_view text) const = 0;
    // Height of the font's character cell (the height of any text drawn in it).
    virtual int textHeight(FontId font) const = 0;
};

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/sheet/TextMetrics.h"
#include "qtsheet/TextMap.h"

#include <QGlyphRun>

#include <array>
#include <string_view>

namespace orthavel {

class SheetFonts;

// A sheet text laid out for drawing: its glyphs, placed with the baseline at y = ascent, and the
// cell that drawing it as text fills with the ground: ascent above the baseline, descent below,
// advance wide.
struct ShapedText {
    // False for a text that only QPainter::drawText draws as it should (one with control
    // characters, or one that needs more than one font).
    bool drawable = false;
    QGlyphRun glyphs;
    qreal ascent = 0;
    qreal descent = 0;
    qreal advance = 0;
};

// The sheet's texts, each laid out once per font when it is first drawn and kept, so repainting a
// page (every scroll step) draws glyphs instead of shaping every text again. The texts kept are
// bounded. Not for use from several threads.
class ShapedTexts {
public:
    explicit ShapedTexts(const SheetFonts& fonts) : m_fonts(fonts) {}
    // It lays texts out in the fonts it was given, so a copy would keep using those.
    ShapedTexts(const ShapedTexts&) = delete;
    ShapedTexts& operator=(const ShapedTexts&) = delete;
    const ShapedText& shaped(FontId font, std::string_view text) const;

private:
    const SheetFonts& m_fonts;
    mutable std::array<TextMap<ShapedText>, kFontCount> m_shaped;
};

} // namespace orthavel

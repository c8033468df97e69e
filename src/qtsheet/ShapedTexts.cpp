// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtsheet/ShapedTexts.h"

#include "core/record/Cp1252.h"
#include "qtsheet/QtTextMetrics.h"
#include "qtsheet/SheetFonts.h"

#include <QTextLayout>

namespace orthavel {

namespace {

// Characters a text layout may treat otherwise than drawText: controls and the soft hyphen.
bool onlyPlainCharacters(std::string_view cp1252) {
    for (const char byte : cp1252) {
        const char32_t c = cp1252ToCodePoint(static_cast<unsigned char>(byte));
        if (c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0xAD) {
            return false;
        }
    }
    return true;
}

ShapedText shape(const QFont& font, std::string_view cp1252) {
    ShapedText shaped;
    if (!onlyPlainCharacters(cp1252)) {
        return shaped;
    }
    // One line, never broken: as drawText lays a text out. The layout keeps its glyphs for the
    // glyph runs instead of shaping the text a second time.
    QTextLayout layout(sheetText(cp1252), font);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (!line.isValid() || runs.size() != 1) {
        return shaped;
    }
    shaped.drawable = true;
    shaped.glyphs = runs.front();
    shaped.ascent = line.ascent();
    shaped.descent = line.descent();
    shaped.advance = line.horizontalAdvance();
    return shaped;
}

} // namespace

const ShapedText& ShapedTexts::shaped(FontId font, std::string_view text) const {
    TextMap<ShapedText>& shapes = m_shaped[static_cast<std::size_t>(font)];
    if (const auto found = shapes.find(text); found != shapes.end()) {
        return found->second;
    }
    if (shapes.size() >= kMaximumKeptTexts) {
        shapes.clear();
    }
    return shapes.emplace(text, shape(m_fonts.font(font), text)).first->second;
}

} // namespace orthavel

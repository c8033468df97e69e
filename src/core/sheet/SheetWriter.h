// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/sheet/DisplayList.h"
#include "core/sheet/TextMetrics.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>

namespace orthavel {

// "%i" of a number.
std::string intText(std::int32_t value);
// pattern with its first "%i" replaced by the number.
std::string withInt(std::string_view pattern, std::int32_t value);
// The pieces one after another.
std::string concat(std::initializer_list<std::string_view> pieces);
// "%i/%i" of two numbers.
std::string pairText(std::int32_t first, std::int32_t second);

// Writes a page into a display list the way a device context is drawn on: a font is selected,
// then texts go at points, aligned texts are measured in the selected font.
class SheetWriter {
public:
    // A field that reaches the sheet's right edge.
    static constexpr int kToSheetEdge = std::numeric_limits<int>::max();

    // Where a text of the record goes: its field ends at end (the next text on its line, or its
    // box's edge), and the player can type typed characters of it (0: it comes from a button).
    struct Field {
        int end = kToSheetEdge;
        std::size_t typed = 0;
    };

    SheetWriter(DisplayList& list, const TextMetrics& metrics, int sheetWidth);

    void selectFont(FontId font) { m_font = font; }
    void setColors(Rgb text, Rgb background);

    int width(std::string_view text) const { return m_metrics.textWidth(m_font, text); }
    int width(FontId font, std::string_view text) const { return m_metrics.textWidth(font, text); }
    int height() const { return m_metrics.textHeight(m_font); }
    int sheetWidth() const { return m_sheetWidth; }

    // An empty text draws nothing. A text is drawn only as far as its field reaches: the
    // characters that end at end at the latest, and never past the sheet's right edge, however
    // long the text is.
    void text(int x, int y, std::string_view text, int end = kToSheetEdge);
    // A text of the record. As much as the player can type is drawn whole, narrowed across where
    // it would pass the end of its field; anything longer can only come from a foreign file, and
    // the rest is left out. A text from a button is drawn as far as its field reaches.
    void recordText(int x, int y, std::string_view text, Field field);
    // Drawn so that it ends at x = end.
    void rightAligned(int end, int y, std::string_view text);
    // Drawn centred on the sheet: at W/2 minus half its width.
    void centred(int y, std::string_view text);
    // The label at x and the value right after it, at x plus the label's width, in field.
    void labelValue(int x, int y, std::string_view label, std::string_view value, Field field);
    void labelValue(int x, int y, std::string_view label, std::string_view value) {
        labelValue(x, y, label, value, Field{});
    }

    void line(int x1, int y1, int x2, int y2);
    // A rectangle drawn as four lines.
    void frame(int left, int top, int right, int bottom);
    void fill(int x, int y, int width, int height, Rgb color);
    void picture(PictureId id, int x, int y, PictureMode mode);

private:
    // The longest beginning of text that, drawn from x, ends at end (and the sheet's right edge)
    // at the latest. Measures only as much of the text as can reach that far.
    std::string_view partInField(int x, int end, std::string_view text) const;
    void put(int x, int y, std::string_view text, Align align, int anchor, int narrowedTo = 0);

    DisplayList& m_list;
    const TextMetrics& m_metrics;
    int m_sheetWidth;
    FontId m_font = FontId::CourierNew;
    Rgb m_textColor = kBlack;
    Rgb m_background = kWhite;
};

} // namespace orthavel

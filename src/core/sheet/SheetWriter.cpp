// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/sheet/SheetWriter.h"

#include "core/record/Format.h"
#include <algorithm>

namespace orthavel {

std::string intText(std::int32_t value) {
    return std::to_string(value);
}

std::string withInt(std::string_view pattern, std::int32_t value) {
    return formatInts(pattern, {value});
}

std::string concat(std::initializer_list<std::string_view> pieces) {
    std::string out;
    for (const std::string_view piece : pieces) {
        out.append(piece);
    }
    return out;
}

std::string pairText(std::int32_t first, std::int32_t second) {
    return concat({intText(first), "/", intText(second)});
}

SheetWriter::SheetWriter(DisplayList& list, const TextMetrics& metrics, int sheetWidth)
    : m_list(list), m_metrics(metrics), m_sheetWidth(sheetWidth) {}

void SheetWriter::setColors(Rgb text, Rgb background) {
    m_textColor = text;
    m_background = background;
}

void SheetWriter::put(int x, int y, std::string_view text, Align align, int anchor,
                      int narrowedTo) {
    if (text.empty()) {
        return;
    }
    m_list.add(TextItem{m_font, x, y, std::string(text), align, anchor, m_textColor, m_background,
                        narrowedTo});
}

std::string_view SheetWriter::partInField(int x, int end, std::string_view text) const {
    const std::int64_t room = static_cast<std::int64_t>(std::min(end, m_sheetWidth)) - x;
    if (room <= 0) {
        return {};
    }
    // Prefixes of doubling length are measured until one passes the edge (an ordinary text is
    // measured once, whole); then the cut is searched between the last that fitted and that one.
    std::size_t fits = 0;
    std::size_t passes = 0;
    for (std::size_t probe = 64; passes == 0; probe *= 2) {
        const std::size_t length = std::min(probe, text.size());
        if (width(text.substr(0, length)) > room) {
            passes = length;
        } else if (length == text.size()) {
            return text;
        } else {
            fits = length;
        }
    }
    while (passes - fits > 1) {
        const std::size_t middle = fits + (passes - fits) / 2;
        if (width(text.substr(0, middle)) > room) {
            passes = middle;
        } else {
            fits = middle;
        }
    }
    return text.substr(0, fits);
}

void SheetWriter::text(int x, int y, std::string_view text, int end) {
    put(x, y, partInField(x, end, text), Align::Left, x);
}

void SheetWriter::recordText(int x, int y, std::string_view text, Field field) {
    if (field.typed == 0) {
        this->text(x, y, text, field.end);
        return;
    }
    // A narrowed text keeps this far from its field's end, clear of the next text.
    constexpr int kClearance = 3;
    const std::string_view typed = text.substr(0, std::min(text.size(), field.typed));
    const int room = std::min(field.end, m_sheetWidth) - kClearance - x;
    if (room <= 0) {
        return;
    }
    const int natural = width(typed);
    put(x, y, typed, Align::Left, x, natural > room ? room : 0);
}

void SheetWriter::rightAligned(int end, int y, std::string_view text) {
    put(end - width(text), y, text, Align::Right, end);
}

void SheetWriter::centred(int y, std::string_view text) {
    const int middle = m_sheetWidth / 2;
    put(middle - width(text) / 2, y, text, Align::Centre, middle);
}

void SheetWriter::labelValue(int x, int y, std::string_view label, std::string_view value,
                             Field field) {
    text(x, y, label, field.end);
    recordText(x + width(label), y, value, field);
}

void SheetWriter::line(int x1, int y1, int x2, int y2) {
    m_list.add(LineItem{x1, y1, x2, y2});
}

void SheetWriter::frame(int left, int top, int right, int bottom) {
    line(left, top, right, top);
    line(right, top, right, bottom);
    line(right, bottom, left, bottom);
    line(left, bottom, left, top);
}

void SheetWriter::fill(int x, int y, int width, int height, Rgb color) {
    m_list.add(FillItem{x, y, width, height, color});
}

void SheetWriter::picture(PictureId id, int x, int y, PictureMode mode) {
    m_list.add(PictureItem{id, x, y, mode});
}

} // namespace orthavel

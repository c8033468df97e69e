// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/sheet/Pictures.h"
#include "core/sheet/TextMetrics.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace orthavel {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

// How a text's x was found: as given, right-aligned at an end, or centred on the sheet.
enum class Align { Left, Right, Centre };

// A text drawn with the left end and top of its cell at (x, y), on an opaque cell of the
// background colour, as text output does by default. For aligned texts, anchor is the x the
// alignment refers to (the end, or the centre) and x already holds the measured left end.
// A text with a narrowedTo above 0 is wider than that: it is drawn narrowed across, cell and
// all, to exactly that width.
struct TextItem {
    FontId font = FontId::CourierNew;
    int x = 0;
    int y = 0;
    std::string text; // Windows-1252 bytes
    Align align = Align::Left;
    int anchor = 0;
    Rgb color = kBlack;
    Rgb background = kWhite;
    int narrowedTo = 0;
    bool operator==(const TextItem&) const = default;
};

// A line one unit wide with the black pen, from (x1, y1) to (x2, y2).
struct LineItem {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool operator==(const LineItem&) const = default;
};

// A rectangle filled with a solid brush.
struct FillItem {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    Rgb color = kWhite;
    bool operator==(const FillItem&) const = default;
};

// Copy replaces what is there; Or combines the picture's bits with them (a figure on black
// laid on black ground).
enum class PictureMode { Copy, Or };

struct PictureItem {
    PictureId id = PictureId::CenterIdle;
    int x = 0;
    int y = 0;
    PictureMode mode = PictureMode::Copy;
    bool operator==(const PictureItem&) const = default;
};

using DisplayItem = std::variant<TextItem, LineItem, FillItem, PictureItem>;

// What one page or the main menu draws, in drawing order. Coordinates are logical units with y
// growing downwards: pixels on the screen, hundredths of an inch on paper.
class DisplayList {
public:
    // Room for a whole page's items up front, so adding them never moves the ones added.
    static constexpr std::size_t kPageItems = 320;

    void reserve(std::size_t count) { m_items.reserve(count); }
    void add(DisplayItem item) { m_items.push_back(std::move(item)); }
    const std::vector<DisplayItem>& items() const { return m_items; }
    bool empty() const { return m_items.empty(); }
    std::size_t size() const { return m_items.size(); }

    // The texts only, in drawing order (handy for looking things up).
    std::vector<TextItem> texts() const;
    std::vector<LineItem> lines() const;

    // Right and bottom edge of everything drawn, texts measured with metrics.
    struct Extent {
        int width = 0;
        int height = 0;
    };
    Extent extent(const TextMetrics& metrics) const;

private:
    std::vector<DisplayItem> m_items;
};

} // namespace orthavel

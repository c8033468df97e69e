// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/sheet/TextMetrics.h"
#include "qtsheet/SheetFonts.h"
#include "qtsheet/TextMap.h"

#include <QFontMetrics>

#include <array>
#include <string_view>
#include <vector>

namespace orthavel {

// Measures sheet texts in the bundled fonts, in whole logical units. Each text is measured once
// per font and its width kept, since a page measures the same labels on every layout: measuring
// a text is a text layout with shaping, a lookup is a hash. Not for use from several threads.
class QtTextMetrics : public TextMetrics {
public:
    explicit QtTextMetrics(const SheetFonts& fonts);
    int textWidth(FontId font, std::string_view text) const override;
    int textHeight(FontId font) const override;
    int ascent(FontId font) const;

private:
    std::vector<QFontMetrics> m_metrics;
    mutable std::array<TextMap<int>, kFontCount> m_widths;
};

// Windows-1252 bytes as a QString, as the sheet draws them: without control characters, which
// nothing shows and SVG cannot hold.
QString sheetText(std::string_view cp1252);

} // namespace orthavel

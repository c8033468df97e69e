// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtsheet/QtTextMetrics.h"

#include "core/record/Cp1252.h"

namespace orthavel {

QString sheetText(std::string_view cp1252) {
    const std::string utf8 = cp1252ToUtf8(withoutControlCharacters(cp1252));
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QtTextMetrics::QtTextMetrics(const SheetFonts& fonts) {
    for (int i = 0; i < kFontCount; ++i) {
        m_metrics.emplace_back(fonts.font(static_cast<FontId>(i)));
    }
}

int QtTextMetrics::textWidth(FontId font, std::string_view text) const {
    const auto i = static_cast<std::size_t>(font);
    TextMap<int>& widths = m_widths[i];
    if (const auto found = widths.find(text); found != widths.end()) {
        return found->second;
    }
    if (widths.size() >= kMaximumKeptTexts) {
        widths.clear();
    }
    const int width = m_metrics[i].horizontalAdvance(sheetText(text));
    widths.emplace(text, width);
    return width;
}

int QtTextMetrics::textHeight(FontId font) const {
    return m_metrics[static_cast<std::size_t>(font)].height();
}

int QtTextMetrics::ascent(FontId font) const {
    return m_metrics[static_cast<std::size_t>(font)].ascent();
}

} // namespace orthavel

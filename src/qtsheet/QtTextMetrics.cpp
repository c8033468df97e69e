#include "qtsheet/QtTextMetrics.h"

#include "core/record/Cp1252.h"

namespace orthavel {

namespace {

// Widths kept per font; past this many they are all forgotten and measured again as needed. Far
// more than the sheet's labels and a long session's values, and a bound on what new names and
// numbers can make the program hold.
constexpr std::size_t kMaximumKeptWidths = 8192;

} // namespace

QString sheetText(std::string_view cp1252) {
    const std::string utf8 = cp1252ToUtf8(cp1252);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QtTextMetrics::QtTextMetrics(const SheetFonts& fonts) {
    for (int i = 0; i < kFontCount; ++i) {
        m_metrics.emplace_back(fonts.font(static_cast<FontId>(i)));
    }
}

int QtTextMetrics::textWidth(FontId font, std::string_view text) const {
    const auto i = static_cast<std::size_t>(font);
    Widths& widths = m_widths[i];
    if (const auto found = widths.find(text); found != widths.end()) {
        return found->second;
    }
    if (widths.size() >= kMaximumKeptWidths) {
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

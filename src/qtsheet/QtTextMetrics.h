#pragma once

#include "core/sheet/TextMetrics.h"
#include "qtsheet/SheetFonts.h"

#include <QFontMetrics>

#include <vector>

namespace orthavel {

// Measures sheet texts in the bundled fonts, in whole logical units.
class QtTextMetrics : public TextMetrics {
public:
    explicit QtTextMetrics(const SheetFonts& fonts);
    int textWidth(FontId font, std::string_view text) const override;
    int textHeight(FontId font) const override;
    int ascent(FontId font) const;

private:
    std::vector<QFontMetrics> m_metrics;
};

// Windows-1252 bytes as a QString.
QString sheetText(std::string_view cp1252);

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/sheet/TextMetrics.h"

#include <QFont>

#include <array>
#include <string>
#include <vector>

namespace orthavel {

// Loads the bundled fonts and the pictures' resources once per process. Call it after the
// QGuiApplication exists; later calls do nothing.
void initSheetResources();

// The five sheet fonts. Liberation Mono and Liberation Serif are metric-compatible with Courier
// New and Times New Roman; each pixel size makes the font's cell height the sheet's height.
class SheetFonts {
public:
    SheetFonts();
    const QFont& font(FontId id) const { return m_fonts[static_cast<std::size_t>(id)]; }

    // A message for each font that could not be had as bundled (some other font stands in), in
    // the order the fonts are created.
    std::vector<std::string> failures() const;

private:
    std::array<QFont, kFontCount> m_fonts;
};

} // namespace orthavel

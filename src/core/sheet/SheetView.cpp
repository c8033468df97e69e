// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/sheet/SheetView.h"

#include "core/sheet/Page1Layout.h"
#include "core/sheet/Page23Layout.h"
#include "core/sheet/Page4Layout.h"

namespace orthavel {

PageDrawing pageDrawing(std::int32_t page) {
    if (page >= 1 && page <= 4) {
        return PageDrawing::SheetPage;
    }
    return page == kPageMainMenu ? PageDrawing::MainMenu : PageDrawing::Nothing;
}

DisplayList layoutSheetPage(const CharacterRecord& record, const TextMetrics& metrics,
                            std::int32_t page) {
    switch (page) {
    case 1:
        return layoutPage1(record, metrics);
    case 2:
        return layoutPage2(record, metrics);
    case 3:
        return layoutPage3(record, metrics);
    case 4:
        return layoutPage4(record, metrics);
    default:
        return {};
    }
}

} // namespace orthavel

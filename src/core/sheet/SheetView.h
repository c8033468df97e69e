// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"
#include "core/sheet/DisplayList.h"
#include "core/sheet/TextMetrics.h"

namespace orthavel {

// What the view draws for a page value: the sheet page 1 to 4, the main menu, or nothing for any
// other value.
enum class PageDrawing : std::uint8_t { Nothing, MainMenu, SheetPage };
PageDrawing pageDrawing(std::int32_t page);

// Scrolling works on the sheet pages only; the main menu stays put.
constexpr bool scrollingAllowed(std::int32_t page) {
    return page > 0;
}

// The sheet page for a page value (1 to 4); nothing for the main menu and other values.
DisplayList layoutSheetPage(const CharacterRecord& record, const TextMetrics& metrics,
                            std::int32_t page);

} // namespace orthavel

#pragma once

#include "core/record/CharacterRecord.h"
#include "core/sheet/DisplayList.h"
#include "core/sheet/TextMetrics.h"

namespace orthavel {

// The view's decisions for one paint.
struct PaintPlan {
    bool resetHorizontalScroll = false;
    bool resetVerticalScroll = false;
    // Go back to the main menu (the document's ShowPage 0) and draw nothing in this pass.
    bool showMainMenu = false;
    // Draw the sheet page 1 to 4, the main menu, or nothing for any other page value.
    enum class What { Nothing, MainMenu, SheetPage } what = What::Nothing;
};

// On the main menu a scrolled view first goes back to the top-left corner, and the value 99
// (left by a generation started from the menu) turns back into the menu; either way that pass
// draws nothing, the next one draws the menu.
PaintPlan planPaint(std::int32_t page, int horizontalScroll, int verticalScroll);

// Scrolling works on the sheet pages only; the main menu stays put.
constexpr bool scrollingAllowed(std::int32_t page) {
    return page > 0;
}

// The sheet page for a page value (1 to 4); nothing for the main menu and other values.
DisplayList layoutSheetPage(const CharacterRecord& record, const TextMetrics& metrics,
                            std::int32_t page);

} // namespace orthavel

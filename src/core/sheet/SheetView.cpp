#include "core/sheet/SheetView.h"

#include "core/sheet/Page1Layout.h"
#include "core/sheet/Page23Layout.h"
#include "core/sheet/Page4Layout.h"

namespace orthavel {

PaintPlan planPaint(std::int32_t page, int horizontalScroll, int verticalScroll) {
    PaintPlan plan;
    if (page >= 1 && page <= 4) {
        plan.what = PaintPlan::What::SheetPage;
    } else if (page == kPageMainMenu || page == kPageGenerating) {
        plan.resetVerticalScroll = verticalScroll > 0;
        plan.resetHorizontalScroll = horizontalScroll > 0;
        plan.showMainMenu =
            plan.resetVerticalScroll || plan.resetHorizontalScroll || page == kPageGenerating;
        plan.what = plan.showMainMenu ? PaintPlan::What::Nothing : PaintPlan::What::MainMenu;
    }
    return plan;
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

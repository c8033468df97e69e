// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/sheet/MainMenu.h"

#include "core/sheet/SheetView.h"

#include "FixedPitchMetrics.h"

#include <gtest/gtest.h>

namespace orthavel {
namespace {

using test::FixedPitchMetrics;

constexpr int R = 620;
constexpr int B = 400;

MainMenuHover idle() {
    MainMenuHover hover;
    hover.resetToIdle();
    return hover;
}

// One mouse move after another over a 620-unit client area: the left zone ends at 278, the
// right one begins above 342. Narrower than 556 units, the middle counts for both covers and the
// figure points left. A click starts the generation under the pointer.
TEST(MainMenuHover, CoversLightAndTheFigurePoints) {
    struct Step {
        int x, width;
        bool leftIdle, rightIdle;
        CenterFigure figure;
        bool redrawLeft, redrawRight, redrawCenter;
        std::optional<MainMenuCover> click;
    };
    constexpr auto Quick = CenterFigure::Quick;
    constexpr auto Idle = CenterFigure::Idle;
    constexpr auto Full = CenterFigure::Full;
    constexpr auto QuickCover = MainMenuCover::Quick;
    constexpr auto FullCover = MainMenuCover::Full;
    // clang-format off
    const Step steps[] = {
        {100, R, false, true, Quick, true, false, true, QuickCover},
        {278, R, false, true, Quick, false, false, false, QuickCover},
        {279, R, true, true, Idle, true, false, true, std::nullopt},
        {342, R, true, true, Idle, false, false, false, std::nullopt},
        {343, R, true, false, Full, false, true, true, FullCover},
        {600, R, true, false, Full, false, false, false, FullCover},
        {10, R, false, true, Quick, true, true, true, QuickCover},
        {250, 500, false, false, Quick, false, true, false, QuickCover},
    };
    // clang-format on
    MainMenuHover hover = idle();
    EXPECT_EQ(hover.clickedCover(kPageMainMenu), std::nullopt);
    hover.onMouseMove(kPageMainMenu, 300, R); // ends the first-move rule
    for (const Step& s : steps) {
        SCOPED_TRACE(s.x);
        const auto redraw = hover.onMouseMove(kPageMainMenu, s.x, s.width);
        EXPECT_EQ(hover.leftCoverIdle(), s.leftIdle);
        EXPECT_EQ(hover.rightCoverIdle(), s.rightIdle);
        EXPECT_EQ(hover.centerPicture(), s.figure);
        EXPECT_EQ(redraw.leftCover, s.redrawLeft);
        EXPECT_EQ(redraw.rightCover, s.redrawRight);
        EXPECT_EQ(redraw.center, s.redrawCenter);
        EXPECT_EQ(hover.clickedCover(kPageMainMenu), s.click);
    }
}

// Before the first move the flags are 0 (as constructed) and a cover under the pointer is
// still redrawn lit; from the second move on only a change redraws it.
TEST(MainMenuHover, FirstMoveRedrawsTheCoverUnderThePointer) {
    MainMenuHover hover;
    EXPECT_TRUE(hover.firstMouseMove());
    auto redraw = hover.onMouseMove(kPageMainMenu, 100, R);
    EXPECT_TRUE(redraw.leftCover);
    EXPECT_FALSE(hover.leftCoverIdle());
    EXPECT_FALSE(hover.firstMouseMove());
    redraw = hover.onMouseMove(kPageMainMenu, 101, R);
    EXPECT_FALSE(redraw.leftCover);
}

TEST(MainMenuHover, SheetPagesOnlyEndTheFirstMoveRule) {
    for (const std::int32_t page : {1, 2, 3, 4, 99, -7}) {
        MainMenuHover hover = idle();
        const auto redraw = hover.onMouseMove(page, 100, R);
        EXPECT_FALSE(redraw.leftCover || redraw.rightCover || redraw.center) << page;
        EXPECT_TRUE(hover.leftCoverIdle());
        EXPECT_FALSE(hover.firstMouseMove());
        EXPECT_EQ(hover.clickedCover(page), std::nullopt);
    }
}

TEST(MainMenuLayout, PicturesAndCaptionsByHoverState) {
    struct Case {
        int pointerX; // negative: no move
        PictureId left, right;
        PictureItem figure;
    };
    constexpr PictureMode Or = PictureMode::Or;
    // clang-format off
    const Case cases[] = {
        {-1, PictureId::QuickCover, PictureId::FullCover, {PictureId::CenterIdle, R / 2 - 72, B / 2 - 97, Or}},
        {50, PictureId::QuickCoverLit, PictureId::FullCover, {PictureId::CenterQuick, R / 2 - 125, B / 2 - 95, Or}},
        {590, PictureId::QuickCover, PictureId::FullCoverLit, {PictureId::CenterFull, R / 2 - 70, B / 2 - 100, Or}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pointerX);
        MainMenuHover hover = idle();
        if (c.pointerX >= 0) {
            hover.onMouseMove(kPageMainMenu, c.pointerX, R);
        }
        const DisplayList list =
            layoutMainMenu(CharacterRecord{}, FixedPitchMetrics{}, hover, R, B);
        const DisplayList::Extent extent = list.extent(FixedPitchMetrics{});
        EXPECT_EQ(extent.width, 765);
        constexpr Rgb Blue{0, 30, 230};
        // clang-format off
        const std::vector<DisplayItem> expected{
            FillItem{0, 0, 765, 900, kBlack}, PictureItem{c.left, 20, 40, PictureMode::Copy},
            PictureItem{c.right, R - 220, 40, PictureMode::Copy}, FillItem{R / 2 - 95, B / 2 - 100, 195, 200, kBlack},
            c.figure,
            TextItem{FontId::CenturyGothic, R - 20 - 250, 10, "Full Character Generation", Align::Right, R - 20, Blue, kBlack},
            TextItem{FontId::CenturyGothic, 55, 10, "Quick PC Maker", Align::Left, 55, Blue, kBlack}};
        // clang-format on
        EXPECT_EQ(list.items(), expected);
    }
}

TEST(SheetView, WhatEachPageDraws) {
    const std::pair<std::int32_t, PageDrawing> cases[] = {
        {0, PageDrawing::MainMenu},  {99, PageDrawing::Nothing}, {1, PageDrawing::SheetPage},
        {4, PageDrawing::SheetPage}, {5, PageDrawing::Nothing},  {-1, PageDrawing::Nothing},
    };
    for (const auto& [page, drawing] : cases) {
        EXPECT_EQ(pageDrawing(page), drawing) << page;
    }
    EXPECT_FALSE(scrollingAllowed(0));
    EXPECT_TRUE(scrollingAllowed(99)); // a generation running: the sheet may scroll
    EXPECT_TRUE(scrollingAllowed(3));
}

TEST(SheetView, OnlyTheFourSheetPagesDrawAnything) {
    for (const std::int32_t page : {-2147483647 - 1, -1, 0, 5, 99, 2147483647}) {
        EXPECT_TRUE(layoutSheetPage(CharacterRecord{}, FixedPitchMetrics{}, page).empty()) << page;
    }
}

} // namespace
} // namespace orthavel

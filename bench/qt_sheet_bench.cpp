// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the sheet takes: laying out the main menu and each page with the real font metrics,
// and painting page 1 into a 765 x 900 image, as the view does on every repaint. The "First"
// cases start from nothing measured and nothing drawn, as the first page after the start-up.
#include "core/record/DerivedStats.h"
#include "core/sheet/MainMenu.h"
#include "core/sheet/SheetView.h"
#include "qtsheet/QtTextMetrics.h"
#include "qtsheet/SheetRender.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

// Fonts need a GUI application; it lives until the process ends.
const orthavel::SheetRenderer& renderer() {
    static int argc = 1;
    static char name[] = "qt_sheet_bench";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv); // NOLINT: kept for the whole run
    }
    static const orthavel::SheetRenderer sheet;
    return sheet;
}

// A well-filled character: every skill rated, spells, endowments and special skills held.
orthavel::CharacterRecord sampleCharacter() {
    orthavel::CharacterRecord r;
    r.m_strAttitude = "Curious and stubborn";
    r.m_strFamilyTrade = "Lamplighters of the old quarter";
    r.m_strGender = "Female";
    for (std::size_t i = 0; i < r.m_aSkill.size(); ++i) {
        r.m_aSkill[i] = static_cast<std::int32_t>(i % 50);
    }
    for (std::size_t i = 0; i < 69; i += 9) {
        r.m_aSpecialSkill[i] = i % 2 == 0 ? 12 : 200;
    }
    r.m_aEquipment[0] = 7;
    orthavel::UpdateDerivedStats(r);
    return r;
}

void BM_LayoutMainMenu(benchmark::State& state) {
    const auto& sheet = renderer();
    const orthavel::CharacterRecord record;
    orthavel::MainMenuHover hover;
    hover.resetToIdle();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            orthavel::layoutMainMenu(record, sheet.metrics(), hover, 626, 394));
    }
}
BENCHMARK(BM_LayoutMainMenu);

void BM_LayoutPage(benchmark::State& state) {
    const auto& sheet = renderer();
    const auto record = sampleCharacter();
    const auto page = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(orthavel::layoutSheetPage(record, sheet.metrics(), page));
    }
}
BENCHMARK(BM_LayoutPage)->DenseRange(1, 4);

void BM_LayoutPageFirst(benchmark::State& state) {
    const auto& sheet = renderer();
    const auto record = sampleCharacter();
    const auto page = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        const orthavel::QtTextMetrics metrics(sheet.fonts());
        benchmark::DoNotOptimize(orthavel::layoutSheetPage(record, metrics, page));
    }
}
BENCHMARK(BM_LayoutPageFirst)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

void BM_PaintPage1(benchmark::State& state) {
    const auto& sheet = renderer();
    const auto list = orthavel::layoutSheetPage(sampleCharacter(), sheet.metrics(), 1);
    QImage image(765, 900, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        orthavel::paintDisplayList(painter, list, sheet.resources());
    }
}
BENCHMARK(BM_PaintPage1)->Unit(benchmark::kMicrosecond);

void BM_PaintPage1First(benchmark::State& state) {
    const auto list = orthavel::layoutSheetPage(sampleCharacter(), renderer().metrics(), 1);
    QImage image(765, 900, QImage::Format_RGB32);
    for (auto _ : state) {
        const orthavel::SheetRenderer fresh;
        QPainter painter(&image);
        orthavel::paintDisplayList(painter, list, fresh.resources());
    }
}
BENCHMARK(BM_PaintPage1First)->Unit(benchmark::kMicrosecond);

void BM_PaintMainMenu(benchmark::State& state) {
    const auto& sheet = renderer();
    const auto list = sheet.layout(orthavel::CharacterRecord{}, orthavel::kPageMainMenu);
    QImage image(640, 400, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        orthavel::paintDisplayList(painter, list, sheet.resources());
    }
}
BENCHMARK(BM_PaintMainMenu)->Unit(benchmark::kMicrosecond);

} // namespace

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long exports take: one well-filled character in each form a character is exported in, and
// 1,000 random characters into one Markdown file, as `orthavel-cli export --one-file` writes them.
#include "core/dice/Dice.h"
#include "core/npc/NpcMaker.h"
#include "core/record/DerivedStats.h"
#include "qtcommon/CharacterExport.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace orthavel;

// OpenDocument Text needs a GUI application for its fonts; it lives until the process ends.
void guiApplication() {
    static int argc = 1;
    static char name[] = "qt_export_bench";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv); // NOLINT: kept for the whole run
    }
}

// Every skill rated, spells, endowments and special skills held.
CharacterRecord wellFilled() {
    CharacterRecord r;
    r.m_strAttitude = "Curious and stubborn";
    r.m_strFamilyTrade = "Lamplighters of the old quarter";
    for (std::size_t i = 0; i < r.m_aSkill.size(); ++i) {
        r.m_aSkill[i] = static_cast<std::int32_t>(i % 50);
    }
    for (std::size_t i = 0; i < 69; i += 9) {
        r.m_aSpecialSkill[i] = i % 2 == 0 ? 12 : 200;
    }
    r.m_aEquipment[0] = 7;
    UpdateDerivedStats(r);
    return r;
}

void BM_ExportOneCharacter(benchmark::State& state) {
    guiApplication();
    const ExportFormat& format = exportFormats()[static_cast<std::size_t>(state.range(0))];
    const CharacterRecord record = wellFilled();
    for (auto _ : state) {
        benchmark::DoNotOptimize(format.write(record));
    }
    state.SetLabel(std::string(format.name));
}
BENCHMARK(BM_ExportOneCharacter)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

void BM_ThousandCharactersToOneMarkdownFile(benchmark::State& state) {
    Dice dice(1);
    const auto deck = professionChoices({});
    std::vector<CharacterRecord> records;
    for (std::size_t i = 0; records.size() < 1000; ++i) {
        if (const MadeNpc made = makeNpc(deck[i % deck.size()], dice); made.record) {
            records.push_back(*made.record);
        }
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(exportedTogether(*exportFormatNamed("markdown"), records));
    }
}
BENCHMARK(BM_ThousandCharactersToOneMarkdownFile)->Unit(benchmark::kMillisecond);

} // namespace

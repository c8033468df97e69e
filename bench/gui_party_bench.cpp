// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the game master's party takes: a party of 1,000 characters read and its table filled
// (under 300 ms), the table sorted by a column (under 50 ms), and the summary of 50 characters
// written as a PDF (under 2 s).
#include "core/record/CharacterFile.h"
#include "core/record/DerivedStats.h"
#include "gui/app/PartyModel.h"
#include "qtsheet/SummaryRender.h"
#include "script/PartyFile.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

namespace fs = std::filesystem;

void application() {
    static int argc = 1;
    static char name[] = "gui_party_bench";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv); // NOLINT: kept for the whole run
    }
}

orthavel::CharacterRecord character(int n) {
    orthavel::CharacterRecord r;
    r.m_strName = "Hero " + std::to_string(n);
    r.m_nProfessionLevel = n % 17;
    for (std::size_t i = 0; i < r.m_aSkill.size(); ++i) {
        r.m_aSkill[i] = static_cast<std::int32_t>((i * 7 + static_cast<std::size_t>(n)) % 60);
    }
    orthavel::UpdateDerivedStats(r);
    return r;
}

// A party file of count characters in a folder that lives until the process ends.
const fs::path& partyOf1000() {
    static QTemporaryDir dir;
    static const fs::path file = [] {
        const fs::path folder = dir.path().toStdString();
        fs::create_directories(folder / "tavern");
        orthavel::Party party;
        for (int n = 0; n < 1000; ++n) {
            const std::string name = "tavern/hero" + std::to_string(n) + ".ksc";
            std::ofstream(folder / name, std::ios::binary)
                << orthavel::storeCharacter(character(n));
            party.members.push_back(name);
        }
        std::ofstream(folder / "tavern.kparty") << orthavel::partyFileText(party);
        return folder / "tavern.kparty";
    }();
    return file;
}

void BM_ReadPartyAndFillTable(benchmark::State& state) {
    application();
    const fs::path& file = partyOf1000();
    for (auto _ : state) {
        orthavel::PartyModel model;
        orthavel::PartySortModel sorted;
        sorted.setSourceModel(&model);
        model.setParty(*orthavel::readPartyFile(file).party, file);
        benchmark::DoNotOptimize(sorted.rowCount());
    }
}
BENCHMARK(BM_ReadPartyAndFillTable)->Unit(benchmark::kMillisecond);

void BM_SortByColumn(benchmark::State& state) {
    application();
    const fs::path& file = partyOf1000();
    orthavel::PartyModel model;
    orthavel::PartySortModel sorted;
    sorted.setSourceModel(&model);
    model.setParty(*orthavel::readPartyFile(file).party, file);
    bool up = false;
    for (auto _ : state) {
        sorted.sort(static_cast<int>(state.range(0)),
                    up ? Qt::AscendingOrder : Qt::DescendingOrder);
        up = !up;
    }
}
BENCHMARK(BM_SortByColumn)
    ->Arg(static_cast<int>(orthavel::PartyColumn::Name))
    ->Arg(static_cast<int>(orthavel::PartyColumn::Level))
    ->Unit(benchmark::kMillisecond);

void BM_SummaryPdfOf50(benchmark::State& state) {
    application();
    static const orthavel::SheetRenderer renderer;
    std::vector<orthavel::CharacterRecord> records;
    for (int n = 0; n < 50; ++n) {
        records.push_back(character(n));
    }
    const QTemporaryDir dir;
    for (auto _ : state) {
        benchmark::DoNotOptimize(orthavel::writeSummaryPdf(renderer, records, "The Tavern",
                                                           dir.filePath(QStringLiteral("s.pdf"))));
    }
}
BENCHMARK(BM_SummaryPdfOf50)->Unit(benchmark::kMillisecond);

} // namespace

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the skill dialog's work takes: the emphases and masteries of a full sheet of
// ratings, and an OK on "Choose Skills" with everything it checks.
#include "core/skills/Masteries.h"
#include "core/skills/SkillCatalogue.h"
#include "core/skills/SkillSelection.h"

#include <benchmark/benchmark.h>

namespace {

using namespace orthavel;

// Every named skill rated, in a spread of values.
SkillRatings fullSheet() {
    SkillRatings ratings{};
    for (std::int32_t skill = 0; skill < kNamedSkillCount; ++skill) {
        ratings[static_cast<std::size_t>(skill)] = 10 + (skill * 37) % 91;
    }
    return ratings;
}

void BM_ComputeMasteries(benchmark::State& state) {
    const auto race = static_cast<std::int32_t>(state.range(0));
    const SkillRatings ratings = fullSheet();
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeMasteries(race, ratings));
    }
}
BENCHMARK(BM_ComputeMasteries)->Arg(kRaceKessari)->Arg(kRaceNeuonian);

// An accepted OK: the full sheet meets the Kessari Holy Warrior's requirements.
void BM_SkillSelectionConfirm(benchmark::State& state) {
    const SkillRatings ratings = fullSheet();
    SkillSelection selection;
    selection.open(kRaceKessari, 28, 0, 0, ratings, 0);
    for (auto _ : state) {
        auto result = selection.confirm();
        benchmark::DoNotOptimize(result);
    }
    state.counters["accepted"] = selection.confirm().has_value() ? 0 : 1;
}
BENCHMARK(BM_SkillSelectionConfirm);

// A whole showing of the dialog: open, pick an entry in each of the thirteen lists, raise each
// by ten arrow clicks (each charges all 330 slots), look at the emphases, then OK.
void BM_SkillSelectionSession(benchmark::State& state) {
    const SkillRatings ratings = fullSheet();
    for (auto _ : state) {
        SkillSelection selection;
        selection.open(kRaceNeuonian, 87, 130, 0, ratings, 0);
        for (int c = 0; c < kSkillCategoryCount; ++c) {
            const auto category = static_cast<SkillCategory>(c);
            selection.chooseEntry(category, categoryEntries(category).front().name);
            selection.typeBoxValue(category, "0");
            for (int click = 0; click < 10; ++click) {
                selection.stepBox(category, +1);
            }
        }
        benchmark::DoNotOptimize(selection.showEmphasis());
        auto result = selection.confirm();
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_SkillSelectionSession);

} // namespace

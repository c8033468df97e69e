// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long random characters take: batches of 1,000 made by the NPC maker, every dialog answered
// at random and every rule applied, as `orthavel-cli npc --count 1000` makes them (without writing
// the files).
#include "core/dice/Dice.h"
#include "core/npc/NpcMaker.h"

#include <benchmark/benchmark.h>

namespace {

using namespace orthavel;

void BM_ThousandRandomCharacters(benchmark::State& state) {
    std::uint64_t seed = 1;
    for (auto _ : state) {
        Dice dice(seed++);
        const auto deck = professionChoices({});
        for (std::size_t i = 0; i < 1000; ++i) {
            const MadeNpc made = makeNpc(deck[i % deck.size()], dice);
            if (!made.record) {
                state.SkipWithError(made.why.c_str());
                break;
            }
            benchmark::DoNotOptimize(made.record);
        }
    }
}
BENCHMARK(BM_ThousandRandomCharacters)->Unit(benchmark::kMillisecond);

} // namespace

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long a whole character generation takes: 1,000 Quick PC generations from the sample
// characters' scripts, every dialog answered and every rule applied, the transcript written to a
// discarding stream.
#include "core/document/CQuorvelDoc.h"
#include "core/document/Commands.h"
#include "script/ScriptFormat.h"
#include "script/ScriptedInteraction.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <ostream>
#include <sstream>
#include <streambuf>

namespace {

using namespace orthavel;

class Discard : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char* /*s*/, std::streamsize n) override { return n; }
};

nlohmann::json sampleScript(const char* who) {
    std::ifstream in(std::string(ORTHAVEL_TEST_DATA "/sample_") + who + ".script.json");
    std::stringstream text;
    text << in.rdbuf();
    return parseScript(text.str());
}

void BM_QuickGeneration(benchmark::State& state, const char* who, int seed,
                        std::vector<int> rolls) {
    const nlohmann::json script = sampleScript(who);
    const Command& quickpc = command(CommandId::NewQuickPc);
    Discard discard;
    std::ostream transcript(&discard);
    for (auto _ : state) {
        CQuorvelDoc doc;
        doc.dice().seed(static_cast<std::uint64_t>(seed));
        doc.dice().queueRolls(rolls);
        ScriptedInteraction ui(script, transcript);
        doc.runCommand(quickpc, ui);
        if (doc.record().m_nPage != 1) {
            state.SkipWithError("the generation did not complete");
        }
        benchmark::DoNotOptimize(doc.record());
    }
}
BENCHMARK_CAPTURE(BM_QuickGeneration, kessari, "kessari", 7, std::vector<int>{12})
    ->Iterations(1000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_QuickGeneration, neuonian, "neuonian", 3, std::vector<int>{83, 40})
    ->Iterations(1000)
    ->Unit(benchmark::kMicrosecond);

} // namespace

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long reading a 10 MB script takes: the sample character's answers repeated, and the
// shortest answers a list can hold ("[{},{},...]"). Reading is one pass over the text and one
// over the answers, so both take time in proportion to their size.
#include "script/ScriptFormat.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

namespace {

using namespace orthavel;

constexpr std::size_t kScriptBytes = 10'000'000;

// A list of answers of about kScriptBytes: answer repeated, separated by commas.
std::string repeated(const std::string& answers) {
    std::string script = "[";
    while (script.size() < kScriptBytes) {
        script += answers;
        script += ',';
    }
    script.back() = ']';
    return script;
}

// The sample's answers without the brackets of their list.
std::string sampleAnswers() {
    std::ifstream in(ORTHAVEL_TEST_DATA "/sample_kessari.script.json");
    std::stringstream text;
    text << in.rdbuf();
    const std::string whole = text.str();
    const auto first = whole.find('[');
    const auto last = whole.rfind(']');
    return whole.substr(first + 1, last - first - 1);
}

void BM_ParseScript(benchmark::State& state, const std::string& script) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(parseScript(script));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(script.size()));
}
BENCHMARK_CAPTURE(BM_ParseScript, sample_answers_10MB, repeated(sampleAnswers()))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ParseScript, empty_answers_10MB, repeated("{}"))
    ->Unit(benchmark::kMillisecond);

} // namespace

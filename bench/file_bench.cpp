// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long opening and saving a character file take.
#include "core/record/CharacterFile.h"
#include "core/record/DerivedStats.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

orthavel::CharacterRecord sampleCharacter() {
    orthavel::CharacterRecord r;
    r.ApplyNeuonianDefaults();
    r.m_strBirthDate = "Third Moon, Year 412";
    r.m_strHandedness = "Right";
    r.m_strFamilyTrade = "Weavers of the lower city";
    r.m_strAttitude = "Adventurous";
    for (std::size_t i = 0; i < r.m_aSkill.size(); i += 3) {
        r.m_aSkill[i] = static_cast<std::int32_t>(i % 100);
    }
    orthavel::UpdateDerivedStats(r);
    return r;
}

void BM_StoreCharacter(benchmark::State& state) {
    const auto record = sampleCharacter();
    for (auto _ : state) {
        benchmark::DoNotOptimize(orthavel::storeCharacter(record));
    }
}
BENCHMARK(BM_StoreCharacter);

void BM_LoadCharacterFromBytes(benchmark::State& state) {
    const std::string bytes = orthavel::storeCharacter(sampleCharacter());
    const std::span<const unsigned char> view(reinterpret_cast<const unsigned char*>(bytes.data()),
                                              bytes.size());
    for (auto _ : state) {
        orthavel::CharacterRecord r;
        benchmark::DoNotOptimize(orthavel::loadCharacter(view, r));
    }
}
BENCHMARK(BM_LoadCharacterFromBytes);

// Open from disk: the file system call, the stream and the parse.
void BM_OpenCharacterFile(benchmark::State& state) {
    const auto path = std::filesystem::temp_directory_path() / "orthavel_bench_open.ksc";
    {
        std::ofstream out(path, std::ios::binary);
        const std::string bytes = orthavel::storeCharacter(sampleCharacter());
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    for (auto _ : state) {
        orthavel::CharacterRecord r;
        benchmark::DoNotOptimize(orthavel::loadCharacterFile(path, r));
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_OpenCharacterFile);

// What opening cannot go below: the system calls alone (stat, open, one read, close) on the same
// file, with nothing parsed.
void BM_OpenFileSystemCallsOnly(benchmark::State& state) {
    const auto path = std::filesystem::temp_directory_path() / "orthavel_bench_calls.ksc";
    {
        std::ofstream out(path, std::ios::binary);
        const std::string bytes = orthavel::storeCharacter(sampleCharacter());
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    std::string buffer(64 * 1024, '\0');
    for (auto _ : state) {
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0) {
            state.SkipWithError("stat failed");
            break;
        }
        const int fd = ::open(path.c_str(), O_RDONLY);
        benchmark::DoNotOptimize(::read(fd, buffer.data(), static_cast<std::size_t>(info.st_size)));
        ::close(fd);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_OpenFileSystemCallsOnly);

// Save to disk as the program does: a new file written completely, then renamed over the old.
// The plain write-and-rename without Qt, for comparison.
void BM_SaveCharacterFile(benchmark::State& state) {
    const auto dir = std::filesystem::temp_directory_path();
    const auto path = dir / "orthavel_bench_save.ksc";
    const auto temp = dir / "orthavel_bench_save.ksc.new";
    const auto record = sampleCharacter();
    for (auto _ : state) {
        const std::string bytes = orthavel::storeCharacter(record);
        {
            std::ofstream out(temp, std::ios::binary | std::ios::trunc);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
        std::filesystem::rename(temp, path);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveCharacterFile);

void BM_UpdateDerivedStats(benchmark::State& state) {
    auto record = sampleCharacter();
    for (auto _ : state) {
        orthavel::UpdateDerivedStats(record);
        benchmark::DoNotOptimize(record.m_nMaxHealth);
    }
}
BENCHMARK(BM_UpdateDerivedStats);

} // namespace

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The career step at the end of full generation, of a change of profession and of the
// special-skills update: by profession, whether the profession's special-skill procedure runs
// and which career level (m_nCareerLevel) the character gets. One row per line of the rules.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>

namespace orthavel {

// A career level of 0 leaves m_nCareerLevel as it is.
inline constexpr std::int32_t kCareerLevelUnchanged = 0;

struct CareerStep {
    bool specialSkills = false;
    std::int32_t careerLevel = kCareerLevelUnchanged;
};

struct CareerGroup {
    CareerStep step;
    std::array<std::int16_t, 30> professionSlots{};
    std::size_t professionCount = 0;
};

namespace career_table {
void tooManyProfessions();

consteval CareerGroup group(bool specialSkills, std::int32_t careerLevel,
                            std::initializer_list<std::int16_t> professions) {
    CareerGroup g{{specialSkills, careerLevel}, {}, 0};
    if (professions.size() > g.professionSlots.size()) {
        tooManyProfessions();
    }
    for (std::int16_t profession : professions) {
        g.professionSlots.at(g.professionCount++) = profession;
    }
    return g;
}
} // namespace career_table

// Full generation, the change of profession and the special-skills update. The Neuonian
// starting jobs have no row: their special skills belong to quick generation.
// clang-format off
inline constexpr std::array<CareerGroup, 7> kCareerTable = [] {
    using career_table::group;
    return std::array<CareerGroup, 7>{{
        group(true,  1, {0, 2, 5, 10, 25, 26, 33, 41, 42, 43, 44, 45, 46, 65, 72, 73, 80, 81, 82, 103}),
        group(true,  2, {1, 3, 4, 11, 14, 27, 29, 35, 53, 54, 55, 67, 76, 83, 84}),
        group(true,  3, {6, 12, 13, 15, 23, 28, 30, 31, 34, 36, 47, 48, 49, 50, 51, 56, 57, 58, 59, 60,
                         61, 68, 69, 70, 71, 74, 75, 77, 78, 85}),
        group(true,  4, {7, 8, 16, 22, 37, 38, 39, 62, 63}),
        group(true,  5, {21, 24}),
        group(false, 3, {9, 32, 52, 64, 79, 86}),  // the House Lords but the Groam one
        group(false, 4, {17, 18, 19, 20, 40}),     // Lieutenant to General, the Wizard Lord
    }};
}();

// Quick generation: the starting careers of both races, each with its special-skill step.
inline constexpr std::array<CareerGroup, 3> kStartingCareerTable = [] {
    using career_table::group;
    return std::array<CareerGroup, 3>{{
        group(true,  1, {0, 10, 25, 33, 41, 65, 72, 80, 87, 88, 89, 91, 92, 93, 94, 97, 99, 100, 102,
                         103}),
        group(true,  2, {3, 53, 55, 90, 95, 98, 101}),
        group(true,  4, {96}),
    }};
}();
// clang-format on

// The step of a profession code in a table; any code without a row runs nothing and keeps the
// career level.
constexpr CareerStep careerStep(std::int32_t profession,
                                std::span<const CareerGroup> table = kCareerTable) {
    for (const CareerGroup& g : table) {
        for (std::size_t i = 0; i < g.professionCount; ++i) {
            if (g.professionSlots[i] == profession) {
                return g.step;
            }
        }
    }
    return {};
}

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"

#include <array>
#include <cstdint>

namespace orthavel {

using SkillRatings = std::array<std::int32_t, kSkillCount>;
using EmphasisLevels = std::array<std::int32_t, kEmphasisCount>;
using MasteryLevels = std::array<std::int32_t, kMasteryCount>;

// The forty emphasis levels and twelve masteries of a set of skill ratings.
struct MasteryResult {
    EmphasisLevels emphases{};
    MasteryLevels masteries{};

    bool operator==(const MasteryResult&) const = default;
};

// Averages the rated members of each emphasis (when enough are rated) and divides by ten, then
// averages the non-zero emphases of each mastery. Only ratings above 0 count. Depends on nothing
// but its arguments.
MasteryResult computeMasteries(std::int32_t race, const SkillRatings& ratings);

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/advantages/AdvantageTable.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace orthavel {

// One minimum of a profession: the advantage at or above level, or, where alternative names a
// second advantage, either of the two at or above it.
struct AdvantageMinimum {
    Advantage advantage = Advantage::Strength;
    std::int32_t level = 0;
    int alternative = -1; // an Advantage as int, or -1
};

// The minimum advantage levels of one job or profession and the warning when they are not met.
// Rows without minimums (and without a warning) accept any levels.
struct ProfessionMinimumsRow {
    std::int32_t code = 0;
    std::string_view profession;
    std::array<AdvantageMinimum, 10> minimums{};
    std::string_view warning;

    std::size_t minimumCount() const;
};

inline constexpr std::string_view kMinimumsWarningTitle = "Minimum Advantages Warning";
inline constexpr std::string_view kGenericMinimumsWarning =
    "You do not have the minimum advantages for your job/profession.";

// The rows a character of this race is held to: the Neuonian rows for race 1, the Kessari rows
// for any other.
std::span<const ProfessionMinimumsRow> professionMinimumsRows(std::int32_t race);
const ProfessionMinimumsRow* findProfessionMinimums(std::int32_t race, std::int32_t profession);

using AdvantageLevels = std::array<std::int32_t, kAdvantageCount>;

// True when the race's branch has a row for the code and its minimums are met; a code without a
// row is never satisfied.
bool meetsMinimums(std::int32_t race, std::int32_t profession, const AdvantageLevels& levels);

// The warning of the row, or the generic text when the branch has no row for the code. Shown
// with the title kMinimumsWarningTitle and an exclamation icon.
std::string_view minimumsWarning(std::int32_t race, std::int32_t profession);

} // namespace orthavel

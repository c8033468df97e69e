// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orthavel {

struct AdvantageInfo {
    std::string_view label; // as the "Assign Advantages" dialog shows it
    std::int32_t column;    // 1 to 3 in the dialog
    std::int32_t row;       // 1 to 5 in the dialog
    std::int32_t kessariMaximum;
    std::int32_t neuonianMaximum;
};

// clang-format off
inline constexpr std::array<AdvantageInfo, kAdvantageCount> kAdvantages{{
    {"Strength",      1, 1,  5,  5},
    {"Agility",       1, 2,  5,  5},
    {"Dexterity",     1, 3,  5,  5},
    {"Stamina",       1, 4,  5,  4},
    {"Reflex",        1, 5,  6,  6},
    {"Comprehension", 2, 1,  7,  8},
    {"Awareness",     2, 2, 10,  8},
    {"Logic",         2, 3,  8,  9},
    {"Persevearance", 2, 4,  8, 10},
    {"Confidence",    2, 5,  8, 10},
    {"Appearance",    3, 1,  6,  5},
    {"Charisma",      3, 2,  4,  6},
    {"Etiquette",     3, 3,  4,  6},
    {"Style",         3, 4,  6,  7},
    {"Avoidance",     3, 5,  3,  4},
}};
// clang-format on

// The lowest level of every advantage.
inline constexpr std::int32_t kLowestAdvantageLevel = -10;

// The highest level of an advantage for a character of this race: the Neuonian maximum for
// race 1, the Kessari maximum for any other. It binds every raise of an advantage.
constexpr std::int32_t AdvantageMaximum(std::int32_t race, Advantage advantage) {
    const AdvantageInfo& info = kAdvantages[indexOf(advantage)];
    return race == kRaceNeuonian ? info.neuonianMaximum : info.kessariMaximum;
}

// Whether an advantage standing at level may be raised by one: never at or above the race
// maximum, whatever raises it (the advantage dialog, a special skill, a fixed grant).
constexpr bool canRaiseAdvantage(std::int32_t race, Advantage advantage, std::int32_t level) {
    return level < AdvantageMaximum(race, advantage);
}

// The advantage whose label is exactly this text, if any.
constexpr std::optional<Advantage> advantageByLabel(std::string_view label) {
    for (std::size_t a = 0; a < kAdvantages.size(); ++a) {
        if (kAdvantages[a].label == label) {
            return advantageAt(static_cast<int>(a));
        }
    }
    return std::nullopt;
}

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"

#include <array>
#include <string>
#include <string_view>

namespace orthavel {

// The columns of the party's table: who each member is, the fifteen advantages and the values
// of the combat page.
enum class PartyColumn : int {
    Name,
    Race,
    Culture,
    Profession,
    Level,
    Age,
    FirstAdvantage,
    Initiative = FirstAdvantage + kAdvantageCount,
    Soak,
    HealRate,
    DamageBonus,
    MoveRate,
    Armor,
};
inline constexpr int kPartyColumnCount = static_cast<int>(PartyColumn::Armor) + 1;

struct PartyColumnInfo {
    std::string_view title;
    std::string_view tip; // what the column holds, in words
    bool numeric;         // sorted by number; the others by their text
};
const PartyColumnInfo& partyColumn(int column);

// One member's row: each column's text as the sheet writes it (UTF-8) and, for the numeric
// columns, the number it sorts by.
struct PartyRow {
    std::array<std::string, kPartyColumnCount> texts;
    std::array<double, kPartyColumnCount> numbers{};
};

// The row of a character, from the values its record holds (the derived ones as the rules last
// computed them).
PartyRow partyRowOf(const CharacterRecord& record);

} // namespace orthavel

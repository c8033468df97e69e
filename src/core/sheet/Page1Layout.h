// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"
#include "core/sheet/DisplayList.h"
#include "core/sheet/TextMetrics.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orthavel {

// Sheet page 1: who the character is, the fifteen advantages, saves, personal and derived
// values, special career skills and the ruled spaces the player fills in by hand.
DisplayList layoutPage1(const CharacterRecord& record, const TextMetrics& metrics);

// A value a sheet page shows beside its label: the label without its colon, the value as drawn
// (a text of the record as its Windows-1252 bytes).
struct SheetValue {
    std::string label;
    std::string value;

    bool operator==(const SheetValue&) const = default;
};

// Page 1's labelled values in the order drawn: who the character is (boxes A and B), the saves,
// then box D's personal and derived values, then the family trade.
std::vector<SheetValue> page1Values(const CharacterRecord& record);

// An advantage as page 1 shows it: its level, the race's maximum and the race's adjustment.
struct SheetAdvantage {
    std::string label;
    std::int32_t level;
    std::int32_t maximum;
    std::int32_t adjustment;
};

// The fifteen advantages in record order.
std::vector<SheetAdvantage> page1Advantages(const CharacterRecord& record);

// The special career skills held, in the order drawn, each with its level (empty for one held
// without a level).
std::vector<SheetValue> page1SpecialSkills(const CharacterRecord& record);

} // namespace orthavel

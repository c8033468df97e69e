// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"
#include "core/sheet/DisplayList.h"
#include "core/sheet/Page1Layout.h"
#include "core/sheet/TextMetrics.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace orthavel {

// A kind of armor as page 4 lists it.
struct ArmorRow {
    std::string_view name;
    std::string_view absorbRate;
    std::string_view maxPoints;
    std::string_view weight;
};

// The armor of a type (m_aEquipment[0]); nothing for none (0) and for unknown types.
const ArmorRow* armorWorn(std::int32_t type);

// Sheet page 4: the combat form. A few derived values, the armor worn and ruled tables the
// player fills in during play.
DisplayList layoutPage4(const CharacterRecord& record, const TextMetrics& metrics);

// Page 4's values in the order drawn: initiative base, soak per hit and heal rate, then the
// damage bonus at grades B, C and D+.
std::vector<SheetValue> page4Values(const CharacterRecord& record);

// The armor worn as page 4's armor row shows it: type, absorb rate, maximum points and weight;
// nothing when the character wears none (or a type the table does not know).
std::vector<SheetValue> page4Armor(const CharacterRecord& record);

} // namespace orthavel

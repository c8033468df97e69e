// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"
#include "core/sheet/DisplayList.h"
#include "core/sheet/Page1Layout.h"
#include "core/sheet/TextMetrics.h"

#include <vector>

namespace orthavel {

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

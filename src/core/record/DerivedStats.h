// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"

namespace orthavel {

// Recomputes every derived value of the record from its advantages, racial adjustments and base
// values. Arithmetic wraps around at 32 bits, so values read from a file can never overflow.
void UpdateDerivedStats(CharacterRecord& record);

// The current life level: the mean of social, profession and fiscal level, rounded toward zero;
// the highest life level ever reached is raised to it.
void UpdateLifeLevel(CharacterRecord& record);

// Fiscal level of an amount of fiscal points.
std::int32_t fiscalLevelOf(std::int32_t fiscalPoints);

} // namespace orthavel

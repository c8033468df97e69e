// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"
#include "core/sheet/DisplayList.h"
#include "core/sheet/TextMetrics.h"

namespace orthavel {

// Sheet page 1: who the character is, the fifteen advantages, saves, personal and derived
// values, special career skills and the ruled spaces the player fills in by hand.
DisplayList layoutPage1(const CharacterRecord& record, const TextMetrics& metrics);

} // namespace orthavel

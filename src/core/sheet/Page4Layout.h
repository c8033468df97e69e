// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"
#include "core/sheet/DisplayList.h"
#include "core/sheet/TextMetrics.h"

namespace orthavel {

// Sheet page 4: the combat form. A few derived values, the armor worn and ruled tables the
// player fills in during play.
DisplayList layoutPage4(const CharacterRecord& record, const TextMetrics& metrics);

} // namespace orthavel

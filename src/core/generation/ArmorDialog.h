// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/interaction/ChoiceDialog.h"

namespace orthavel {

inline constexpr std::string_view kArmorDialogTitle = "Choose a set of Armor";

// "Choose a set of Armor": the twelve armor types in two columns; the result is the armor type.
ChoiceDialog armorDialog();

} // namespace orthavel

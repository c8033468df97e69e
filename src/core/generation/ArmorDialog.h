#pragma once

#include "core/interaction/ChoiceDialog.h"

namespace orthavel {

inline constexpr std::string_view kArmorDialogTitle = "Choose a set of Armor";

// "Choose a set of Armor": the twelve armor types in two columns; the result is the armor type.
ChoiceDialog armorDialog();

} // namespace orthavel

#pragma once

#include "core/dialogs/ChoiceDialog.h"

namespace orthavel {

// "Choose a set of Armor": the twelve armor types in two columns; the result is the armor type.
ChoiceDialog armorDialog();

} // namespace orthavel

#pragma once

#include "core/careerskills/CareerSkillTable.h"
#include "core/dialogs/ChoiceDialog.h"
#include "core/record/CharacterRecord.h"

namespace orthavel {

inline constexpr std::string_view kAdvantageLimitCaption = "Maximum Advantage Limits";

// One showing of a profession's special-skill dialog for this character: its buttons in their
// columns with the choice's index as result, the current level of every advantage it can raise
// as inputs (by the advantage's label, in the order of the choices), and the refusal of a raise
// that would carry an advantage past the character's race maximum.
ChoiceDialog specialSkillDialog(const SpecialSkillDialogRow& row, const CharacterRecord& record);

} // namespace orthavel

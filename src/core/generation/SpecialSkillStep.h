#pragma once

#include "core/record/CharacterRecord.h"

namespace orthavel {

class Interaction;

// The career step that ends full generation, a change of profession and the special-skills
// update: the special-skill procedure of the character's profession when the career table gives
// it one, then the career level the table sets (or leaves).
void RunSpecialSkillStep(CharacterRecord& record, Interaction& ui);

} // namespace orthavel

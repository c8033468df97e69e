// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/generation/CareerTable.h"
#include "core/record/CharacterRecord.h"

#include <span>

namespace orthavel {

class Interaction;

// The career step that ends a generation, a change of profession and the special-skills update:
// the special-skill procedure of the character's profession when the career table gives it one,
// then the career level the table sets (or leaves); the stored emphases, masteries, profession
// and life levels then follow the ratings. Quick generation passes the table of the starting
// careers.
void RunSpecialSkillStep(CharacterRecord& record, Interaction& ui,
                         std::span<const CareerGroup> table = kCareerTable);

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/generation/GenerationSteps.h"
#include "core/record/CharacterRecord.h"

namespace orthavel {

class Dice;
class Interaction;

// Full generation over the record: a fresh Kessari character of any job or profession of its
// House, at any of the seven age classes, its advantages raised to the profession's minimums,
// ending on sheet page 1. A cancelled name dialog ends it early on the main menu page.
GenerationEnd RunFullGeneration(CharacterRecord& record, Dice& dice, Interaction& ui);

} // namespace orthavel

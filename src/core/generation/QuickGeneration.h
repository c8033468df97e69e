// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/generation/GenerationSteps.h"
#include "core/record/CharacterRecord.h"

namespace orthavel {

class Dice;
class Interaction;

// Quick player character generation over the record: a fresh Kessari or Neuonian character with
// a starting career, its dialogs one after another and the rules that connect them, ending on
// sheet page 1. A cancelled name dialog ends it early on the main menu page.
GenerationEnd RunQuickGeneration(CharacterRecord& record, Dice& dice, Interaction& ui);

} // namespace orthavel

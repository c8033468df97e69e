// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The skills a new character has from birth: those of its race, and the extra ones of its culture
// (some fixed, some drawn at random, two chosen in a dialog).

#include "core/record/CharacterRecord.h"

namespace orthavel {

class Dice;
class Interaction;

// The native skills of the record's race, set (not added). A Neuonian's come after two Rules
// Tips about the cultural skills and the painting they include.
void SetRaceNativeSkills(CharacterRecord& record, Interaction& ui);

// The extra native skills of the record's culture (m_nCulture). Random picks are uniform over
// their range and drawn from dice; the message box that announces them comes first.
void AddCultureNativeSkills(CharacterRecord& record, Dice& dice, Interaction& ui);

} // namespace orthavel

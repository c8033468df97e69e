// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The steps the generation flows share, each over the working record. A step whose dialog is
// cancelled leaves the record as it was, unless it says otherwise.

#include "core/generation/CareerTable.h"
#include "core/record/CharacterRecord.h"

#include <optional>
#include <span>
#include <string>

namespace orthavel {

class Dice;
class Interaction;

// How a generation ended: completed, or at its one early end, the cancelled name dialog.
enum class GenerationEnd { Completed, NameCancelled };

namespace generation_step {

// A fresh Kessari character; while the main menu is shown, the page waits for the first sheet.
void startNewCharacter(CharacterRecord& record);

// "Character Name and Attitude". Cancelled, the character goes back to the main menu page and
// false is answered: the generation ends there.
bool nameAndAttitude(CharacterRecord& record, Interaction& ui);

// The Rules Tip on pathways, then the generation's pathway dialog.
void pathway(CharacterRecord& record, Interaction& ui,
             std::optional<std::string> (*runDialog)(Interaction& ui));

// The House's jobs-and-professions dialog; a Raidir Specialist is told to choose the job she
// specializes in, then chooses it.
void houseCareer(CharacterRecord& record, Interaction& ui);

// "Family Trade" (average lineage for advantage or skill points, or a random lineage rolled
// here), then "Family Trade and Background" over the trade hints that leaves.
void familyTrade(CharacterRecord& record, Dice& dice, Interaction& ui);

// "Assign Advantages" over the record, then the derived values.
void assignAdvantages(CharacterRecord& record, Interaction& ui, bool professionChange = false);

// The advantages of a new character: the levels its profession starts with (set by
// setMinimums, after the tip that says so), the Groam's tip on magic, then "Assign Advantages".
void advantages(CharacterRecord& record, Interaction& ui,
                void (*setMinimums)(CharacterRecord& record));

// "Select Physical Traits" over the record's age and age range.
void physicalTraits(CharacterRecord& record, Interaction& ui);

// A roll of exactly 57 makes the character ambidextrous; any other roll asks "Handedness".
void handedness(CharacterRecord& record, Dice& dice, Interaction& ui);

// "Choose Skills" over the unspent skill points, then the life level.
void chooseSkills(CharacterRecord& record, Interaction& ui);

// The end of a new character: native skills, "Choose Skills", the profession's special skills
// and career level by the given table, the derived values, a Kessari's armor, sheet page 1.
void skillsToSheet(CharacterRecord& record, Dice& dice, Interaction& ui,
                   std::span<const CareerGroup> careers);

} // namespace generation_step
} // namespace orthavel

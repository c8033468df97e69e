// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Character Details: one form over the character's descriptive texts, for correcting a name or a
// description after the character was made. It shows no rule value, so none can change here.

#include "core/interaction/FormDialog.h"
#include "core/record/CharacterRecord.h"

#include <cstddef>
#include <string_view>

namespace orthavel {

class Interaction;

inline constexpr std::string_view kCharacterDetailsDialogTitle = "Character Details";

// The texts of the record, each in a field of the length its creation dialog gives it (the
// drop-down lists offer what the creation dialogs offer), with "OK" and "Cancel".
FormDialog characterDetailsDialog(const CharacterRecord& record);

// Shows the dialog; after OK every text that was edited is stored in record, and a text left
// alone keeps every byte, even one longer than its field. Answers whether OK was pressed.
bool runCharacterDetailsDialog(Interaction& ui, CharacterRecord& record);

// How many characters of a text of the record the player can type: the length of its field here,
// which is its creation dialog's. 0 for a text no field edits (it comes from a button).
std::size_t typedTextLength(Text CharacterRecord::*text);

} // namespace orthavel

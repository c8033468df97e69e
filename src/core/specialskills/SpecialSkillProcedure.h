// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"

#include <cstdint>

namespace orthavel {

class Interaction;

// The special-skill procedure of the character's profession (m_nProfession): its fixed grants
// and endowments, then its dialog once per pick, each accepted choice applied to the record.
// The picks come from the profession level on entry; in update mode there is exactly one.
// A cancelled showing uses up its pick. Professions without a procedure are left alone.
void SpecialSkillProcedure(CharacterRecord& record, Interaction& interaction);

// One endowment: its message, then "Choose Skills" with points of its own, which never touch
// m_nSkillPoints; otherwise as an allotment (AllotSkillPoints).
void GrantEndowment(CharacterRecord& record, std::int32_t points, Interaction& interaction);

} // namespace orthavel

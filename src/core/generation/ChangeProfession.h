// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"

namespace orthavel {

class Interaction;

// A change of job or profession, also to another House: the House and job are asked again, the
// newly earned advantage and skill points are spent (the advantages held to the new profession's
// minimums), and the new profession's special-skill step runs with all its picks. The rest of the
// character stays. Ends on sheet page 1 with update mode off.
void RunChangeProfession(CharacterRecord& record, Interaction& ui);

} // namespace orthavel

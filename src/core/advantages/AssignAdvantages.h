// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"

namespace orthavel {

class Interaction;

// Shows "Assign Advantages" over the record's race, update mode, profession, advantage levels,
// skill points and advantage points. When it is accepted the fifteen levels and both point pools
// come back into the record; cancelled, the record is left as it was. Answers whether accepted.
// During a change of profession its OK always holds the character to the new profession's
// minimums, however few skill points remain.
bool RunAssignAdvantages(CharacterRecord& record, Interaction& ui, bool professionChange = false);

} // namespace orthavel

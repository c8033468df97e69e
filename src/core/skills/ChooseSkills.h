// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"

#include <cstdint>

namespace orthavel {

class Interaction;

// What "Choose Skills" leaves when it closes, accepted or not.
struct ChosenSkills {
    bool accepted = false;
    std::int32_t skillPoints = 0; // the balance as it stands (0 after an accepted OK)
    std::int32_t experience = 0;
};

// Shows "Choose Skills" over the record's race, profession, experience and ratings with these
// skill points to spend. When it is accepted, the ratings, emphases, masteries and profession
// level come back into the record; the points and experience are answered either way, for the
// caller to keep or not.
ChosenSkills RunChooseSkills(CharacterRecord& record, std::int32_t skillPoints, Interaction& ui);

// A skill-point allotment: the record's unspent points are replaced by n, spent in "Choose
// Skills"; whatever the outcome the record keeps the balance and experience the dialog leaves,
// and the life level follows the profession level.
void AllotSkillPoints(CharacterRecord& record, std::int32_t n, Interaction& ui);

} // namespace orthavel

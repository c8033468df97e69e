// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/specialskills/SpecialSkillGrants.h"

namespace orthavel {
namespace {

// Grants and endowments belong to professions with a procedure, the endowment rows one each.
constexpr bool grantsBelongToProcedures() {
    for (const FixedGrant& grant : kFixedGrants) {
        if (!hasSpecialSkillProcedure(grant.profession) || grant.first > grant.last) {
            return false;
        }
    }
    for (std::size_t i = 0; i < kEndowments.size(); ++i) {
        const EndowmentRow& row = kEndowments[i];
        if (!hasSpecialSkillDialog(row.profession) || !row.first.exists) {
            return false;
        }
        for (std::size_t j = i + 1; j < kEndowments.size(); ++j) {
            if (kEndowments[j].profession == row.profession) {
                return false;
            }
        }
    }
    return true;
}

static_assert(grantsBelongToProcedures());
static_assert(kSquireGrants[0].highestLevel < kSquireGrants[1].lowestLevel);

} // namespace
} // namespace orthavel

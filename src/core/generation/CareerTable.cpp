// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/generation/CareerTable.h"

#include "core/record/Names.h"
#include "core/specialskills/SpecialSkillGrants.h"

namespace orthavel {
namespace {

// Every profession with a special-skill procedure has its step here, and no other does, except
// the Neuonian starting jobs, whose procedures run in quick generation only. Every code stands in
// one row, but the Neuonian starting jobs and the Specialist (66), which stand in none.
constexpr bool agreesWithTheSpecialSkills() {
    for (std::int32_t profession = -1;
         profession <= static_cast<std::int32_t>(kProfessionNames.size()); ++profession) {
        const bool neuonianJob = profession >= profession::kFirstNeuonianJob &&
                                 profession <= profession::kLastNeuonianJob;
        if (careerStep(profession).specialSkills !=
            (hasSpecialSkillProcedure(profession) && !neuonianJob)) {
            return false;
        }
        int rows = 0;
        for (const CareerGroup& g : kCareerTable) {
            for (std::size_t i = 0; i < g.professionCount; ++i) {
                rows += g.professionSlots[i] == profession ? 1 : 0;
            }
        }
        const bool listed = profession >= 0 &&
                            profession < static_cast<std::int32_t>(kProfessionNames.size()) &&
                            profession != 66 && !neuonianJob;
        if (rows != (listed ? 1 : 0)) {
            return false;
        }
    }
    return true;
}

static_assert(agreesWithTheSpecialSkills());

} // namespace
} // namespace orthavel

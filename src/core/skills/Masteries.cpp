// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/skills/Masteries.h"

#include "core/skills/SkillCatalogue.h"

namespace orthavel {

MasteryResult computeMasteries(std::int32_t race, const SkillRatings& ratings) {
    MasteryResult result;

    for (std::size_t e = 0; e < kEmphases.size(); ++e) {
        const EmphasisInfo& emphasis = kEmphases[e];
        // Ratings read from a file may be anything: sum wide so no total can overflow.
        std::int64_t sum = 0;
        std::int32_t count = 0;
        for (const MemberRange& range : emphasis.members) {
            if (!countsFor(range.scope, race)) {
                continue;
            }
            for (int skill = range.first; skill <= range.last; ++skill) {
                const std::int32_t rating = ratings[static_cast<std::size_t>(skill)];
                if (rating > 0) {
                    sum += rating;
                    ++count;
                }
            }
        }
        if (count > 0 && count >= emphasis.ratedNeeded) {
            // The average first, then the tenth.
            result.emphases[e] = static_cast<std::int32_t>((sum / count) / 10);
        }
    }

    std::array<std::int64_t, kMasteryCount> sum{};
    std::array<std::int32_t, kMasteryCount> count{};
    for (std::size_t e = 0; e < kEmphases.size(); ++e) {
        const std::int32_t level = result.emphases[e];
        if (level > 0) {
            const auto m = static_cast<std::size_t>(kEmphases[e].mastery);
            sum[m] += level;
            ++count[m];
        }
    }
    for (std::size_t m = 0; m < result.masteries.size(); ++m) {
        if (sum[m] > 0) {
            result.masteries[m] = static_cast<std::int32_t>(sum[m] / count[m]);
        }
    }
    return result;
}

} // namespace orthavel

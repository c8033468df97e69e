// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/npc/RatingPlan.h"

#include "core/dice/Dice.h"
#include "core/skills/SkillLevels.h"

#include <algorithm>
#include <vector>

namespace orthavel {
namespace {

// No plan needs more steps than this; a bound, so nothing loops without end.
constexpr int kMostPlanSteps = 400;

// The members of an emphasis that count for a race and can be rated in the dialog.
std::vector<std::int32_t> membersOf(std::int32_t emphasis, std::int32_t race) {
    std::vector<std::int32_t> members;
    for (const MemberRange& range : kEmphases[static_cast<std::size_t>(emphasis)].members) {
        if (!countsFor(range.scope, race)) {
            continue;
        }
        for (std::int32_t skill = range.first; skill <= range.last; ++skill) {
            if (choosableSkills()[static_cast<std::size_t>(skill)]) {
                members.push_back(skill);
            }
        }
    }
    return members;
}

} // namespace

const std::array<std::optional<Choosable>, kSkillCount>& choosableSkills() {
    static const auto table = [] {
        std::array<std::optional<Choosable>, kSkillCount> skills{};
        for (int c = 0; c < kSkillCategoryCount; ++c) {
            const auto category = static_cast<SkillCategory>(c);
            for (const CatalogueEntry& entry : categoryEntries(category)) {
                auto& slot = skills[static_cast<std::size_t>(entry.skill)];
                if (!slot) {
                    slot = Choosable{category, entry.name};
                }
            }
        }
        return skills;
    }();
    return table;
}

bool RatingPlan::requirementsMet() const {
    return ratedLevels(m_race, m_profession, m_ratings).check.met;
}

bool RatingPlan::meetRequirements() {
    const MasteryRequirementRow* row = findMasteryRequirements(m_race, m_profession);
    if (row == nullptr) {
        return true;
    }
    for (int step = 0; step < kMostPlanSteps; ++step) {
        const RatedLevels rated = ratedLevels(m_race, m_profession, m_ratings);
        if (rated.check.met) {
            return true;
        }
        const std::int64_t before = m_cost;
        for (const MasteryRequirement& requirement : row->required) {
            if (requirement.value.kind != MasteryValue::Kind::None &&
                valueOf(requirement.value, rated.levels, m_ratings) < requirement.minimum) {
                raise(requirement.value, requirement.minimum, rated.levels);
                break;
            }
        }
        if (m_cost == before) {
            return false;
        }
    }
    return false;
}

void RatingPlan::spend(std::int64_t points) {
    const bool keep = requirementsMet();
    for (int attempt = 0; attempt < 60 && m_cost < points; ++attempt) {
        const auto skill = static_cast<std::size_t>(m_dice.uniform(0, kSkillCount - 1));
        if (!choosableSkills()[skill] || m_ratings[skill] >= kHighestRating) {
            continue;
        }
        const auto most = static_cast<std::int32_t>(
            std::min<std::int64_t>(kHighestRating - m_ratings[skill], points - m_cost));
        const std::int32_t amount = m_dice.uniform(1, std::min(most, 40));
        m_ratings[skill] += amount;
        if (keep && !requirementsMet()) {
            m_ratings[skill] -= amount;
            continue;
        }
        m_cost += amount;
    }
    const auto fill = [&](auto&& wanted) {
        for (std::int32_t skill = 0; skill < kSkillCount && m_cost < points; ++skill) {
            const auto s = static_cast<std::size_t>(skill);
            if (choosableSkills()[s] && wanted(skill)) {
                const auto amount = static_cast<std::int32_t>(
                    std::min<std::int64_t>(kHighestRating - m_ratings[s], points - m_cost));
                m_ratings[s] += amount;
                m_cost += amount;
            }
        }
    };
    fill([&](std::int32_t skill) { return !emphasisOf(skill, m_race); });
    fill([&](std::int32_t skill) { return m_ratings[static_cast<std::size_t>(skill)] > 0; });
}

void RatingPlan::setAtLeast(std::int32_t skill, std::int32_t rating) {
    auto& current = m_ratings[static_cast<std::size_t>(skill)];
    const std::int32_t target = std::min(rating, kHighestRating);
    if (current < target) {
        m_cost += target - current;
        current = target;
    }
}

// An emphasis at least level: enough members rated, and their average at level times ten.
void RatingPlan::raiseEmphasis(std::int32_t emphasis, std::int32_t level) {
    std::vector<std::int32_t> members = membersOf(emphasis, m_race);
    const std::int32_t goal = level * 10;
    std::int32_t rated = 0;
    for (std::int32_t skill : members) {
        rated += m_ratings[static_cast<std::size_t>(skill)] > 0 ? 1 : 0;
    }
    const std::int32_t needed = kEmphases[static_cast<std::size_t>(emphasis)].ratedNeeded;
    // Unrated members join at the goal, in a random order.
    m_dice.shuffle(members);
    for (std::int32_t skill : members) {
        if (rated >= needed) {
            break;
        }
        if (m_ratings[static_cast<std::size_t>(skill)] <= 0) {
            setAtLeast(skill, std::max(goal, 1));
            ++rated;
        }
    }
    // Then the lowest rated members rise until the average reaches the goal.
    std::int64_t sum = 0;
    std::vector<std::int32_t> ratedMembers;
    for (std::int32_t skill : members) {
        if (const std::int32_t r = m_ratings[static_cast<std::size_t>(skill)]; r > 0) {
            sum += r;
            ratedMembers.push_back(skill);
        }
    }
    std::sort(ratedMembers.begin(), ratedMembers.end(), [&](std::int32_t a, std::int32_t b) {
        return m_ratings[static_cast<std::size_t>(a)] < m_ratings[static_cast<std::size_t>(b)];
    });
    std::int64_t missing =
        std::int64_t{goal} * static_cast<std::int64_t>(ratedMembers.size()) - sum;
    for (std::int32_t skill : ratedMembers) {
        if (missing <= 0) {
            break;
        }
        const std::int32_t current = m_ratings[static_cast<std::size_t>(skill)];
        const auto raised =
            static_cast<std::int32_t>(std::min<std::int64_t>(kHighestRating, current + missing));
        missing -= raised - current;
        setAtLeast(skill, raised);
    }
}

void RatingPlan::raise(const MasteryValue& value, std::int32_t minimum,
                       const MasteryResult& levels) {
    switch (value.kind) {
    case MasteryValue::Kind::Rating:
        setAtLeast(value.index, minimum);
        break;
    case MasteryValue::Kind::Emphasis:
        raiseEmphasis(value.index, minimum);
        break;
    case MasteryValue::Kind::Mastery: {
        // Every emphasis the mastery averages reaches the minimum; with none yet, one does.
        std::vector<std::int32_t> emphases;
        std::vector<std::int32_t> candidates;
        for (std::int32_t e = 0; e < kEmphasisCount; ++e) {
            const auto i = static_cast<std::size_t>(e);
            if (kEmphases[i].mastery != value.index ||
                membersOf(e, m_race).size() < static_cast<std::size_t>(kEmphases[i].ratedNeeded)) {
                continue;
            }
            candidates.push_back(e);
            if (levels.emphases[i] > 0 && levels.emphases[i] < minimum) {
                emphases.push_back(e);
            }
        }
        bool anyRated = false;
        for (std::int32_t e : candidates) {
            anyRated = anyRated || levels.emphases[static_cast<std::size_t>(e)] > 0;
        }
        if (!anyRated && !candidates.empty()) {
            emphases.push_back(m_dice.pick(candidates));
        }
        for (std::int32_t e : emphases) {
            raiseEmphasis(e, minimum);
        }
        break;
    }
    case MasteryValue::Kind::None:
        break;
    }
}

} // namespace orthavel

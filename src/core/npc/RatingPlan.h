// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/skills/Masteries.h"
#include "core/skills/MasteryRequirements.h"
#include "core/skills/SkillCatalogue.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orthavel {

class Dice;

// The skills a rating can be given in "Choose Skills": its list and its text there.
struct Choosable {
    SkillCategory category = SkillCategory::Combat;
    std::string_view entry;
};

// For every skill, where "Choose Skills" rates it; nothing for a skill it does not list.
const std::array<std::optional<Choosable>, kSkillCount>& choosableSkills();

// Ratings worked out before they are typed into "Choose Skills", with what they cost so far: the
// profession's mastery requirements met at the least cost it finds, then the rest of the points
// spent at random. Every draw comes from one Dice.
class RatingPlan {
public:
    RatingPlan(std::int32_t race, std::int32_t profession, const SkillRatings& ratings, Dice& dice)
        : m_race(race), m_profession(profession), m_ratings(ratings), m_dice(dice) {}

    const SkillRatings& ratings() const { return m_ratings; }
    std::int64_t cost() const { return m_cost; }
    bool requirementsMet() const;

    // Raises ratings until the profession's mastery requirements hold, the lowest first; false
    // when no raise within 100 can make them hold.
    bool meetRequirements();

    // Spends points at random without breaking the requirements where they hold: a raise that
    // would break them is taken back. What chance does not place goes first to skills that count
    // toward no emphasis, then to skills already rated (a higher rating never lowers a level).
    void spend(std::int64_t points);

private:
    void setAtLeast(std::int32_t skill, std::int32_t rating);
    void raiseEmphasis(std::int32_t emphasis, std::int32_t level);
    void raise(const MasteryValue& value, std::int32_t minimum, const MasteryResult& levels);

    std::int32_t m_race;
    std::int32_t m_profession;
    SkillRatings m_ratings;
    Dice& m_dice;
    std::int64_t m_cost = 0;
};

} // namespace orthavel

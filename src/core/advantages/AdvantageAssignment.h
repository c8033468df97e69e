// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/advantages/ProfessionMinimums.h"
#include "core/interaction/Message.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orthavel {

// The "Assign Advantages" dialog's logic: the player spends advantage points on the fifteen
// advantage levels within the race's maxima, trades 25 skill points for 1 advantage point and
// back, and may leave only when the pool is empty, enough skill points remain and the
// profession's minimums are met. The view shows its values and forwards every click to it.
class AdvantageAssignment {
public:
    static constexpr std::string_view kTitle = "Assign Advantages";
    static constexpr std::string_view kToSkillPointsButton = "Advantages -> Skill Pts";
    static constexpr std::string_view kOkButton = "OK";
    static constexpr std::string_view kToAdvantagesButton = "Skill Pts -> Advantages";
    static constexpr std::string_view kTextLine1 =
        "Advantages modify a character's limits, these are attributes in which your character";
    static constexpr std::string_view kTextLine2 =
        "is above the norm.  You may trade 25 Skill Points for 1 Advantage.";
    // Skill points one advantage point is worth.
    static constexpr std::int32_t kTradeRate = 25;
    // Skill points a generated character must keep (or as many as it came with, if fewer).
    static constexpr std::int32_t kSkillPointFloor = 200;

    // Copies the inputs in; every level counts as already charged.
    void open(std::int32_t race, std::int32_t updateMode, std::int32_t profession,
              const AdvantageLevels& levels, std::int32_t skillPoints,
              std::int32_t advantagePoints);

    // During a change of profession the OK check holds the character to the new profession's
    // minimums even in update mode (the 200-point floor stays waived).
    void setProfessionChange(bool changing) { m_professionChange = changing; }

    std::int32_t race() const { return m_race; }
    std::int32_t updateMode() const { return m_updateMode; }
    std::int32_t profession() const { return m_profession; }
    const AdvantageLevels& levels() const { return m_previousLevel; }
    std::int32_t level(Advantage advantage) const;
    std::int32_t skillPoints() const { return m_skillPoints; }
    std::int32_t advantagePoints() const { return m_advantagePoints; }

    // The range of an advantage's box: -10 to the race maximum.
    std::int32_t minimumLevel(Advantage advantage) const;
    std::int32_t maximumLevel(Advantage advantage) const;

    // A committed level (a typed value): outside the range it is refused and the level stays.
    // Otherwise the change is charged: one advantage point per level, borrowing 25 skill points
    // for each point the pool would go below 0. Answers whether the level was taken.
    bool setLevel(Advantage advantage, std::int32_t newLevel);
    // A typed text: refused unless it is a whole number in range.
    bool typeLevel(Advantage advantage, std::string_view typed);
    // An arrow click: one level up (+1) or down (-1) within the range. A level read from a file
    // outside the range may still be stepped back toward it.
    bool stepLevel(Advantage advantage, int delta);
    // That many arrow clicks in one go (down for a negative count), with the same result.
    bool clickArrows(Advantage advantage, int clicks);

    // "Advantages -> Skill Pts": one advantage point for 25 skill points, when there is one.
    void advantagesToSkillPoints();
    // "Skill Pts -> Advantages": 25 skill points for one advantage point, when more than 225
    // remain.
    void skillPointsToAdvantages();

    // OK: nothing when the dialog may close, otherwise the warning to show (the dialog stays
    // open and nothing changes).
    std::optional<Message> confirm() const;

    std::string advantageCounterText() const; // "Advantages: %i"
    std::string skillCounterText() const;     // "Skill Points: %i"

private:
    void charge(std::int64_t advantagePointsSpent);

    std::int32_t m_race = 0;
    std::int32_t m_updateMode = 0;
    std::int32_t m_profession = 0;
    // The level of each advantage already charged to the pools.
    AdvantageLevels m_previousLevel{};
    std::int32_t m_skillPoints = 0;
    // The skill points it was opened with: below 200, the floor a generated character keeps.
    std::int32_t m_openingSkillPoints = 0;
    std::int32_t m_advantagePoints = 0;
    bool m_professionChange = false;
};

} // namespace orthavel

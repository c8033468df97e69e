// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/advantages/AdvantageAssignment.h"

#include "core/record/Wrapping.h"

#include <algorithm>

#include "core/interaction/ArrowClicks.h"
#include "core/interaction/NumberPrompt.h"

namespace orthavel {

namespace {

bool validAdvantage(Advantage advantage) {
    return indexOf(advantage) < kAdvantages.size();
}

} // namespace

void AdvantageAssignment::open(std::int32_t race, std::int32_t updateMode, std::int32_t profession,
                               const AdvantageLevels& levels, std::int32_t skillPoints,
                               std::int32_t advantagePoints) {
    m_race = race;
    m_updateMode = updateMode;
    m_profession = profession;
    m_previousLevel = levels;
    m_skillPoints = skillPoints;
    m_openingSkillPoints = skillPoints;
    m_advantagePoints = advantagePoints;
}

std::int32_t AdvantageAssignment::level(Advantage advantage) const {
    return validAdvantage(advantage) ? m_previousLevel[indexOf(advantage)] : 0;
}

std::int32_t AdvantageAssignment::minimumLevel(Advantage /*advantage*/) const {
    return kLowestAdvantageLevel;
}

std::int32_t AdvantageAssignment::maximumLevel(Advantage advantage) const {
    return validAdvantage(advantage) ? AdvantageMaximum(m_race, advantage) : 0;
}

void AdvantageAssignment::charge(std::int64_t advantagePointsSpent) {
    std::int64_t advantagePoints =
        static_cast<std::int64_t>(m_advantagePoints) - advantagePointsSpent;
    std::int64_t skillPoints = m_skillPoints;
    if (advantagePoints < 0) {
        // Borrow 25 skill points for every missing advantage point, all at once.
        skillPoints -= -advantagePoints * kTradeRate;
        advantagePoints = 0;
    }
    // A pool read from a file can be anything: the sums are wide, then wrap as every value of
    // the record does.
    m_advantagePoints = Wrapping::of(advantagePoints).value();
    m_skillPoints = Wrapping::of(skillPoints).value();
}

bool AdvantageAssignment::setLevel(Advantage advantage, std::int32_t newLevel) {
    if (!validAdvantage(advantage) || newLevel < minimumLevel(advantage) ||
        newLevel > maximumLevel(advantage)) {
        return false;
    }
    auto& previous = m_previousLevel[indexOf(advantage)];
    // One level costs one point at every height; lowering a level gains the points back.
    charge(static_cast<std::int64_t>(newLevel) - previous);
    previous = newLevel;
    return true;
}

bool AdvantageAssignment::typeLevel(Advantage advantage, std::string_view typed) {
    if (!validAdvantage(advantage)) {
        return false;
    }
    const auto value = parseWholeNumber(typed, minimumLevel(advantage), maximumLevel(advantage));
    return value && setLevel(advantage, *value);
}

bool AdvantageAssignment::stepLevel(Advantage advantage, int delta) {
    return (delta == 1 || delta == -1) && clickArrows(advantage, delta);
}

bool AdvantageAssignment::clickArrows(Advantage advantage, int clicks) {
    if (!validAdvantage(advantage)) {
        return false;
    }
    const std::int32_t current = level(advantage);
    const std::int64_t target =
        afterArrowClicks(current, clicks, minimumLevel(advantage), maximumLevel(advantage));
    if (target == current) {
        return false;
    }
    // The first click may settle a pool that was below zero; from there on every level costs or
    // gains one point, so the remaining clicks are charged at once.
    const int direction = clicks < 0 ? -1 : 1;
    charge(direction);
    if (target - current != direction) {
        charge(target - current - direction);
    }
    m_previousLevel[indexOf(advantage)] = static_cast<std::int32_t>(target);
    return true;
}

void AdvantageAssignment::advantagesToSkillPoints() {
    if (m_advantagePoints > 0) {
        m_advantagePoints -= 1;
        m_skillPoints = (Wrapping(m_skillPoints) + kTradeRate).value();
    }
}

void AdvantageAssignment::skillPointsToAdvantages() {
    // At least 201 skill points remain after the trade.
    if (m_skillPoints > kSkillPointFloor + kTradeRate) {
        m_advantagePoints = (Wrapping(m_advantagePoints) + 1).value();
        m_skillPoints -= kTradeRate;
    }
}

std::optional<Message> AdvantageAssignment::confirm() const {
    if (m_advantagePoints != 0) {
        return Message{"Advantage Warning",
                       "You still have Advantages to spend.\nSpend them or convert them to Skill "
                       "Points.",
                       true};
    }
    if (m_skillPoints < kSkillPointFloor) {
        // A character that came with fewer (a young one of a Full Generation) may keep what it
        // has; it may not spend any of it on advantages.
        if (m_updateMode == 0 && m_skillPoints < std::min(kSkillPointFloor, m_openingSkillPoints)) {
            return Message{"Skill Points Warning",
                           "You must have at least 200 skill points to continue.", true};
        }
        if (m_updateMode != 0 && !m_professionChange) {
            return std::nullopt;
        }
    }
    if (meetsMinimums(m_race, m_profession, m_previousLevel)) {
        return std::nullopt;
    }
    return Message{std::string(kMinimumsWarningTitle),
                   std::string(minimumsWarning(m_race, m_profession)), true};
}

std::string AdvantageAssignment::advantageCounterText() const {
    return "Advantages: " + std::to_string(m_advantagePoints);
}

std::string AdvantageAssignment::skillCounterText() const {
    return "Skill Points: " + std::to_string(m_skillPoints);
}

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/skills/SkillSelection.h"

#include "core/interaction/ArrowClicks.h"
#include "core/interaction/NumberPrompt.h"
#include "core/skills/Masteries.h"

#include <algorithm>
#include <cctype>

namespace orthavel {

namespace {

constexpr std::size_t indexOf(SkillCategory category) {
    return static_cast<std::size_t>(category);
}

} // namespace

void SkillSelection::open(std::int32_t race, std::int32_t profession, std::int32_t skillPoints,
                          std::int32_t experience, const SkillRatings& ratings,
                          std::int32_t professionLevel) {
    m_race = race;
    m_profession = profession;
    m_skillPoints = skillPoints;
    m_experience = experience;
    m_previousRating = ratings;
    m_rating = ratings;
    m_rows = {};
    m_levels = {};
    m_professionLevel = professionLevel;
}

SkillSelection::Row& SkillSelection::row(SkillCategory category) {
    return m_rows.at(indexOf(category));
}

const SkillSelection::Row& SkillSelection::row(SkillCategory category) const {
    return m_rows.at(indexOf(category));
}

std::string_view SkillSelection::chosenEntry(SkillCategory category) const {
    return row(category).chosen;
}

std::int32_t SkillSelection::boxValue(SkillCategory category) const {
    return row(category).box;
}

bool SkillSelection::chooseEntry(SkillCategory category, std::string_view entry) {
    for (const CatalogueEntry& candidate : categoryEntries(category)) {
        if (candidate.name == entry) {
            Row& r = row(category);
            r.chosen = candidate.name;
            r.skill = candidate.skill;
            r.box = m_previousRating[static_cast<std::size_t>(candidate.skill)];
            return true;
        }
    }
    return false;
}

bool SkillSelection::typeEntry(SkillCategory category, std::string_view typed) {
    const auto lower = [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    };
    for (const CatalogueEntry& candidate : categoryEntries(category)) {
        if (std::ranges::equal(candidate.name, typed, {}, lower, lower)) {
            return chooseEntry(category, candidate.name);
        }
    }
    return false;
}

void SkillSelection::chargeSkill(std::int32_t skill) {
    const auto s = static_cast<std::size_t>(skill);
    // One skill point per rating point, both ways. Ratings read from a file may be anything, so
    // the difference is taken wide and the balance wraps like every 32-bit value.
    const std::int64_t spent = static_cast<std::int64_t>(m_rating[s]) - m_previousRating[s];
    m_skillPoints = static_cast<std::int32_t>(static_cast<std::int64_t>(m_skillPoints) - spent);
    m_previousRating[s] = m_rating[s];
}

bool SkillSelection::stepBox(SkillCategory category, int delta) {
    return (delta == 1 || delta == -1) && clickArrows(category, delta);
}

bool SkillSelection::clickArrows(SkillCategory category, int clicks) {
    if (indexOf(category) >= kSkillCategoryCount) {
        return false;
    }
    Row& r = row(category);
    // A rating read from a file outside 0 to 100 may only be stepped back toward the range.
    const std::int64_t target = afterArrowClicks(r.box, clicks, kLowestRating, kHighestRating);
    if (target == r.box) {
        return false;
    }
    r.box = static_cast<std::int32_t>(target);
    for (const Row& other : m_rows) {
        if (other.skill >= 0) {
            m_rating[static_cast<std::size_t>(other.skill)] = other.box;
        }
    }
    // Charging goes by the difference to the charged rating, so many clicks charge as one.
    for (std::int32_t skill = 0; skill < kSkillCount; ++skill) {
        chargeSkill(skill);
    }
    return true;
}

bool SkillSelection::setBoxValue(SkillCategory category, std::int32_t value) {
    if (indexOf(category) >= kSkillCategoryCount) {
        return false;
    }
    Row& r = row(category);
    if (value < kLowestRating || value > kHighestRating) {
        if (r.skill >= 0) {
            r.box = m_previousRating[static_cast<std::size_t>(r.skill)];
        }
        return false;
    }
    r.box = value;
    if (r.skill >= 0) {
        m_rating[static_cast<std::size_t>(r.skill)] = value;
    }
    for (const CatalogueEntry& entry : categoryEntries(category)) {
        chargeSkill(entry.skill);
    }
    return true;
}

bool SkillSelection::typeBoxValue(SkillCategory category, std::string_view typed) {
    if (indexOf(category) >= kSkillCategoryCount) {
        return false;
    }
    const auto value = parseWholeNumber(typed, kLowestRating, kHighestRating);
    if (!value) {
        Row& r = row(category);
        if (r.skill >= 0) {
            r.box = m_previousRating[static_cast<std::size_t>(r.skill)];
        }
        return false;
    }
    return setBoxValue(category, *value);
}

const MasteryResult& SkillSelection::showEmphasis() {
    m_levels = computeMasteries(m_race, m_previousRating);
    return m_levels;
}

std::optional<Message> SkillSelection::confirm() {
    m_levels = computeMasteries(m_race, m_previousRating);
    const MasteryCheck check =
        checkMasteryRequirements(m_race, m_profession, m_levels, m_previousRating);
    if (!check.met) {
        return Message{std::string(kMasteryWarningTitle), check.warning, false};
    }
    if (m_skillPoints < 0) {
        return Message{"Negative Skill Points!!!", "You must have zero skill points to continue.",
                       false};
    }
    if (m_skillPoints > 0) {
        return Message{"Not Done Yet.", "You still have skill points to spend.", false};
    }
    // Only an accepted OK sets the profession level, so a refused one changes nothing.
    if (check.professionLevel) {
        m_professionLevel = *check.professionLevel;
    }
    return std::nullopt;
}

std::string SkillSelection::counterText() const {
    return "Skill Points: " + std::to_string(m_skillPoints);
}

} // namespace orthavel

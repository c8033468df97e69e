// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/skills/SkillRoll.h"

#include "core/interaction/NumberPrompt.h"
#include "core/record/Wrapping.h"
#include "core/skills/SkillCatalogue.h"

#include <algorithm>
#include <cctype>

namespace orthavel {
namespace {

// A name as the filter reads it: lower case, without blanks.
std::string folded(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c != ' ') {
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return out;
}

} // namespace

SkillRoll::SkillRoll(const CharacterRecord& record, std::optional<std::int32_t> given) {
    for (std::int32_t skill = 0; skill < kSkillCount; ++skill) {
        const std::int32_t rating = record.m_aSkill[static_cast<std::size_t>(skill)];
        const std::string_view name = skillName(skill);
        if (rating > 0 && !name.empty()) {
            m_rated.push_back({skill, std::string(name), rating});
        }
        if (given == skill && rating > 0 && !name.empty()) {
            m_chosen = m_given = skill;
        }
    }
    setFilter({});
}

void SkillRoll::setFilter(std::string_view typed) {
    m_filter = typed;
    const std::string wanted = folded(typed);
    m_shown.clear();
    for (const RatedSkill& rated : m_rated) {
        if (folded(rated.name).find(wanted) != std::string::npos) {
            m_shown.push_back(rated);
        }
    }
    const bool stillShown = m_chosen && std::any_of(m_shown.begin(), m_shown.end(),
                                                    [&](auto& s) { return s.skill == *m_chosen; });
    if (!stillShown) {
        m_chosen = m_shown.empty() ? std::nullopt : std::optional(m_shown.front().skill);
    }
}

bool SkillRoll::choose(std::string_view name) {
    const std::string wanted = folded(name);
    for (const RatedSkill& shown : m_shown) {
        if (folded(shown.name) == wanted) {
            m_chosen = shown.skill;
            return true;
        }
    }
    return false;
}

const SkillRoll::RatedSkill* SkillRoll::chosen() const {
    for (const RatedSkill& shown : m_shown) {
        if (m_chosen && shown.skill == *m_chosen) {
            return &shown;
        }
    }
    return nullptr;
}

std::optional<std::string> SkillRoll::chooseOnly(std::string_view name) {
    setFilter(name);
    if (choose(name)) {
        return std::nullopt;
    }
    for (std::int32_t skill = 0; skill < kSkillCount; ++skill) {
        if (!skillName(skill).empty() && folded(skillName(skill)) == folded(name)) {
            return "the character's \"" + std::string(skillName(skill)) + "\" is not rated";
        }
    }
    return "no skill is called \"" + std::string(name) + "\"";
}

bool SkillRoll::setDifficulty(std::int32_t difficulty) {
    if (difficulty < kLowestDifficulty || difficulty > kHighestDifficulty) {
        return false;
    }
    m_difficulty = difficulty;
    m_difficultyTyped = true;
    return true;
}

bool SkillRoll::typeDifficulty(std::string_view typed) {
    const auto difficulty = parseWholeNumber(typed, kLowestDifficulty, kHighestDifficulty);
    m_difficultyTyped = difficulty.has_value();
    return difficulty && setDifficulty(*difficulty);
}

std::optional<std::int32_t> SkillRoll::baseNumber() const {
    if (const RatedSkill* skill = chosen(); skill != nullptr && m_difficultyTyped) {
        return (Wrapping(skill->rating) - m_difficulty).value();
    }
    return std::nullopt;
}

std::string SkillRoll::baseNumberText() const {
    const auto base = baseNumber();
    return "Base Number: " + (base ? std::to_string(*base) : std::string("-"));
}

std::optional<Message> SkillRoll::confirm() const {
    if (chosen() != nullptr) {
        if (!m_difficultyTyped) {
            return rangePrompt(kLowestDifficulty, kHighestDifficulty);
        }
        return std::nullopt;
    }
    return Message{std::string(kTitle),
                   m_rated.empty()
                       ? "The character has no rated skill to roll against."
                       : "No rated skill of the character is called \"" + m_filter + "\".",
                   true};
}

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/interaction/Message.h"
#include "core/record/CharacterRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orthavel {

// "Roll Against Skill": the character's rated skills with their ratings, narrowed by what the
// player types, one of them chosen, a difficulty, and the base number they make for the ROC
// roll (the rating less the difficulty).
class SkillRoll {
public:
    static constexpr std::string_view kTitle = "Roll Against Skill";
    static constexpr std::string_view kFilterLabel = "Skill:";
    static constexpr std::string_view kDifficultyLabel = "Difficulty:";
    static constexpr std::int32_t kLowestDifficulty = -1000;
    static constexpr std::int32_t kHighestDifficulty = 1000;

    struct RatedSkill {
        std::int32_t skill = 0;
        std::string name; // the catalogue's name, as "Choose Skills" lists it
        std::int32_t rating = 0;

        bool operator==(const RatedSkill&) const = default;
    };

    // Every skill rated above 0, in the catalogue's order. The skill given (a line of the sheet)
    // is chosen when it is rated, otherwise the first one.
    explicit SkillRoll(const CharacterRecord& record, std::optional<std::int32_t> given = {});

    // The rated skill the dialog was opened on, if any.
    std::optional<std::int32_t> given() const { return m_given; }

    // The rated skills whose names hold the typed text, letters without regard to case and blanks
    // left out ("longsword" finds "Long Sword"). The choice stays when it is still shown,
    // otherwise the first one shown is chosen.
    void setFilter(std::string_view typed);
    const std::string& filter() const { return m_filter; }
    const std::vector<RatedSkill>& shown() const { return m_shown; }

    // Chooses a shown skill by its name, letters without regard to case; false when none is.
    bool choose(std::string_view name);
    const RatedSkill* chosen() const;
    // Narrows the list to one skill by its name and chooses it, as the command line names it;
    // otherwise says why it cannot be rolled against: no skill is called so, or the character's
    // is not rated.
    std::optional<std::string> chooseOnly(std::string_view name);

    // A difficulty outside -1000 to 1000 is refused and the one before stays.
    bool setDifficulty(std::int32_t difficulty);
    // What is typed into the difficulty box: a whole number from -1000 to 1000 is the
    // difficulty; anything else leaves no base number until a number is typed, and OK refuses.
    bool typeDifficulty(std::string_view typed);
    std::int32_t difficulty() const { return m_difficulty; }

    // The rating of the chosen skill less the difficulty; nothing while none is chosen or the
    // difficulty typed is no number.
    std::optional<std::int32_t> baseNumber() const;
    // "Base Number: 25" for the dialog to show.
    std::string baseNumberText() const;

    // OK: nothing when the roll can be made, otherwise the message to show.
    std::optional<Message> confirm() const;

private:
    std::vector<RatedSkill> m_rated;
    std::vector<RatedSkill> m_shown;
    std::string m_filter;
    std::optional<std::int32_t> m_chosen; // a skill slot
    std::optional<std::int32_t> m_given;
    std::int32_t m_difficulty = 0;
    bool m_difficultyTyped = true; // false while the box holds no number in range
};

} // namespace orthavel

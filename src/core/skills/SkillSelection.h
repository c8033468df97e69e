// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/interaction/Message.h"
#include "core/skills/MasteryRequirements.h"
#include "core/skills/SkillCatalogue.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orthavel {

// The "Choose Skills" dialog's logic: one drop-down list and one number box per category; every
// rating point costs one skill point. OK is accepted only when the profession's mastery
// requirements are met and the skill points are spent to exactly zero. The view shows its values
// and forwards every pick, arrow and typed value to it.
class SkillSelection {
public:
    static constexpr std::string_view kTitle = "Choose Skills";
    static constexpr std::string_view kEmphasisButton = "&Emphasis Levels";
    static constexpr std::string_view kOkButton = "OK";
    static constexpr std::string_view kTextLine1 =
        "Higher skills can be purchased during character generation.";
    static constexpr std::string_view kTextLine2 =
        "Check you Emphasis Levels to see if you have the minimums for your job.";

    // Copies the inputs in: every rating counts as already charged, no entry is chosen, every
    // box shows 0, emphases and masteries are 0. professionLevel is the record's level, kept
    // when the profession has no requirements in the race's branch.
    void open(std::int32_t race, std::int32_t profession, std::int32_t skillPoints,
              std::int32_t experience, const SkillRatings& ratings, std::int32_t professionLevel);

    std::int32_t race() const { return m_race; }
    std::int32_t profession() const { return m_profession; }
    std::int32_t skillPoints() const { return m_skillPoints; }
    std::int32_t experience() const { return m_experience; }
    const SkillRatings& ratings() const { return m_previousRating; }
    const MasteryResult& levels() const { return m_levels; }
    std::int32_t professionLevel() const { return m_professionLevel; }

    // The entry last picked in a category's list (empty when none) and its box's value.
    std::string_view chosenEntry(SkillCategory category) const;
    std::int32_t boxValue(SkillCategory category) const;

    // Picking an entry from the list: the box shows that skill's rating; nothing is charged.
    // A text that is not one of the category's entries chooses nothing.
    bool chooseEntry(SkillCategory category, std::string_view entry);
    // Text typed into a category's list and left: equal to one of its entries, case aside, it
    // chooses that entry as picking it would; any other text chooses nothing and the choice
    // stays as it was (the field shows chosenEntry again).
    bool typeEntry(SkillCategory category, std::string_view typed);
    // An arrow click on a category's box (+1 or -1, within 0 to 100): every category with a
    // chosen entry stores its box's value as that skill's rating, and every change is charged.
    bool stepBox(SkillCategory category, int delta);
    // That many arrow clicks in one go (down for a negative count), with the same result.
    bool clickArrows(SkillCategory category, int clicks);
    // A committed typed value: a whole number from 0 to 100 is stored as the chosen skill's
    // rating and charged; anything else is refused and the box shows the stored rating again.
    bool typeBoxValue(SkillCategory category, std::string_view typed);
    bool setBoxValue(SkillCategory category, std::int32_t value);

    // "&Emphasis Levels": the emphases and masteries of the current ratings (also kept).
    const MasteryResult& showEmphasis();

    // OK: nothing when the dialog may close, otherwise the message to show (the dialog stays).
    // Computes emphases and masteries and, when the requirements are met, the profession level.
    std::optional<Message> confirm();

    std::string counterText() const; // "Skill Points: %i"

private:
    struct Row {
        std::string_view chosen; // empty: nothing chosen yet
        std::int32_t skill = -1;
        std::int32_t box = 0;
    };
    Row& row(SkillCategory category);
    const Row& row(SkillCategory category) const;
    void chargeSkill(std::int32_t skill);

    std::int32_t m_race = 0;
    std::int32_t m_profession = 0;
    std::int32_t m_skillPoints = 0;
    std::int32_t m_experience = 0;
    // The rating of each skill already charged to the skill points.
    SkillRatings m_previousRating{};
    SkillRatings m_rating{};
    std::array<Row, kSkillCategoryCount> m_rows{};
    MasteryResult m_levels{};
    std::int32_t m_professionLevel = 0;
};

} // namespace orthavel

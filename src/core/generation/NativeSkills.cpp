// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/generation/NativeSkills.h"

#include "core/record/Wrapping.h"

#include "core/dice/Dice.h"
#include "core/generation/AppearanceDialogs.h"
#include "core/generation/RulesTips.h"
#include "core/interaction/Interaction.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <limits>
#include <span>
#include <string_view>

namespace orthavel {
namespace {

struct SkillValue {
    std::int16_t skill; // index in m_aSkill
    std::int16_t value;
};

// Keyed by index; the comment names the skill as the sheet shows it.
// clang-format off
constexpr std::array<SkillValue, 16> kKessariNativeSkills{{
    { 23, 100},  // Natural Form
    { 28,  80},  // Low Speech
    { 25,  20},  // High Speech
    { 26,  50},  // Kessari Speech
    { 51,  50},  // Repair
    { 56,  30},  // Cultural Games
    { 60,  30},  // Wrestling
    { 58,  20},  // Running
    { 62,  10},  // Captivation/Seduction
    {151,  40},  // City States of Neoun
    {183,  30},  // Kessari
    {182,  10},  // Humanoids
    {190,  20},  // Poetry,Prose, Clgphy
    {219,  50},  // Theology Fidei Draconis
    {304,  75},  // Cities
    {307,  75},  // Fields/Plains
}};

constexpr std::array<SkillValue, 22> kNeuonianNativeSkills{{
    {314, 15},  // Brawling
    { 28, 75},  // Low Speech
    { 25, 20},  // High Speech
    {316, 20},  // Corner
    {318, 20},  // Endure
    { 44, 20},  // Identify Vegetation
    { 45, 20},  // Planting/Cultivation
    { 51, 50},  // Repair
    { 56, 30},  // Cultural Games
    { 60, 30},  // Wrestling
    { 62, 10},  // Captivation/Seduction
    { 71, 10},  // Singing
    { 74, 50},  // Grapevine
    {182, 30},  // Humanoids
    {189, 10},  // Painting
    {322, 40},  // Theology Morning Light
    {223, 10},  // Dark Pawns
    {224, 10},  // Demons
    {225, 10},  // Devils
    {226, 10},  // Legendary Evils
    {304, 80},  // Cities
    {307, 80},  // Fields/Plains
}};
// clang-format on

// Adds value to every skill from first to last.
struct SkillRangeAdd {
    std::int16_t first;
    std::int16_t last;
    std::int16_t value;
};

// Draws count skills from first to last; a drawn skill below `below` gets value and counts, so
// one skill may be drawn again while it is still below. Without a limit every draw counts.
struct SkillPick {
    std::int16_t count;
    std::int16_t first;
    std::int16_t last;
    std::int16_t value;
    std::int16_t below = std::numeric_limits<std::int16_t>::max();
};

struct CultureSkills {
    std::int16_t culture;
    std::string_view caption; // the message box before the picks, when there are picks
    std::string_view text;
    std::array<SkillRangeAdd, 8> addSlots{};
    std::size_t addCount = 0;
    std::array<SkillPick, 4> pickSlots{};
    std::size_t pickCount = 0;

    constexpr std::span<const SkillRangeAdd> adds() const { return {addSlots.data(), addCount}; }
    constexpr std::span<const SkillPick> picks() const { return {pickSlots.data(), pickCount}; }
};

consteval CultureSkills culture(std::int16_t code, std::string_view caption, std::string_view text,
                                std::initializer_list<SkillRangeAdd> adds,
                                std::initializer_list<SkillPick> picks = {}) {
    CultureSkills row{code, caption, text, {}, adds.size(), {}, picks.size()};
    std::copy(adds.begin(), adds.end(), row.addSlots.begin());
    std::copy(picks.begin(), picks.end(), row.pickSlots.begin());
    return row;
}

constexpr std::string_view kPickNote = "  You may adjust them in the Skills Dialog.";

// The cultures whose extra skills need no question; Feznoth and Wayne ask in a dialog.
// clang-format off
constexpr std::array kCultureSkills{
    culture(0, "Balentin Native Skills", "10 Random Fabled Lands Skills are being chosen.",
            {{83, 83, 40}},                                           // Public Relations
            {{10, 147, 170, 20, 20}}),                                // the Fabled Lands
    culture(2, "", "",
            {{13, 13, 10}, {286, 286, 50}, {76, 78, 10}}),            // Howling Wind, Heraldry,
                                                                      // Discipline to Strategy
    culture(4, "", "",
            {{288, 289, 30}, {223, 226, 10}}),                        // Experimentation, Sage
                                                                      // Science, the Demonologies
    culture(6, "Illiomis Native Skills",
            "1 Random Prof Crafts, 5 Fabled Lands, 3 Terrain Knowledge, and 1 Prestidigitaion "
            "Skills are being chosen.",
            {},
            {{5, 147, 170, 10, 10},                                   // the Fabled Lands
             {3, 303, 313, 10, 10},                                   // terrain
             {1, 30, 34, 30},                                         // prestidigitation
             {1, 184, 216, 50}}),                                     // professional crafts
    culture(11, "Porter Native Skills",
            "3 Random Prestidigitaion and 2 Subterfuge Skills are being chosen.",
            {{13, 13, 10}, {54, 54, 5}},                              // Howling Wind, Tumbling
            {{3, 30, 34, 10, 10}, {2, 35, 41, 10, 10}}),              // prestidigitation, subterfuge
    culture(12, "", "",
            {{79, 83, 10}, {74, 74, 20}, {45, 45, 15}, {183, 183, 20}}), // Commerce to Public
                                                                      // Relations, Grapevine,
                                                                      // Planting, Kessari
    culture(13, "Rosenthal Native Skills",
            "2 Random Gods and 2 Demonology Skills are being chosen.",
            {{13, 13, 5}, {37, 37, 5}, {36, 36, 5}},                  // Howling Wind, Pass w/o
                                                                      // Trace, Concealment
            {{2, 220, 222, 10, 10}, {2, 223, 226, 10, 10}}),          // gods, demonology
};

// The two groups of the cultures that ask: the first for the dialog's first button.
struct CultureChoice {
    std::int16_t culture;
    SkillRangeAdd first;
    SkillRangeAdd second;
};
constexpr std::array<CultureChoice, 2> kCultureChoices{{
    { 3, {217, 219, 10}, {220, 222, 10}},  // Church: Education to Theology; Gods: Opposing
                                           // Deities to Channeling Power
    {14, {284, 286, 50}, {287, 289, 50}},  // History: Age of Discovery to Heraldry; Research:
                                           // Bookkeeping to Sage Science
}};
// clang-format on

constexpr bool inSkills(std::int32_t skill) {
    return skill >= 0 && skill < kSkillCount;
}

constexpr bool cultureSkillsAreSound() {
    for (const CultureSkills& row : kCultureSkills) {
        for (const SkillRangeAdd& add : row.adds()) {
            if (!inSkills(add.first) || !inSkills(add.last) || add.first > add.last) {
                return false;
            }
        }
        for (const SkillPick& pick : row.picks()) {
            if (!inSkills(pick.first) || !inSkills(pick.last) || pick.first > pick.last ||
                pick.count <= 0) {
                return false;
            }
        }
        // A culture with picks announces them; one without says nothing.
        if (row.picks().empty() != row.caption.empty()) {
            return false;
        }
    }
    for (const CultureChoice& choice : kCultureChoices) {
        if (std::none_of(kNativeSkillsDialogs.begin(), kNativeSkillsDialogs.end(),
                         [&](const NativeSkillsRow& r) { return r.culture == choice.culture; })) {
            return false;
        }
    }
    return true;
}
static_assert(cultureSkillsAreSound(),
              "every culture's skills lie in the skill list, and its picks are announced");

std::int32_t& skill(CharacterRecord& record, std::int32_t index) {
    return record.m_aSkill.at(static_cast<std::size_t>(index));
}

void add(CharacterRecord& record, const SkillRangeAdd& range) {
    for (std::int32_t i = range.first; i <= range.last; ++i) {
        std::int32_t& rating = skill(record, i);
        rating = (Wrapping(rating) + range.value).value();
    }
}

// A pick counts only on a skill still below its limit. Once no skill of the range is below it,
// no draw can count: the loop ends there instead of drawing for ever.
void pick(CharacterRecord& record, const SkillPick& rule, Dice& dice) {
    const auto canCount = [&] {
        for (std::int32_t i = rule.first; i <= rule.last; ++i) {
            if (skill(record, i) < rule.below) {
                return true;
            }
        }
        return false;
    };
    for (std::int32_t counted = 0; counted < rule.count && canCount();) {
        const auto drawn = static_cast<std::int16_t>(dice.uniform(rule.first, rule.last));
        if (skill(record, drawn) < rule.below) {
            add(record, {drawn, drawn, rule.value});
            ++counted;
        }
    }
}

} // namespace

void SetRaceNativeSkills(CharacterRecord& record, Interaction& ui) {
    std::span<const SkillValue> skills = kKessariNativeSkills;
    if (record.m_nRace == kRaceNeuonian) {
        ShowRulesTip(record, ui, rules_tip::kNeuonianCulturalSkills);
        ShowRulesTip(record, ui, rules_tip::kNeuonianPainting);
        skills = kNeuonianNativeSkills;
    }
    for (const SkillValue& s : skills) {
        skill(record, s.skill) = s.value;
    }
}

void AddCultureNativeSkills(CharacterRecord& record, Dice& dice, Interaction& ui) {
    for (const CultureChoice& choice : kCultureChoices) {
        if (choice.culture == record.m_nCulture) {
            const auto group = runNativeSkillsDialog(ui, record.m_nCulture);
            add(record, group == NativeSkillsGroup::First ? choice.first : choice.second);
            return;
        }
    }
    const auto row =
        std::find_if(kCultureSkills.begin(), kCultureSkills.end(),
                     [&](const CultureSkills& r) { return r.culture == record.m_nCulture; });
    if (row == kCultureSkills.end()) {
        return;
    }
    if (!row->caption.empty()) {
        ui.showMessage(
            {std::string(row->caption), std::string(row->text) + std::string(kPickNote)});
    }
    for (const SkillRangeAdd& range : row->adds()) {
        add(record, range);
    }
    for (const SkillPick& rule : row->picks()) {
        pick(record, rule, dice);
    }
}

} // namespace orthavel

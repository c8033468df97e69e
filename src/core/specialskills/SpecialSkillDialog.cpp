// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/specialskills/SpecialSkillDialog.h"

#include "core/record/Wrapping.h"

#include "core/skills/SkillLevels.h"

#include <string>

namespace orthavel {
namespace {

ChoiceButton buttonOf(const SpecialSkillDialogRow& row, std::size_t index) {
    return {std::string(row.choices()[index].caption), static_cast<int>(index)};
}

std::vector<std::vector<ChoiceButton>> columnsOf(const SpecialSkillDialogRow& row) {
    std::vector<std::vector<ChoiceButton>> columns(1);
    switch (row.layout) {
    case ChoiceLayout::OneColumn:
        for (std::size_t i = 0; i < row.choiceCount; ++i) {
            columns[0].push_back(buttonOf(row, i));
        }
        break;
    case ChoiceLayout::TwoColumns:
        columns.resize(2);
        for (std::size_t i = 0; i < row.choiceCount; ++i) {
            columns[i / kTwoColumnHeight].push_back(buttonOf(row, i));
        }
        break;
    case ChoiceLayout::DeathKnightOrder:
        for (int shown : kDeathKnightOrder) {
            columns[0].push_back(buttonOf(row, static_cast<std::size_t>(shown)));
        }
        break;
    }
    return columns;
}

// A raise is refused when it would carry the advantage past the race maximum: at the maximum
// for "+1", and from one below it for the Thief's "+2 &Dexterity", whose message names both
// levels ("Your Dexterity is already at 4/5.").
std::optional<Message> refusalOf(const SpecialSkillDialogRow& row, int choice, std::int32_t race,
                                 const std::array<std::int32_t, kAdvantageCount>& levels) {
    if (choice < 0 || static_cast<std::size_t>(choice) >= row.choiceCount) {
        return std::nullopt;
    }
    const SpecialSkillEffect& effect = row.choices()[static_cast<std::size_t>(choice)].effect;
    if (effect.kind != EffectKind::RaiseAdvantage) {
        return std::nullopt;
    }
    const Advantage advantage = advantageAt(effect.target);
    const std::int32_t maximum = AdvantageMaximum(race, advantage);
    if (levels[indexOf(advantage)] <= maximum - effect.amount) {
        return std::nullopt;
    }
    const std::string_view name = advantage == Advantage::Persevearance
                                      ? row.perseverance
                                      : kAdvantages[indexOf(advantage)].label;
    std::string level = std::to_string(maximum);
    if (effect.amount > 1) {
        level = std::to_string(maximum - effect.amount + 1) + "/" + level;
    }
    return Message{std::string(kAdvantageLimitCaption),
                   "Your " + std::string(name) + " is already at " + level + ".", false};
}

// The effect of a pick that adds to skill ratings; none for any other pick.
const SpecialSkillEffect* addedSkillsOf(const SpecialSkillDialogRow& row, int choice) {
    if (choice < 0 || static_cast<std::size_t>(choice) >= row.choiceCount) {
        return nullptr;
    }
    const SpecialSkillEffect& effect = row.choices()[static_cast<std::size_t>(choice)].effect;
    return effect.kind == EffectKind::AddSkill ? &effect : nullptr;
}

// A pick that would carry a rating past 100, the highest "Choose Skills" knows, is refused with
// the rating it stands at, as a raise past an advantage's maximum is.
std::optional<Message> ratingRefusalOf(const SpecialSkillDialogRow& row, int choice,
                                       const CharacterRecord& record) {
    const SpecialSkillEffect* added = addedSkillsOf(row, choice);
    if (added == nullptr) {
        return std::nullopt;
    }
    const SpecialSkillEffect& effect = *added;
    for (const std::int16_t skill : {effect.target, effect.target2}) {
        if (skill < 0) {
            continue;
        }
        const std::int32_t rating = record.m_aSkill[static_cast<std::size_t>(skill)];
        if (rating > kHighestRating - effect.amount) {
            return Message{std::string(kSkillLimitCaption),
                           "Your " + std::string(skillName(skill)) + " is already at " +
                               std::to_string(rating) + ".",
                           false};
        }
    }
    return std::nullopt;
}

// A pick that adds to ratings is refused when the profession's mastery requirements held before it
// and fail after it (a low rating added to an emphasis can lower its average): the character would
// no longer be what its profession demands, and the next "Choose Skills" would refuse it.
std::optional<Message> masteryRefusalOf(const SpecialSkillDialogRow& row, int choice,
                                        const CharacterRecord& record) {
    const SpecialSkillEffect* added = addedSkillsOf(row, choice);
    if (added == nullptr) {
        return std::nullopt;
    }
    const SpecialSkillEffect& effect = *added;
    const auto race = record.m_nRace;
    const auto profession = record.m_nProfession;
    if (!ratedLevels(race, profession, record.m_aSkill).check.met) {
        return std::nullopt;
    }
    SkillRatings after = record.m_aSkill;
    addSkillEffect(after, effect);
    const MasteryCheck check = ratedLevels(race, profession, after).check;
    if (check.met) {
        return std::nullopt;
    }
    return Message{std::string(kMasteryWarningTitle), check.warning, false};
}

} // namespace

ChoiceDialog specialSkillDialog(const SpecialSkillDialogRow& row, const CharacterRecord& record) {
    ChoiceDialog dialog;
    dialog.title = std::string(row.title);
    dialog.columns = columnsOf(row);
    for (const SpecialSkillChoice& choice : row.choices()) {
        if (choice.effect.kind == EffectKind::RaiseAdvantage) {
            const auto a = static_cast<std::size_t>(choice.effect.target);
            dialog.inputs.push_back({std::string(kAdvantages[a].label), record.m_aAdvantage[a]});
        }
    }
    dialog.refusal = [&row, record](int choice) {
        if (auto refusal = refusalOf(row, choice, record.m_nRace, record.m_aAdvantage)) {
            return refusal;
        }
        if (auto refusal = ratingRefusalOf(row, choice, record)) {
            return refusal;
        }
        return masteryRefusalOf(row, choice, record);
    };
    return dialog;
}

void addSkillEffect(SkillRatings& ratings, const SpecialSkillEffect& effect) {
    const auto add = [&](std::int16_t skill) {
        auto& rating = ratings[static_cast<std::size_t>(skill)];
        rating = (Wrapping(rating) + effect.amount).value();
    };
    add(effect.target);
    if (effect.target2 >= 0) {
        add(effect.target2);
    }
}

} // namespace orthavel

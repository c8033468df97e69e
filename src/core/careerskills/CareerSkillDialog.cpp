#include "core/careerskills/CareerSkillDialog.h"

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
    dialog.refusal = [&row, race = record.m_nRace, levels = record.m_aAdvantage](int choice) {
        return refusalOf(row, choice, race, levels);
    };
    return dialog;
}

} // namespace orthavel

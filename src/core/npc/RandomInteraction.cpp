// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/npc/RandomInteraction.h"

#include "core/advantages/AdvantageAssignment.h"
#include "core/dice/Dice.h"
#include "core/generation/AppearanceDialogs.h"
#include "core/generation/CareerDialogs.h"
#include "core/generation/OriginDialogs.h"
#include "core/interaction/ChoiceDialog.h"
#include "core/interaction/FormDialog.h"
#include "core/npc/NpcNames.h"
#include "core/npc/RatingPlan.h"
#include "core/record/Names.h"
#include "core/skills/SkillLevels.h"
#include "core/skills/SkillSelection.h"

#include <algorithm>
#include <array>
#include <vector>

namespace orthavel {
namespace {

// No showing of a dialog needs more steps than this; a bound, so nothing loops without end.
constexpr int kMostSteps = 400;

// The answer a plan gives a dialog: none (draw one), the button to close it with, or a cancel.
struct Planned {
    bool decided = false;
    const ChoiceButton* button = nullptr;
};

// The button of the wanted result; a cancel when the dialog has none.
Planned buttonWith(const ChoiceDialog& dialog, int wanted) {
    return {true, dialog.findResult(wanted)};
}

Planned plannedAnswer(const ChoiceDialog& dialog, const NpcPlan& plan) {
    if (dialog.key == DialogKey::Race && plan.race) {
        return buttonWith(dialog, *plan.race);
    }
    if (dialog.key == DialogKey::CityState && plan.culture) {
        return buttonWith(dialog, *plan.culture);
    }
    if (dialog.key == DialogKey::House && plan.culture) {
        for (const auto& column : dialog.columns) {
            for (const ChoiceButton& button : column) {
                const auto row = static_cast<std::size_t>(button.result & ~dialog.keptBits);
                if (row < kHouseRows.size() && kHouseRows[row].culture == *plan.culture) {
                    return {true, &button};
                }
            }
        }
        return {true, nullptr};
    }
    if (dialog.key == DialogKey::AgeClass && plan.ageClass) {
        return buttonWith(dialog, *plan.ageClass);
    }
    if (dialog.key == DialogKey::Career && plan.profession) {
        // Cancelled, a House's starting careers leave the entry job its House gave.
        return buttonWith(dialog, *plan.profession);
    }
    return {};
}

// The dialog shown and closed with one button: its click, then "OK" under radio buttons. A
// refused click leaves it open.
ChoiceEntry closedWith(const ChoiceDialog& dialog, const ChoiceButton& button) {
    ChoiceEntry entry(dialog);
    entry.click(button);
    if (dialog.style == ChoiceStyle::RadioThenOk) {
        entry.confirm();
    }
    return entry;
}

} // namespace

RandomInteraction::RandomInteraction(Dice& dice, NpcPlan plan)
    : m_dice(dice), m_plan(std::move(plan)) {}

void RandomInteraction::fail(std::string why) {
    if (m_why.empty()) {
        m_why = std::move(why);
    }
}

void RandomInteraction::showMessage(const Message& /*message*/) {}

std::optional<int> RandomInteraction::runChoice(const ChoiceDialog& dialog) {
    if (const Planned planned = plannedAnswer(dialog, m_plan); planned.decided) {
        return planned.button != nullptr ? closedWith(dialog, *planned.button).result()
                                         : std::nullopt;
    }
    std::vector<const ChoiceButton*> buttons;
    for (const auto& column : dialog.columns) {
        for (const ChoiceButton& button : column) {
            buttons.push_back(&button);
        }
    }
    // In a random order, the first button the dialog does not refuse.
    m_dice.shuffle(buttons);
    for (const ChoiceButton* button : buttons) {
        if (const ChoiceEntry entry = closedWith(dialog, *button); !entry.open()) {
            return entry.result();
        }
    }
    return std::nullopt;
}

bool RandomInteraction::runForm(FormEntry& form) {
    const auto pick = [&](const auto& list) { return std::string(m_dice.pick(list)); };
    for (std::size_t i = 0; i < form.fieldCount(); ++i) {
        const FormField& field = form.dialog().fields[i];
        std::string text = form.text(i);
        switch (field.key) {
        case FieldKey::CharacterName:
            // The gender is chosen later: the first name is drawn as a place in the lists, the
            // same for either gender, and read from the gender's list once it is known.
            // The family name is drawn first.
            m_familyName = pick(kNpcFamilyNames);
            m_firstName = static_cast<std::size_t>(
                m_dice.uniform(0, static_cast<int>(kNpcMaleFirstNames.size()) - 1));
            text = name("Male");
            break;
        case FieldKey::PlayedBy:
            text = std::string(kNpcPlayedBy);
            break;
        case FieldKey::Attitude:
            text = pick(kNpcAttitudes);
            break;
        case FieldKey::Background:
            text = pick(kNpcBackgrounds);
            break;
        case FieldKey::BirthDate:
            // The year is the age taken from 1000, as the dialog's note says.
            text = pick(kNpcBirthMonths) + " " + std::to_string(1000 - m_age);
            break;
        default:
            if (field.kind == FieldKind::DropDown && !field.items.empty()) {
                text = pick(field.items);
            } else if (field.kind == FieldKind::Number && field.arrows) {
                m_age = m_dice.uniform(field.arrows->lowest, field.arrows->highest);
                text = std::to_string(m_age);
            } else if (field.kind == FieldKind::Number) {
                // Newly earned points: a few, never fewer than none.
                const bool advantages = field.key == FieldKey::NewAdvantagePoints;
                text = std::to_string(m_dice.uniform(std::max(field.minimum, 0),
                                                     std::min(field.maximum, advantages ? 3 : 60)));
            }
            break;
        }
        form.type(i, text);
        form.leave(i);
    }
    return !form.confirm().has_value();
}

std::string RandomInteraction::name(std::string_view gender) const {
    const auto& firstNames = gender == "Female" ? kNpcFemaleFirstNames : kNpcMaleFirstNames;
    return std::string(firstNames.at(m_firstName)) + " " + m_familyName;
}

SaveAnswer RandomInteraction::askSaveChanges(std::string_view /*documentName*/) {
    return SaveAnswer::Cancel;
}

bool RandomInteraction::runAdvantageAssignment(AdvantageAssignment& model) {
    const std::int32_t race = model.race();
    // The profession's minimums first, the lower of two alternatives where either will do.
    if (const ProfessionMinimumsRow* row = findProfessionMinimums(race, model.profession())) {
        for (std::size_t i = 0; i < row->minimumCount(); ++i) {
            const AdvantageMinimum& minimum = row->minimums[i];
            const bool either = minimum.alternative >= 0 &&
                                model.level(advantageAt(minimum.alternative)) >= minimum.level;
            if (!either && model.level(minimum.advantage) < minimum.level) {
                model.setLevel(minimum.advantage, minimum.level);
            }
        }
    }
    // Then every point on a random advantage below its maximum; points nothing can take become
    // skill points, and a pool below zero borrows skill points while there are enough.
    for (int step = 0; step < kMostSteps && model.advantagePoints() != 0; ++step) {
        if (model.advantagePoints() < 0) {
            const std::int32_t before = model.advantagePoints();
            model.skillPointsToAdvantages();
            if (model.advantagePoints() == before) {
                break;
            }
            continue;
        }
        std::vector<Advantage> open;
        for (int a = 0; a < kAdvantageCount; ++a) {
            if (model.level(advantageAt(a)) < model.maximumLevel(advantageAt(a))) {
                open.push_back(advantageAt(a));
            }
        }
        if (open.empty()) {
            model.advantagesToSkillPoints();
            continue;
        }
        const Advantage chosen = m_dice.pick(open);
        model.setLevel(chosen, model.level(chosen) + 1);
    }
    // Refused (a character of few skill points cannot keep the 200 the dialog asks for), it is
    // cancelled, as a player must: the step keeps what the character had before it.
    m_advantagesAccepted = !model.confirm().has_value();
    return m_advantagesAccepted;
}

bool RandomInteraction::runSkillSelection(SkillSelection& model) {
    RatingPlan plan(model.race(), model.profession(), model.ratings(), m_dice);
    const std::int64_t points = model.skillPoints();
    const bool met = findMasteryRequirements(model.race(), model.profession()) == nullptr ||
                     plan.meetRequirements();
    if (!met || plan.cost() > points) {
        m_skillsAccepted = false;
        const auto* row = findMasteryRequirements(model.race(), model.profession());
        fail(std::string(row != nullptr ? row->profession : std::string_view("The profession")) +
             ": " + std::to_string(points) +
             " skill points cannot pay for the mastery requirements" +
             (met ? " (" + std::to_string(plan.cost()) + " needed)." : "."));
        return false;
    }
    plan.spend(points);
    // Typed into the dialog as a player would: pick the entry, type the rating, leave the box.
    const SkillRatings& target = plan.ratings();
    for (std::size_t skill = 0; skill < target.size(); ++skill) {
        if (target[skill] != model.ratings()[skill]) {
            const Choosable& where = *choosableSkills()[skill];
            model.chooseEntry(where.category, where.entry);
            model.typeBoxValue(where.category, std::to_string(target[skill]));
        }
    }
    if (const auto refused = model.confirm()) {
        m_skillsAccepted = false;
        fail(refused->text);
        return false;
    }
    return true;
}

void RandomInteraction::showEmphasisDisplay(const EmphasisDisplay& /*display*/) {}

bool RandomInteraction::runSkillRoll(SkillRoll& /*model*/) {
    return false;
}

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/interaction/Interaction.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orthavel {

class Dice;

// What a random character is to be; anything left open is drawn at random.
struct NpcPlan {
    std::optional<std::int32_t> race;
    std::optional<std::int32_t> culture;    // a House or a city-state
    std::optional<std::int32_t> profession; // a job or profession code
    std::optional<std::int32_t> ageClass;   // 0 Youngster to 6 Legendary
};

// The person at the keyboard replaced by chance: every dialog answered with a choice the rules
// accept, drawn from one Dice, so that the same seed makes the same character. The dialogs the
// plan names (race, House or city-state, career, age class) take the planned answer. It never
// loops without end: a dialog it cannot close with OK (a profession whose mastery requirements
// its skill points cannot pay for) is cancelled, and why() says what stood in the way.
class RandomInteraction : public Interaction {
public:
    RandomInteraction(Dice& dice, NpcPlan plan);

    void showMessage(const Message& message) override;
    std::optional<int> runChoice(const ChoiceDialog& dialog) override;
    bool runForm(FormEntry& form) override;
    SaveAnswer askSaveChanges(std::string_view documentName) override;
    bool runAdvantageAssignment(AdvantageAssignment& model) override;
    bool runSkillSelection(SkillSelection& model) override;
    void showEmphasisDisplay(const EmphasisDisplay& display) override;
    // No random character rolls against its skills: the dialog is cancelled.
    bool runSkillRoll(SkillRoll& model) override;

    // Whether every "Assign Advantages" and "Choose Skills" shown was closed with OK.
    bool advantagesAccepted() const { return m_advantagesAccepted; }
    bool skillsAccepted() const { return m_skillsAccepted; }
    // Why a dialog could not be closed with OK; empty while every one could.
    const std::string& why() const { return m_why; }
    // The name given in "Character Name:", with the first name of the gender's own list.
    std::string name(std::string_view gender) const;

private:
    void fail(std::string why);

    Dice& m_dice;
    NpcPlan m_plan;
    std::int32_t m_age = 0;
    std::size_t m_firstName = 0;
    std::string m_familyName;
    bool m_advantagesAccepted = true;
    bool m_skillsAccepted = true;
    std::string m_why;
};

} // namespace orthavel

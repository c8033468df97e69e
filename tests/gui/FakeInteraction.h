#pragma once

// What the GUI tests put in place of the person at the keyboard: it records what it is shown and
// answers from queues (cancel and Cancel when they run out).

#include "core/advantages/AdvantageAssignment.h"
#include "core/dialogs/ChoiceDialog.h"
#include "core/dialogs/NumberPrompt.h"
#include "core/generation/Interaction.h"
#include "core/skills/EmphasisDisplay.h"
#include "core/skills/SkillSelection.h"

#include <deque>
#include <string>
#include <vector>

class FakeInteraction : public orthavel::Interaction {
public:
    std::vector<orthavel::Message> messages;
    std::vector<std::string> dialogTitles;
    std::vector<std::string> saveQuestions;
    std::deque<int> choices;
    std::deque<orthavel::SaveAnswer> saveAnswers;

    void showMessage(const orthavel::Message& message) override { messages.push_back(message); }

    std::optional<int> runChoice(const orthavel::ChoiceDialog& dialog) override {
        dialogTitles.push_back(dialog.title);
        if (choices.empty()) {
            return std::nullopt;
        }
        const int choice = choices.front();
        choices.pop_front();
        return choice;
    }

    std::optional<std::int32_t> askNumber(const orthavel::NumberPrompt& prompt) override {
        dialogTitles.push_back(prompt.title);
        return std::nullopt;
    }

    // The advantage and skill dialogs are cancelled.
    bool runAdvantageAssignment(orthavel::AdvantageAssignment& /*model*/) override {
        dialogTitles.emplace_back(orthavel::AdvantageAssignment::kTitle);
        return false;
    }
    bool runSkillSelection(orthavel::SkillSelection& /*model*/) override {
        dialogTitles.emplace_back(orthavel::SkillSelection::kTitle);
        return false;
    }
    void showEmphasisDisplay(const orthavel::EmphasisDisplay& /*display*/) override {}

    orthavel::SaveAnswer askSaveChanges(std::string_view documentName) override {
        saveQuestions.emplace_back(documentName);
        if (saveAnswers.empty()) {
            return orthavel::SaveAnswer::Cancel;
        }
        const auto answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }
};

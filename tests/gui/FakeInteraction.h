#pragma once

// What the GUI tests put in place of the person at the keyboard: it records what it is shown and
// answers from queues (cancel and Cancel when they run out; number prompts and the advantage and
// skill dialogs are always cancelled).

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
    std::vector<std::string> dialogTitles, saveQuestions;
    std::deque<int> choices;
    std::deque<orthavel::SaveAnswer> saveAnswers;

    void showMessage(const orthavel::Message& message) override { messages.push_back(message); }
    std::optional<int> runChoice(const orthavel::ChoiceDialog& dialog) override {
        dialogTitles.push_back(dialog.title);
        return choices.empty() ? std::nullopt : std::optional<int>(take(choices));
    }
    std::optional<std::int32_t> askNumber(const orthavel::NumberPrompt& prompt) override {
        dialogTitles.push_back(prompt.title);
        return std::nullopt;
    }
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
        return saveAnswers.empty() ? orthavel::SaveAnswer::Cancel : take(saveAnswers);
    }

private:
    template <typename T> static T take(std::deque<T>& queue) {
        const T front = queue.front();
        queue.pop_front();
        return front;
    }
};

#pragma once

// The one stand-in for the person at the keyboard, for the core and the desktop tests alike: it
// keeps every message and dialog shown and answers from queues filled by the test. An empty queue
// cancels the dialog (and answers Cancel to the save question). A refused click shows its
// message and the dialog stays open for the next answer, as on screen.

#include "core/advantages/AdvantageAssignment.h"
#include "core/dialogs/ChoiceDialog.h"
#include "core/dialogs/Interaction.h"
#include "core/dialogs/NumberPrompt.h"
#include "core/skills/EmphasisDisplay.h"
#include "core/skills/SkillSelection.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orthavel::test {

class FakeInteraction : public Interaction {
public:
    // What happened, in order: "message:<caption>|<text>", "choice:<title>", "number:<title>".
    std::vector<std::string> events;
    std::vector<Message> messages;
    // The document named by every save question.
    std::vector<std::string> saveQuestions;
    // Every number dialog and skill dialog as it was given.
    std::vector<NumberPrompt> prompts;
    std::vector<SkillSelection> skillsGiven;

    // Answers: the caption of the button to click (nullopt = cancel); the text typed into a
    // number field followed by OK (nullopt = cancel).
    std::deque<std::optional<std::string>> choiceClicks;
    std::deque<std::optional<std::string>> numberEntries;
    std::deque<SaveAnswer> saveAnswers;
    // How the person works the advantage and skill dialogs (none: Escape).
    std::function<bool(AdvantageAssignment&)> onAdvantages;
    std::function<bool(SkillSelection&)> onSkills;

    void showMessage(const Message& message) override {
        messages.push_back(message);
        events.push_back("message:" + message.caption + "|" + message.text);
    }

    std::optional<int> runChoice(const ChoiceDialog& dialog) override {
        events.push_back("choice:" + dialog.title);
        while (!choiceClicks.empty()) {
            const auto click = choiceClicks.front();
            choiceClicks.pop_front();
            if (!click) {
                return std::nullopt;
            }
            const ChoiceButton* button = dialog.findButton(*click);
            if (button == nullptr) {
                events.push_back("no-button:" + *click);
                return std::nullopt;
            }
            if (dialog.refusal) {
                if (auto refused = dialog.refusal(button->result)) {
                    showMessage(*refused);
                    continue;
                }
            }
            return button->result;
        }
        return std::nullopt;
    }

    std::optional<std::int32_t> askNumber(const NumberPrompt& prompt) override {
        events.push_back("number:" + prompt.title);
        prompts.push_back(prompt);
        while (!numberEntries.empty()) {
            const auto entry = numberEntries.front();
            numberEntries.pop_front();
            if (!entry) {
                return std::nullopt;
            }
            auto accepted = acceptNumberEntry(prompt, *entry);
            if (const auto* refused = std::get_if<Message>(&accepted)) {
                showMessage(*refused);
                continue;
            }
            return std::get<std::int32_t>(accepted);
        }
        return std::nullopt;
    }

    SaveAnswer askSaveChanges(std::string_view documentName) override {
        saveQuestions.emplace_back(documentName);
        if (saveAnswers.empty()) {
            return SaveAnswer::Cancel;
        }
        const SaveAnswer answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }

    bool runAdvantageAssignment(AdvantageAssignment& model) override {
        events.push_back("advantages:" + std::string(AdvantageAssignment::kTitle));
        return onAdvantages && onAdvantages(model);
    }

    bool runSkillSelection(SkillSelection& model) override {
        events.push_back("skills:" + std::string(SkillSelection::kTitle));
        skillsGiven.push_back(model);
        return onSkills && onSkills(model);
    }

    void showEmphasisDisplay(const EmphasisDisplay& /*display*/) override {
        events.push_back("emphasis");
    }
};

} // namespace orthavel::test

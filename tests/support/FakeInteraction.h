#pragma once

// The one stand-in for the person at the keyboard, for the core and the desktop tests alike: it
// keeps every message and dialog shown and answers from queues filled by the test. An empty queue
// cancels the dialog (and answers Cancel to the save question). A refused click shows its
// message and the dialog stays open for the next answer, as on screen.

#include "core/advantages/AdvantageAssignment.h"
#include "core/interaction/ChoiceDialog.h"
#include "core/interaction/FormDialog.h"
#include "core/interaction/Interaction.h"
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
    // What happened, in order: "message:<caption>|<text>", "choice:<title>", "number:<title>"
    // (a number prompt), "form:<title>" (any other form).
    std::vector<std::string> events;
    std::vector<Message> messages;
    // The title of every dialog shown, and the document named by every save question.
    std::vector<std::string> dialogTitles, saveQuestions;
    // The inputs of the last choice dialog or form shown; every form shown, as it was given.
    std::vector<DialogInput> lastInputs;
    std::vector<FormDialog> forms;
    // Every skill dialog as it was given.
    std::vector<SkillSelection> skillsGiven;

    // Answers: the caption of the button to click, or of the radio button to select, or "OK"
    // (nullopt = cancel); the text typed into a number prompt's field followed by OK; the texts
    // typed into a form's fields by label, each field left after it, followed by OK.
    using FieldTexts = std::vector<std::pair<std::string, std::string>>;
    std::deque<std::optional<std::string>> choiceClicks;
    std::deque<std::optional<std::string>> numberEntries;
    std::deque<std::optional<FieldTexts>> formEntries;
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
        dialogTitles.push_back(dialog.title);
        lastInputs = dialog.inputs;
        const bool radios = dialog.style == ChoiceStyle::RadioThenOk;
        int stored = dialog.initialResult;
        while (!choiceClicks.empty()) {
            const auto click = choiceClicks.front();
            choiceClicks.pop_front();
            if (!click) {
                return std::nullopt;
            }
            int chosen = stored;
            if (!radios || *click != kOkCaption) {
                const ChoiceButton* button = dialog.findButton(*click);
                if (button == nullptr) {
                    events.push_back("no-button:" + *click);
                    return std::nullopt;
                }
                if (radios) {
                    stored = dialog.afterRadio(stored, *button);
                    continue;
                }
                if (button->cancels) {
                    return std::nullopt;
                }
                chosen = button->result;
            }
            if (dialog.refusal) {
                if (auto refused = dialog.refusal(chosen)) {
                    showMessage(*refused);
                    continue;
                }
            }
            return chosen;
        }
        return std::nullopt;
    }

    bool runForm(FormEntry& form) override {
        const FormDialog& dialog = form.dialog();
        const bool numberPrompt =
            dialog.fields.size() == 1 && dialog.fields[0].kind == FieldKind::Number;
        events.push_back((numberPrompt ? "number:" : "form:") + dialog.title);
        dialogTitles.push_back(dialog.title);
        lastInputs = dialog.inputs;
        forms.push_back(dialog);
        while (!(numberPrompt ? numberEntries.empty() : formEntries.empty())) {
            std::optional<FieldTexts> entry;
            if (numberPrompt) {
                if (const auto typed = numberEntries.front()) {
                    entry = FieldTexts{{dialog.fields[0].label, *typed}};
                }
                numberEntries.pop_front();
            } else {
                entry = formEntries.front();
                formEntries.pop_front();
            }
            if (!entry) {
                return false;
            }
            for (const auto& [label, text] : *entry) {
                const auto field = form.findField(label);
                if (!field) {
                    events.push_back("no-field:" + label);
                    return false;
                }
                form.type(*field, text);
                form.leave(*field);
            }
            if (const auto refused = form.confirm()) {
                showMessage(refused->message);
                continue;
            }
            return true;
        }
        return false;
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
        dialogTitles.emplace_back(AdvantageAssignment::kTitle);
        return onAdvantages && onAdvantages(model);
    }

    bool runSkillSelection(SkillSelection& model) override {
        events.push_back("skills:" + std::string(SkillSelection::kTitle));
        dialogTitles.emplace_back(SkillSelection::kTitle);
        skillsGiven.push_back(model);
        return onSkills && onSkills(model);
    }

    void showEmphasisDisplay(const EmphasisDisplay& /*display*/) override {
        events.push_back("emphasis");
    }
};

} // namespace orthavel::test

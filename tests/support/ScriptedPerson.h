// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The person at the keyboard in the core and desktop tests: the scripted interaction, answering
// each dialog from the answers the test gives (the next one must name the dialog's title, as in a
// script; once they run out every dialog is cancelled), and keeping what it showed. The save
// question, which scripts never meet, takes the answers listed, then Cancel.

#include "core/interaction/FormDialog.h"
#include "core/skills/SkillSelection.h"
#include "script/ScriptFormat.h"
#include "script/ScriptedInteraction.h"

#include <deque>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace orthavel::test {

// Made before the interaction that writes to it.
struct TranscriptText {
    std::ostringstream text;
};

class ScriptedPerson : private TranscriptText, public ScriptedInteraction {
public:
    // The answers as a script holds them: a JSON array.
    explicit ScriptedPerson(const std::string& script = "[]")
        : ScriptedInteraction(parseScript(script), TranscriptText::text) {}

    std::vector<Message> messages;
    // Every form as it was given, and the skill dialog's model as each showing opened it.
    std::vector<FormDialog> forms;
    std::vector<SkillSelection> skillsGiven;
    std::vector<std::string> saveQuestions;
    std::deque<SaveAnswer> saveAnswers;

    // One answer more, as a script holds it.
    void answer(const std::string& json) { addAnswer(nlohmann::json::parse(json)); }
    // Clicks the captions in turn ("OK" under radio buttons); nothing stands for Escape.
    void click(std::string_view title, const std::vector<std::optional<std::string>>& captions) {
        nlohmann::json steps = nlohmann::json::array();
        for (const auto& caption : captions) {
            steps.push_back(caption ? nlohmann::json{{"click", *caption}}
                                    : nlohmann::json{{"cancel", true}});
        }
        addAnswer({{"title", title}, {"steps", steps}});
    }
    // Types into the fields by label, leaving each, then clicks OK.
    void fill(std::string_view title,
              const std::vector<std::pair<std::string, std::string>>& fields) {
        nlohmann::json typed = nlohmann::json::object();
        for (const auto& [label, value] : fields) {
            typed[label] = value;
        }
        addAnswer({{"title", title}, {"fields", typed}, {"click", "OK"}});
    }

    // What was shown, in order: "dialog:<title>" and "message:<caption>|<text>".
    std::vector<std::string> events() const {
        std::vector<std::string> shown;
        for (const auto& event : transcript()) {
            if (event["event"] == "dialog") {
                shown.push_back("dialog:" + event["title"].get<std::string>());
            } else if (event["event"] == "message") {
                shown.push_back("message:" + event["caption"].get<std::string>() + "|" +
                                event["text"].get<std::string>());
            }
        }
        return shown;
    }
    // The inputs the last dialog of this title showed.
    nlohmann::ordered_json inputsOf(std::string_view title) const {
        nlohmann::ordered_json inputs;
        for (const auto& event : transcript()) {
            if (event["event"] == "dialog" && event["title"] == title) {
                inputs = event["inputs"];
            }
        }
        return inputs;
    }
    // Forgets what was shown.
    void clear() {
        messages.clear();
        TranscriptText::text.str({});
    }

    void showMessage(const Message& message) override {
        messages.push_back(message);
        ScriptedInteraction::showMessage(message);
    }
    bool runForm(FormEntry& form) override {
        forms.push_back(form.dialog());
        return ScriptedInteraction::runForm(form);
    }
    bool runSkillSelection(SkillSelection& model) override {
        skillsGiven.push_back(model);
        return ScriptedInteraction::runSkillSelection(model);
    }
    SaveAnswer askSaveChanges(std::string_view documentName) override {
        saveQuestions.emplace_back(documentName);
        if (saveAnswers.empty()) {
            return SaveAnswer::Cancel;
        }
        const SaveAnswer given = saveAnswers.front();
        saveAnswers.pop_front();
        return given;
    }

private:
    std::vector<nlohmann::ordered_json> transcript() const {
        std::vector<nlohmann::ordered_json> events;
        std::istringstream lines(TranscriptText::text.str());
        for (std::string line; std::getline(lines, line);) {
            events.push_back(nlohmann::ordered_json::parse(line));
        }
        return events;
    }
};

} // namespace orthavel::test

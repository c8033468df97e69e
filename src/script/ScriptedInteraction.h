// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/interaction/Interaction.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orthavel {

// The script asked for a different dialog than the one the program showed, or named a button or
// field the dialog does not have.
class ScriptMismatch : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Answers dialogs from a script (a JSON array, one answer per dialog) and writes every dialog,
// message and result as a line of JSON to the transcript. When the script runs out, every
// further dialog is cancelled. Message boxes need no answer.
class ScriptedInteraction : public Interaction {
public:
    // The script is moved in, never copied.
    ScriptedInteraction(nlohmann::json script, std::ostream& transcript);

    void showMessage(const Message& message) override;
    std::optional<int> runChoice(const ChoiceDialog& dialog) override;
    bool runForm(FormEntry& form) override;
    SaveAnswer askSaveChanges(std::string_view documentName) override;
    bool runAdvantageAssignment(AdvantageAssignment& model) override;
    bool runSkillSelection(SkillSelection& model) override;
    // Written as a dialog that opens and is closed with OK at once; it takes no answer.
    void showEmphasisDisplay(const EmphasisDisplay& display) override;
    // "fields" types into "Skill:" (the filter; a skill named whole is chosen) and
    // "Difficulty:". Closed with OK, the transcript names the skill, its rating, the difficulty
    // and the base number.
    bool runSkillRoll(SkillRoll& model) override;

    // The closing line: where the command left the document (its page, whether it is modified
    // and its file).
    void writeDone(std::int32_t page, bool modified, const std::filesystem::path& fileName);

protected:
    enum class Outcome { Open, Accepted, Cancelled };
    using ActionHandler = std::function<Outcome(const nlohmann::json& action)>;

    // Runs one dialog: writes its opening, takes the next answer, checks its title, applies its
    // actions in order until one closes the dialog, and writes its closing (with what accepted
    // adds to it, when it was accepted). A dialog still open when the actions end is cancelled.
    // Answers whether it was accepted.
    bool runDialog(const std::string& title, const nlohmann::ordered_json& inputs,
                   const ActionHandler& apply,
                   const std::function<void(nlohmann::ordered_json&)>& accepted = {});

    void write(const nlohmann::ordered_json& event);

    // Adds an answer after the script's last, for a dialog still to come.
    void addAnswer(nlohmann::json answer) { m_script.push_back(std::move(answer)); }

private:
    // A button the script may click: its caption, and what pressing it does to the dialog.
    struct Button {
        std::string_view caption;
        std::function<Outcome()> press;
    };
    // Presses the button an action clicks; a caption the dialog does not have is a mismatch.
    static Outcome click(const std::string& title, const nlohmann::json& action,
                         std::span<const Button> buttons);
    static ScriptMismatch noSuchButton(const std::string& title, const std::string& caption);
    // OK after its check: a refusal is shown and the dialog stays open; otherwise it is accepted.
    Outcome confirmed(const std::optional<Message>& refusal);
    // A button that does its work and leaves the dialog open.
    template <typename Work> static std::function<Outcome()> staysOpen(Work work) {
        return [work] {
            work();
            return Outcome::Open;
        };
    }

    nlohmann::json m_script;
    std::size_t m_next = 0;
    std::ostream& m_transcript;
};

} // namespace orthavel

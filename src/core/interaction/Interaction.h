// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/interaction/Message.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orthavel {

struct ChoiceDialog;
class FormEntry;
struct NumberPrompt;
class AdvantageAssignment;
class SkillSelection;
class SkillRoll;
struct EmphasisDisplay;

// Everything a command needs from the person at the keyboard. The desktop program answers with
// real modal dialogs, tests and the command-line tool with a script.
class Interaction {
public:
    virtual ~Interaction() = default;

    // Shows a message box and returns when it is closed.
    virtual void showMessage(const Message& message) = 0;

    // Shows a choice dialog; answers the result value of the button that closed it, or nothing
    // when it was cancelled (Escape, the close box).
    virtual std::optional<int> runChoice(const ChoiceDialog& dialog) = 0;

    // Shows a form dialog over its entry, forwarding every edit to it: typing, leaving a field,
    // the arrows; answers whether it ended with an accepted OK (a refused OK shows its message
    // and the dialog stays). Escape, the close box and "Cancel" answer false.
    virtual bool runForm(FormEntry& form) = 0;

    // Shows a number prompt as a form of its one field; answers the accepted number or nothing
    // on cancel. An entry outside the range is refused with the range prompt and the dialog
    // stays.
    std::optional<std::int32_t> askNumber(const NumberPrompt& prompt);

    // Asks whether to save the changes of the named character before they would be lost.
    virtual SaveAnswer askSaveChanges(std::string_view documentName) = 0;

    // Shows "Assign Advantages" over its model, forwarding every click to it; answers whether
    // it ended with an accepted OK (a refused OK shows its warning and the dialog stays). Escape
    // answers false.
    virtual bool runAdvantageAssignment(AdvantageAssignment& model) = 0;

    // Shows "Choose Skills" over its model in the same way; its "&Emphasis Levels" button shows
    // the emphasis display.
    virtual bool runSkillSelection(SkillSelection& model) = 0;

    // Shows the read-only "Emphasis and Mastery" dialog until its OK is pressed.
    virtual void showEmphasisDisplay(const EmphasisDisplay& display) = 0;

    // Shows "Roll Against Skill" over its model: the filter, the rated skills, the difficulty and
    // the base number they make; answers whether it ended with an accepted OK (a refused OK shows
    // its message and the dialog stays). Escape and "Cancel" answer false.
    virtual bool runSkillRoll(SkillRoll& model) = 0;
};

} // namespace orthavel

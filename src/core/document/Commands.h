// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/document/CommandId.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orthavel {

class CQuorvelDoc;
class Interaction;

// How a document command ended: done, or left unfinished (a generation that ended at its name),
// and then what it changed is nothing to save.
enum class CommandEnd { Done, Unfinished };

// A place on the toolbar: the buttons of a group stand side by side in the order of their
// places, and a separator stands between two groups.
struct ToolbarPlace {
    int group = 0; // 0: not on the toolbar
    int place = 0;
};

// One command: where the menus offer it, what the toolbar and the status bar show of it, its
// names in the undo history and on the command line, and what it runs.
struct Command {
    CommandId id{};
    // The menu and its submenus joined with '>', and the caption; both hold "&" before their
    // mnemonic letter.
    std::string_view menu{};
    std::string_view caption{};
    bool separatorBefore = false;
    // A shortcut, or several separated by "; ".
    std::string_view shortcut{};
    // The status-bar text and the tooltip; without a tooltip the caption is the tooltip.
    std::string_view prompt{};
    std::string_view toolTip{};
    bool checkable = false;
    ToolbarPlace toolbar{};
    std::string_view icon{}; // the toolbar button's picture

    // The rest concerns the commands the document carries out; the desktop program's own (Open,
    // Save, Print, Toolbar, About...) have no name on the command line and nothing to run here.
    std::string_view commandLineName{};
    // The option that picks this command under a name another one has too: "roc" is the ROC
    // Roll, "roc --skill NAME" the roll against a skill.
    std::string_view commandLineOption{};
    // The name "Undo <name>" shows for a command that changes the character.
    std::string_view undoName{};
    CommandEnd (*run)(CQuorvelDoc& document, Interaction& ui) = nullptr;
    // A command that makes a new character replaces the open one: undone, the previous document
    // comes back whole, its file name included.
    bool replacesCharacter = false;
    // Whether its change is work to save; Rules Tips is not.
    bool marksModified = true;
    // Once its change is a step of the undo history: "Don't forget to save", and the page shown.
    bool remindsToSave = false;
    std::optional<std::int32_t> showsPage{};
};

// Every command in the order of the menus.
std::span<const Command> commandTable();
// The command of an id; every id has one.
const Command& command(CommandId id);
// The command of a command-line name: its own ("table:hit-location"), or for a rule table
// "table:" and its id ("table:32773"), picked by the option given ("skill" for "roc --skill") or
// the one that takes none; nothing for an unknown name or an option it does not take.
const Command* commandNamed(std::string_view commandLineName, std::string_view option = {});
// The second name of a rule table command ("table:32773"); empty for any other command.
std::string numberedName(const Command& command);
// Where the menus offer a command, as "File > Update Character > Birthday".
std::string menuPath(const Command& command);

} // namespace orthavel

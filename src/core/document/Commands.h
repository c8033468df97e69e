#pragma once

#include "core/document/CommandId.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace orthavel {

class CQuorvelDoc;
class Interaction;

// A command the document carries out: its identifier, its name for the command-line tool, where
// the desktop program's menus offer it ("File > Update Character > Birthday"), the document
// method it runs, and whether it replaces the open character by a new one (undone, the previous
// document comes back whole, its file name included).
struct DocumentCommand {
    int id;
    std::string_view cliName;
    std::string_view menuName;
    void (*run)(CQuorvelDoc& document, Interaction& ui);
    bool replacesCharacter = false;
};

// Every command the document carries out, the rule tables and pages included.
const DocumentCommand* findDocumentCommand(int id);
const DocumentCommand* findDocumentCommand(std::string_view cliName);
std::span<const DocumentCommand> documentCommands();

// The name of a command that changes the character, as "Undo <name>" shows it.
std::string_view commandName(const DocumentCommand& command);

} // namespace orthavel

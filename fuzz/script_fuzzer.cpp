// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to the script reader, and every script it accepts to every document
// command: nothing may crash, overflow or run away, whatever the script holds. A script that
// does not fit the dialogs ends in ScriptMismatch, as orthavel-cli's exit 3.
#include "core/document/CQuorvelDoc.h"
#include "core/document/Commands.h"
#include "script/ScriptFormat.h"
#include "script/ScriptedInteraction.h"

#include <cstdint>
#include <ostream>
#include <stdexcept>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    nlohmann::json script;
    try {
        script = orthavel::parseScript(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const std::runtime_error&) {
        return 0;
    }
    std::ostream transcript(nullptr); // the transcript is made, and dropped
    for (const orthavel::Command& command : orthavel::commandTable()) {
        if (command.run == nullptr) {
            continue; // the desktop program's own
        }
        orthavel::CQuorvelDoc document;
        document.dice().seed(1);
        orthavel::ScriptedInteraction ui(script, transcript);
        try {
            document.runCommand(command, ui);
        } catch (const orthavel::ScriptMismatch&) {
        }
        ui.writeDone(document.record().m_nPage, document.IsModified(), document.fileName());
    }
    return 0;
}

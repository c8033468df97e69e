// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CharacterIO.h"
#include "cli/Subcommands.h"
#include "core/document/Commands.h"
#include "core/interaction/ChoiceDialog.h"
#include "core/interaction/NumberPrompt.h"
#include "core/skills/SkillRoll.h"
#include "script/ScriptFormat.h"
#include "script/ScriptedInteraction.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

// run: one menu command, its dialogs answered from a script, its transcript printed.
namespace orthavel::cli {

namespace {

std::optional<std::vector<int>> parseRolls(const std::string& list) {
    std::vector<int> rolls;
    std::stringstream in(list);
    std::string item;
    while (std::getline(in, item, ',')) {
        long long v = 0;
        if (!parseInt(item, v) || v < 1 || v > 100) {
            return std::nullopt;
        }
        rolls.push_back(static_cast<int>(v));
    }
    return rolls;
}

// A script is far smaller than this; a larger one, or one that never ends (/dev/zero), is
// refused before it fills the memory.
constexpr std::size_t kMostScriptBytes = std::size_t{16} << 20;

// Reads the text of a script: a regular file or a pipe of at most kMostScriptBytes. Otherwise
// the answer says what is wrong.
std::optional<std::string> readScript(const std::string& path, std::string& text) {
    std::error_code error;
    const auto status = std::filesystem::status(std::filesystem::path(path), error);
    if (std::filesystem::is_directory(status)) {
        return "the script is a folder";
    }
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
        !std::filesystem::is_fifo(status)) {
        return "the script is not a regular file or a pipe";
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::string("the script cannot be read: ") + std::strerror(errno);
    }
    std::array<char, 1 << 16> chunk{};
    text.clear();
    while (in.read(chunk.data(), chunk.size()) || in.gcount() > 0) {
        text.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
        if (text.size() > kMostScriptBytes) {
            return "the script is larger than 16 MiB";
        }
    }
    if (in.bad()) {
        return "the script cannot be read";
    }
    return std::nullopt;
}

// Roll Against Skill's answer from --skill and --difficulty: the skill is named whole, and one
// the character does not have rated is refused before anything runs.
int skillRollAnswer(const Arguments& a, const CharacterRecord& record, nlohmann::json& script,
                    std::ostream& err) {
    const std::string& name = a.options.at("skill");
    if (const auto problem = SkillRoll(record).chooseOnly(name)) {
        err << "orthavel-cli: run roc: " << *problem << '\n';
        return ExitUsage;
    }
    const auto difficulty =
        a.options.contains("difficulty")
            ? parseWholeNumber(a.options.at("difficulty"), SkillRoll::kLowestDifficulty,
                               SkillRoll::kHighestDifficulty)
            : std::optional<std::int32_t>(0);
    if (!difficulty) {
        return usage(err, "--difficulty takes a whole number from -1000 to 1000",
                     findSubcommand("run"));
    }
    nlohmann::json fields = nlohmann::json::object();
    fields[std::string(SkillRoll::kFilterLabel)] = name;
    fields[std::string(SkillRoll::kDifficultyLabel)] = std::to_string(*difficulty);
    script.insert(script.begin(), nlohmann::json{{"title", std::string(SkillRoll::kTitle)},
                                                 {"fields", fields},
                                                 {"click", std::string(kOkCaption)}});
    return ExitDone;
}

} // namespace

// A rule table is also named by its number ("table:hit-location, table:32773").
void printRunCommands(std::ostream& out) {
    for (const Command& command : commandTable()) {
        if (command.commandLineName.empty()) {
            continue;
        }
        std::string names(command.commandLineName);
        if (!command.commandLineOption.empty()) {
            names += ' ' + optionFlag(command.commandLineOption) + ' ' +
                     std::string(findSubcommand("run")->option(command.commandLineOption).value);
        }
        if (const std::string numbered = numberedName(command); !numbered.empty()) {
            names += ", " + numbered;
        }
        listed(out, names, menuPath(command));
    }
}

int cmdRun(const Arguments& a, std::ostream& out, std::ostream& err) {
    const Subcommand* run = findSubcommand("run");
    if (a.options.contains("difficulty") && !a.options.contains("skill")) {
        return usage(err, "run: --difficulty goes with --skill", run);
    }
    const std::string_view option = a.options.contains("skill") ? "skill" : "";
    const Command* command = commandNamed(a.positional[0], option);
    if (command == nullptr) {
        return usage(err,
                     commandNamed(a.positional[0]) != nullptr
                         ? "run: \"" + a.positional[0] + "\" takes no --skill"
                         : "run: unknown command \"" + a.positional[0] + "\"",
                     run);
    }
    nlohmann::json script = nlohmann::json::array();
    if (a.options.contains("script")) {
        // A script that cannot be used is named in one line, with what is wrong.
        const std::string& path = a.options.at("script");
        std::string text;
        if (const auto problem = readScript(path, text)) {
            err << "orthavel-cli: \"" << path << "\": " << *problem << '\n';
            return ExitUsage;
        }
        try {
            script = parseScript(text);
        } catch (const std::exception& e) {
            err << "orthavel-cli: \"" << path << "\": " << e.what() << '\n';
            return ExitUsage;
        }
    }
    CQuorvelDoc doc;
    if (a.options.contains("seed")) {
        long long seed = 0;
        if (!parseInt(a.options.at("seed"), seed)) {
            return usage(err, "--seed takes an integer", run);
        }
        doc.dice().seed(static_cast<std::uint64_t>(seed));
    }
    if (a.options.contains("rolls")) {
        const auto rolls = parseRolls(a.options.at("rolls"));
        if (!rolls) {
            return usage(err, "--rolls takes numbers from 1 to 100, separated by commas", run);
        }
        doc.dice().queueRolls(*rolls);
    }
    if (a.options.contains("in")) {
        if (const int status = openOrFail(doc, a.options.at("in"), err)) {
            return status;
        }
    }
    if (!option.empty()) {
        if (const int status = skillRollAnswer(a, doc.record(), script, err)) {
            return status;
        }
    }
    ScriptedInteraction ui(std::move(script), out);
    try {
        doc.runCommand(*command, ui);
    } catch (const ScriptMismatch& e) {
        out.flush();
        err << "orthavel-cli: " << e.what() << '\n';
        return ExitScriptMismatch;
    }
    ui.writeDone(doc.record().m_nPage, doc.IsModified(), doc.fileName());
    if (a.options.contains("o")) {
        return saveOrFail(doc, a.options.at("o"), out, err);
    }
    return ExitDone;
}

} // namespace orthavel::cli

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Subcommands.h"
#include "core/party/PartyMember.h"
#include "core/record/Cp1252.h"
#include "qtcommon/CharacterFileIO.h"
#include "qtcommon/SafeFile.h"
#include "script/PartyFile.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <vector>

// party: makes, changes and lists a party file.
namespace orthavel::cli {

namespace fs = std::filesystem;

int readPartyOrFail(const std::string& path, Party& party, std::ostream& err) {
    PartyReading reading = readPartyFile(toPath(q(path)));
    if (!reading.party) {
        err << "Cannot open \"" << path << "\": " << reading.problem << ".\n";
        return ExitFileError;
    }
    party = std::move(*reading.party);
    return ExitDone;
}

namespace {

int writeParty(const std::string& path, const Party& party, std::ostream& err) {
    if (auto reason = writeWholeFile(q(path), QByteArray::fromStdString(partyFileText(party)))) {
        err << "Cannot save \"" << path << "\": " << local(*reason) << ".\n";
        return ExitFileError;
    }
    return ExitDone;
}

std::vector<fs::path> filesOf(const Arguments& a) {
    std::vector<fs::path> files;
    for (std::size_t i = 2; i < a.positional.size(); ++i) {
        files.push_back(toPath(q(a.positional[i])));
    }
    return files;
}

void listMembers(const Party& party, const fs::path& partyFile, bool asJson, std::ostream& out) {
    for (const std::string& stored : party.members) {
        const PartyMember member = readMember(partyFile, stored);
        const bool ok = member.status == MemberStatus::Ok;
        const std::string name = ok ? cp1252ToUtf8(member.record.m_strName) : std::string();
        const std::string profession =
            ok ? cp1252ToUtf8(member.record.m_strProfession) : std::string();
        if (asJson) {
            nlohmann::ordered_json line{{"status", statusWord(member.status)}, {"path", stored}};
            if (ok) {
                line["name"] = name;
                line["profession"] = profession;
                line["level"] = member.record.m_nProfessionLevel;
            } else {
                line["reason"] = member.reason;
            }
            out << line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
        } else if (ok) {
            out << "ok\t" << stored << '\t' << name << '\t' << profession << '\t'
                << member.record.m_nProfessionLevel << '\n';
        } else {
            out << statusWord(member.status) << '\t' << stored << '\t' << member.reason << '\n';
        }
    }
}

} // namespace

int cmdParty(const Arguments& a, std::ostream& out, std::ostream& err) {
    const Subcommand* sub = findSubcommand("party");
    const std::string& action = a.positional[0];
    const std::string& path = a.positional[1];
    const fs::path partyFile = fs::absolute(toPath(q(path)));
    const std::size_t files = a.positional.size() - 2;
    const bool json = a.options.contains("json");
    if (action != "new" && action != "add" && action != "remove" && action != "list") {
        return usage(err, "party: the action is new, add, remove or list", sub);
    }
    if (json && action != "list") {
        return usage(err, "party: --json goes with list", sub);
    }
    if ((action == "add" || action == "remove") && files == 0) {
        return usage(err, "party: " + action + " needs the character files", sub);
    }
    if (action == "list" && files > 0) {
        return usage(err, "party: list takes the party file alone", sub);
    }
    for (std::size_t i = 2; i < a.positional.size(); ++i) {
        if (auto problem = memberPathProblem(a.positional[i])) {
            return usage(err, "party: \"" + a.positional[i] + "\": " + *problem, sub);
        }
    }
    Party party;
    if (action == "new") {
        std::error_code ec;
        if (fs::symlink_status(partyFile, ec).type() != fs::file_type::not_found) {
            err << "Cannot make \"" << path << "\": something of that name exists already.\n";
            return ExitFileError;
        }
        party.name = partyFile.stem().string();
    } else if (const int status = readPartyOrFail(path, party, err)) {
        return status;
    }
    if (action == "list") {
        listMembers(party, partyFile, json, out);
        return out.flush() ? ExitDone : ExitFileError;
    }
    const std::vector<fs::path> given = filesOf(a);
    if (action == "remove") {
        removeMembers(party, partyFile.parent_path(), given);
    } else if (!addMembers(party, partyFile.parent_path(), given)) {
        err << "Cannot save \"" << path << "\": a party holds at most " << kMostPartyMembers
            << " members.\n";
        return ExitFileError;
    }
    return writeParty(path, party, err);
}

} // namespace orthavel::cli

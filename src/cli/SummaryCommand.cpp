// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CharacterIO.h"
#include "cli/Subcommands.h"
#include "core/party/PartyMember.h"
#include "qtcommon/CharacterFileIO.h"
#include "qtsheet/SummaryRender.h"

#include <cctype>
#include <filesystem>

// summary: the game master's summary sheet of some characters, or of a party's members.
namespace orthavel::cli {

namespace {

std::string extensionOf(const std::string& path) {
    const auto dot = path.find_last_of('.');
    std::string extension = dot == std::string::npos ? std::string() : path.substr(dot + 1);
    for (char& c : extension) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return extension;
}

// The party's members that can be read, in its order; each one that cannot is named on err.
int readPartyMembers(const std::string& path, std::string& name,
                     std::vector<CharacterRecord>& records, std::ostream& err) {
    Party party;
    if (const int status = readPartyOrFail(path, party, err)) {
        return status;
    }
    name = party.name;
    const std::filesystem::path partyFile = std::filesystem::absolute(toPath(q(path)));
    for (const std::string& stored : party.members) {
        PartyMember member = readMember(partyFile, stored);
        if (member.status == MemberStatus::Ok) {
            records.push_back(std::move(member.record));
        } else {
            err << "orthavel-cli: summary: left out \"" << stored << "\" ("
                << statusWord(member.status) << ": " << member.reason << ")\n";
        }
    }
    return ExitDone;
}

} // namespace

int cmdSummary(const Arguments& a, std::ostream& /*out*/, std::ostream& err) {
    const Subcommand* sub = findSubcommand("summary");
    const std::string& output = a.options.at("o");
    const std::string extension = extensionOf(output);
    const bool fromParty = a.options.contains("party");
    if (fromParty == !a.positional.empty()) {
        return usage(err, "summary: give the character files or --party, not both", sub);
    }
    if (extension != "pdf" && extension != "png" && extension != "svg") {
        return usage(err, "summary: the output must end in .pdf, .png or .svg", sub);
    }
    long long page = 1;
    if (a.options.contains("page") &&
        (extension == "pdf" || !parseInt(a.options.at("page"), page) || page < 1)) {
        return usage(err, "summary: --page takes a page from 1, for .png and .svg", sub);
    }
    std::string name;
    std::vector<CharacterRecord> records;
    if (fromParty) {
        if (const int status = readPartyMembers(a.options.at("party"), name, records, err)) {
            return status;
        }
    }
    for (const std::string& file : a.positional) {
        CharacterRecord& record = records.emplace_back();
        if (const int status = readOrFail(record, file, err)) {
            return status;
        }
    }
    const auto app = makeGuiApplication();
    const SheetRenderer renderer;
    const std::optional<QString> problem =
        extension == "pdf"
            ? writeSummaryPdf(renderer, records, name, q(output))
            : writeSummaryPage(renderer, records, name, static_cast<std::size_t>(page), q(output));
    if (problem) {
        err << local(*problem) << '\n';
        return ExitFileError;
    }
    return ExitDone;
}

} // namespace orthavel::cli

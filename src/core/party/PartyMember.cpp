// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/party/PartyMember.h"

#include "core/party/Party.h"
#include "core/record/CharacterFile.h"

namespace orthavel {

namespace fs = std::filesystem;

std::string_view statusWord(MemberStatus status) {
    switch (status) {
    case MemberStatus::Ok:
        return "ok";
    case MemberStatus::Missing:
        return "missing";
    case MemberStatus::Damaged:
        break;
    }
    return "damaged";
}

namespace {

// Why the file cannot be read as a character before it is opened; empty when it can be tried.
std::string refusal(const fs::path& partyFile, const fs::path& file, MemberStatus& status) {
    status = MemberStatus::Damaged;
    std::error_code ec;
    const fs::file_status found = fs::status(file, ec);
    if (found.type() == fs::file_type::not_found) {
        status = MemberStatus::Missing;
        return "the file does not exist";
    }
    if (ec) {
        return "the file cannot be reached (" + ec.message() + ")";
    }
    if (found.type() == fs::file_type::directory) {
        return "it is a folder";
    }
    if (found.type() != fs::file_type::regular) {
        return "it is not a regular file";
    }
    if (fs::equivalent(partyFile, file, ec)) {
        return "it is the party file itself";
    }
    return {};
}

} // namespace

PartyMember readMember(const fs::path& partyFile, std::string_view stored) {
    PartyMember member;
    member.stored = stored;
    if (auto problem = memberPathProblem(stored)) {
        member.status = MemberStatus::Damaged;
        member.reason = std::move(*problem);
        return member;
    }
    member.file = memberFile(partyFile.parent_path(), stored);
    member.reason = refusal(partyFile, member.file, member.status);
    if (!member.reason.empty()) {
        return member;
    }
    CharacterRecord loaded;
    const LoadResult result = loadCharacterFile(member.file, loaded);
    if (result.error == FileError::CannotOpen) {
        member.reason = "the file cannot be read";
    } else if (!result) {
        member.reason =
            "it is not a character file, or it is damaged (" + describe(result.error) + ")";
    } else {
        member.status = MemberStatus::Ok;
        member.record = std::move(loaded);
    }
    return member;
}

} // namespace orthavel

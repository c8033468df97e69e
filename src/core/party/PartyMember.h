// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace orthavel {

// How a member's file was found. A missing or damaged member stays in the party with its reason;
// it never makes the party fail.
enum class MemberStatus { Ok, Missing, Damaged };

// "ok", "missing", "damaged".
std::string_view statusWord(MemberStatus status);

struct PartyMember {
    std::string stored; // the path as the party file holds it
    std::filesystem::path file;
    MemberStatus status = MemberStatus::Missing;
    std::string reason; // why it is missing or damaged, in words; empty when ok
    CharacterRecord record;
};

// Reads a member of the party file partyFile through the character-file reader. A folder, a FIFO,
// a device, the party file itself, a file that cannot be read or is no character are damaged
// members, each with its reason; nothing is opened that could block or grow without bound.
PartyMember readMember(const std::filesystem::path& partyFile, std::string_view stored);

} // namespace orthavel

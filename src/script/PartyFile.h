// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/party/Party.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The party file: UTF-8 JSON, {"format": "orthavel-party", "version": 1, "name": ...,
// "members": [...]}, unknown keys kept.
namespace orthavel {

struct PartyReading {
    std::optional<Party> party;
    std::string problem; // why there is none, in words ("it is not valid JSON (line 2, column 5)")
};

// The party in the text of a party file. A member given twice is kept once.
PartyReading parseParty(std::string_view text);
// The same from a file of at most kMostPartyFileBytes; a folder, a FIFO or a device is refused
// without being opened.
PartyReading readPartyFile(const std::filesystem::path& path);

// The text of the party file: the known keys first, then the kept ones, in the order read.
std::string partyFileText(const Party& party);

} // namespace orthavel

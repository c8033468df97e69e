// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to the party-file reader, and writes every party it accepts and reads it
// back: nothing may crash or run away, and the party must come back as it was written.
#include "script/PartyFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const orthavel::PartyReading reading =
        orthavel::parseParty(std::string(reinterpret_cast<const char*>(data), size));
    if (!reading.party) {
        return 0;
    }
    const orthavel::PartyReading again =
        orthavel::parseParty(orthavel::partyFileText(*reading.party));
    if (!again.party || again.party->members != reading.party->members) {
        std::abort();
    }
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to the reader of load (a dump object or an actor): nothing may crash,
// overflow or run away, and a record it accepts is one the character file and the dump hold
// again exactly.
#include "core/record/CharacterFile.h"
#include "script/RecordJson.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    orthavel::CharacterRecord record;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (orthavel::readRecordJson(text, record)) {
        return 0;
    }
    orthavel::CharacterRecord again;
    if (orthavel::readRecordJson(orthavel::dumpRecordJson(record), again) ||
        orthavel::storeCharacter(again) != orthavel::storeCharacter(record)) {
        std::abort();
    }
    return 0;
}

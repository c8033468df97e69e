// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to the character-file reader: it must never crash, read out of bounds,
// overflow, or allocate more than the input could justify. A character it accepts must survive
// a store and a load unchanged, and its derived values must be computable.
#include "core/record/CharacterFile.h"
#include "core/record/DerivedStats.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    orthavel::CharacterRecord record;
    if (!orthavel::loadCharacter(std::span<const unsigned char>(data, size), record)) {
        return 0;
    }
    orthavel::CharacterRecord derived = record;
    orthavel::UpdateDerivedStats(derived);
    orthavel::UpdateLifeLevel(derived);

    const std::string stored = orthavel::storeCharacter(record);
    orthavel::CharacterRecord again;
    const auto bytes = std::span<const unsigned char>(
        reinterpret_cast<const unsigned char*>(stored.data()), stored.size());
    if (!orthavel::loadCharacter(bytes, again) || orthavel::storeCharacter(again) != stored) {
        std::abort();
    }
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/document/RecoveryContent.h"

#include "core/record/CharacterFile.h"

#include <gtest/gtest.h>

namespace orthavel {
namespace {

// Damaged recovery bytes are refused and change nothing (restoring is tested on the program).
TEST(RecoveryContent, RefusesDamage) {
    const std::string bytes = storeRecovery("/home/kim/ysolde.ksc", CharacterRecord());
    const std::pair<std::string, RecoveryError> damaged[] = {
        {storeCharacter(CharacterRecord()), RecoveryError::NotRecovery},
        {bytes.substr(0, 25), RecoveryError::BadFileName},
        {bytes.substr(0, bytes.size() - 1), RecoveryError::BadCharacter},
        {bytes + "x", RecoveryError::TrailingBytes},
    };
    for (const auto& [input, error] : damaged) {
        RecoveryContent kept;
        kept.fileName = "kept";
        const auto span =
            std::span(reinterpret_cast<const unsigned char*>(input.data()), input.size());
        EXPECT_EQ(loadRecovery(span, kept).error, error) << input.size();
        EXPECT_EQ(kept.fileName, "kept");
    }
}

} // namespace
} // namespace orthavel

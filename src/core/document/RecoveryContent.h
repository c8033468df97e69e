// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterFile.h"
#include "core/record/CharacterRecord.h"

#include <filesystem>
#include <span>
#include <string>

namespace orthavel {

// What a recovery file holds: the unsaved character and the file it belongs to (empty while
// unnamed). Its bytes are a first line naming the format, a line with the file's path, then the
// character exactly as a character file stores it.
struct RecoveryContent {
    std::filesystem::path fileName;
    CharacterRecord record;
};

std::string storeRecovery(const std::filesystem::path& fileName, const CharacterRecord& record);

// Why recovery bytes were refused.
enum class RecoveryError {
    None,
    NotRecovery,   // the first line is not the format's
    BadFileName,   // the path line is missing, too long or holds a NUL
    BadCharacter,  // the character cannot be read (characterError says why)
    TrailingBytes, // bytes follow the character
};

struct RecoveryResult {
    RecoveryError error = RecoveryError::None;
    FileError characterError = FileError::None;

    explicit operator bool() const { return error == RecoveryError::None; }
};

// Reads recovery bytes into content; on failure content is left as it was.
RecoveryResult loadRecovery(std::span<const unsigned char> bytes, RecoveryContent& content);

// The reason in words, for the message that refuses the file ("it is damaged: ...").
std::string describe(const RecoveryResult& result);

} // namespace orthavel

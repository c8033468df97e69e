// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace orthavel {

// Why a character file could not be read.
enum class FileError {
    None,
    CannotOpen,    // the file could not be opened or read at all
    UnexpectedEnd, // the file ends before the last field
    TextTooLong,   // a text claims more bytes than the file has left
    BadTextPrefix, // a text's length prefix is not one of the known forms
    TextTooLarge,  // a text is longer than kMaxTextLength
};

// The longest text a character file may hold, in characters: far beyond any name or description
// a player writes, and a bound on what opening a file can make the program hold and draw.
inline constexpr std::uint32_t kMaxTextLength = 1U << 20;

struct LoadResult {
    FileError error = FileError::None;
    std::uint64_t offset = 0; // where reading stopped

    explicit operator bool() const { return error == FileError::None; }
};

// A short sentence naming the reason, for messages ("unexpected format" ...).
std::string describe(FileError error);

// The name proposed for a file of the character: its name without the characters file systems
// refuse and without dots and spaces at either end ("Untitled" when nothing is left), cut on a
// character's start so that the whole name, extension included, takes at most 255 bytes.
std::string characterFileName(const CharacterRecord& record, std::string_view extension);

// The character as the bytes of a character file.
std::string storeCharacter(const CharacterRecord& record);

// Reads a character from bytes into record. Only the stored fields are read; the working fields
// keep their values. On failure record holds whatever was read so far: callers read into a copy.
// A text's length is checked against the bytes left before anything is allocated for it.
LoadResult loadCharacter(std::span<const unsigned char> bytes, CharacterRecord& record);
// The same from a file, read with one read of at most as many bytes as a character can use.
LoadResult loadCharacterFile(const std::filesystem::path& path, CharacterRecord& record);

} // namespace orthavel

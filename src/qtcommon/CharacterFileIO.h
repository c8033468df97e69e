// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterFile.h"

#include <QString>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace orthavel {

// Saves the bytes of a character to path. The old file is replaced only once the new one is
// complete, so a failed save leaves it intact. On success saved is told the file's absolute path
// (the document takes it as its name); on failure the answer says why.
std::optional<QString>
saveCharacterFile(const QString& path, const std::string& bytes,
                  const std::function<void(const std::filesystem::path&)>& saved);

// Opens path: once it names a readable file, open reads it at its absolute path (the document
// replaces its character only when the whole file was read). On failure the answer is a sentence
// that names the file and the reason.
std::optional<QString>
openCharacterFile(const QString& path,
                  const std::function<LoadResult(const std::filesystem::path&)>& open);

// Reads the character of path into record as it is stored (no page switch); on failure record
// stays untouched and the answer says why, as openCharacterFile does.
std::optional<QString> readCharacter(const QString& path, CharacterRecord& record);

// The path of a QString as the core's file functions take it.
std::filesystem::path toPath(const QString& path);

} // namespace orthavel

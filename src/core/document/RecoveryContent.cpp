// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/document/RecoveryContent.h"

#include <algorithm>
#include <string_view>

namespace orthavel {
namespace {

constexpr std::string_view kFirstLine = "Orthavel recovery 1\n";
// Longer than any path a system accepts.
constexpr std::size_t kMaxPathLength = 4096;

} // namespace

std::string storeRecovery(const std::filesystem::path& fileName, const CharacterRecord& record) {
    std::string name = fileName.string();
    // A path that would break its line cannot be kept: the character comes back unnamed.
    if (name.find_first_of(std::string_view("\n\0", 2)) != std::string::npos ||
        name.size() > kMaxPathLength) {
        name.clear();
    }
    return std::string(kFirstLine) + name + '\n' + storeCharacter(record);
}

RecoveryResult loadRecovery(std::span<const unsigned char> bytes, RecoveryContent& content) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!text.starts_with(kFirstLine)) {
        return {RecoveryError::NotRecovery};
    }
    const std::size_t start = kFirstLine.size();
    const std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos || end - start > kMaxPathLength ||
        text.substr(start, end - start).find('\0') != std::string_view::npos) {
        return {RecoveryError::BadFileName};
    }
    RecoveryContent loaded;
    loaded.fileName = std::filesystem::path(std::string(text.substr(start, end - start)));
    const auto character = bytes.subspan(end + 1);
    const LoadResult result = loadCharacter(character, loaded.record);
    if (!result) {
        return {RecoveryError::BadCharacter, result.error};
    }
    if (result.offset != character.size()) {
        return {RecoveryError::TrailingBytes};
    }
    content = std::move(loaded);
    return {};
}

std::string describe(const RecoveryResult& result) {
    switch (result.error) {
    case RecoveryError::None:
        return "no error";
    case RecoveryError::NotRecovery:
        return "it is not an Orthavel recovery file";
    case RecoveryError::BadFileName:
        return "its file name is damaged";
    case RecoveryError::BadCharacter:
        return "its character is damaged (" + describe(result.characterError) + ")";
    case RecoveryError::TrailingBytes:
        return "unexpected bytes follow its character";
    }
    return "it is damaged";
}

} // namespace orthavel

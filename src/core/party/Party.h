// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The game master's party: a name and a list of character files, kept in a party file beside
// them. The party sits beside the one open character; it never replaces it.
namespace orthavel {

// Bounds of a party file: what a game master's table can hold, far beyond any evening's need.
inline constexpr std::size_t kMostPartyMembers = 10000;
inline constexpr std::uintmax_t kMostPartyFileBytes = 1U << 20;

// A key of the party file this program does not know, with its value as the JSON text it was
// read as, so that saving the party writes it back.
struct KeptKey {
    std::string key;
    std::string json;
    bool operator==(const KeptKey&) const = default;
};

struct Party {
    std::string name; // UTF-8
    // Each member's path as stored: relative to the party file's folder, absolute only where no
    // relative path leads there. Generic form ('/'), UTF-8.
    std::vector<std::string> members;
    std::vector<KeptKey> kept;
    bool operator==(const Party&) const = default;
};

// Why a stored path can never name a member (empty, a NUL or a control character in it);
// nothing when it can.
std::optional<std::string> memberPathProblem(std::string_view stored);

// The path a party file in partyFolder stores for file: relative to the folder, or absolute when
// no relative path leads there (another drive).
std::string storedMemberPath(const std::filesystem::path& partyFolder,
                             const std::filesystem::path& file);
// Where a stored path leads, from the party file's folder.
std::filesystem::path memberFile(const std::filesystem::path& partyFolder, std::string_view stored);

// Adds each file not yet a member, in order (the same file given twice, or already there by
// another spelling, is kept once); answers how many were added. A party never grows past
// kMostPartyMembers: when these files would take it there, none is added and the answer is
// nothing.
std::optional<std::size_t> addMembers(Party& party, const std::filesystem::path& partyFolder,
                                      std::span<const std::filesystem::path> files);
// Removes the members that lead to these files; answers how many were removed. The files
// themselves are never touched.
std::size_t removeMembers(Party& party, const std::filesystem::path& partyFolder,
                          std::span<const std::filesystem::path> files);

} // namespace orthavel

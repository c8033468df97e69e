// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/party/Party.h"

#include <algorithm>
#include <set>

namespace orthavel {

namespace fs = std::filesystem;

std::optional<std::string> memberPathProblem(std::string_view stored) {
    if (stored.empty()) {
        return "the path is empty";
    }
    if (stored.find('\0') != std::string_view::npos) {
        return "the path holds a NUL character";
    }
    const bool control = std::any_of(stored.begin(), stored.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
    if (control) {
        return "the path holds a control character";
    }
    return std::nullopt;
}

namespace {

// One spelling for every path that leads to the same file: absolute, without "." and "..", and
// with the symbolic links of the folders that exist followed.
fs::path sameFileKey(const fs::path& file) {
    std::error_code ec;
    fs::path key = fs::weakly_canonical(fs::absolute(file, ec), ec);
    if (ec) {
        key = fs::absolute(file, ec).lexically_normal();
    }
    return key;
}

} // namespace

std::string storedMemberPath(const fs::path& partyFolder, const fs::path& file) {
    std::error_code ec;
    const fs::path target = fs::absolute(file, ec).lexically_normal();
    const fs::path folder = fs::absolute(partyFolder, ec).lexically_normal();
    const fs::path relative = target.lexically_relative(folder);
    if (relative.empty()) {
        return target.generic_string();
    }
    return relative.generic_string();
}

fs::path memberFile(const fs::path& partyFolder, std::string_view stored) {
    const fs::path path(stored);
    return path.is_absolute() ? path : partyFolder / path;
}

std::optional<std::size_t> addMembers(Party& party, const fs::path& partyFolder,
                                      std::span<const fs::path> files) {
    std::set<fs::path> present;
    for (const std::string& stored : party.members) {
        present.insert(sameFileKey(memberFile(partyFolder, stored)));
    }
    std::vector<std::string> added;
    for (const fs::path& file : files) {
        if (present.insert(sameFileKey(file)).second) {
            added.push_back(storedMemberPath(partyFolder, file));
        }
    }
    if (party.members.size() + added.size() > kMostPartyMembers) {
        return std::nullopt;
    }
    party.members.insert(party.members.end(), added.begin(), added.end());
    return added.size();
}

std::size_t removeMembers(Party& party, const fs::path& partyFolder,
                          std::span<const fs::path> files) {
    std::set<fs::path> gone;
    for (const fs::path& file : files) {
        gone.insert(sameFileKey(file));
    }
    const std::size_t before = party.members.size();
    std::erase_if(party.members, [&](const std::string& stored) {
        return gone.contains(sameFileKey(memberFile(partyFolder, stored)));
    });
    return before - party.members.size();
}

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace orthavel {

// A hash map keyed by sheet texts (Windows-1252 bytes) that is looked up with string views, so a
// lookup copies nothing.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
        return std::hash<std::string_view>{}(text);
    }
};
template <typename Value>
using TextMap = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;

// Texts kept per font by the sheet's caches; past this many they are all forgotten and made
// again as needed. Far more than the sheet's labels and a long session's values, and a bound on
// what new names and numbers can make the program hold.
inline constexpr std::size_t kMaximumKeptTexts = 8192;

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace orthavel {

// The pattern with each "%i" in turn replaced by the next number, written in decimal; a "%i"
// left without a number stays as written. The one formatter of the program's texts.
std::string formatInts(std::string_view pattern, std::span<const std::int32_t> values);

inline std::string formatInts(std::string_view pattern,
                              std::initializer_list<std::int32_t> values) {
    return formatInts(pattern, std::span<const std::int32_t>(values.begin(), values.size()));
}

} // namespace orthavel

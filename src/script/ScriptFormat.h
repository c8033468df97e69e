// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>

namespace orthavel {

// An arrow step clicks at most this many times either way: more than any box's range.
inline constexpr std::int64_t kMaxArrowClicks = 1000;

// A text of the script as a message repeats it: at most 200 characters, then "...".
std::string shownText(const std::string& text);

// Reads a script file's text: valid JSON nested at most 64 deep, a list of answers whose values
// have the types the actions need, and arrow steps of at most kMaxArrowClicks clicks. Otherwise
// throws std::runtime_error naming what is wrong and where ("answer 2: steps must be a list", a
// line and column for invalid JSON).
nlohmann::json parseScript(const std::string& text);

} // namespace orthavel

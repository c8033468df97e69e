// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/interaction/NumberPrompt.h"

#include <charconv>

namespace orthavel {

NumberPrompt newAdvantagePointsPrompt() {
    return {"Update Advantages",         "Number of new advantage points:", {}, 0, -10, 10, {},
            FieldKey::NewAdvantagePoints};
}

NumberPrompt newSkillPointsPrompt() {
    return {"Update Skills", "Enter number of new skill points:", {}, 0, -200, 200, {}};
}

Message rangePrompt(std::int32_t minimum, std::int32_t maximum) {
    return {"Orthavel",
            "Please enter an integer between " + std::to_string(minimum) + " and " +
                std::to_string(maximum) + ".",
            true};
}

std::optional<std::int32_t> parseWholeNumber(std::string_view typed, std::int32_t minimum,
                                             std::int32_t maximum) {
    // Blanks around the number are allowed, as in any integer field.
    while (!typed.empty() && (typed.front() == ' ' || typed.front() == '\t')) {
        typed.remove_prefix(1);
    }
    while (!typed.empty() && (typed.back() == ' ' || typed.back() == '\t')) {
        typed.remove_suffix(1);
    }
    // A plus sign is allowed before the digits, but not before another sign.
    if (typed.size() > 1 && typed.front() == '+' && typed[1] != '-') {
        typed.remove_prefix(1);
    }
    long long value = 0;
    const auto* end = typed.data() + typed.size();
    const auto [ptr, ec] = std::from_chars(typed.data(), end, value);
    if (typed.empty() || ec != std::errc{} || ptr != end || value < minimum || value > maximum) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

} // namespace orthavel

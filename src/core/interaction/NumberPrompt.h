// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/interaction/DialogKeys.h"
#include "core/interaction/Message.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orthavel {

// A dialog with one integer field validated against a range, and OK: a form of one number field
// (numberPromptForm), asked with Interaction::askNumber. The field starts at initial; static
// texts stand above the field and notes below it.
struct NumberPrompt {
    std::string title;
    std::string label; // the field's label, e.g. "Base Number:"
    std::vector<std::string> texts;
    std::int32_t initial = 0;
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    std::vector<std::string> notes;
    FieldKey key = FieldKey::Other;
};

// "Update Advantages" and "Update Skills": the newly earned points, starting at 0.
NumberPrompt newAdvantagePointsPrompt();
NumberPrompt newSkillPointsPrompt();

// The standard prompt for an entry that is not an integer in [minimum, maximum].
Message rangePrompt(std::int32_t minimum, std::int32_t maximum);

// A typed entry as an integer field reads it: a whole number within [minimum, maximum], with
// blanks around it and one sign at most, or nothing.
std::optional<std::int32_t> parseWholeNumber(std::string_view typed, std::int32_t minimum,
                                             std::int32_t maximum);

} // namespace orthavel

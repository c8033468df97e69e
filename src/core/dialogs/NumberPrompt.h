#pragma once

#include "core/dialogs/Message.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orthavel {

// A dialog with one integer field validated against a range, and OK. The field starts at
// initial; static texts stand above the field and notes below it.
struct NumberPrompt {
    std::string title;
    std::string label; // the field's label, e.g. "Base Number:"
    std::vector<std::string> texts;
    std::int32_t initial = 0;
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    std::vector<std::string> notes;
};

// The standard prompt for an entry that is not an integer in [minimum, maximum].
Message rangePrompt(const NumberPrompt& prompt);

// A typed entry as an integer field reads it: a whole number within [minimum, maximum], with
// blanks around it and one sign at most, or nothing.
std::optional<std::int32_t> parseWholeNumber(std::string_view typed, std::int32_t minimum,
                                             std::int32_t maximum);

// What OK does with the typed text: the number, or the message that refuses it.
std::variant<std::int32_t, Message> acceptNumberEntry(const NumberPrompt& prompt,
                                                      std::string_view typed);

} // namespace orthavel

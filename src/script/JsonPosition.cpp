// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "script/JsonPosition.h"

#include <algorithm>

namespace orthavel {

using nlohmann::json;

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Follows a parse only for its fault: the token the parser stopped at, as it read it.
class FaultToken final : public nlohmann::json_sax<json> {
public:
    std::string token;

    bool null() override { return true; }
    bool boolean(bool /*value*/) override { return true; }
    bool number_integer(number_integer_t /*value*/) override { return true; }
    bool number_unsigned(number_unsigned_t /*value*/) override { return true; }
    bool number_float(number_float_t /*value*/, const string_t& /*text*/) override { return true; }
    bool string(string_t& /*value*/) override { return true; }
    bool binary(binary_t& /*value*/) override { return true; }
    bool start_object(std::size_t /*elements*/) override { return true; }
    bool key(string_t& /*value*/) override { return true; }
    bool end_object() override { return true; }
    bool start_array(std::size_t /*elements*/) override { return true; }
    bool end_array() override { return true; }
    bool parse_error(std::size_t /*position*/, const std::string& lastToken,
                     const json::exception& /*error*/) override {
        token = lastToken;
        return false;
    }
};

} // namespace

std::string TextPosition::words() const {
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

TextPosition textPosition(std::string_view text, std::size_t offset) {
    std::string_view before = text.substr(0, std::min(offset, text.size()));
    if (before.starts_with(kByteOrderMark)) {
        before.remove_prefix(kByteOrderMark.size());
    }
    const std::size_t newline = before.rfind('\n');
    const std::string_view line =
        newline == std::string_view::npos ? before : before.substr(newline + 1);
    // A character is a byte that does not continue a UTF-8 sequence. The parser has read every
    // byte before its fault as UTF-8, so none of them is a stray continuation.
    const auto characters = std::count_if(line.begin(), line.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    return {1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n')),
            1 + static_cast<std::size_t>(characters)};
}

std::size_t jsonFaultOffset(std::string_view text, const json::parse_error& error) {
    // The parser counts the bytes it read, the one it stopped at included (and the end of the
    // text, when the text ended first).
    const std::size_t read = std::min(error.byte, text.size() + 1);
    const std::size_t last = read == 0 ? 0 : read - 1;
    // A byte no token may hold there ("last read: ...") or the end of the text is the fault.
    if (last >= text.size() ||
        std::string_view(error.what()).find("; last read: ") != std::string_view::npos) {
        return last;
    }
    // A whole token where another was expected: the fault is where it begins. The parser read a
    // text or a number as one token; a literal or a sign stands alone.
    std::size_t length = 1;
    const char end = text[last];
    if (end == '"' || (end >= '0' && end <= '9')) {
        FaultToken fault;
        json::sax_parse(text, &fault);
        length = fault.token.size();
    } else if (end == 'e' || end == 'l') {
        length = text.substr(0, read).ends_with("false") ? 5 : 4;
    }
    return read - std::min(read, length);
}

bool nestedDeeperThan(std::string_view text, int depth) {
    int open = 0;
    bool inText = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inText) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inText = false;
            }
        } else if (c == '"') {
            inText = true;
        } else if (c == '[' || c == '{') {
            if (++open > depth) {
                return true;
            }
        } else if (c == ']' || c == '}') {
            --open;
        }
    }
    return false;
}

} // namespace orthavel

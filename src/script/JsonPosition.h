// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <string>
#include <string_view>

namespace orthavel {

// A place in a text as a person counts it: the line, and the character in that line, both from 1.
struct TextPosition {
    std::size_t line = 1;
    std::size_t column = 1;

    // As messages name it: "line 2, column 30".
    std::string words() const;
};

// The place of the byte at offset in a UTF-8 text (the end of the text when offset is past it). A
// column counts characters, not bytes, and a tab as one; a byte-order mark at the start is none.
TextPosition textPosition(std::string_view text, std::size_t offset);

// Where nlohmann::json::parse(text) found the fault it threw: the first byte of the token it did
// not expect there, or the byte it could not read, or the end of a text that ended too soon.
// Every reader of JSON names a fault by textPosition(text, jsonFaultOffset(text, error)).
std::size_t jsonFaultOffset(std::string_view text, const nlohmann::json::parse_error& error);

// Whether the lists and objects of a JSON text nest deeper than depth, found in one pass over the
// text before it is parsed, so that a value nested without end is refused before anything is
// built. Texts are skipped; invalid JSON is left to the parser.
bool nestedDeeperThan(std::string_view text, int depth);

} // namespace orthavel

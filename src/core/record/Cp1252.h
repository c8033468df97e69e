// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orthavel {

// Texts in the record are Windows-1252 bytes; the outside world speaks Unicode.

// The Unicode code point of a Windows-1252 byte. The five bytes the code page leaves undefined
// map to the C1 control with the same value, so every byte survives a round trip.
char32_t cp1252ToCodePoint(unsigned char byte);

// The Windows-1252 byte for a code point, or nothing when the code page cannot hold it.
std::optional<unsigned char> codePointToCp1252(char32_t codePoint);

std::string cp1252ToUtf8(std::string_view cp1252);

// Converts UTF-8 to Windows-1252; characters the code page cannot hold (and malformed input)
// become '?'.
std::string utf8ToCp1252(std::string_view utf8);

// Converts UTF-8 to Windows-1252 when the code page holds every character of it; nothing when it
// does not (or the UTF-8 is malformed).
std::optional<std::string> utf8ToCp1252Exactly(std::string_view utf8);

// Whether a code point is a control character (C0, DELETE or C1): no text is meant to hold one,
// and XML cannot hold most of them.
constexpr bool isControlCharacter(char32_t codePoint) {
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint < 0xA0);
}

// Whether UTF-8 text holds a control character.
bool holdsControlCharacter(std::string_view utf8);

// Windows-1252 text without its control characters.
std::string withoutControlCharacters(std::string_view cp1252);

} // namespace orthavel

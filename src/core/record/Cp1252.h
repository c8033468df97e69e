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

} // namespace orthavel

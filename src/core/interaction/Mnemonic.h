// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orthavel {

// How a caption marks its mnemonic, as the desktop draws captions: "&" before a character marks
// it and is not shown (the first mark counts), "&&" shows one "&", and an "&" at the very end
// shows nothing.

// Calls shown(c) with each character the caption shows, in order, and answers the marked
// character, or '\0' when the caption marks none.
template <typename Shown> constexpr char readCaption(std::string_view caption, Shown&& shown) {
    char marked = '\0';
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (++i == caption.size()) {
                break;
            }
            if (caption[i] != '&' && marked == '\0') {
                marked = caption[i];
            }
        }
        shown(caption[i]);
    }
    return marked;
}

// The text a caption shows.
std::string stripMnemonic(std::string_view caption);

// The character a caption marks as its mnemonic, '\0' for none.
constexpr char mnemonicOf(std::string_view caption) {
    return readCaption(caption, [](char) {});
}

// Whether a caption shows exactly text; for the tables' checks.
constexpr bool captionReads(std::string_view caption, std::string_view text) {
    std::size_t n = 0;
    bool same = true;
    readCaption(caption, [&](char c) {
        same = same && n < text.size() && text[n] == c;
        ++n;
    });
    return same && n == text.size();
}

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/interaction/Mnemonic.h"

namespace orthavel {

std::string stripMnemonic(std::string_view caption) {
    std::string text;
    readCaption(caption, [&](char c) { text.push_back(c); });
    return text;
}

} // namespace orthavel

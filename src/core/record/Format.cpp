// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/record/Format.h"

namespace orthavel {

std::string formatInts(std::string_view pattern, std::span<const std::int32_t> values) {
    std::string out;
    out.reserve(pattern.size() + 11 * values.size());
    auto next = values.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern.compare(i, 2, "%i") == 0 && next != values.end()) {
            out += std::to_string(*next++);
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cstdint>

namespace orthavel {

// Where clicks on a number box's arrows leave value, for a box that runs from lowest to highest:
// each click moves one step, up for a positive count and down for a negative one, and the arrows
// stop at the ends. A value outside the range (read from a file) moves only toward the range,
// and on through it. Worked out at once, however many clicks there are.
constexpr std::int64_t afterArrowClicks(std::int64_t value, std::int64_t clicks,
                                        std::int64_t lowest, std::int64_t highest) {
    if (clicks > 0) {
        return value >= highest ? value : std::min(value + clicks, highest);
    }
    if (clicks < 0) {
        return value <= lowest ? value : std::max(value + clicks, lowest);
    }
    return value;
}

} // namespace orthavel

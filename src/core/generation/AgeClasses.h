// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace orthavel {

// The seven age classes of Full Generation, as "Kessari Age Delineations" offers them, top to
// bottom, each with the baseline it gives a character: its ages and skill points, its size, move
// bases, base health and willpower, and its Strength, Reflex and Persevearance (every other
// advantage starts at 0).
struct AgeClass {
    std::string_view caption;
    std::int32_t minAge;
    std::int32_t maxAge;
    std::int32_t skillPoints;
    std::int32_t size;
    std::int32_t moveBase;
    std::int32_t moveBaseAdj;
    std::int32_t baseHealth;
    std::int32_t baseWillpower;
    std::int8_t strength;
    std::int8_t reflex;
    std::int8_t persevearance;
};

// clang-format off
inline constexpr std::array<AgeClass, 7> kAgeClasses{{
    {"Y&oungster",     1,   11,  122, 3, 1, 1, 10, 130, 0, 1, 0},
    {"&Young Adult",  12,   20,  203, 4, 4, 5, 20, 115, 1, 1, 1},
    {"&Adulthood",    21,  300,  405, 4, 5, 6, 25, 105, 1, 1, 2},
    {"&Midlife",     301,  505,  790, 4, 5, 6, 25, 100, 1, 1, 2},
    {"&Elderly",     506,  675, 1296, 4, 4, 5, 20,  90, 1, 0, 2},
    {"O&ld",         676,  800, 1731, 4, 3, 3, 15,  75, 0, 0, 2},
    {"&Legendary",   801, 1200, 2228, 4, 2, 2, 10,  60, 0, 0, 2},
}};
// clang-format on

constexpr bool ageClassesFollowEachOther() {
    for (std::size_t i = 0; i < kAgeClasses.size(); ++i) {
        const AgeClass& row = kAgeClasses[i];
        if (row.minAge > row.maxAge ||
            (i > 0 && (row.minAge != kAgeClasses[i - 1].maxAge + 1 ||
                       row.skillPoints <= kAgeClasses[i - 1].skillPoints))) {
            return false;
        }
    }
    return kAgeClasses.front().minAge == 1;
}
static_assert(ageClassesFollowEachOther(),
              "the age classes run on from age 1 without a gap, each with more skill points");

} // namespace orthavel

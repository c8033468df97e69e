// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/sheet/Page4Layout.h"

#include "FixedPitchMetrics.h"

#include <gtest/gtest.h>

#include <limits>

namespace orthavel {
namespace {

using namespace test;

DisplayList page4(const CharacterRecord& r = {}) {
    return layoutPage4(r, FixedPitchMetrics{});
}

// Quarters and halves truncate towards zero.
TEST(Page4Layout, DamageBonusLines) {
    struct Case {
        std::int32_t bonus, adjusted;
        const char *quarter, *half, *whole;
    };
    // clang-format off
    const Case cases[] = {
        {7, 9, "B  1/2", "C  3/4", "D+ 7/9"},     {-5, -7, "B  -1/-1", "C  -2/-3", "D+ -5/-7"},
        {-3, 3, "B  0/0", "C  -1/1", "D+ -3/3"},
    };
    // clang-format on
    for (const Case& c : cases) {
        CharacterRecord r;
        r.m_nDamageBonus = c.bonus;
        r.m_nDamageBonusAdj = c.adjusted;
        expectTexts(page4(r), {{630, 472, c.quarter}, {630, 492, c.half}, {630, 512, c.whole}});
    }
}

// Any armor type without a row, whatever a file holds, draws only the headings.
TEST(Page4Layout, ArmorRow) {
    struct Case {
        std::int32_t type;
        const char *name, *absorb, *maxPoints, *weight;
    };
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    // clang-format off
    const Case cases[] = {
        {1, "Padding", "5", "", "3"}, {11, "Field plate", "35", "350", "180"},
        {0, "", "", "", ""}, {12, "", "", "", ""}, {kMin, "", "", "", ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        CharacterRecord r;
        r.m_aEquipment[0] = c.type;
        const DisplayList list = page4(r);
        EXPECT_EQ(textAt(list, 10, 682), c.name);
        EXPECT_EQ(textAt(list, 127, 682), c.absorb);
        EXPECT_EQ(textAt(list, 192, 682), c.maxPoints);
        EXPECT_EQ(textAt(list, 325, 682), c.weight);
    }
}

} // namespace
} // namespace orthavel

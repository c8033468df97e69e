// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/dice/Dice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <vector>

namespace orthavel {
namespace {

std::vector<int> draws(Dice& dice, int count) {
    std::vector<int> rolls;
    for (int i = 0; i < count; ++i) {
        rolls.push_back(dice.rollPercentile());
    }
    return rolls;
}

// Every face of the die comes up, and nothing else: a range shifted or cut short by one fails.
TEST(Dice, RollsCoverOneToHundredExactly) {
    Dice dice(20261206);
    std::array<int, 102> counts{};
    for (const int roll : draws(dice, 20000)) {
        ++counts[static_cast<std::size_t>(std::clamp(roll, 0, 101))];
    }
    EXPECT_EQ(counts[0] + counts[101], 0);
    EXPECT_EQ(std::count(counts.begin() + 1, counts.end() - 1, 0), 0);
}

TEST(Dice, QueuedRollsComeFirstThenTheGenerator) {
    Dice dice(7);
    Dice reference; // seeded later the same: the same sequence
    reference.seed(7);
    dice.queueRolls({57, 12});
    dice.queueRolls({100});
    EXPECT_EQ(draws(dice, 3), (std::vector<int>{57, 12, 100}));
    EXPECT_EQ(draws(dice, 10), draws(reference, 10));
}

TEST(Dice, OnlyRollsTheDieCanShowCanBeQueued) {
    Dice dice(1);
    for (const std::vector<int>& wrong : {std::vector<int>{0}, {101}, {50, -3}}) {
        EXPECT_THROW(dice.queueRolls(wrong), std::out_of_range);
    }
    // Nothing of a refused list was queued.
    Dice reference(1);
    EXPECT_EQ(draws(dice, 5), draws(reference, 5));
}

} // namespace
} // namespace orthavel

#include "core/dice/Dice.h"
#include "core/document/CQuorvelDoc.h"

#include "support/FakeInteraction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <vector>

namespace orthavel {
namespace {

using test::FakeInteraction;

std::vector<int> draws(Dice& dice, int count) {
    std::vector<int> rolls;
    for (int i = 0; i < count; ++i) {
        rolls.push_back(dice.rollPercentile());
    }
    return rolls;
}

TEST(Dice, RollsAreUniformOverOneToHundred) {
    Dice dice(20261206);
    constexpr int kDraws = 200000;
    std::array<int, 101> counts{};
    for (int roll : draws(dice, kDraws)) {
        ASSERT_GE(roll, 1);
        ASSERT_LE(roll, 100);
        ++counts[static_cast<std::size_t>(roll)];
    }
    const double expected = kDraws / 100.0;
    double chiSquare = 0;
    for (int face = 1; face <= 100; ++face) {
        const double diff = counts[static_cast<std::size_t>(face)] - expected;
        chiSquare += diff * diff / expected;
    }
    // 99 degrees of freedom: 148.2 is the 0.1% point; a biased die lands far beyond.
    EXPECT_LT(chiSquare, 160.0);
}

TEST(Dice, ConsecutiveRollsAreIndependent) {
    Dice dice(4711);
    constexpr int kPairs = 100000;
    // Deciles of each roll and of the roll after it.
    std::array<std::array<double, 10>, 10> table{};
    std::array<double, 10> rows{};
    std::array<double, 10> columns{};
    int previous = dice.rollPercentile();
    for (int i = 0; i < kPairs; ++i) {
        const int next = dice.rollPercentile();
        const auto a = static_cast<std::size_t>((previous - 1) / 10);
        const auto b = static_cast<std::size_t>((next - 1) / 10);
        table[a][b] += 1;
        rows[a] += 1;
        columns[b] += 1;
        previous = next;
    }
    double chiSquare = 0;
    for (std::size_t a = 0; a < 10; ++a) {
        for (std::size_t b = 0; b < 10; ++b) {
            const double expected = rows[a] * columns[b] / kPairs;
            const double diff = table[a][b] - expected;
            chiSquare += diff * diff / expected;
        }
    }
    // 81 degrees of freedom: 124.8 is the 0.1% point.
    EXPECT_LT(chiSquare, 135.0);
    // No roll simply repeats the one before more often than chance (1 in 100).
    Dice again(99);
    int repeats = 0;
    int last = again.rollPercentile();
    for (int i = 0; i < kPairs; ++i) {
        const int roll = again.rollPercentile();
        repeats += roll == last ? 1 : 0;
        last = roll;
    }
    EXPECT_NEAR(repeats, kPairs / 100, 150);
}

TEST(Dice, EachProcessSeedsItsOwnSequence) {
    // Two dice made in the same instant still roll differently: the seed is not the clock.
    Dice first;
    Dice second;
    EXPECT_NE(draws(first, 20), draws(second, 20));
    // And rolls made one right after the other differ.
    const auto rolls = draws(first, 20);
    EXPECT_NE(std::count(rolls.begin(), rolls.end(), rolls.front()), 20);
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

TEST(Dice, UniformReachesBothEnds) {
    Dice dice(3);
    bool sawLowest = false;
    bool sawHighest = false;
    for (int i = 0; i < 2000; ++i) {
        const int value = dice.uniform(-2, 2);
        ASSERT_GE(value, -2);
        ASSERT_LE(value, 2);
        sawLowest = sawLowest || value == -2;
        sawHighest = sawHighest || value == 2;
    }
    EXPECT_TRUE(sawLowest && sawHighest);
    EXPECT_EQ(dice.uniform(5, 5), 5);
}

TEST(RollPercentile, ShowsTheRollUnderItsLabelBeforeReturningIt) {
    const std::pair<const char*, int> cases[] = {{"Family Trade", 1},
                                                 {"You need a 57 to be ambidextrous", 57},
                                                 {"ROC Roll", 100},
                                                 {"Random Hit Location", 9}};
    for (const auto& [label, roll] : cases) {
        CQuorvelDoc doc;
        doc.dice().queueRolls({roll});
        FakeInteraction ui;
        EXPECT_EQ(doc.RollPercentile(ui, label), roll);
        ASSERT_EQ(ui.messages.size(), 1U);
        EXPECT_EQ(ui.messages[0], (Message{std::string("Random Dice Roll (") + label + ")",
                                           "You rolled a: " + std::to_string(roll) + ".", false}));
    }
}

} // namespace
} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/dice/Dice.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace orthavel {

Dice::Dice() {
    std::random_device entropy;
    std::seed_seq seq{entropy(), entropy(), entropy(), entropy()};
    m_engine.seed(seq);
}

Dice::Dice(std::uint64_t seed) : m_engine(seed) {}

void Dice::seed(std::uint64_t seed) {
    m_engine.seed(seed);
}

void Dice::queueRolls(const std::vector<int>& rolls) {
    // A fixed roll stands for a real one, so it must be one the die can show.
    if (std::any_of(rolls.begin(), rolls.end(), [](int r) { return r < 1 || r > 100; })) {
        throw std::out_of_range("a percentile roll is 1 to 100");
    }
    m_queued.insert(m_queued.end(), rolls.begin(), rolls.end());
}

int Dice::rollPercentile() {
    if (!m_queued.empty()) {
        const int roll = m_queued.front();
        m_queued.pop_front();
        return roll;
    }
    return uniform(1, 100);
}

int Dice::uniform(int lowest, int highest) {
    if (highest <= lowest) {
        return lowest;
    }
    const std::uint64_t range =
        static_cast<std::uint64_t>(static_cast<std::int64_t>(highest) - lowest) + 1;
    // Draws at or above the largest multiple of range are thrown back, so every value is equally
    // likely.
    const std::uint64_t limit = std::numeric_limits<std::uint64_t>::max() -
                                std::numeric_limits<std::uint64_t>::max() % range;
    std::uint64_t draw = m_engine();
    while (draw >= limit) {
        draw = m_engine();
    }
    return static_cast<int>(lowest + static_cast<std::int64_t>(draw % range));
}

} // namespace orthavel

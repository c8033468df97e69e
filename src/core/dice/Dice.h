// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <iterator>
#include <random>
#include <utility>
#include <vector>

namespace orthavel {

class RollLog;

// The random source of every roll. One generator, seeded once (from the system's entropy source
// unless a seed is given); draws are uniform without modulo bias. Rolls can be fixed in advance
// for tests and scripts: queued rolls come out first, in order.
class Dice {
public:
    Dice();
    explicit Dice(std::uint64_t seed);

    void seed(std::uint64_t seed);
    // Fixes the next rolls, each 1 to 100; any other value throws std::out_of_range and queues
    // nothing.
    void queueRolls(const std::vector<int>& rolls);

    // A percentile roll, 1 to 100 (or the next queued roll).
    int rollPercentile();

    // A uniform draw from lowest to highest inclusive, from the generator (never from the queue).
    int uniform(int lowest, int highest);

    // One of items, each as likely as another (uniform draws); items must not be empty.
    template <typename Items> decltype(auto) pick(const Items& items) {
        return items[static_cast<std::size_t>(uniform(0, static_cast<int>(std::size(items)) - 1))];
    }
    // Items put in a random order, every order as likely as another (uniform draws).
    template <typename Items> void shuffle(Items& items) {
        for (std::size_t i = std::size(items); i > 1; --i) {
            using std::swap;
            swap(items[i - 1],
                 items[static_cast<std::size_t>(uniform(0, static_cast<int>(i) - 1))]);
        }
    }

    // Where the rolls shown to the player are kept (none: nowhere); RollPercentile and the
    // commands that read a roll's outcome write to it.
    void setLog(RollLog* log) { m_log = log; }
    RollLog* log() const { return m_log; }

private:
    std::mt19937_64 m_engine;
    std::deque<int> m_queued;
    RollLog* m_log = nullptr;
};

} // namespace orthavel

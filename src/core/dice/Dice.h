#pragma once

#include <cstdint>
#include <deque>
#include <random>
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

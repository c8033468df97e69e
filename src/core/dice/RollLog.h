// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orthavel {

// One roll the player was shown: when, what for (as the roll's caption names it), the roll, and
// what it brought, for the ROC roll and the rule tables.
struct LoggedRoll {
    std::string time; // "2026-12-07 10:15:32", local time
    std::string purpose;
    int roll = 0;
    std::string outcome;

    bool operator==(const LoggedRoll&) const = default;
};

// Every roll shown since the program started and before, newest first, the last 1,000 kept. As
// text (to copy, to save, to keep across runs) a roll is one line: time, purpose, roll and
// outcome separated by tabs.
class RollLog {
public:
    static constexpr std::size_t kKept = 1000;

    // The clock that stamps each roll; local time unless a test gives another.
    explicit RollLog(std::function<std::string()> clock = {});

    void add(std::string_view purpose, int roll);
    // What the newest roll brought.
    void setOutcome(std::string_view outcome);
    void clear();

    const std::deque<LoggedRoll>& rolls() const { return m_rolls; }
    // Called after every change.
    void setOnChange(std::function<void()> onChange) { m_onChange = std::move(onChange); }

    std::string text() const;
    // One roll as a line of text() (with its line break).
    static std::string line(const LoggedRoll& roll);
    // The rolls of a text written by text(); nothing when it is not one (a damaged file).
    static std::optional<std::deque<LoggedRoll>> parse(std::string_view text);
    void restore(std::deque<LoggedRoll> rolls);

    // The rolls this log added itself since it was made or last cleared (not those restored),
    // newest first, and how often it was cleared.
    std::deque<LoggedRoll> ownRolls() const;
    std::uint64_t clearCount() const { return m_clears; }
    // The rolls of a file that more than one program keeps its rolls in: what the file holds,
    // less the rolls this one put there before (the newest may have got its outcome since), with
    // its own rolls as they are now; newest first by time, the last kKept.
    static std::deque<LoggedRoll> merged(std::deque<LoggedRoll> file,
                                         const std::deque<LoggedRoll>& writtenBefore,
                                         const std::deque<LoggedRoll>& own);

private:
    void changed();

    std::function<std::string()> m_clock;
    std::deque<LoggedRoll> m_rolls;
    std::function<void()> m_onChange;
    std::size_t m_added = 0;
    std::uint64_t m_clears = 0;
};

} // namespace orthavel

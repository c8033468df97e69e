// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/dice/RollLog.h"

#include <algorithm>
#include <charconv>
#include <ctime>

namespace orthavel {
namespace {

std::string localTime() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
    return text;
}

// A field of a line: tabs and line breaks would end it, so they become blanks.
std::string field(std::string_view text) {
    std::string clean(text);
    for (char& c : clean) {
        if (c == '\t' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return clean;
}

} // namespace

RollLog::RollLog(std::function<std::string()> clock)
    : m_clock(clock ? std::move(clock) : localTime) {}

void RollLog::add(std::string_view purpose, int roll) {
    m_rolls.push_front({m_clock(), std::string(purpose), roll, {}});
    ++m_added;
    if (m_rolls.size() > kKept) {
        m_rolls.pop_back();
    }
    changed();
}

void RollLog::setOutcome(std::string_view outcome) {
    if (!m_rolls.empty()) {
        m_rolls.front().outcome = outcome;
        changed();
    }
}

void RollLog::clear() {
    m_rolls.clear();
    m_added = 0;
    ++m_clears;
    changed();
}

void RollLog::restore(std::deque<LoggedRoll> rolls) {
    m_rolls = std::move(rolls);
    if (m_rolls.size() > kKept) {
        m_rolls.resize(kKept);
    }
    changed();
}

std::deque<LoggedRoll> RollLog::ownRolls() const {
    const auto count = static_cast<std::ptrdiff_t>(std::min(m_added, m_rolls.size()));
    return {m_rolls.begin(), m_rolls.begin() + count};
}

std::deque<LoggedRoll> RollLog::merged(std::deque<LoggedRoll> file,
                                       const std::deque<LoggedRoll>& writtenBefore,
                                       const std::deque<LoggedRoll>& own) {
    for (const LoggedRoll& mine : writtenBefore) {
        if (const auto found = std::find(file.begin(), file.end(), mine); found != file.end()) {
            file.erase(found);
        }
    }
    file.insert(file.begin(), own.begin(), own.end());
    std::stable_sort(file.begin(), file.end(),
                     [](const LoggedRoll& a, const LoggedRoll& b) { return a.time > b.time; });
    if (file.size() > kKept) {
        file.resize(kKept);
    }
    return file;
}

void RollLog::changed() {
    if (m_onChange) {
        m_onChange();
    }
}

std::string RollLog::line(const LoggedRoll& roll) {
    return field(roll.time) + '\t' + field(roll.purpose) + '\t' + std::to_string(roll.roll) + '\t' +
           field(roll.outcome) + '\n';
}

std::string RollLog::text() const {
    std::string text;
    for (const LoggedRoll& r : m_rolls) {
        text += line(r);
    }
    return text;
}

std::optional<std::deque<LoggedRoll>> RollLog::parse(std::string_view text) {
    std::deque<LoggedRoll> rolls;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        // A copy saved by an editor that ends its lines the Windows way reads the same.
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.empty()) {
            continue;
        }
        std::string_view parts[4];
        for (std::size_t i = 0; i < 4; ++i) {
            const auto tab = i < 3 ? line.find('\t') : std::string_view::npos;
            if (i < 3 && tab == std::string_view::npos) {
                return std::nullopt;
            }
            parts[i] = line.substr(0, tab);
            line = tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
        }
        int roll = 0;
        const auto [stop, error] =
            std::from_chars(parts[2].data(), parts[2].data() + parts[2].size(), roll);
        if (error != std::errc() || stop != parts[2].data() + parts[2].size() || roll < 1 ||
            roll > 100 || parts[3].find('\t') != std::string_view::npos) {
            return std::nullopt;
        }
        if (rolls.size() < kKept) {
            rolls.push_back(
                {std::string(parts[0]), std::string(parts[1]), roll, std::string(parts[3])});
        }
    }
    return rolls;
}

} // namespace orthavel

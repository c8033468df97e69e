// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <limits>

namespace orthavel {

// A value of the record: a signed 32-bit integer whose arithmetic wraps around as the stored
// integers do. For every ordinary character it is plain arithmetic; for the values a file may
// hold it is never undefined.
class Wrapping {
public:
    constexpr Wrapping(std::int32_t value) : m_value(value) {} // NOLINT: a record value
    // The low 32 bits of a wider value, as the record stores it.
    static constexpr Wrapping of(std::int64_t value) {
        return Wrapping(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
    }

    constexpr std::int32_t value() const { return m_value; }

    friend constexpr Wrapping operator+(Wrapping a, Wrapping b) {
        return of(std::int64_t{a.m_value} + b.m_value);
    }
    friend constexpr Wrapping operator-(Wrapping a, Wrapping b) {
        return of(std::int64_t{a.m_value} - b.m_value);
    }
    friend constexpr Wrapping operator*(Wrapping a, Wrapping b) {
        return of(std::int64_t{a.m_value} * b.m_value);
    }
    // Truncating toward zero; the one quotient that overflows, the lowest value by -1, stays the
    // lowest value.
    friend constexpr Wrapping operator/(Wrapping a, Wrapping b) {
        if (a.m_value == std::numeric_limits<std::int32_t>::min() && b.m_value == -1) {
            return a;
        }
        return Wrapping(a.m_value / b.m_value);
    }

private:
    std::int32_t m_value;
};

} // namespace orthavel

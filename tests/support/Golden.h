// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A text the program makes, checked line by line against a reviewed file in tests/data. With
// ORTHAVEL_WRITE_GOLDEN set the file is written instead: review its diff by hand before keeping it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace orthavel::test {

inline void expectGolden(const std::string& made, const std::string& name) {
    const std::string path = std::string(ORTHAVEL_TEST_DATA) + "/" + name;
    if (std::getenv("ORTHAVEL_WRITE_GOLDEN") != nullptr) {
        std::ofstream(path, std::ios::binary) << made;
        return;
    }
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << path;
    std::istringstream golden(std::string(std::istreambuf_iterator<char>(file), {}));
    std::istringstream text(made);
    std::string expected;
    std::string actual;
    for (int line = 1;; ++line) {
        const bool more = static_cast<bool>(std::getline(golden, expected));
        const bool moreMade = static_cast<bool>(std::getline(text, actual));
        if (!more || !moreMade) {
            EXPECT_EQ(more, moreMade) << name << ":" << line << ": one text ends before the other";
            return;
        }
        EXPECT_EQ(actual, expected) << name << ":" << line;
    }
}

// One line per run of equal outcomes, "first-last: outcome", the first outcome numbered first.
inline std::string runsOf(const std::vector<std::string>& outcomes, int first) {
    std::string lines;
    for (std::size_t from = 0, i = 0; i < outcomes.size(); ++i) {
        if (i + 1 == outcomes.size() || outcomes[i + 1] != outcomes[i]) {
            lines += std::to_string(first + static_cast<int>(from)) + "-" +
                     std::to_string(first + static_cast<int>(i)) + ": " + outcomes[i] + "\n";
            from = i + 1;
        }
    }
    return lines;
}

} // namespace orthavel::test

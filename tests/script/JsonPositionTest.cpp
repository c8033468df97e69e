// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "script/JsonPosition.h"

#include <gtest/gtest.h>

namespace orthavel {
namespace {

// A fault is named where a person finds it: the token the parser did not expect, the byte it
// could not read, or the end of a text cut short; lines and characters from 1, a tab as one.
TEST(JsonPosition, AFaultIsNamedWhereThePersonFindsIt) {
    const std::pair<std::string, std::string> cases[] = {
        {R"([{"title" "Choose a Race"}])", "line 1, column 11"},
        {"[\n\t{\"title\": \"Ch\xC3\xA9\xE2\x82\xAC\", \t\"click\" \"x\"}]", "line 2, column 29"},
        {"[{\"a\": 1}\r\n {\"b\": 2}]", "line 2, column 2"},
        {R"({"a" "b\"c"})", "line 1, column 6"},
        {"[1-2]", "line 1, column 3"},
        {R"([null, true, -1, 1.5, {}, [] "x"])", "line 1, column 30"},
        {"[01]", "line 1, column 3"},
        {"[1 false]", "line 1, column 4"},
        {"[1 29]", "line 1, column 4"},
        {"[null null]", "line 1, column 7"},
        {"\xEF\xBB\xBF[1 2]", "line 1, column 4"},
        {"[\"ok\",\n \"\xC3\xA9\x01\"]", "line 2, column 4"},
        {"[tru]", "line 1, column 5"},
        {"[tre]", "line 1, column 4"},
        {"[{\"a\": 1,\n", "line 2, column 1"},
        {"", "line 1, column 1"},
    };
    for (const auto& [text, where] : cases) {
        try {
            ADD_FAILURE() << nlohmann::json::parse(text) << " was accepted";
        } catch (const nlohmann::json::parse_error& e) {
            EXPECT_EQ(textPosition(text, jsonFaultOffset(text, e)).words(), where) << text;
        }
    }
}

} // namespace
} // namespace orthavel

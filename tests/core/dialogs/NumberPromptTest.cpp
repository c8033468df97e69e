#include "core/dialogs/NumberPrompt.h"

#include <gtest/gtest.h>

namespace orthavel {
namespace {

TEST(NumberPrompt, AcceptsIntegersInItsRangeOnly) {
    const NumberPrompt prompt{"Base", "Base Number:", {}, 0, -1000, 1000, {}};
    const struct {
        const char* typed;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"0", 0},      {"-1000", -1000}, {"1000", 1000}, {" 12 ", 12}, {"+7", 7},
        {"-1001", {}}, {"1001", {}},     {"", {}},       {"+", {}},    {"+-5", {}},
        {"--5", {}},   {"12.5", {}},     {"1e3", {}},    {"abc", {}},  {"99999999999999999999", {}},
        {"-", {}},     {"5 5", {}},
    };
    for (const auto& c : cases) {
        const auto result = acceptNumberEntry(prompt, c.typed);
        if (c.value) {
            ASSERT_TRUE(std::holds_alternative<std::int32_t>(result)) << '"' << c.typed << '"';
            EXPECT_EQ(std::get<std::int32_t>(result), *c.value);
        } else {
            ASSERT_TRUE(std::holds_alternative<Message>(result)) << '"' << c.typed << '"';
            EXPECT_EQ(std::get<Message>(result).text,
                      "Please enter an integer between -1000 and 1000.");
        }
    }
}

} // namespace
} // namespace orthavel

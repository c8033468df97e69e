#include "core/dialogs/FormDialog.h"
#include "core/dialogs/NumberPrompt.h"

#include <gtest/gtest.h>

namespace orthavel {
namespace {

TEST(FormEntry, ANumberPromptAcceptsIntegersInItsRangeOnly) {
    const NumberPrompt prompt{"Base", "Base Number:", {}, 0, -1000, 1000, {}};
    const struct {
        const char* typed;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"0", 0},      {"-1000", -1000}, {"1000", 1000}, {" 12 ", 12}, {"+7", 7},
        {"-1001", {}}, {"1001", {}},     {"", {}},       {"+", {}},    {"+-5", {}},
        {"--5", {}},   {"12.5", {}},     {"1e3", {}},    {"abc", {}},  {"9999999999", {}},
        {"-", {}},     {"5 5", {}},
    };
    for (const auto& c : cases) {
        FormEntry form(numberPromptForm(prompt));
        EXPECT_EQ(form.text(0), "0");
        form.type(0, c.typed);
        const auto refused = form.confirm();
        EXPECT_EQ(refused.has_value(), !c.value) << '"' << c.typed << '"';
        if (refused) {
            EXPECT_EQ(refused->message.text, "Please enter an integer between -1000 and 1000.");
        } else {
            EXPECT_EQ(form.number(0), *c.value);
        }
    }
}

} // namespace
} // namespace orthavel

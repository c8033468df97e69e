// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/interaction/FormDialog.h"
#include "core/generation/AppearanceDialogs.h"
#include "core/interaction/NumberPrompt.h"

#include <gtest/gtest.h>

namespace orthavel {
namespace {

TEST(FormEntry, ANumberPromptAcceptsIntegersInItsRangeOnly) {
    const NumberPrompt prompt{"Base", "Base Number:", {}, 0, -1000, 1000, {}};
    const struct {
        const char* typed;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"0", 0},    {"-1000", -1000},      {"1000", 1000},     {" 12 ", 12},
        {"+7", 7},   {"-1001", {}},         {"1001", {}},       {"", {}},
        {"+", {}},   {"+-5", {}},           {"--5", {}},        {"12.5", {}},
        {"1e3", {}}, {"abc", {}},           {"9999999999", {}}, {"-", {}},
        {"5 5", {}}, {" -0000000012", -12}, // twelve characters kept
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

// The age of "Select Physical Traits" with the Adulthood range 21 to 300.
// Update Advantages takes up to ten new points either way.
TEST(FormEntry, NewAdvantagePointsRunFromMinusTenToTen) {
    FormEntry form(numberPromptForm(newAdvantagePointsPrompt()));
    const auto accepts = [&](const char* typed) { return (form.type(0, typed), !form.confirm()); };
    EXPECT_EQ(std::tuple(accepts("-10"), accepts("10"), accepts("11"), accepts("-11")),
              std::tuple(true, true, false, false));
}

TEST(FormEntry, TheAgeIsBroughtIntoItsRangeWhenLeftAndOnOk) {
    const struct {
        std::int32_t opened;
        const char* typed; // nullptr: nothing typed
        int arrows;
        bool leave;
        const char* shown; // after leaving or the arrows
        std::optional<std::int32_t> accepted;
    } cases[] = {
        {21, "500", 0, true, "300", 300},     {21, "5", 0, true, "21", 21},
        {16, nullptr, 0, false, "16", 21},    {21, "500", 0, false, "500", 300},
        {21, "2000", 0, false, "2000", 300},  {21, "2001", 0, true, "300", 300},
        {21, "2001", 0, false, "2001", {}},   {21, "0", 0, false, "0", {}},
        {21, "abc", 0, true, "abc", {}},      {298, nullptr, 5, false, "300", 300},
        {300, nullptr, 1, false, "300", 300}, {21, nullptr, -1, false, "21", 21},
        {16, nullptr, 1, false, "21", 21},    {16, nullptr, -1, false, "16", 21},
    };
    for (const auto& c : cases) {
        FormEntry form(physicalTraitsDialog(c.opened, 21, 300));
        if (c.typed != nullptr) {
            form.type(0, c.typed);
        }
        if (c.leave) {
            form.leave(0);
        }
        form.clickArrows(0, c.arrows);
        const std::string what = std::to_string(c.opened) + " " + (c.typed ? c.typed : "-");
        EXPECT_EQ(form.text(0), c.shown) << what;
        const auto refused = form.confirm();
        ASSERT_EQ(refused.has_value(), !c.accepted) << what;
        if (refused) {
            EXPECT_EQ(refused->message.text, "Please enter an integer between 1 and 2000.");
        } else {
            EXPECT_EQ(form.number(0), *c.accepted) << what;
        }
    }
}

TEST(FormEntry, TextsKeepTheirLimitAndWhatWindows1252Holds) {
    FormEntry form(physicalTraitsDialog(21, 21, 300));
    const std::size_t hair = *form.findField("Hair Color:");
    EXPECT_EQ(form.text(hair), "Brown");
    form.type(hair, "Auburn");
    EXPECT_EQ(form.value(hair), "Auburn");
    // Each text stops at its own limit.
    const std::pair<const char*, std::size_t> limits[] = {
        {"Birth Date:", 20}, {"Eye Color:", 15}, {"Hair Color:", 20}, {"Skin Color:", 20},
        {"Build:", 15},      {"Height:", 15},    {"Weight:", 15}};
    for (const auto& [label, limit] : limits) {
        const std::size_t field = *form.findField(label);
        form.type(field, std::string(30, 'x'));
        EXPECT_EQ(form.value(field), std::string(limit, 'x')) << label;
    }
    form.type(hair, "Caf\xC3\xA9 \xE2\x82\xAC \xE6\x97\xA5"); // an e acute, the euro, a kanji
    EXPECT_EQ(form.value(hair), "Caf\xE9 \x80 ?");
    EXPECT_EQ(form.text(hair), "Caf\xC3\xA9 \xE2\x82\xAC ?");
    // Control characters of either range never reach a field.
    form.type(hair, std::string_view("R\001e\000d\177\302\201", 8));
    EXPECT_EQ(form.value(hair), "Red");
    EXPECT_FALSE(form.findField("Hair Colour:"));
}

TEST(FormEntry, SortedListsShowTheirEntriesSorted) {
    const FormDialog traits = physicalTraitsDialog(21, 21, 300);
    const auto shown = [&](std::size_t field) { return shownItems(traits.fields.at(field)); };
    EXPECT_EQ(shown(2), (std::vector<std::string>{"Blue", "Brown", "Green", "Hazel"}));
    EXPECT_EQ(shown(3), (std::vector<std::string>{"Red", "Brown", "Blonde", "Black"}));
    EXPECT_EQ(shown(5), (std::vector<std::string>{"Fit", "Healthy", "Muscular", "Pudgy", "Thin"}));
    // Heights by height, not as text; numbers by value, letters without regard to case.
    EXPECT_EQ(shown(6),
              (std::vector<std::string>{"5 feet", "5' 4\"", "5' 6\"", "5' 10\"", "6 feet"}));
    FormField any = dropDownField("Any:", 15, {"b 10", "B 9", "a", "b 09x", "b 009"}, "", true);
    EXPECT_EQ(shownItems(any), (std::vector<std::string>{"a", "B 9", "b 009", "b 09x", "b 10"}));
}

} // namespace
} // namespace orthavel

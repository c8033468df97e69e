// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/dice/RollLog.h"
#include "core/document/CQuorvelDoc.h"
#include "core/document/Commands.h"

#include "support/Golden.h"
#include "support/ScriptedPerson.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orthavel {
namespace {

using test::ScriptedPerson;

// Runs the ROC roll with the base typed and the rolls fixed; answers the messages shown.
std::vector<Message> rocMessages(const std::optional<std::string>& base,
                                 const std::vector<int>& rolls) {
    CQuorvelDoc doc;
    doc.dice().queueRolls(rolls);
    ScriptedPerson ui;
    if (base) { // without an answer the dialog is cancelled
        ui.fill("ROC ROLL Base Number", {{"Base Number:", *base}});
    }
    doc.OnRocRoll(ui);
    return ui.messages;
}

// Every bound of the chart with the row on either side; negative totals on the miss row with
// their sign; a total of exactly 100 rolls again, once; Escape rolls on a base of zero. What the
// player is shown, message by message, is in tests/data/roc_chart.txt.
TEST(RocRoll, EveryBoundOfTheChartSelectsTheRowOnEitherSide) {
    // clang-format off
    const std::pair<std::optional<std::string>, std::vector<int>> cases[] = {
        {"0", {29}}, {"0", {30}}, {"0", {39}}, {"0", {40}}, {"0", {49}}, {"0", {50}}, {"0", {59}},
        {"0", {60}}, {"0", {74}}, {"0", {75}}, {"0", {89}}, {"0", {90}}, {"24", {100}}, {"25", {100}},
        {"99", {100}}, {"100", {100}}, {"299", {100}}, {"300", {100}}, {"399", {100}}, {"400", {100}},
        {"499", {100}}, {"500", {100}}, {"599", {100}}, {"600", {100}}, {"1000", {100}}, {"-1000", {1}},
        {"0", {100, 37}}, {"20", {80, 5}}, {std::nullopt, {64}},
    };
    // clang-format on
    // First the prompt for the base number; no roll changes the character.
    CQuorvelDoc doc;
    ScriptedPerson ui;
    doc.OnRocRoll(ui);
    EXPECT_FALSE(doc.IsModified() || doc.history().canUndo());
    const FormField& field = ui.forms.at(0).fields.at(0);
    std::string made = ui.forms[0].title + ", " + field.label + " " + field.initial + " (" +
                       std::to_string(field.minimum) + " to " + std::to_string(field.maximum) +
                       ")\n";
    for (const std::string& note : ui.forms[0].notes) {
        made += "  " + note + "\n";
    }
    for (const auto& [base, rolls] : cases) {
        made += "base " + base.value_or("(Escape)") + ", rolls";
        for (const int roll : rolls) {
            made += " " + std::to_string(roll);
        }
        made += "\n";
        for (const Message& shown : rocMessages(base, rolls)) {
            made += "  " + shown.caption + ": " + shown.text + "\n";
        }
    }
    test::expectGolden(made, "roc_chart.txt");
}

constexpr std::int32_t kLongSword = 3;

// Rolls against Long Sword rated as given, with the difficulty typed and the rolls fixed; the
// character is the same afterwards, and nothing is left to undo or to save.
std::vector<Message> skillRollMessages(std::int32_t rating, const std::string& difficulty,
                                       const std::vector<int>& rolls) {
    CQuorvelDoc doc;
    doc.record().m_aSkill[kLongSword] = rating;
    const CharacterRecord before = doc.record();
    doc.dice().queueRolls(rolls);
    ScriptedPerson ui;
    ui.fill("Roll Against Skill", {{"Skill:", "longsword"}, {"Difficulty:", difficulty}});
    doc.runCommand(command(CommandId::RollAgainstSkill), ui);
    EXPECT_EQ(doc.record(), before);
    EXPECT_FALSE(doc.IsModified() || doc.history().canUndo());
    return ui.messages;
}

// The roll against a skill is the ROC roll on the rating less the difficulty, message for
// message: negative base numbers, the chart's bounds, a total of 100 that rolls again.
TEST(RocRoll, AgainstASkillIsTheRocRollOnItsRatingLessTheDifficulty) {
    const struct {
        std::int32_t rating;
        std::int32_t difficulty;
        std::vector<int> rolls;
    } cases[] = {{25, 20, {57}}, {1, 1000, {100}},  {100, -900, {1}}, {30, 0, {45}},
                 {29, 0, {1}},   {50, 30, {80, 5}}, {40, -35, {50}},  {90, 100, {39}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.rating) + " - " + std::to_string(c.difficulty));
        EXPECT_EQ(skillRollMessages(c.rating, std::to_string(c.difficulty), c.rolls),
                  rocMessages(std::to_string(c.rating - c.difficulty), c.rolls));
    }
}

// What cannot be rolled on is said, and nothing is rolled: a skill line without a rating, a
// name no rated skill has, a difficulty out of range.
TEST(RocRoll, AgainstASkillRollsNothingOnWhatItCannotUse) {
    const std::string unrated = "message:Roll Against Skill|The character's \"Long Sword\" is "
                                "not rated: there is no rating to roll against.";
    const std::string noSuch =
        "message:Roll Against Skill|No rated skill of the character is called \"Short Sword\".";
    const std::string range = "message:Orthavel|Please enter an integer between -1000 and 1000.";
    const struct {
        std::optional<std::int32_t> line; // the skill line double-clicked
        std::string skill;
        std::string difficulty;
        std::vector<std::string> events;
    } cases[] = {
        {kLongSword, "", "", {unrated}},
        {std::nullopt, "Short Sword", "0", {"dialog:Roll Against Skill", noSuch}},
        {std::nullopt, "Stilletto", "1001", {"dialog:Roll Against Skill", range}},
    };
    for (const auto& c : cases) {
        CQuorvelDoc doc;
        doc.record().m_aSkill[0] = 25; // Stilletto
        ScriptedPerson ui;
        ui.fill("Roll Against Skill", {{"Skill:", c.skill}, {"Difficulty:", c.difficulty}});
        doc.OnRollAgainstSkill(ui, c.line);
        EXPECT_EQ(ui.events(), c.events);
    }
}

std::string testFile(const char* name) {
    std::ifstream in(std::string(ORTHAVEL_TEST_DATA) + "/" + name);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Every roll the player is shown is logged, newest first, with the outcome of the ROC roll (on
// its last roll), of a rule table and of a roll against a skill; the log's text reads back.
TEST(RollLog, EveryRollShownIsLoggedAndItsTextReadsBack) {
    const std::string now = "2026-12-07 10:15:32";
    RollLog log([&] { return now; });
    CQuorvelDoc doc;
    doc.dice().setLog(&log);
    doc.dice().seed(3);
    doc.dice().queueRolls({83, 40, 100, 37, 52, 57});
    ScriptedPerson generation(testFile("sample_neuonian.script.json"));
    doc.runCommand(*commandNamed("quickpc"), generation);
    ScriptedPerson ui;
    ui.fill("ROC ROLL Base Number", {{"Base Number:", "0"}});
    doc.OnRocRoll(ui);
    doc.runCommand(*commandNamed("table:hit-location"), ui);
    doc.record().m_aSkill[kLongSword] = 25;
    ui.fill("Roll Against Skill", {{"Skill:", "Long Sword"}, {"Difficulty:", "20"}});
    doc.OnRollAgainstSkill(ui);

    // The outcome logged is the chart's line the player was shown.
    const auto shown = [&](const std::string& total) {
        for (const Message& m : ui.messages) {
            if (m.text.starts_with(total + "  Success")) {
                return m.text;
            }
        }
        return std::string("(not shown)");
    };
    const std::deque<LoggedRoll> expected{
        {now, "ROC Roll", 57, "Long Sword 25 - 20: " + shown("62")},
        {now, "Random Hit Location", 52, "Torso/Back"},
        {now, "ROC Roll", 37, shown("137")},
        {now, "ROC Roll", 100, ""},
        {now, "You need a 57 to be ambidextrous", 40, ""},
        {now, "Family Trade", 83, ""},
    };
    EXPECT_EQ(log.rolls(), expected);
    EXPECT_EQ(RollLog::parse(log.text()), expected);
}

// A file that is no roll log is refused whole; only the newest thousand rolls are kept.
TEST(RollLog, ATextThatIsNoLogIsRefusedAndTheNewestThousandAreKept) {
    for (const char* damaged : {"t\tROC Roll\t57\n", "t\tp\t0\to\n", "t\tp\t101\to\n",
                                "t\tp\t5x\to\n", "t\tp\t5\to\tmore\n"}) {
        EXPECT_FALSE(RollLog::parse(damaged).has_value()) << damaged;
    }
    EXPECT_EQ(RollLog::parse("t\tp\t5\to\r\n\n"), (std::deque<LoggedRoll>{{"t", "p", 5, "o"}}));
    RollLog log([] { return std::string("t"); });
    for (int i = 0; i <= static_cast<int>(RollLog::kKept); ++i) {
        log.add("p", i % 100 + 1);
    }
    ASSERT_EQ(log.rolls().size(), RollLog::kKept);
    EXPECT_EQ(log.rolls().front().roll, 1); // the 1001st roll
    EXPECT_EQ(log.rolls().back().roll, 2);  // the second
}

} // namespace
} // namespace orthavel

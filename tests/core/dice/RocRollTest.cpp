#include "core/dice/RollLog.h"
#include "core/document/CQuorvelDoc.h"
#include "core/document/Commands.h"

#include "support/ScriptedPerson.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace orthavel {
namespace {

using test::ScriptedPerson;

// clang-format off
const std::string kCaption = "Rolling Outcome Chart (ROC)";
const std::string kEpBonus = "EP Bonuses apply to ROC skill rolls only, and are applied directly to the skill being used.";
const std::string kRollCaption = "Random Dice Roll (ROC Roll)";

// The chart's texts after the total, as the player reads them.
const std::string kImmortal = "  Success: H  Seeing how exquisitely skilled you are, your patron god asks you to join the pantheon as an immortal.";
const std::string kWish = "  Success: H  Receive one wish from the patron god of the skill being used.";
const std::string kAmazing = "  Success: H  Others hear of your amazing skill. Raise SL to 5, Conf or Style by 1.  If SL>5 raise it by 1, Gain 1000 EPs.";
const std::string kExtra5 = "  Success: H  Gain an extra 5% in skill, join Proffesion of choice (must meet requirements) and earn 400 EPs.";
const std::string kInconceivable = "  Success: H  Inconceivable! The gods weep in anticipation of your arrival to the heavens of immortality. Gain 100 EPs";
const std::string kQueen = "  Success: G  Never better! The Queen wants to see you, today! Gain 50 EPs.";
const std::string kOvation = "  Success: F  Standing ovation! An addition has been built onto the Round Table, just for you! Gain 25 EPs.";
const std::string kTerrific = "  Success: E  Terrific job! Not only are they eating out of your hand, but they're having it bronzed as well, Gain 10 EPs.";
const std::string kDidIt = "  Success: D  You did it! Your adventuring group admits their need for you.";
const std::string kNotBad = "  Success: C  Not bad. Only Dad would say he could do better.";
const std::string kJustMade = "  Success: B  Just made it. Um, your parents really want you to try harder.";
const std::string kPractically = "  Success: A  Practically failed! Maybe getting up out of your chair would help.";
const std::string kMiss = "  Success:--- Clear miss! Whoa, I didn't know you do that with a battle axe!";
// clang-format on

struct RocCase {
    std::optional<std::string> base; // typed into the dialog; none: Escape
    std::vector<int> rolls;
    int total;
    const std::string* outcome;
};

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

// What the player should see: one message per roll, the outcome, and the reminder from 75 up.
std::vector<Message> expectedMessages(const RocCase& c) {
    std::vector<Message> expected;
    for (int roll : c.rolls) {
        expected.push_back({kRollCaption, "You rolled a: " + std::to_string(roll) + ".", false});
    }
    expected.push_back({kCaption, std::to_string(c.total) + *c.outcome, false});
    if (c.total >= 75) {
        expected.push_back({kCaption, kEpBonus, false});
    }
    return expected;
}

// Every bound of the chart with the row on either side; negative totals on the miss row with
// their sign; a total of exactly 100 rolls again, once.
TEST(RocRoll, EveryBoundOfTheChartSelectsTheRowOnEitherSide) {
    // clang-format off
    const RocCase cases[] = {
        {"0", {29}, 29, &kMiss}, {"0", {30}, 30, &kPractically}, {"0", {39}, 39, &kPractically},
        {"0", {40}, 40, &kJustMade}, {"0", {49}, 49, &kJustMade}, {"0", {50}, 50, &kNotBad}, {"0", {59}, 59, &kNotBad},
        {"0", {60}, 60, &kDidIt}, {"0", {74}, 74, &kDidIt}, {"0", {75}, 75, &kTerrific}, {"0", {89}, 89, &kTerrific},
        {"0", {90}, 90, &kOvation}, {"24", {100}, 124, &kOvation}, {"25", {100}, 125, &kQueen},
        {"99", {100}, 199, &kQueen}, {"100", {100}, 200, &kInconceivable}, {"299", {100}, 399, &kInconceivable},
        {"300", {100}, 400, &kExtra5}, {"399", {100}, 499, &kExtra5}, {"400", {100}, 500, &kAmazing},
        {"499", {100}, 599, &kAmazing}, {"500", {100}, 600, &kWish}, {"599", {100}, 699, &kWish},
        {"600", {100}, 700, &kImmortal}, {"1000", {100}, 1100, &kImmortal}, {"-1000", {1}, -999, &kMiss},
        {"0", {100, 37}, 137, &kQueen},          // a first roll of 100 on base 0
        {"20", {80, 5}, 105, &kOvation},         // a total of 100 from base 20 and 80
        {std::nullopt, {64}, 64, &kDidIt}, // Escape rolls on a base of zero
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE("total " + std::to_string(c.total));
        EXPECT_EQ(rocMessages(c.base, c.rolls), expectedMessages(c));
    }
}

TEST(RocRoll, AsksForTheBaseNumberAndLeavesTheCharacterAlone) {
    CQuorvelDoc doc;
    const CharacterRecord before = doc.record();
    doc.dice().queueRolls({42});
    ScriptedPerson ui;
    ui.fill("ROC ROLL Base Number", {{"Base Number:", "8"}});
    doc.OnRocRoll(ui);

    ASSERT_EQ(ui.forms.size(), 1U);
    const FormDialog& prompt = ui.forms[0];
    const FormField& field = prompt.fields.at(0);
    EXPECT_EQ(std::tuple(prompt.title, field.label, field.initial, field.minimum, field.maximum),
              std::tuple("ROC ROLL Base Number", "Base Number:", "0", -1000, 1000));
    EXPECT_EQ(prompt.notes, (std::vector<std::string>{
                                "Input this actions base number, this number is based",
                                "on the type of conflict.  (See The Tome for details).",
                                "(Example: Character's skill rating - action's difficulty)"}));
    EXPECT_EQ(doc.record(), before);
    EXPECT_FALSE(doc.IsModified());
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
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
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

    const std::deque<LoggedRoll> expected{
        {now, "ROC Roll", 57, "Long Sword 25 - 20: 62" + kDidIt},
        {now, "Random Hit Location", 52, "Torso/Back"},
        {now, "ROC Roll", 37, "137" + kQueen},
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

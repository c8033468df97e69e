#include "core/dice/CriticalTables.h"
#include "core/document/CQuorvelDoc.h"
#include "core/document/Commands.h"

#include "support/ScriptedPerson.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orthavel {
namespace {

using test::ScriptedPerson;

// Runs a table's command by its command-line name, as the menu runs it, with the roll fixed;
// answers the messages shown.
std::vector<Message> tableMessages(const std::string& name, int roll) {
    CQuorvelDoc doc;
    doc.dice().queueRolls({roll});
    ScriptedPerson ui;
    doc.runCommand(*commandNamed(name), ui);
    return ui.messages;
}

// The roll's message under its label, then the row's text under the table's caption.
std::vector<Message> expectedMessages(const std::string& label, int roll,
                                      const std::string& caption, const std::string& text) {
    return {
        {"Random Dice Roll (" + label + ")", "You rolled a: " + std::to_string(roll) + ".", false},
        {caption, text, false}};
}

// Each critical table by its command-line name and number: the roll's label, the result's
// caption ("": the roll label) and the text of its top row (76 to 100). Which rows a roll selects
// is the hit location's test below; that the rows cover 1 to 100 without a gap or an overlap is
// checked where the tables are defined.
struct ExpectedCritical {
    std::string name;
    int number;
    std::string rollLabel;
    std::string caption;
    std::string topRow;
};

// clang-format off
const ExpectedCritical kCriticals[] = {
    {"table:endowment-success", 32825, "Endowment Critical Success Roll", "Endowment Critical Success", "Your deity pays the WP cost and adds 100 to your powerbase."},
    {"table:endowment-failure", 32826, "Endowment Critical Failure Roll", "Endowment Critical Failure", "Your deity will ignore your next d10 channelings (GM rolls secretly)."},
    {"table:basic-combat-success", 32774, "Basic Combat Critical Success Roll", "", "Stun opponent for d10 minutes (GM rolls secretly)."},
    {"table:basic-combat-failure", 32775, "Basic Combat Critical Failure Roll", "", "Take 2d10 - 8 damage from own weapon."},
    {"table:melee-combat-success", 32776, "Advanced Melee Combat Critical Success Roll", "", "Stun opponent for d10 minutes (GM rolls secretly)."},
    {"table:melee-combat-failure", 32777, "Advanced Melee Combat Critical Failure Roll", "", "Take 2d10 - 8 damage from own weapon."},
    {"table:hth-combat-success", 32778, "Advanced HTH Combat Critical Success Roll", "", "Stun opponent for d10 rounds (GM rolls secretly)."},
    {"table:hth-combat-failure", 32779, "Advanced HTH Combat Critical Failure Roll", "", "Hit yourself; take d10 HP + damage bonus to hand/foot."},
    {"table:dodge-duck-shield-block-success", 32780, "Advanced Dodge, Duck, and Shield-Block Critical Success Roll", "", "Reduce Init cost to 1 point; also, opponent slips and falls (dodge, duck) or is knocked on back (shield-block)."},
    {"table:dodge-duck-shield-block-failure", 32781, "Advanced Dodge, Duck, and Shield-Block Critical Failure Roll", "", "Opponent gets a second attack without spending Init; combat otherwise flows normally."},
    {"table:fired-thrown-combat-success", 32852, "Advanced Fired/Thrown Combat Critical Success Roll", "", "Gain free attack on any opponent in front 45 degree arc."},
    {"table:fired-thrown-combat-failure", 32853, "Advanced Fired/Thrown Combat Critical Failure Roll", "", "Strike foot, friend, etc., in front 45 degree arc with a D success."},
    {"table:magic-success", 32802, "Magic Critical Success Roll", "", "Spell occurs instantly and costs no Init."},
    {"table:magic-failure", 32803, "Magic Critical Failure Roll", "", "Roll on Magic Instability Chart."},
};
// clang-format on

TEST(CriticalTables, EachTableByItsNameAndNumberWithItsLabelsAndTopRow) {
    for (const auto& table : kCriticals) {
        EXPECT_EQ(commandNamed("table:" + std::to_string(table.number)), commandNamed(table.name))
            << table.name;
        EXPECT_EQ(tableMessages(table.name, 76),
                  expectedMessages(table.rollLabel, 76,
                                   table.caption.empty() ? table.rollLabel : table.caption,
                                   table.topRow));
    }
}

TEST(CriticalTables, HitLocationRowsFromTheirLowestRoll) {
    // clang-format off
    const std::pair<int, const char*> cases[] = {
        {1, "Upper right leg"}, {4, "Lower right leg"}, {7, "Right foot"}, {10, "Upper left leg"},
        {13, "Lower left leg"}, {16, "Left foot"}, {19, "Torso/Back"}, {53, "Upper right arm"},
        {66, "Lower right arm"}, {69, "Right hand"}, {72, "Upper left arm"}, {85, "Lower left arm"},
        {88, "Left hand"}, {91, "Head"}, {100, "Head"},
    };
    // clang-format on
    for (const auto& [roll, location] : cases) {
        SCOPED_TRACE(roll);
        EXPECT_EQ(tableMessages("table:hit-location", roll),
                  expectedMessages("Random Hit Location", roll, "Random Hit Location", location));
    }
}

// A table shows its roll and its row and leaves the character alone; another command's number is
// no table.
TEST(CriticalTables, LeaveTheCharacterAloneAndOtherCommandsShowNothing) {
    CQuorvelDoc doc;
    const CharacterRecord before = doc.record();
    doc.dice().queueRolls({37});
    ScriptedPerson ui;
    doc.runCommand(command(CommandId::HitLocation), ui);
    EXPECT_EQ(ui.events().size(), 2U);
    EXPECT_EQ(commandNamed("table:32773"), &command(CommandId::HitLocation));
    EXPECT_EQ(commandNamed("table:32772"), nullptr); // the ROC roll
    EXPECT_EQ(doc.record(), before);
    EXPECT_FALSE(doc.IsModified());
}

} // namespace
} // namespace orthavel

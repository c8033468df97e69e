#include "core/dice/CriticalTables.h"
#include "core/document/CQuorvelDoc.h"
#include "core/document/Commands.h"

#include "support/ScriptedPerson.h"

#include <gtest/gtest.h>

#include <array>
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

// A critical table as the player reads it: its rows for 76 to 100, 51 to 75, 26 to 50, 1 to 25;
// its command's name and number on the command line.
struct ExpectedCritical {
    std::string name;
    int number;
    std::string rollLabel;
    std::string caption; // "": the roll label
    std::array<std::string, 4> texts;
};

// clang-format off
const ExpectedCritical kCriticals[] = {
    {"table:endowment-success", 32825, "Endowment Critical Success Roll", "Endowment Critical Success",
     {"Your deity pays the WP cost and adds 100 to your powerbase.", "Your deity pays the WP cost for you.",
      "1% chance for +1 to any advantage, up to max", "+3 to this endowment."}},
    {"table:endowment-failure", 32826, "Endowment Critical Failure Roll", "Endowment Critical Failure",
     {"Your deity will ignore your next d10 channelings (GM rolls secretly).", "Your entire powerbase drains to 100 points.",
      "Your deity curses you with a Warning.", "Lose the endowment; starts at 10 if rechosen."}},
    {"table:basic-combat-success", 32774, "Basic Combat Critical Success Roll", "",
     {"Stun opponent for d10 minutes (GM rolls secretly).", "Gain free attack on same opponent only.",
      "Target cannot use armor or shield to absorb blow's damage.", "Knock opponent unconscious."}},
    {"table:basic-combat-failure", 32775, "Basic Combat Critical Failure Roll", "",
     {"Take 2d10 - 8 damage from own weapon.", "Slip and fall!  Lose all actions for 2 rounds.",
      "Weapon slips from hand!  Lose all actions for 1 round.", "Weapon breaks and is useless.  Buy a new one."}},
    {"table:melee-combat-success", 32776, "Advanced Melee Combat Critical Success Roll", "",
     {"Stun opponent for d10 minutes (GM rolls secretly).", "Gain free attack (no Init cost) on same opponent only.",
      "Damage bypasses all of target's armor/shield absorption.", "Shift +1 on Rupture chart."}},
    {"table:melee-combat-failure", 32777, "Advanced Melee Combat Critical Failure Roll", "",
     {"Take 2d10 - 8 damage from own weapon.", "Slip and fall before attacking; spend 100 Init to stand.",
      "Weapon slips from hand, spend 50 Init to find and pick up.", "Break weapon, shift -3 to damage until replaced/repaired."}},
    {"table:hth-combat-success", 32778, "Advanced HTH Combat Critical Success Roll", "",
     {"Stun opponent for d10 rounds (GM rolls secretly).", "Gain free attack (no Init cost) same opponent only.",
      "Damage bypasses target's armor/shield.", "Damage bypasses target's armor/shield."}},
    {"table:hth-combat-failure", 32779, "Advanced HTH Combat Critical Failure Roll", "",
     {"Hit yourself; take d10 HP + damage bonus to hand/foot.", "Slip and fall before attacking; spend 100 Init to stand.",
      "Telegraph your attack!  Opponent has +25 on a return attack.", "Trigger a pressure point on self; the limb is useless for 3 rounds."}},
    {"table:dodge-duck-shield-block-success", 32780, "Advanced Dodge, Duck, and Shield-Block Critical Success Roll", "",
     {"Reduce Init cost to 1 point; also, opponent slips and falls (dodge, duck) or is knocked on back (shield-block).", "Opponent loses one weapon; natural melee weapons are temporarily useless for d10 rounds.",
      "If the opponent didn't roll a critical success to hit, he must roll on the critical failure chart.", "Reduce Init cost to 1 point."}},
    {"table:dodge-duck-shield-block-failure", 32781, "Advanced Dodge, Duck, and Shield-Block Critical Failure Roll", "",
     {"Opponent gets a second attack without spending Init; combat otherwise flows normally.", "Step into the swing by accident; +1 shift to damage, although armor/soak still works.",
      "Slip and fall, or lose your shield if blocking; spend 100 Init to stand or regain shield.", "Opponent's attack bypasses your armor."}},
    {"table:fired-thrown-combat-success", 32852, "Advanced Fired/Thrown Combat Critical Success Roll", "",
     {"Gain free attack on any opponent in front 45 degree arc.", "Bypass target's armor/shield; +3 shift on Rupture chart.",
      "Bypass target's armor/shield; +2 shift on Rupture chart.", "Bypass target's armor/shield; +1 shift on Rupture chart."}},
    {"table:fired-thrown-combat-failure", 32853, "Advanced Fired/Thrown Combat Critical Failure Roll", "",
     {"Strike foot, friend, etc., in front 45 degree arc with a D success.", "Slip and fall before attacking; spend 100 Init to stand.",
      "Strike foot, friend, etc., in front 45 degree arc with a D success.", "Bowstring snaps or thrown missle snags on pouch/clothes."}},
    {"table:magic-success", 32802, "Magic Critical Success Roll", "",
     {"Spell occurs instantly and costs no Init.", "Decrease cost of spell by 5 WP's permanently.",
      "Double all effects of the casting for this action only.", "Tap a universal pocket of free energy!  No WP cost to cast spell."}},
    {"table:magic-failure", 32803, "Magic Critical Failure Roll", "",
     {"Roll on Magic Instability Chart.", "Increase cost of spell by 10 WP's permanently.",
      "Roll on Magic Instability Chart.", "Ouch, touch an anti-magic pocket!  Spell costs twice normal WP's."}},
};
// clang-format on

TEST(CriticalTables, EachRowFromItsLowestRollWithItsExactText) {
    // The lowest roll of each row (0 for 76 to 100 ... 3 for 1 to 25) selects it; that the rows
    // cover 1 to 100 without a gap or an overlap is checked where the tables are defined.
    const std::pair<int, int> bounds[] = {{100, 0}, {76, 0}, {51, 1}, {26, 2}, {1, 3}};
    for (const auto& table : kCriticals) {
        EXPECT_EQ(commandNamed("table:" + std::to_string(table.number)), commandNamed(table.name))
            << table.name;
        for (const auto& [roll, row] : bounds) {
            SCOPED_TRACE(table.rollLabel + ", roll " + std::to_string(roll));
            EXPECT_EQ(tableMessages(table.name, roll),
                      expectedMessages(table.rollLabel, roll,
                                       table.caption.empty() ? table.rollLabel : table.caption,
                                       table.texts[static_cast<std::size_t>(row)]));
        }
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

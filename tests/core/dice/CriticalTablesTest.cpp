// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/dice/CriticalTables.h"
#include "core/document/CQuorvelDoc.h"
#include "core/document/Commands.h"

#include "support/Golden.h"
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

// Every rule table by its command-line name and number: its roll's label, and for each run of rolls
// from 1 to 100 with one row the caption and text the player is shown.
TEST(CriticalTables, EveryRowOfEveryTable) {
    std::string made;
    for (const Command& table : commandTable()) {
        const std::string name(table.commandLineName);
        if (!name.starts_with("table:")) {
            continue;
        }
        const std::string number = std::to_string(static_cast<int>(table.id));
        EXPECT_EQ(commandNamed("table:" + number), &table) << name;
        std::vector<std::string> rows;
        std::string label;
        for (int roll = 1; roll <= 100; ++roll) {
            const std::vector<Message> shown = tableMessages(name, roll);
            ASSERT_EQ(shown.size(), 2U) << name;
            EXPECT_EQ(shown[0].text, "You rolled a: " + std::to_string(roll) + ".") << name;
            label = shown[0].caption;
            rows.push_back(shown[1].caption + " | " + shown[1].text);
        }
        made += name + " " + number + ", " + label + "\n" + test::runsOf(rows, 1);
    }
    test::expectGolden(made, "rule_table_rolls.txt");
}

// A table shows its roll and its row and leaves the character alone; another command's number is no
// table.
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

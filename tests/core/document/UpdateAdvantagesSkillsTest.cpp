// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/advantages/AdvantageAssignment.h"
#include "core/document/CQuorvelDoc.h"
#include "core/document/Commands.h"
#include "core/record/DerivedStats.h"
#include "core/skills/SkillSelection.h"

#include "support/ScriptedPerson.h"

#include <gtest/gtest.h>

#include <tuple>

namespace orthavel {
namespace {

using test::ScriptedPerson;

// A character as a file would hold it: derived values up to date, opened on page 1.
CQuorvelDoc openedCharacter() {
    CQuorvelDoc doc;
    UpdateDerivedStats(doc.record());
    doc.record().m_nPage = 1;
    return doc;
}

const Message kReminder{"Don't Forget", "Don't forget to save your character.", false};

// A command that ends abnormally (a script that stops matching, any exception) half way through
// its dialogs leaves the open character exactly as it was, its flags included.
TEST(UpdateCommands, AnExceptionMidCommandLeavesTheCharacterUntouched) {
    // A change in the dialog, then a click on a button it does not have.
    const std::pair<CommandId, const char*> cases[] = {
        {CommandId::UpdateAdvantages,
         R"([{"title":"Update Advantages","fields":{"Number of new advantage points:":"5"},
              "click":"OK"},
             {"title":"Assign Advantages","steps":[{"arrow":{"advantage":"Strength"}},
                                                  {"click":"Apply"}]}])"},
        {CommandId::UpdateSkills,
         R"([{"title":"Update Skills","fields":{"Enter number of new skill points:":"5"},
              "click":"OK"},
             {"title":"Choose Skills","steps":[
                 {"choose":{"category":"Combat:","entry":"Long Sword"}},
                 {"arrow":{"category":"Combat:"}},{"click":"Apply"}]}])"},
    };
    for (const auto& [id, script] : cases) {
        CQuorvelDoc doc = openedCharacter();
        doc.record().m_nSkillPoints = 30;
        const std::string before = doc.SaveBytes();
        ScriptedPerson ui(script);
        EXPECT_THROW(doc.runCommand(command(id), ui), ScriptMismatch);
        EXPECT_EQ(doc.SaveBytes(), before);
        EXPECT_EQ(doc.record().m_bUpdateMode, 0);
        EXPECT_FALSE(doc.IsModified());
    }
}

TEST(UpdateAdvantages, CancellingBothDialogsDropsOnlyTheUnspentPoints) {
    CQuorvelDoc doc = openedCharacter();
    doc.record().m_nSkillPoints = 80;
    doc.record().m_nAdvantagePoints = 2;
    const CharacterRecord before = doc.record();
    ScriptedPerson ui;
    doc.runCommand(command(CommandId::UpdateAdvantages), ui);

    EXPECT_EQ(doc.record().m_aAdvantage, before.m_aAdvantage);
    const CharacterRecord& r = doc.record();
    EXPECT_EQ(std::tuple(r.m_nSkillPoints, r.m_nAdvantagePoints, r.m_bUpdateMode, r.m_nPage),
              std::tuple(0, 0, 1, 1));
    EXPECT_EQ(ui.messages, std::vector<Message>{kReminder});
    EXPECT_TRUE(doc.IsModified()) << "the dropped points are a change worth saving";

    // Escape after a raise keeps the levels, and the new points for later.
    ui.fill("Update Advantages", {{"Number of new advantage points:", "3"}});
    ui.answer(R"({"title":"Assign Advantages","steps":[{"arrow":{"advantage":"Logic"}}]})");
    doc.runCommand(command(CommandId::UpdateAdvantages), ui);
    EXPECT_EQ(doc.record().m_aAdvantage, before.m_aAdvantage);
    EXPECT_EQ(doc.record().m_nAdvantagePoints, 3);
}

TEST(UpdateAdvantages, AcceptedLevelsAndPoolsComeBackAndDerivedValuesFollow) {
    CQuorvelDoc doc = openedCharacter();
    doc.record().m_nRace = kRaceKessari;
    doc.record().m_nProfession = 103;
    doc.record().m_aAdvantage[0] = 1;
    ScriptedPerson ui;
    ui.fill("Update Advantages", {{"Number of new advantage points:", "2"}});
    // The third level borrows 25 skill points.
    ui.answer(R"({"title":"Assign Advantages","steps":[
        {"arrow":{"advantage":"Strength","delta":3}},{"click":"OK"}]})");
    doc.runCommand(command(CommandId::UpdateAdvantages), ui);

    const CharacterRecord& r = doc.record();
    EXPECT_EQ(std::tuple(r.m_aAdvantage[0], r.m_nAdvantagePoints, r.m_nSkillPoints),
              std::tuple(4, 0, -25))
        << "the skill point floor is waived in update mode";
    CharacterRecord expected = doc.record();
    UpdateDerivedStats(expected);
    EXPECT_EQ(doc.record(), expected) << "derived values are recomputed";
    EXPECT_TRUE(doc.IsModified());
}

TEST(UpdateSkills, CancellingThePromptKeepsTheUnspentPointsForTheSkillDialog) {
    CQuorvelDoc doc = openedCharacter();
    doc.record().m_nSkillPoints = 30;
    doc.record().m_nExperience = 77;
    doc.record().m_aSkill[3] = 40;
    doc.record().m_aEmphasis[0] = 9;
    doc.record().m_nProfessionLevel = 5;
    doc.record().m_nPage = 2;
    const CharacterRecord before = doc.record();
    ScriptedPerson ui(R"([{"title":"Update Skills","cancel":true},
        {"title":"Choose Skills","steps":[{"choose":{"category":"Combat:","entry":"Long Sword"}},
            {"type":{"category":"Combat:","value":"50"}}]}])"); // 10 points spent, then Escape
    doc.runCommand(command(CommandId::UpdateSkills), ui);

    const CharacterRecord& r = doc.record();
    EXPECT_EQ(r.m_aSkill, before.m_aSkill);
    EXPECT_EQ(r.m_aEmphasis, before.m_aEmphasis);
    // The working balance comes back; the level, experience and page stay.
    EXPECT_EQ(std::tuple(r.m_nProfessionLevel, r.m_nSkillPoints, r.m_nExperience, r.m_nPage),
              std::tuple(5, 20, 77, 2));
    EXPECT_TRUE(doc.IsModified());
}

TEST(UpdateSkills, AnAcceptedDialogBringsBackRatingsMasteriesAndTheLifeLevel) {
    CQuorvelDoc doc = openedCharacter();
    doc.record().m_nRace = kRaceNeuonian;
    doc.record().m_nProfession = 87; // City Guard: Combat 2
    doc.record().m_nSocialLevel = 4;
    doc.record().m_nFiscalLevel = 5;
    doc.record().m_nLifeLevel = 1;
    doc.record().m_nMaxLifeLevel = 2;
    doc.record().m_aSkill[0] = 20;
    doc.record().m_nSkillPoints = 0;
    ScriptedPerson ui(R"([
        {"title":"Update Skills","fields":{"Enter number of new skill points:":"30"},"click":"OK"},
        {"title":"Choose Skills","steps":[{"choose":{"category":"Combat:","entry":"Short Sword"}},
            {"type":{"category":"Combat:","value":"30"}},{"click":"OK"}]}])");
    doc.runCommand(command(CommandId::UpdateSkills), ui);
    const CharacterRecord& r = doc.record();
    // Emphasis (20 + 30) / 2 / 10, and the life level (4 + 2 + 5) / 3.
    EXPECT_EQ(std::tuple(r.m_aSkill[1], r.m_aEmphasis[0], r.m_aMastery[kMasteryCombat],
                         r.m_nProfessionLevel, r.m_nSkillPoints, r.m_nLifeLevel, r.m_nMaxLifeLevel,
                         r.m_bUpdateMode),
              std::tuple(30, 2, 2, 2, 0, 3, 3, 1));
}

} // namespace
} // namespace orthavel

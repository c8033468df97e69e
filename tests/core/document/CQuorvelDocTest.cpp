// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/document/CQuorvelDoc.h"

#include "core/document/Commands.h"
#include "core/record/CharacterFile.h"

#include "support/ScriptedPerson.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

namespace orthavel {
namespace {

using test::ScriptedPerson;

struct CountingObserver : DocumentObserver {
    int calls = 0;
    void documentChanged(const CQuorvelDoc&, DocumentChange) override { ++calls; }
};

std::filesystem::path writeFile(const std::string& name, const std::string& bytes) {
    const auto path = std::filesystem::temp_directory_path() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

// A failed open leaves the character exactly as it was; a good one shows the file's character on
// page 1 with its own rules tips setting.
TEST(CQuorvelDoc, OpenReplacesTheCharacterOnlyWhenTheWholeFileIsRead) {
    CharacterRecord saved;
    saved.ApplyNeuonianDefaults();
    saved.m_bRulesTips = 0;
    saved.m_strName = "Ysolde";
    const std::string bytes = storeCharacter(saved);
    const auto broken = writeFile("orthavel_doc_broken.ksc", bytes.substr(0, bytes.size() - 1));
    const auto path = writeFile("orthavel_doc_open.ksc", bytes);

    CQuorvelDoc doc;
    doc.record().m_strName = "Kept";
    doc.record().m_aEmphasis[39] = 3;
    doc.SetModifiedFlag(true);
    const CharacterRecord before = doc.record();
    EXPECT_EQ(doc.OnOpenDocument(broken).error, FileError::UnexpectedEnd);
    EXPECT_EQ(doc.record(), before);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.fileName().empty());

    CountingObserver observer;
    doc.addObserver(&observer);
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.record().m_nPage, 1) << "a file saved on the main menu opens on page 1";
    EXPECT_EQ(doc.record().m_bRulesTips, 0);
    EXPECT_EQ(doc.record().m_strName, "Ysolde");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.displayName(), "orthavel_doc_open.ksc");
    EXPECT_GE(observer.calls, 1);
    doc.RestoreRecovered(before, "/tmp/kept.ksc");
    EXPECT_EQ(doc.record().m_nPage, 1) << "recovered work opens on page 1 too";
    std::filesystem::remove(path);
    std::filesystem::remove(broken);
}

// A command the document runs has a name on the command line, and nothing else has one.
TEST(CQuorvelDoc, EveryCommandItRunsHasACommandLineName) {
    for (const Command& c : commandTable()) {
        EXPECT_EQ(c.run != nullptr, !c.commandLineName.empty()) << c.caption;
    }
}

TEST(CQuorvelDoc, PagesAndRulesTipsDoNotMarkModified) {
    CQuorvelDoc doc;
    ScriptedPerson ui;
    const std::pair<CommandId, int> pages[] = {
        {CommandId::Page1, 1}, {CommandId::Page2, 2},    {CommandId::Page3, 3},
        {CommandId::Page4, 4}, {CommandId::MainMenu, 0},
    };
    for (const auto& [id, page] : pages) {
        doc.runCommand(command(id), ui);
        EXPECT_EQ(doc.record().m_nPage, page);
    }
    doc.runCommand(command(CommandId::RulesTips), ui);
    EXPECT_EQ(doc.record().m_bRulesTips, 0);
    EXPECT_FALSE(doc.IsModified());
    doc.record().m_bRulesTips = 7;
    doc.OnRulesTips();
    EXPECT_EQ(doc.record().m_bRulesTips, 0) << "anything but 0 turns off";
    doc.OnRulesTips();
    EXPECT_EQ(doc.record().m_bRulesTips, 1);
}

TEST(CQuorvelDoc, BirthdayCongratulatesByNameAndAge) {
    CQuorvelDoc doc;
    doc.record().m_strName = "Ren\xE9";
    ScriptedPerson ui;
    doc.runCommand(command(CommandId::Birthday), ui);
    ASSERT_EQ(ui.messages.size(), 1U);
    EXPECT_EQ(ui.messages[0].caption, "Birthday");
    EXPECT_EQ(ui.messages[0].text, "Happy Birthday!  Ren\xC3\xA9 is now 22 years old.  Don't "
                                   "forget to save your character.");
    EXPECT_EQ(doc.record().m_nAge, 22);
    EXPECT_EQ(doc.record().m_nPage, 1);
    EXPECT_EQ(doc.record().m_bUpdateMode, 1);
    EXPECT_TRUE(doc.IsModified()) << "an older character must not be lost on exit";
}

// The armor chosen, or none when cancelled; a choice that changes nothing is nothing to save.
TEST(CQuorvelDoc, NewArmorStoresTheChoiceOrNone) {
    const struct {
        std::optional<std::string> click;
        std::int32_t before, armor;
        bool modified;
    } cases[] = {
        {"F&ield Plate", 5, 11, true},
        {"&None", 5, 0, true},
        {std::nullopt, 5, 0, true},
        {"&None", 0, 0, false},
    };
    for (const auto& c : cases) {
        CQuorvelDoc doc;
        doc.record().m_aEquipment[0] = c.before;
        ScriptedPerson ui;
        ui.click("Choose a set of Armor", {c.click});
        doc.runCommand(command(CommandId::NewArmor), ui);
        EXPECT_EQ(doc.record().m_aEquipment[0], c.armor) << c.click.value_or("cancel");
        EXPECT_EQ(ui.events(), (std::vector<std::string>{
                                   "dialog:Choose a set of Armor",
                                   "message:Don't Forget|Don't forget to save your character."}));
        EXPECT_EQ(doc.IsModified(), c.modified);
    }
}

// Each command tells the observers once, at its end, what it changed; the reminder to save comes
// after the notice, so the window shows the change while it is up.
TEST(CQuorvelDoc, ACommandTellsOnceWhatItChanged) {
    using enum DocumentChange;
    struct Recorder : DocumentObserver {
        std::vector<DocumentChange> seen;
        void documentChanged(const CQuorvelDoc&, DocumentChange c) override { seen.push_back(c); }
    };
    const struct {
        CommandId id;
        const char* script;
        std::vector<DocumentChange> told; // after the file was opened on page 1
    } cases[] = {
        // clang-format off
        {CommandId::Birthday, "[]", {Record | Modified}},
        {CommandId::Page2, "[]", {Page}},
        {CommandId::Page1, "[]", {}},
        {CommandId::RulesTips, "[]", {Record}},
        {CommandId::HitLocation, "[]", {}},
        {CommandId::RocRoll, "[]", {}},
        {CommandId::CharacterDetails, R"([{"title":"Character Details","click":"OK"}])", {}},
        {CommandId::ChangeProfession, "[]", {}},
        {CommandId::NewQuickPc, "[]", {Record | Page | FileName}},
        {CommandId::NewQuickPc, R"([{"title":"Choose a Race","click":"&Kessari"},{"title":"Character Name and Attitude","click":"OK"}])", {Record | FileName | Modified}},
        {CommandId::UpdateAdvantages, R"([{"title":"Update Advantages","cancel":true}])", {Record}}, // update mode on, nothing to save
        // clang-format on
    };
    const auto path = std::filesystem::path(ORTHAVEL_TEST_DATA) / "sample_kessari.ksc";
    for (const auto& c : cases) {
        CQuorvelDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(path));
        Recorder recorder;
        doc.addObserver(&recorder);
        ScriptedPerson ui(c.script);
        doc.runCommand(command(c.id), ui);
        EXPECT_EQ(recorder.seen, c.told) << command(c.id).caption;
        // A step is kept only where the values changed; undo and redo tell once each what they
        // changed back.
        const bool step = doc.history().canUndo();
        EXPECT_TRUE(!step || changed(c.told.at(0), Record)) << command(c.id).caption;
        doc.OnEditUndo();
        doc.OnEditRedo();
        EXPECT_EQ(recorder.seen.size(), c.told.size() + (step ? 2U : 0U));
    }
}

// Save As proposes the character's name as a name every file system takes.
TEST(CQuorvelDoc, SaveAsProposesTheCharactersName) {
    const std::pair<const char*, const char*> cases[] = {
        {"Berrin Tal", "Berrin Tal.ksc"},
        {"A/B: \"C\"?", "A B   C.ksc"},
        {"  ..  ", "Untitled.ksc"},
        {"Ysolde \xE9", "Ysolde \xC3\xA9.ksc"}, // Windows-1252 in the record, UTF-8 outside
    };
    for (const auto& [name, file] : cases) {
        CQuorvelDoc doc;
        doc.record().m_strName = name;
        EXPECT_EQ(doc.proposedFileName(), file) << name;
    }
    // A name too long for a file is cut to 255 bytes, never inside a character.
    const std::pair<std::string, std::string> cut[] = {
        {std::string(1 << 20, 'a'), std::string(251, 'a') + ".ksc"},
        {std::string(251, 'a'), std::string(251, 'a') + ".ksc"},
        {"aa" + std::string(200, '\xE9'), "aa" + std::string(248, 'x') + ".ksc"},
        {std::string(250, 'a') + " .b", std::string(250, 'a') + ".ksc"},
    };
    for (const auto& [name, file] : cut) {
        CQuorvelDoc doc;
        doc.record().m_strName = name;
        std::string proposed = doc.proposedFileName();
        std::replace(proposed.begin(), proposed.end(), '\xC3', 'x'); // "\xC3\xA9" is 'é'
        std::replace(proposed.begin(), proposed.end(), '\xA9', 'x');
        EXPECT_EQ(proposed, file) << name.size();
    }
}

} // namespace
} // namespace orthavel

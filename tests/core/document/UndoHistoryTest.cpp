// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/document/CQuorvelDoc.h"

#include "core/document/Commands.h"
#include "core/generation/CharacterDetailsDialog.h"
#include "core/record/StoredFields.h"

#include "support/ScriptedPerson.h"

#include <gtest/gtest.h>

namespace orthavel {
namespace {

using test::ScriptedPerson;

const std::filesystem::path kSample =
    std::filesystem::path(ORTHAVEL_TEST_DATA) / "sample_kessari.ksc";

// Each kind of command undoes to the bytes it started from and redoes to the bytes it left, with
// the file name and the modified mark following the saved state.
TEST(UndoHistory, EveryCommandUndoesAndRedoesByteForByte) {
    // The answers: a number typed, a button clicked, a name typed into the details; the new
    // character of a generation whose other dialogs are cancelled, made in an unnamed document
    // (which it leaves unnamed: undone across a save, the step still brings back no name).
    const struct {
        const Command* command;
        const char* script;
        bool marksModified;
    } cases[] = {
        // clang-format off
        {&command(CommandId::NewQuickPc), R"([{"title":"Choose a Race","click":"&Kessari"},{"title":"Character Name and Attitude","click":"OK"}])", true},
        {&command(CommandId::UpdateAdvantages), R"([{"title":"Update Advantages","fields":{"Number of new advantage points:":"3"},"click":"OK"}])", true},
        {&command(CommandId::Birthday), "[]", true},
        {&command(CommandId::NewArmor), R"([{"title":"Choose a set of Armor","click":"F&ield Plate"}])", true},
        {&command(CommandId::UpdateSkills), R"([{"title":"Update Skills","fields":{"Enter number of new skill points:":"40"},"click":"OK"}])", true},
        {&command(CommandId::CharacterDetails), R"([{"title":"Character Details","fields":{"Character Name:":"Ysolde"},"click":"OK"}])", true},
        {&command(CommandId::RulesTips), "[]", false},
        // clang-format on
    };
    for (const auto& c : cases) {
        const std::string name(c.command->undoName);
        SCOPED_TRACE(name);
        CQuorvelDoc doc;
        EXPECT_TRUE(c.command->replacesCharacter || doc.OnOpenDocument(kSample));
        const auto fileBefore = doc.fileName();
        ScriptedPerson ui(c.script);
        const std::string before = doc.SaveBytes();
        doc.runCommand(*c.command, ui);
        const std::string after = doc.SaveBytes();
        const auto fileAfter = doc.fileName();
        EXPECT_NE(after, before);
        EXPECT_EQ(doc.IsModified(), c.marksModified) << name;
        EXPECT_EQ(doc.undoCaption(), "Undo " + name);
        EXPECT_EQ(doc.redoCaption(), "Redo");

        doc.OnEditUndo();
        EXPECT_EQ(doc.SaveBytes(), before) << name;
        EXPECT_EQ(doc.fileName(), fileBefore) << name;
        EXPECT_FALSE(doc.IsModified()) << name << ": back at the state the file holds";
        EXPECT_EQ(doc.redoCaption(), "Redo " + name);
        doc.OnEditRedo();
        EXPECT_EQ(doc.SaveBytes(), after) << name;
        EXPECT_EQ(doc.fileName(), fileAfter) << name;
        EXPECT_EQ(doc.IsModified(), c.marksModified) << name;

        // Saved after the command, the clean state moves there.
        doc.OnDocumentSaved("/saved.ksc");
        doc.OnEditUndo();
        EXPECT_EQ(doc.IsModified(), c.marksModified) << name;
        EXPECT_EQ(doc.fileName(), c.command->replacesCharacter ? fileBefore : "/saved.ksc") << name;
        doc.OnEditRedo();
        EXPECT_FALSE(doc.IsModified()) << name;
        EXPECT_EQ(doc.fileName(), "/saved.ksc") << name;

        // A new command after an undo drops the redo, and with it the saved state, unless what was
        // undone is no work to save.
        doc.OnEditUndo();
        ui.fill(kCharacterDetailsDialogTitle, {{"Played By:", "Robin"}});
        doc.runCommand(command(CommandId::CharacterDetails), ui);
        EXPECT_FALSE(doc.history().canRedo());
        doc.OnEditUndo();
        EXPECT_EQ(doc.IsModified(), c.marksModified) << name << ": a step to the saved state gone";
    }
}

// A character as large as a file holds (every text 1 MiB, 18.9 MB in all) keeps a step as what
// it changed, so a birthday costs bytes, not two whole characters; each step still undoes byte for
// byte. A normal character keeps 100 steps (the saved state still found when the oldest go);
// steps whose texts change go first past 64 MiB.
TEST(UndoHistory, StepsKeepWhatChangedWithinStepAndByteLimits) {
    const auto withTexts = [](char c) {
        CharacterRecord r;
        forEachStoredField(r, [&](std::string_view, auto& field) {
            if constexpr (std::is_same_v<std::remove_cvref_t<decltype(field)>, Text>) {
                field.assign(std::size_t{1} << 20, c);
            }
        });
        return r;
    };
    const Command& birthday = command(CommandId::Birthday);
    for (const bool large : {true, false}) {
        CQuorvelDoc doc;
        if (large) {
            doc.record() = withTexts('x');
        }
        ScriptedPerson ui;
        const std::string first = doc.SaveBytes();
        const int commands = large ? 10 : 101;
        for (int i = 0; i < commands; ++i) {
            doc.runCommand(birthday, ui);
            ui.clear();
            if (i == 0 && !large) {
                doc.OnDocumentSaved("/hero.ksc");
            }
        }
        EXPECT_EQ(doc.history().count(), large ? 10U : UndoHistory::kLimit);
        EXPECT_LT(doc.history().bytes(), std::size_t{1} << 20);
        while (doc.history().canUndo()) {
            doc.OnEditUndo();
        }
        if (large) {
            EXPECT_EQ(doc.SaveBytes(), first);
        } else {
            EXPECT_EQ(doc.record().m_nAge, CharacterRecord().m_nAge + 1);
            EXPECT_FALSE(doc.IsModified());
        }
    }

    UndoHistory history;
    for (const char c : {'a', 'b', 'c'}) {
        history.push({"Character Details", RecordChange(withTexts(c), withTexts(c + 1)), {}, true});
    }
    EXPECT_EQ(history.count(), 1U);
    EXPECT_LE(history.bytes(), UndoHistory::kByteLimit);
    CharacterRecord undone = withTexts('d');
    history.undo().change.revert(undone);
    EXPECT_EQ(undone, withTexts('c'));
    history.push({"Character Details", RecordChange(withTexts('c'), withTexts('e')), {}, true});
    EXPECT_LE(history.bytes(), UndoHistory::kByteLimit); // the step undone is gone
    history.clear(); // as a file opened: its steps weigh nothing any more
    EXPECT_EQ(history.bytes(), 0U);

    // Steps with a long text and without one taking turns: 50 long texts within 100 steps.
    UndoHistory mixed;
    for (int i = 0; i < 150; ++i) {
        CharacterRecord before;
        before.m_nAge = i;
        before.m_strPlayedBy.assign(i % 2 == 0 ? std::size_t{1} << 20 : 0, 'k');
        mixed.push({"Character Details", RecordChange(before, CharacterRecord()), {}, true});
    }
    EXPECT_EQ(mixed.count(), UndoHistory::kLimit);
    EXPECT_GT(mixed.bytes(), std::size_t{50} << 20);
    EXPECT_LT(mixed.bytes(), std::size_t{51} << 20);
}

// A generation that ends at its name adds nothing to save; undone, the character before comes
// back with its unsaved changes still marked.
TEST(UndoHistory, AGenerationEndedAtItsNameAddsNothingToSave) {
    for (const bool changedBefore : {false, true}) {
        CQuorvelDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(kSample));
        ScriptedPerson ui;
        if (changedBefore) {
            doc.runCommand(command(CommandId::Birthday), ui);
        }
        doc.runCommand(command(CommandId::NewQuickPc), ui); // every dialog cancelled
        EXPECT_EQ(doc.IsModified(), changedBefore);
        doc.OnEditUndo();
        EXPECT_EQ(doc.IsModified(), changedBefore);
        EXPECT_EQ(doc.fileName(), kSample);
    }
}

// Steps that are no work to save never mark the character modified, however long the history:
// not when the oldest steps go, nor when a new one drops such steps undone past the saved state.
TEST(UndoHistory, StepsThatAreNoWorkNeverMarkTheCharacterModified) {
    CQuorvelDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(kSample));
    ScriptedPerson ui;
    int modified = 0;
    for (std::size_t i = 0; i < UndoHistory::kLimit + 50; ++i) {
        doc.runCommand(command(CommandId::RulesTips), ui);
        modified += doc.IsModified() ? 1 : 0;
    }
    EXPECT_EQ(modified, 0);
    doc.OnDocumentSaved("/hero.ksc");
    doc.OnEditUndo();
    doc.OnEditUndo();
    doc.runCommand(command(CommandId::RulesTips), ui);
    EXPECT_FALSE(doc.IsModified());
    // Work to save still marks it, and undone, no more.
    doc.runCommand(command(CommandId::Birthday), ui);
    EXPECT_TRUE(doc.IsModified());
    doc.OnEditUndo();
    EXPECT_FALSE(doc.IsModified());
    // Work done before the oldest step that goes cannot be undone any more: still modified.
    doc.runCommand(command(CommandId::Birthday), ui);
    for (std::size_t i = 0; i < UndoHistory::kLimit; ++i) {
        doc.runCommand(command(CommandId::RulesTips), ui);
    }
    EXPECT_TRUE(doc.IsModified());
}

} // namespace
} // namespace orthavel

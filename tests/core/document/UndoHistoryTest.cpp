#include "core/document/CQuorvelDoc.h"

#include "core/dialogs/CharacterDetailsDialog.h"
#include "core/document/Commands.h"
#include "core/document/RecoveryContent.h"
#include "core/record/CharacterFile.h"

#include "support/FakeInteraction.h"

#include <gtest/gtest.h>

#include <functional>

namespace orthavel {
namespace {

using test::FakeInteraction;

const std::filesystem::path kSample =
    std::filesystem::path(ORTHAVEL_TEST_DATA) / "sample_kessari.ksc";

// What a generation does as far as the document sees it: a new character, unnamed and unsaved.
const DocumentCommand kGeneration{ID_FILE_NEW, "quickpc", [](CQuorvelDoc& d, Interaction&) {
                                      d.record() = CharacterRecord();
                                      d.record().m_strName = "New";
                                      d.OnDocumentSaved({});
                                      d.SetModifiedFlag(true);
                                  }};

// Each kind of command undoes to the bytes it started from and redoes to the bytes it left, with
// the file name and the modified mark following the saved state.
TEST(UndoHistory, EveryCommandUndoesAndRedoesByteForByte) {
    const struct {
        const DocumentCommand* command;
        std::function<void(FakeInteraction&)> answer;
        bool marksModified;
    } cases[] = {
        {&kGeneration, {}, true},
        {findDocumentCommand(ID_UPDATE_ADVANTAGES),
         [](FakeInteraction& ui) { ui.numberEntries.push_back("3"); }, true},
        {findDocumentCommand(ID_UPDATE_BIRTHDAY), {}, true},
        {findDocumentCommand(ID_NEW_ARMOR),
         [](FakeInteraction& ui) { ui.choiceClicks.push_back("F&ield Plate"); }, true},
        {findDocumentCommand(ID_UPDATE_SKILLS),
         [](FakeInteraction& ui) { ui.numberEntries.push_back("40"); }, true},
        {findDocumentCommand(ID_CHARACTER_DETAILS),
         [](FakeInteraction& ui) {
             ui.formEntries.push_back({{{"Character Name:", "Ysolde"}}});
         },
         true},
        {findDocumentCommand(ID_RULES_TIPS), {}, false},
    };
    for (const auto& c : cases) {
        const std::string name(commandName(*c.command));
        CQuorvelDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(kSample));
        FakeInteraction ui;
        if (c.answer) {
            c.answer(ui);
        }
        const std::string before = doc.SaveBytes();
        doc.runCommand(*c.command, ui);
        const std::string after = doc.SaveBytes();
        const auto fileAfter = doc.fileName();
        ASSERT_NE(after, before) << name;
        EXPECT_EQ(doc.IsModified(), c.marksModified) << name;
        EXPECT_EQ(doc.undoCaption(), "Undo " + name);
        EXPECT_EQ(doc.redoCaption(), "Redo");

        doc.OnEditUndo();
        EXPECT_EQ(doc.SaveBytes(), before) << name;
        EXPECT_EQ(doc.fileName(), kSample) << name;
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
        EXPECT_EQ(doc.fileName(), c.command == &kGeneration ? kSample : "/saved.ksc") << name;
        doc.OnEditRedo();
        EXPECT_FALSE(doc.IsModified()) << name;
        EXPECT_EQ(doc.fileName(), "/saved.ksc") << name;

        // A new command after an undo drops the redo, and with it the saved state.
        doc.OnEditUndo();
        ui.formEntries.push_back({{{"Played By:", "Kim"}}});
        doc.runCommand(*findDocumentCommand(ID_CHARACTER_DETAILS), ui);
        EXPECT_FALSE(doc.history().canRedo());
        doc.OnEditUndo();
        EXPECT_TRUE(doc.IsModified()) << name << ": no step leads to the saved state any more";
    }
}

// Commands that change nothing, pages included, are no steps.
TEST(UndoHistory, CommandsThatChangeNothingAreNoSteps) {
    CQuorvelDoc doc;
    FakeInteraction ui;
    ui.formEntries.push_back(FakeInteraction::FieldTexts{});
    for (const int id : {ID_VIEW_PAGE2, ID_ROC_ROLL, ID_HIT_LOCATION, ID_CHARACTER_DETAILS}) {
        doc.runCommand(*findDocumentCommand(id), ui);
    }
    EXPECT_EQ(doc.history().count(), 0U);
    EXPECT_EQ(doc.undoCaption(), "Undo");
    EXPECT_FALSE(doc.IsModified());
}

// The details are edited within the creation dialogs' limits; a text left alone keeps every byte.
TEST(CharacterDetails, FieldsKeepTheCreationLimitsAndUntouchedTexts) {
    const std::pair<const char*, std::size_t> limits[] = {
        {"Character Name:", 30}, {"Attitude:", 30},   {"Birth Date:", 20},
        {"Eye Color:", 15},      {"Hair Color:", 20}, {"Family Trade and Background:", 80},
    };
    CharacterRecord record;
    record.m_strPlayedBy = std::string(45, 'k');
    const FormDialog dialog = characterDetailsDialog(record);
    ASSERT_EQ(dialog.fields.size(), 13U);
    for (const auto& [label, length] : limits) {
        const FormEntry form(dialog);
        EXPECT_EQ(dialog.fields.at(*form.findField(label)).maxLength, length) << label;
    }
    FakeInteraction ui;
    ui.formEntries.push_back({{{"Character Name:", std::string(40, 'n')}}});
    ASSERT_TRUE(runCharacterDetailsDialog(ui, record));
    EXPECT_EQ(record.m_strName, std::string(30, 'n'));
    EXPECT_EQ(record.m_strPlayedBy, std::string(45, 'k'));
}

// A recovery file brings back the character and its file name; damaged ones are refused.
TEST(RecoveryContent, RoundTripsAndRefusesDamage) {
    CharacterRecord record;
    record.m_strName = "Ysolde";
    const std::string bytes = storeRecovery("/home/kim/ysolde.ksc", record);
    const auto span = [](const std::string& s) {
        return std::span(reinterpret_cast<const unsigned char*>(s.data()), s.size());
    };
    RecoveryContent content;
    ASSERT_TRUE(loadRecovery(span(bytes), content));
    EXPECT_EQ(content.fileName, "/home/kim/ysolde.ksc");
    EXPECT_EQ(storeCharacter(content.record), storeCharacter(record));

    const std::pair<std::string, RecoveryError> damaged[] = {
        {storeCharacter(record), RecoveryError::NotRecovery},
        {bytes.substr(0, 25), RecoveryError::BadFileName},
        {bytes.substr(0, bytes.size() - 1), RecoveryError::BadCharacter},
        {bytes + "x", RecoveryError::TrailingBytes},
    };
    for (const auto& [input, error] : damaged) {
        RecoveryContent kept;
        kept.fileName = "kept";
        EXPECT_EQ(loadRecovery(span(input), kept).error, error)
            << describe(loadRecovery(span(input), kept));
        EXPECT_EQ(kept.fileName, "kept");
    }
}

} // namespace
} // namespace orthavel

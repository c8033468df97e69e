// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/dice/Dice.h"
#include "core/document/DocumentObserver.h"
#include "core/document/UndoHistory.h"
#include "core/record/CharacterFile.h"
#include "core/record/CharacterRecord.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orthavel {

class Interaction;
struct Command;
enum class CriticalTableId;
enum class GenerationEnd;

// The one open character: its record, whether it changed since it was saved, its file and the
// page shown. Every menu command that concerns the character is a method here; the windows only
// forward to them.
class CQuorvelDoc {
public:
    CQuorvelDoc();

    CharacterRecord& record() { return m_record; }
    const CharacterRecord& record() const { return m_record; }

    // Whether the character differs from the saved one by a step of the undo history that marks
    // it modified, or changed where the history cannot see.
    bool IsModified() const { return !m_history.isClean(); }
    // True: the character changed where the undo history cannot see, so nothing leads back to the
    // saved state; false: the character as it is now is the saved one.
    void SetModifiedFlag(bool modified = true);

    // The file the character was opened from or last saved to; empty while unnamed.
    const std::filesystem::path& fileName() const { return m_fileName; }
    // Whether Save asks where to save: while the character is unnamed, and while its name is one
    // a recovery file gave it that no save has confirmed yet.
    bool saveAsksForName() const {
        return m_fileName.empty() || m_fileName == m_unconfirmedFileName;
    }
    // The name windows show: the file's name, or "Untitled" while unnamed.
    std::string displayName() const;

    // The file name Save As proposes for an unnamed character: the character's name, without
    // the characters file systems refuse, and the extension, at most 255 bytes in all (a longer
    // name is cut); "Untitled.ksc" without a name.
    std::string proposedFileName() const;

    void addObserver(DocumentObserver* observer);
    void removeObserver(DocumentObserver* observer);
    // Tells the observers what changed; for a caller that changed record() itself. The document's
    // own methods tell them once per change.
    void UpdateAllViews(DocumentChange changes = DocumentChange::Record);

    Dice& dice() { return m_dice; }

    // Sets the page the view shows and has it drawn again; the modified flag is left alone.
    void ShowPage(std::int32_t page);

    // Opens a character file. The character is replaced only when the whole file was read; then
    // the page is sheet page 1 and the document is unmodified and named after the file.
    LoadResult OnOpenDocument(const std::filesystem::path& path);

    // The bytes Save writes; after they were safely written call OnDocumentSaved.
    std::string SaveBytes() const;
    void OnDocumentSaved(const std::filesystem::path& path);

    // Carries out a document command as its menu entry does. A command that changed the character
    // (or the file it belongs to) becomes one step of the undo history, named after the command;
    // the document is then modified unless the history leads back to the saved state or the
    // command's change is no work to save. The command ends on the page it shows, never on the
    // page a generation stands on while it runs, and the observers are told once what it changed.
    void runCommand(const Command& command, Interaction& ui);

    // Edit > Undo and Redo: the character as it was before the last command done, or after the
    // last command undone; the file name and the modified flag follow.
    const UndoHistory& history() const { return m_history; }
    void OnEditUndo();
    void OnEditRedo();
    // "Undo <command>" and "Redo <command>", or "Undo" and "Redo" when there is nothing to do.
    std::string undoCaption() const;
    std::string redoCaption() const;

    // Takes a character brought back after a crash: unsaved, named path (empty: unnamed), on page
    // 1, with no history. Its first save asks where to save it, proposing path.
    void RestoreRecovered(const CharacterRecord& record, const std::filesystem::path& path);

    // What the commands run (runCommand makes them steps of the undo history and tells the
    // observers). File menu:
    GenerationEnd OnFileNew(Interaction& ui); // New QuickPC
    GenerationEnd OnFullGeneration(Interaction& ui);
    // New Random NPC: asks what kind of character, then makes one at random that obeys the
    // rules; it replaces the open character as a generation does.
    void OnNewRandomNpc(Interaction& ui);
    void OnUpdateAdvantages(Interaction& ui);
    void OnBirthday(Interaction& ui);
    void OnChangeProfession(Interaction& ui);
    void OnNewArmor(Interaction& ui);
    void OnUpdateSkills(Interaction& ui);
    void OnUpdateSpecialSkills(Interaction& ui);
    // Rolls and Masteries, Combat and Magic.
    void OnRocRoll(Interaction& ui);
    // Roll Against Skill: the ROC roll on a rated skill's rating less the action's difficulty,
    // both asked for in one dialog, which opens on the skill given when there is one (a skill
    // line of the sheet). It reads the character and changes nothing.
    void OnRollAgainstSkill(Interaction& ui);
    void OnRollAgainstSkill(Interaction& ui, std::optional<std::int32_t> skill);
    void OnRuleTable(Interaction& ui, CriticalTableId table);
    // Edit > Character Details.
    void OnCharacterDetails(Interaction& ui);
    // Options > Rules Tips.
    void OnRulesTips();

private:
    // Runs the steps of an update command on a copy of the record with update mode on, and
    // commits the copy when they end normally.
    template <typename Steps> void runUpdate(Steps&& steps);
    // Runs a generation on a working record and makes its character the open one, unnamed.
    template <typename Flow> GenerationEnd runGeneration(Flow&& flow);
    void applyStep(const UndoStep& step, bool forward);

    // What the observers are told about besides the character's values.
    struct Shown {
        std::int32_t page;
        std::filesystem::path fileName;
        bool modified;
    };
    Shown shown() const;
    // Tells the observers what changed since before, with also; nothing while a command runs.
    void notifySince(const Shown& before, DocumentChange also);

    CharacterRecord m_record;
    std::filesystem::path m_fileName;
    // The name a restored character came back with, until it is saved or another one is opened.
    std::filesystem::path m_unconfirmedFileName;
    std::vector<DocumentObserver*> m_observers;
    Dice m_dice;
    UndoHistory m_history;
    // While a command runs, its changes wait to be told at its end.
    bool m_runningCommand = false;
};

} // namespace orthavel

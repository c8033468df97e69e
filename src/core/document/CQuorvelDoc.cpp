// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/document/CQuorvelDoc.h"

#include "core/advantages/AssignAdvantages.h"
#include "core/dice/CriticalTables.h"
#include "core/dice/RocRoll.h"
#include "core/document/Commands.h"
#include "core/generation/ArmorDialog.h"
#include "core/generation/ChangeProfession.h"
#include "core/generation/CharacterDetailsDialog.h"
#include "core/generation/FullGeneration.h"
#include "core/generation/QuickGeneration.h"
#include "core/generation/SpecialSkillStep.h"
#include "core/interaction/Interaction.h"
#include "core/interaction/NumberPrompt.h"
#include "core/npc/NpcMaker.h"
#include "core/npc/NpcRequestDialog.h"
#include "core/record/Cp1252.h"
#include "core/record/DerivedStats.h"
#include "core/record/Wrapping.h"
#include "core/skills/ChooseSkills.h"
#include "core/skills/SkillCatalogue.h"
#include "core/skills/SkillRoll.h"

#include <algorithm>
#include <limits>

namespace orthavel {

CQuorvelDoc::CQuorvelDoc() = default;

void CQuorvelDoc::SetModifiedFlag(bool modified) {
    const Shown before = shown();
    if (modified) {
        m_history.resetClean();
    } else {
        m_history.setClean(m_fileName);
    }
    notifySince(before, DocumentChange::None);
}

std::string CQuorvelDoc::displayName() const {
    if (m_fileName.empty()) {
        return "Untitled";
    }
    return m_fileName.filename().string();
}

std::string CQuorvelDoc::proposedFileName() const {
    return characterFileName(m_record, ".ksc");
}

void CQuorvelDoc::addObserver(DocumentObserver* observer) {
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end()) {
        m_observers.push_back(observer);
    }
}

void CQuorvelDoc::removeObserver(DocumentObserver* observer) {
    std::erase(m_observers, observer);
}

void CQuorvelDoc::UpdateAllViews(DocumentChange changes) {
    if (m_runningCommand || changes == DocumentChange::None) {
        return;
    }
    // A copy, so an observer may unregister itself while being told.
    const auto observers = m_observers;
    for (auto* observer : observers) {
        observer->documentChanged(*this, changes);
    }
}

CQuorvelDoc::Shown CQuorvelDoc::shown() const {
    return {m_record.m_nPage, m_fileName, IsModified()};
}

void CQuorvelDoc::notifySince(const Shown& before, DocumentChange also) {
    const Shown now = shown();
    UpdateAllViews(
        also | (now.page != before.page ? DocumentChange::Page : DocumentChange::None) |
        (now.fileName != before.fileName ? DocumentChange::FileName : DocumentChange::None) |
        (now.modified != before.modified ? DocumentChange::Modified : DocumentChange::None));
}

void CQuorvelDoc::ShowPage(std::int32_t page) {
    m_record.m_nPage = page;
    UpdateAllViews(DocumentChange::Page);
}

LoadResult CQuorvelDoc::OnOpenDocument(const std::filesystem::path& path) {
    CharacterRecord loaded = m_record;
    const LoadResult result = loadCharacterFile(path, loaded);
    if (result) {
        const Shown before = shown();
        m_record = std::move(loaded);
        m_record.m_nPage = 1;
        m_fileName = path;
        m_unconfirmedFileName.clear();
        m_history.clear();
        notifySince(before, DocumentChange::Record);
    }
    return result;
}

std::string CQuorvelDoc::SaveBytes() const {
    return storeCharacter(m_record);
}

void CQuorvelDoc::OnDocumentSaved(const std::filesystem::path& path) {
    const Shown before = shown();
    m_fileName = path;
    m_unconfirmedFileName.clear();
    m_history.setClean(path);
    notifySince(before, DocumentChange::None);
}

namespace {

// Whether two records describe the same character: what the page shows and the working fields
// are not part of it.
bool sameCharacter(CharacterRecord a, const CharacterRecord& b) {
    a.m_nPage = b.m_nPage;
    a.m_sizeDoc = b.m_sizeDoc;
    a.m_bUpdateMode = b.m_bUpdateMode;
    return a == b;
}

} // namespace

template <typename Steps> void CQuorvelDoc::runUpdate(Steps&& steps) {
    // The command works on a copy: a cancel, a script that stops matching or any other
    // exception leaves the open character exactly as it was.
    CharacterRecord working = m_record;
    working.m_bUpdateMode = 1;
    steps(working);
    m_record = std::move(working);
}

template <typename Flow> GenerationEnd CQuorvelDoc::runGeneration(Flow&& flow) {
    // The new character grows on a working record: a script that stops matching, or any other
    // exception, leaves the open character as it was.
    CharacterRecord working = m_record;
    const GenerationEnd end = flow(working);
    m_record = std::move(working);
    // A new character has no file yet.
    m_fileName.clear();
    return end;
}

GenerationEnd CQuorvelDoc::OnFileNew(Interaction& ui) {
    return runGeneration([&](CharacterRecord& r) { return RunQuickGeneration(r, m_dice, ui); });
}

GenerationEnd CQuorvelDoc::OnFullGeneration(Interaction& ui) {
    return runGeneration([&](CharacterRecord& r) { return RunFullGeneration(r, m_dice, ui); });
}

void CQuorvelDoc::OnNewRandomNpc(Interaction& ui) {
    const auto order = askNpcOrder(ui, {{}, m_dice.uniform(0, std::numeric_limits<int>::max())});
    if (!order) {
        return;
    }
    // A dice of its own, so that the same seed makes the same character.
    Dice dice(static_cast<std::uint64_t>(order->seed));
    const MadeNpc made = makeNpc(order->request, dice);
    if (!made.record) {
        ui.showMessage({std::string(kNpcDialogTitle), made.why, true});
        return;
    }
    m_record = *made.record;
    m_fileName.clear();
}

void CQuorvelDoc::OnUpdateAdvantages(Interaction& ui) {
    runUpdate([&](CharacterRecord& r) {
        // Unspent points from before are gone: the update starts from the new points alone.
        r.m_nSkillPoints = 0;
        r.m_nAdvantagePoints = 0;
        if (const auto points = ui.askNumber(newAdvantagePointsPrompt())) {
            r.m_nAdvantagePoints = *points;
        }
        RunAssignAdvantages(r, ui);
        UpdateDerivedStats(r);
    });
}

void CQuorvelDoc::OnBirthday(Interaction& ui) {
    runUpdate([&](CharacterRecord& r) {
        r.m_nAge = (Wrapping(r.m_nAge) + 1).value();
        ui.showMessage({"Birthday",
                        "Happy Birthday!  " + cp1252ToUtf8(r.m_strName) + " is now " +
                            std::to_string(r.m_nAge) +
                            " years old.  Don't forget to save your character.",
                        false});
    });
}

void CQuorvelDoc::OnChangeProfession(Interaction& ui) {
    runUpdate([&](CharacterRecord& r) { RunChangeProfession(r, ui); });
}

void CQuorvelDoc::OnNewArmor(Interaction& ui) {
    runUpdate([&](CharacterRecord& r) {
        // The choice starts at None and is stored whatever the outcome: closing the dialog
        // without a choice takes the armor off.
        r.m_aEquipment[0] = ui.runChoice(armorDialog()).value_or(0);
    });
}

void CQuorvelDoc::OnUpdateSkills(Interaction& ui) {
    runUpdate([&](CharacterRecord& r) {
        // Cancelled, the unspent points from before stay.
        if (const auto points = ui.askNumber(newSkillPointsPrompt())) {
            r.m_nSkillPoints = *points;
        }
        AllotSkillPoints(r, r.m_nSkillPoints, ui);
    });
}

void CQuorvelDoc::OnUpdateSpecialSkills(Interaction& ui) {
    runUpdate([&](CharacterRecord& r) {
        // Update mode grants exactly one pick, whatever the profession level.
        RunSpecialSkillStep(r, ui);
        UpdateDerivedStats(r);
    });
}

void CQuorvelDoc::OnRocRoll(Interaction& ui) {
    RunRocRoll(m_dice, ui);
}

void CQuorvelDoc::OnRollAgainstSkill(Interaction& ui) {
    OnRollAgainstSkill(ui, std::nullopt);
}

void CQuorvelDoc::OnRollAgainstSkill(Interaction& ui, std::optional<std::int32_t> skill) {
    SkillRoll roll(m_record, skill);
    if (skill && !roll.given()) {
        ui.showMessage({std::string(SkillRoll::kTitle),
                        "The character's \"" + std::string(skillName(*skill)) +
                            "\" is not rated: there is no rating to roll against.",
                        false});
        return;
    }
    if (!ui.runSkillRoll(roll) || !roll.baseNumber()) {
        return;
    }
    // The log names the skill, its rating and the difficulty: "Long Sword 25 - 20".
    const SkillRoll::RatedSkill& chosen = *roll.chosen();
    const std::int32_t difficulty = roll.difficulty();
    rollOnRoc(
        m_dice, ui, *roll.baseNumber(),
        chosen.name + ' ' + std::to_string(chosen.rating) + (difficulty < 0 ? " + " : " - ") +
            std::to_string(difficulty < 0 ? -static_cast<std::int64_t>(difficulty) : difficulty));
}

void CQuorvelDoc::OnRuleTable(Interaction& ui, CriticalTableId table) {
    RunCriticalTable(criticalTable(table), m_dice, ui);
}

void CQuorvelDoc::OnRulesTips() {
    m_record.m_bRulesTips = m_record.m_bRulesTips == 0 ? 1 : 0;
}

void CQuorvelDoc::OnCharacterDetails(Interaction& ui) {
    CharacterRecord working = m_record;
    if (runCharacterDetailsDialog(ui, working) && !sameCharacter(m_record, working)) {
        m_record = std::move(working);
    }
}

namespace {

// Sets a flag for as long as it lives, however the scope is left.
class Raised {
public:
    explicit Raised(bool& flag) : m_flag(flag) { m_flag = true; }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;
    ~Raised() { m_flag = false; }

private:
    bool& m_flag;
};

} // namespace

void CQuorvelDoc::runCommand(const Command& command, Interaction& ui) {
    CharacterRecord before = m_record;
    const Shown shownBefore = shown();
    // A command that throws has changed nothing: it works on copies.
    const CommandEnd end = [&] {
        const Raised running(m_runningCommand);
        return command.run(*this, ui);
    }();
    // A generation started from the main menu stands on a page of its own while it runs; ended
    // without a sheet page to show, it leaves the main menu showing.
    if (m_record.m_nPage == kPageGenerating) {
        m_record.m_nPage = kPageMainMenu;
    }
    m_record.m_nPage = command.showsPage.value_or(m_record.m_nPage);
    CharacterRecord unpaged = before;
    unpaged.m_nPage = m_record.m_nPage;
    const bool recordChanged = unpaged != m_record;
    const bool renamed = shownBefore.fileName != m_fileName;
    if (renamed || !sameCharacter(before, m_record)) {
        UndoStep step{std::string(command.undoName),
                      RecordChange(std::move(before), m_record),
                      {},
                      command.marksModified && end == CommandEnd::Done};
        // A new character takes the document's file name with it: a save after it names the
        // step, so that undo brings back the previous document under its own name.
        if (renamed || command.replacesCharacter) {
            step.fileChange.emplace(shownBefore.fileName, m_fileName);
        }
        m_history.push(std::move(step));
    }
    // The window shows the change, as unsaved work, while the reminder is up.
    notifySince(shownBefore, recordChanged ? DocumentChange::Record : DocumentChange::None);
    if (command.remindsToSave) {
        ui.showMessage({"Don't Forget", "Don't forget to save your character.", false});
    }
}

void CQuorvelDoc::applyStep(const UndoStep& step, bool forward) {
    if (forward) {
        step.change.apply(m_record);
    } else {
        step.change.revert(m_record);
    }
    if (step.fileChange) {
        m_fileName = forward ? step.fileChange->second : step.fileChange->first;
    }
}

void CQuorvelDoc::OnEditUndo() {
    if (m_history.canUndo()) {
        const Shown before = shown();
        applyStep(m_history.undo(), false);
        notifySince(before, DocumentChange::Record);
    }
}

void CQuorvelDoc::OnEditRedo() {
    if (m_history.canRedo()) {
        const Shown before = shown();
        applyStep(m_history.redo(), true);
        notifySince(before, DocumentChange::Record);
    }
}

std::string CQuorvelDoc::undoCaption() const {
    const UndoStep* step = m_history.undoStep();
    return step != nullptr ? "Undo " + step->name : "Undo";
}

std::string CQuorvelDoc::redoCaption() const {
    const UndoStep* step = m_history.redoStep();
    return step != nullptr ? "Redo " + step->name : "Redo";
}

void CQuorvelDoc::RestoreRecovered(const CharacterRecord& record,
                                   const std::filesystem::path& path) {
    const Shown before = shown();
    m_record = record;
    m_record.m_nPage = 1;
    m_fileName = path;
    m_unconfirmedFileName = path;
    m_history.clear();
    m_history.resetClean();
    notifySince(before, DocumentChange::Record);
}

} // namespace orthavel

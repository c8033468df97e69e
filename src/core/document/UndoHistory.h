// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>

namespace orthavel {

// What a command changed in the character: every number before and after it, and only the texts
// it changed. The texts it left alone are taken from the character the change is undone or
// redone on, so a step of a character with long texts holds little more than its numbers.
class RecordChange {
public:
    RecordChange(CharacterRecord before, CharacterRecord after);

    // Turns the character after the change into the one before it, and back.
    void revert(CharacterRecord& record) const { restore(m_before, record); }
    void apply(CharacterRecord& record) const { restore(m_after, record); }

    // The memory the change holds besides its own size: the texts that changed.
    std::size_t bytes() const;

private:
    void restore(const CharacterRecord& kept, CharacterRecord& record) const;

    // The texts left alone are empty here.
    CharacterRecord m_before;
    CharacterRecord m_after;
    // Which texts changed, a bit each in the order the character file stores them.
    std::uint32_t m_textChanged = 0;
};

// One command that changed the character: what it changed, and, for a command that makes a new
// character, the file name it left behind.
struct UndoStep {
    std::string name; // the command's name, as "Undo <name>" shows it
    RecordChange change;
    // The document's file name before and after, for a step that changed it.
    std::optional<std::pair<std::filesystem::path, std::filesystem::path>> fileChange;
    // Whether the command marked the document modified; Rules Tips does not.
    bool marksModified = true;
};

// The commands done and undone, oldest first, with the state the document was last saved in: the
// one source of whether the document is modified.
// Undo walks back one step at a time and redo forward again; a new step drops the steps undone.
class UndoHistory {
public:
    // The most steps kept, and the most memory they may hold; the oldest steps go first, but the
    // newest is always kept.
    static constexpr std::size_t kLimit = 100;
    static constexpr std::size_t kByteLimit = std::size_t{64} << 20;

    // Adds a step after the current one, dropping every step that was undone.
    void push(UndoStep step);
    // Forgets every step; the character as it is now is the saved state.
    void clear();

    bool canUndo() const { return m_index > 0; }
    bool canRedo() const { return m_index < m_steps.size(); }
    // The step undo would revert, and the one redo would do again.
    const UndoStep* undoStep() const { return canUndo() ? &m_steps[m_index - 1] : nullptr; }
    const UndoStep* redoStep() const { return canRedo() ? &m_steps[m_index] : nullptr; }
    // Moves one step back or forward and answers the step; only while canUndo or canRedo.
    const UndoStep& undo();
    const UndoStep& redo();

    std::size_t count() const { return m_steps.size(); }
    // The memory the steps hold.
    std::size_t bytes() const { return m_bytes; }
    // How many steps are done: the place between the steps undone and the steps done.
    std::size_t index() const { return m_index; }

    // The character as it is now was saved under path: this is the clean state, and a step that
    // changed the file name to or from this state names path there.
    void setClean(const std::filesystem::path& path);
    // The character changed outside the history: no step leads back to the clean state.
    void resetClean() { m_clean.reset(); }
    // Whether the character is in the clean state, or differs from it only by steps that do not
    // mark it modified.
    bool isClean() const;

private:
    void dropOldest();

    // A deque, so that no step moves when another comes or goes: the memory a step holds stays
    // what it was when it was counted.
    std::deque<UndoStep> m_steps;
    std::size_t m_bytes = 0;
    std::size_t m_index = 0;
    std::optional<std::size_t> m_clean = 0;
};

} // namespace orthavel

#pragma once

#include "core/record/CharacterRecord.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orthavel {

// One command that changed the character: the whole record before and after it, and, for a
// command that makes a new character, the file name it left behind.
struct UndoStep {
    std::string name; // the command's name, as "Undo <name>" shows it
    CharacterRecord before;
    CharacterRecord after;
    // The document's file name before and after, for a step that changed it.
    std::optional<std::pair<std::filesystem::path, std::filesystem::path>> fileChange;
    // Whether the command marked the document modified; Rules Tips does not.
    bool marksModified = true;
};

// The commands done and undone, oldest first, with the state the document was last saved in.
// Undo walks back one step at a time and redo forward again; a new step drops the steps undone.
class UndoHistory {
public:
    // The most steps kept; the oldest ones go first.
    static constexpr std::size_t kLimit = 100;

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
    // How many steps are done: the place between the steps undone and the steps done.
    std::size_t index() const { return m_index; }

    // The character as it is now was saved under path: this is the clean state, and a step that
    // changed the file name to or from this state names path there.
    void markSaved(const std::filesystem::path& path);
    // The character changed outside the history: no step leads back to the saved state.
    void forgetSavedState() { m_clean.reset(); }
    // Whether the character differs from the saved state by a step that marks modified.
    bool isModified() const;
    std::optional<std::size_t> cleanIndex() const { return m_clean; }

private:
    std::vector<UndoStep> m_steps;
    std::size_t m_index = 0;
    std::optional<std::size_t> m_clean = 0;
};

} // namespace orthavel

#include "core/document/UndoHistory.h"

#include <algorithm>
#include <cassert>

namespace orthavel {

void UndoHistory::push(UndoStep step) {
    m_steps.resize(m_index);
    if (m_clean && *m_clean > m_index) {
        // The saved state was among the steps undone: nothing leads back to it now.
        m_clean.reset();
    }
    m_steps.push_back(std::move(step));
    ++m_index;
    if (m_steps.size() > kLimit) {
        m_steps.erase(m_steps.begin());
        --m_index;
        if (m_clean) {
            m_clean = *m_clean == 0 ? std::nullopt : std::optional(*m_clean - 1);
        }
    }
}

void UndoHistory::clear() {
    m_steps.clear();
    m_index = 0;
    m_clean = 0;
}

const UndoStep& UndoHistory::undo() {
    assert(canUndo());
    return m_steps[--m_index];
}

const UndoStep& UndoHistory::redo() {
    assert(canRedo());
    return m_steps[m_index++];
}

void UndoHistory::markSaved(const std::filesystem::path& path) {
    m_clean = m_index;
    // A step that named the document names it as it is saved now, so undoing and redoing past
    // the save comes back to the file that holds this state.
    if (canUndo() && m_steps[m_index - 1].fileChange) {
        m_steps[m_index - 1].fileChange->second = path;
    }
    if (canRedo() && m_steps[m_index].fileChange) {
        m_steps[m_index].fileChange->first = path;
    }
}

bool UndoHistory::isModified() const {
    if (!m_clean) {
        return true;
    }
    const auto [first, last] = std::minmax(*m_clean, m_index);
    return std::any_of(m_steps.begin() + static_cast<std::ptrdiff_t>(first),
                       m_steps.begin() + static_cast<std::ptrdiff_t>(last),
                       [](const UndoStep& step) { return step.marksModified; });
}

} // namespace orthavel

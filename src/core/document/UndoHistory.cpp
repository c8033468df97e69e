// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/document/UndoHistory.h"

#include "core/record/StoredFields.h"

#include <algorithm>
#include <cassert>
#include <string_view>
#include <type_traits>
#include <vector>

namespace orthavel {

namespace {

// The texts of a record, in the order the character file stores them.
std::vector<Text*> textsOf(CharacterRecord& record) {
    std::vector<Text*> texts;
    forEachStoredField(record, [&](std::string_view, auto& field) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(field)>, Text>) {
            texts.push_back(&field);
        }
    });
    return texts;
}

std::size_t bytesOf(const UndoStep& step) {
    return sizeof step + step.name.capacity() + step.change.bytes();
}

} // namespace

RecordChange::RecordChange(CharacterRecord before, CharacterRecord after)
    : m_before(std::move(before)), m_after(std::move(after)) {
    const std::vector<Text*> beforeTexts = textsOf(m_before);
    const std::vector<Text*> afterTexts = textsOf(m_after);
    assert(beforeTexts.size() <= sizeof m_textChanged * 8);
    for (std::size_t i = 0; i < beforeTexts.size(); ++i) {
        if (*beforeTexts[i] != *afterTexts[i]) {
            m_textChanged |= std::uint32_t{1} << i;
        } else {
            Text().swap(*beforeTexts[i]);
            Text().swap(*afterTexts[i]);
        }
    }
}

void RecordChange::restore(const CharacterRecord& kept, CharacterRecord& record) const {
    CharacterRecord restored = kept;
    const std::vector<Text*> restoredTexts = textsOf(restored);
    const std::vector<Text*> texts = textsOf(record);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if ((m_textChanged & (std::uint32_t{1} << i)) == 0) {
            *restoredTexts[i] = std::move(*texts[i]);
        }
    }
    record = std::move(restored);
}

std::size_t RecordChange::bytes() const {
    std::size_t bytes = 0;
    for (const CharacterRecord* record : {&m_before, &m_after}) {
        forEachStoredField(*record, [&](std::string_view, const auto& field) {
            if constexpr (std::is_same_v<std::remove_cvref_t<decltype(field)>, Text>) {
                bytes += field.capacity();
            }
        });
    }
    return bytes;
}

void UndoHistory::push(UndoStep step) {
    if (m_clean && *m_clean > m_index) {
        // The saved state is among the steps undone, which go now: nothing leads back to it any
        // more, unless those steps were no work to save, and so the state now is as good as it.
        m_clean = isClean() ? std::optional(m_index) : std::nullopt;
    }
    while (m_steps.size() > m_index) {
        m_bytes -= bytesOf(m_steps.back());
        m_steps.pop_back();
    }
    m_bytes += bytesOf(step);
    m_steps.push_back(std::move(step));
    ++m_index;
    while (m_steps.size() > kLimit || (m_bytes > kByteLimit && m_steps.size() > 1)) {
        dropOldest();
    }
}

void UndoHistory::dropOldest() {
    const bool marksModified = m_steps.front().marksModified;
    m_bytes -= bytesOf(m_steps.front());
    m_steps.pop_front();
    --m_index;
    if (m_clean && *m_clean > 0) {
        --*m_clean;
    } else if (m_clean && marksModified) {
        // The saved state went with the oldest step.
        m_clean.reset();
    }
    // Otherwise the saved state went with a step that was no work to save: the state after it is
    // as good as the saved one.
}

void UndoHistory::clear() {
    m_steps.clear();
    m_bytes = 0;
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

void UndoHistory::setClean(const std::filesystem::path& path) {
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

bool UndoHistory::isClean() const {
    if (!m_clean) {
        return false;
    }
    const auto [first, last] = std::minmax(*m_clean, m_index);
    return std::none_of(m_steps.begin() + static_cast<std::ptrdiff_t>(first),
                        m_steps.begin() + static_cast<std::ptrdiff_t>(last),
                        [](const UndoStep& step) { return step.marksModified; });
}

} // namespace orthavel

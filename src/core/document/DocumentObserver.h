// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace orthavel {

class CQuorvelDoc;

// What changed in the document, one bit each; a notice may carry several.
enum class DocumentChange : std::uint8_t {
    None = 0,
    Record = 1U << 0U,   // the character's values (and with them the undo history)
    Page = 1U << 1U,     // the page shown
    FileName = 1U << 2U, // the file the character belongs to
    Modified = 1U << 3U, // whether it differs from the saved character
    All = 0x0FU,
};

constexpr DocumentChange operator|(DocumentChange a, DocumentChange b) {
    return static_cast<DocumentChange>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}

// Whether changes holds any of what.
constexpr bool changed(DocumentChange changes, DocumentChange what) {
    return (static_cast<std::uint8_t>(changes) & static_cast<std::uint8_t>(what)) != 0;
}

// Views of the document: told once per change of the document what changed, so they redraw.
class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;
    virtual void documentChanged(const CQuorvelDoc& document, DocumentChange changes) = 0;
};

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace orthavel {

// The title of the program's main window; message boxes of the program itself carry it too.
inline constexpr char kApplicationTitle[] = "Orthavel Kessari Computer Aided Role-Playing";

// A message box: caption, text and one OK button; the exclamation icon where asked for.
// Captions and texts are UTF-8.
struct Message {
    std::string caption;
    std::string text;
    bool exclamation = false;

    bool operator==(const Message&) const = default;
};

// The answers to "save the changes before they are lost?".
enum class SaveAnswer { Save, Discard, Cancel };

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"

#include <QByteArray>

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orthavel {

// A form a character is exported in: its name on the command line, the file name's extension,
// whether several characters can share one file, and the bytes of one character.
struct ExportFormat {
    std::string_view name;
    std::string_view extension;
    std::string_view filter; // for file dialogs
    bool oneFile;
    std::string (*write)(const CharacterRecord& record);
};

// Plain text, Markdown, HTML, OpenDocument Text, Foundry VTT actor, dump object, in that order.
std::span<const ExportFormat> exportFormats();
const ExportFormat* exportFormatNamed(std::string_view name);

// Several characters in one file of a format that takes them: one after the other, in one page
// for HTML.
std::string exportedTogether(const ExportFormat& format,
                             const std::vector<CharacterRecord>& records);

// The file name proposed for a character: as for its character file, with the format's extension.
std::string exportFileName(const CharacterRecord& record, const ExportFormat& format);

// A stat block's HTML page as an OpenDocument Text file, laid out by Qt's rich-text document
// (which needs a GUI application for its fonts).
QByteArray openDocumentText(std::string_view html);

} // namespace orthavel

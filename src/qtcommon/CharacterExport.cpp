// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtcommon/CharacterExport.h"

#include "core/record/CharacterFile.h"
#include "core/statblock/StatBlock.h"
#include "script/FoundryActor.h"
#include "script/RecordJson.h"

#include <QBuffer>
#include <QTextDocument>
#include <QTextDocumentWriter>

#include <algorithm>

namespace orthavel {

namespace {

// The OpenDocument file is Qt's: its rich-text document reads the HTML stat block and writes
// ODF. The other forms are written by the core, which escapes what each needs.
constexpr ExportFormat kFormats[] = {
    {"text", ".txt", "Text files (*.txt)", true,
     [](const CharacterRecord& r) { return statBlockText(makeStatBlock(r)); }},
    {"markdown", ".md", "Markdown files (*.md)", true,
     [](const CharacterRecord& r) { return statBlockMarkdown(makeStatBlock(r)); }},
    {"html", ".html", "HTML files (*.html *.htm)", true,
     [](const CharacterRecord& r) { return statBlockHtml(makeStatBlock(r)); }},
    {"odt", ".odt", "OpenDocument Text files (*.odt)", false,
     [](const CharacterRecord& r) {
         return openDocumentText(statBlockHtml(makeStatBlock(r))).toStdString();
     }},
    {"foundry", ".json", "Foundry VTT actors (*.json)", false, foundryActorJson},
    {"json", ".json", "JSON files (*.json)", false, dumpRecordJson},
};

} // namespace

std::span<const ExportFormat> exportFormats() {
    return kFormats;
}

const ExportFormat* exportFormatNamed(std::string_view name) {
    const auto* found = std::find_if(std::begin(kFormats), std::end(kFormats),
                                     [&](const ExportFormat& f) { return f.name == name; });
    return found == std::end(kFormats) ? nullptr : found;
}

std::string exportedTogether(const ExportFormat& format,
                             const std::vector<CharacterRecord>& records) {
    const bool html = format.name == "html";
    std::string whole;
    for (const CharacterRecord& r : records) {
        if (html) {
            whole += statBlockHtmlBody(makeStatBlock(r));
        } else {
            whole += whole.empty() ? "" : "\n";
            whole += format.write(r);
        }
    }
    return html ? htmlPage("Characters", whole) : whole;
}

std::string exportFileName(const CharacterRecord& record, const ExportFormat& format) {
    return characterFileName(record, format.extension);
}

QByteArray openDocumentText(std::string_view html) {
    QTextDocument document;
    document.setHtml(QString::fromUtf8(html.data(), static_cast<qsizetype>(html.size())));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, "odf");
    writer.write(&document);
    return buffer.data();
}

} // namespace orthavel

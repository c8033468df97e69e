// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's exports of the character and its stat block on the clipboard.

#include "core/document/CQuorvelDoc.h"
#include "core/interaction/Interaction.h"
#include "core/interaction/Message.h"
#include "core/statblock/StatBlock.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/FileDialogs.h"
#include "qtcommon/CharacterExport.h"
#include "qtcommon/QtText.h"
#include "qtcommon/SafeFile.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QStatusBar>

namespace orthavel {

namespace {

struct ExportCommand {
    CommandId id;
    std::string_view format;
    const char* title;
};

constexpr ExportCommand kExportCommands[] = {
    {CommandId::ExportText, "text", QT_TRANSLATE_NOOP("CMainFrame", "Export Stat Block as Text")},
    {CommandId::ExportMarkdown, "markdown",
     QT_TRANSLATE_NOOP("CMainFrame", "Export Stat Block as Markdown")},
    {CommandId::ExportHtml, "html", QT_TRANSLATE_NOOP("CMainFrame", "Export Stat Block as HTML")},
    {CommandId::ExportOdt, "odt",
     QT_TRANSLATE_NOOP("CMainFrame", "Export Stat Block as OpenDocument Text")},
    {CommandId::ExportFoundry, "foundry",
     QT_TRANSLATE_NOOP("CMainFrame", "Export Foundry VTT Actor")},
};

} // namespace

void CMainFrame::exportCharacter(CommandId id) {
    const auto* command = std::find_if(std::begin(kExportCommands), std::end(kExportCommands),
                                       [id](const ExportCommand& c) { return c.id == id; });
    if (command == std::end(kExportCommands)) {
        return;
    }
    const ExportFormat& format = *exportFormatNamed(command->format);
    const CharacterRecord& record = m_document.record();
    const QString folder =
        m_document.fileName().empty() ? startingFolder() : QFileInfo(documentPath()).absolutePath();
    const QString extension = toQString(std::string(format.extension.substr(1)));
    const QString path = askSavePath(
        this, tr(command->title), QDir(folder).filePath(toQString(exportFileName(record, format))),
        toQString(format.filter), extension);
    if (path.isEmpty()) {
        return;
    }
    if (const auto problem =
            writeWholeFile(path, QByteArray::fromStdString(format.write(record)))) {
        m_ui.showMessage({kApplicationTitle, problem->toStdString(), true});
        return;
    }
    statusBar()->showMessage(tr("Character exported to %1").arg(QDir::toNativeSeparators(path)));
}

void CMainFrame::copyStatBlock() {
    const StatBlock block = makeStatBlock(m_document.record());
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(statBlockText(block)));
    data->setHtml(QString::fromStdString(statBlockHtml(block)));
    QGuiApplication::clipboard()->setMimeData(data);
    statusBar()->showMessage(tr("Stat block copied"));
}

} // namespace orthavel

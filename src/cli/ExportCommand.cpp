// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CharacterIO.h"
#include "cli/Subcommands.h"
#include "core/npc/NpcBatch.h"
#include "qtcommon/CharacterExport.h"
#include "qtcommon/SafeFile.h"

#include <QDir>
#include <QFileInfo>

// export: characters as stat blocks, Foundry actors or dump objects, into a file or a folder.
namespace orthavel::cli {

namespace {

int writeFile(const std::string& path, const std::string& bytes, std::ostream& out,
              std::ostream& err) {
    if (!out.flush()) {
        return ExitFileError;
    }
    if (const auto problem = writeWholeFile(q(path), QByteArray::fromStdString(bytes))) {
        err << "Cannot save \"" << path << "\": " << problem->toStdString() << ".\n";
        return ExitFileError;
    }
    return ExitDone;
}

// Each character in a file of its own in the folder, named after it; a name already taken, by
// one of the batch or by a file that was there, is numbered.
int writeFolder(const ExportFormat& format, const std::vector<CharacterRecord>& records,
                const std::string& folder, std::ostream& out, std::ostream& err) {
    if (!QDir().mkpath(q(folder)) || !QFileInfo(q(folder)).isDir()) {
        err << "orthavel-cli: cannot make the folder \"" << folder << "\"\n";
        return ExitFileError;
    }
    for (const CharacterRecord& record : records) {
        const std::string proposed = exportFileName(record, format);
        const QByteArray bytes = QByteArray::fromStdString(format.write(record));
        QString path;
        NewFile written = NewFile::NameTaken;
        QString reason;
        for (int n = 1; written == NewFile::NameTaken; ++n) {
            path = QDir(q(folder)).filePath(QString::fromStdString(numberedFileName(proposed, n)));
            written = writeNewFile(path, bytes, &reason);
        }
        if (written == NewFile::Failed) {
            err << "Cannot save \"" << local(path) << "\": " << reason.toStdString() << ".\n";
            return ExitFileError;
        }
        out << local(path) << '\n';
    }
    return ExitDone;
}

} // namespace

int cmdExport(const Arguments& a, std::ostream& out, std::ostream& err) {
    const Subcommand* sub = findSubcommand("export");
    const std::string& name = a.options.at("format");
    const ExportFormat* format = exportFormatNamed(name);
    if (format == nullptr) {
        return usage(err, "export: no format is called \"" + name + "\"", sub);
    }
    const bool one = a.options.contains("one-file");
    if (one && !format->oneFile) {
        return usage(err, "export: --one-file takes text, markdown or html", sub);
    }
    // Every character is read before anything is written: a damaged one changes nothing.
    std::vector<CharacterRecord> records(a.positional.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (const int status = readOrFail(records[i], a.positional[i], err)) {
            return status;
        }
    }
    const auto app = format->name == "odt" ? makeGuiApplication() : nullptr;
    const std::string& target = a.options.at("o");
    if (one) {
        return writeFile(target, exportedTogether(*format, records), out, err);
    }
    // "out/" names a folder even before it is made.
    if (records.size() == 1 && !QFileInfo(q(target)).isDir() && !target.ends_with('/')) {
        return writeFile(target, format->write(records[0]), out, err);
    }
    return writeFolder(*format, records, target, out, err);
}

} // namespace orthavel::cli

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CharacterIO.h"

#include "cli/CommandLine.h"
#include "qtcommon/CharacterFileIO.h"
#include "script/RecordJson.h"

namespace orthavel::cli {

int openOrFail(CQuorvelDoc& doc, const std::string& path, std::ostream& err) {
    if (const auto problem = openCharacterFile(q(path), [&doc](const std::filesystem::path& file) {
            return doc.OnOpenDocument(file);
        })) {
        err << problem->toStdString() << '\n';
        return ExitFileError;
    }
    return ExitDone;
}

int saveOrFail(CQuorvelDoc& doc, const std::string& path, std::ostream& out, std::ostream& err) {
    if (!out.flush()) {
        return ExitFileError; // main() names the reason
    }
    if (const auto problem =
            saveCharacterFile(q(path), doc.SaveBytes(), [&doc](const std::filesystem::path& file) {
                doc.OnDocumentSaved(file);
            })) {
        err << problem->toStdString() << '\n';
        return ExitFileError;
    }
    return ExitDone;
}

void printRecord(const CharacterRecord& record, std::ostream& out) {
    out << dumpRecordJson(record);
}

std::unique_ptr<QGuiApplication> makeGuiApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return nullptr;
    }
    static int argc = 1;
    static char name[] = "orthavel-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

int readOrFail(CharacterRecord& record, const std::string& path, std::ostream& err) {
    if (const auto problem = readCharacter(q(path), record)) {
        err << problem->toStdString() << '\n';
        return ExitFileError;
    }
    return ExitDone;
}

} // namespace orthavel::cli

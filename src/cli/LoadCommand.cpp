// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CharacterIO.h"
#include "cli/Subcommands.h"
#include "script/RecordJson.h"

#include <QFile>

// load: a character read back from the JSON object dump prints, or from an actor that carries it.
namespace orthavel::cli {

int cmdLoad(const Arguments& a, std::ostream& out, std::ostream& err) {
    const std::string& path = a.positional[0];
    QFile file(q(path));
    if (!file.open(QIODevice::ReadOnly)) {
        err << "Cannot read \"" << path << "\": " << file.errorString().toStdString() << ".\n";
        return ExitFileError;
    }
    // One byte more than a record may take tells a file that is too large without reading it all.
    const QByteArray text = file.read(static_cast<qint64>(kMaxRecordJsonBytes) + 1);
    CQuorvelDoc doc;
    if (const auto error = readRecordJson(text.toStdString(), doc.record())) {
        err << "Cannot load \"" << path << "\": " << error->words() << ".\n";
        return ExitFileError;
    }
    return saveOrFail(doc, a.options.at("o"), out, err);
}

} // namespace orthavel::cli

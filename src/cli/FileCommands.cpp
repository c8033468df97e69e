// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CharacterIO.h"
#include "cli/Subcommands.h"
#include "core/record/DerivedStats.h"

// new, dump and derive: a character file written, printed or recomputed.
namespace orthavel::cli {

int cmdNew(const Arguments& a, std::ostream& out, std::ostream& err) {
    CQuorvelDoc doc;
    return saveOrFail(doc, a.options.at("o"), out, err);
}

int cmdDump(const Arguments& a, std::ostream& out, std::ostream& err) {
    CharacterRecord record;
    if (const int status = readOrFail(record, a.positional[0], err)) {
        return status;
    }
    printRecord(record, out);
    return ExitDone;
}

int cmdDerive(const Arguments& a, std::ostream& out, std::ostream& err) {
    CQuorvelDoc doc;
    if (const int status = readOrFail(doc.record(), a.positional[0], err)) {
        return status;
    }
    UpdateDerivedStats(doc.record());
    printRecord(doc.record(), out);
    if (a.options.contains("o")) {
        return saveOrFail(doc, a.options.at("o"), out, err);
    }
    return ExitDone;
}

} // namespace orthavel::cli

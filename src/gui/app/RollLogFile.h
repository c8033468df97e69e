// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/dice/RollLog.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <deque>
#include <optional>

namespace orthavel {

// Where the rolls are kept between runs: "roll-log.txt" in the per-user data folder.
QString rollLogPath();

// Keeps a roll log in a file of its own across runs (the character file has no room for it).
// load() reads the rolls a run before left; after each change, once the command that rolled has
// ended, and when the program ends, the log's own rolls are written into the file through the
// checked writer, beside those other runs keep there, even at the same time (under a lock). The
// file is the user's alone (0600). A file that is no roll log, too large for one or no regular file
// is set aside (renamed, never removed) and the log starts empty: it is never a reason not to
// start. When the file cannot be written, the status bar of the main window it belongs to (parent)
// says so, once.
class RollLogFile : public QObject {
public:
    RollLogFile(RollLog& log, QString path, QObject* parent = nullptr);
    ~RollLogFile() override;
    RollLogFile(const RollLogFile&) = delete;
    RollLogFile& operator=(const RollLogFile&) = delete;

    // Takes the rolls of the file into the log. Answers what became of a damaged file (set aside,
    // or where it could not be, left alone and never written over), or nothing when the file was
    // read or there was none.
    std::optional<QString> load();
    // The log changed: it is written soon.
    void changed();
    // Writes the log now when it changed since it was last written.
    void write();

private:
    RollLog& m_log;
    QString m_path;
    QTimer m_soon;
    bool m_pending = false;
    bool m_failing = false;
    bool m_writable = true;
    // The log's own rolls as last written, and how often it had been cleared then (a clear
    // empties the file).
    std::deque<LoggedRoll> m_ownWritten;
    std::uint64_t m_clearsWritten = 0;
};

} // namespace orthavel

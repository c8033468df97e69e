// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/app/RollLogFile.h"

#include "core/dice/RollLog.h"
#include "qtcommon/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMainWindow>
#include <QStandardPaths>
#include <QStatusBar>

#include <cstdio>

namespace orthavel {

namespace {

// A thousand rolls take a few hundred KiB; a larger file is no log of this program's and is not
// read at all.
constexpr qint64 kMostBytes = qint64{2} * 1024 * 1024;
// How long a write waits for another run to finish writing, and when it tries again after that.
constexpr int kLockWait = 2000;
constexpr int kLockRetry = 1000;

// The bytes of a roll log file; nothing when it is no regular file of a log's size or cannot be
// read.
std::optional<QByteArray> readLog(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMostBytes) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray bytes = file.read(kMostBytes + 1);
    if (bytes.size() > kMostBytes) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

QString rollLogPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
        .filePath(QStringLiteral("roll-log.txt"));
}

RollLogFile::RollLogFile(RollLog& log, QString path, QObject* parent)
    : QObject(parent), m_log(log), m_path(std::move(path)) {
    m_soon.setSingleShot(true);
    m_soon.setInterval(0);
    connect(&m_soon, &QTimer::timeout, this, &RollLogFile::write);
}

RollLogFile::~RollLogFile() {
    write();
}

std::optional<QString> RollLogFile::load() {
    const QFileInfo info(m_path);
    if (!info.exists() && !info.isSymLink()) {
        return std::nullopt;
    }
    if (const auto bytes = readLog(m_path)) {
        if (auto rolls = RollLog::parse(
                std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())))) {
            m_log.restore(std::move(*rolls));
            m_pending = false;
            return std::nullopt;
        }
    }
    const QString aside = setAside(m_path);
    QString problem;
    if (aside == m_path) {
        // Writing the log would replace the file: this run keeps its rolls to itself.
        m_writable = false;
        problem = QStringLiteral("The roll log %1 cannot be read nor set aside; the rolls of this "
                                 "run are not kept.")
                      .arg(m_path);
    } else {
        problem = QStringLiteral("The roll log cannot be read; it was set aside as %1.").arg(aside);
    }
    std::fprintf(stderr, "orthavel: %s\n", qPrintable(problem));
    return problem;
}

void RollLogFile::changed() {
    m_pending = true;
    m_soon.start();
}

void RollLogFile::write() {
    if (!m_pending || !m_writable) {
        return;
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    // Another run of the program may keep its rolls in the same file: each takes the file as it
    // is under the lock, and changes only its own rolls in it.
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWait)) {
        m_soon.start(kLockRetry);
        return;
    }
    m_pending = false;
    std::deque<LoggedRoll> inFile;
    // A file that is no roll log is set aside; what is no file at all is left for the writer to
    // refuse.
    if (m_log.clearCount() == m_clearsWritten && QFileInfo(m_path).isFile()) {
        const auto bytes = readLog(m_path);
        const auto rolls = bytes ? RollLog::parse(std::string_view(
                                       bytes->constData(), static_cast<std::size_t>(bytes->size())))
                                 : std::nullopt;
        if (rolls) {
            inFile = *rolls;
        } else {
            setAside(m_path);
        }
    }
    const std::deque<LoggedRoll> own = m_log.ownRolls();
    std::string text;
    for (const LoggedRoll& roll : RollLog::merged(inFile, m_ownWritten, own)) {
        text += RollLog::line(roll);
    }
    const auto problem = writeWholeFile(m_path, QByteArray::fromStdString(text),
                                        QFile::ReadOwner | QFile::WriteOwner);
    if (!problem) {
        // As the file holds them, so that they are found there the next time.
        std::string ownText;
        for (const LoggedRoll& roll : own) {
            ownText += RollLog::line(roll);
        }
        m_ownWritten = RollLog::parse(ownText).value_or(std::deque<LoggedRoll>());
        m_clearsWritten = m_log.clearCount();
    } else if (!m_failing) {
        std::fprintf(stderr, "orthavel: cannot keep the roll log in %s: %s\n", qPrintable(m_path),
                     qPrintable(*problem));
        if (auto* window = qobject_cast<QMainWindow*>(parent())) {
            window->statusBar()->showMessage(
                QStringLiteral("The roll log cannot be kept in %1: %2.").arg(m_path, *problem));
        }
    }
    m_failing = problem.has_value();
}

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/app/RecoveryFile.h"

#include "core/document/CQuorvelDoc.h"
#include "core/document/RecoveryContent.h"
#include "core/interaction/Interaction.h"
#include "core/record/Cp1252.h"
#include "gui/dialogs/QtInteraction.h"
#include "qtcommon/CharacterFileIO.h"
#include "qtcommon/QtText.h"
#include "qtcommon/SafeFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QStatusBar>

#include <chrono>
#include <cstdio>

namespace orthavel {

namespace {

constexpr auto kWriteInterval = std::chrono::seconds(30);
constexpr QLatin1StringView kSuffix(".recovery");
// Far more than a character can use: a bigger file is not read at all.
constexpr qint64 kMostBytes = qint64{64} * 1024 * 1024;
// A recovery file holds a character others should not read.
constexpr QFile::Permissions kFilePermissions = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions kFolderPermissions =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

QString lockPathOf(const QString& path) {
    return path + QStringLiteral(".lock");
}

// A new name for this program's file: its process and a random number, so neither another
// program running now nor one that ended with the same process number uses it.
QString ownFileName() {
    return QStringLiteral("%1-%2")
               .arg(QCoreApplication::applicationPid())
               .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')) +
           kSuffix;
}

// Reads a left recovery file; the reason in words when it cannot be used.
std::optional<QString> readRecovery(const QString& path, RecoveryContent& content) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return file.errorString();
    }
    if (file.size() > kMostBytes) {
        return QStringLiteral("it is far larger than a character");
    }
    const QByteArray bytes = file.read(kMostBytes);
    const RecoveryResult result =
        loadRecovery(std::span(reinterpret_cast<const unsigned char*>(bytes.constData()),
                               static_cast<std::size_t>(bytes.size())),
                     content);
    if (!result) {
        return toQString(describe(result));
    }
    return std::nullopt;
}

// The messages of the recovery go where its question goes.
void tell(Interaction& ui, const QString& text) {
    if (!qEnvironmentVariableIsEmpty("ORTHAVEL_RECOVERY_ANSWER")) {
        std::fprintf(stderr, "recovery message: %s\n", qPrintable(text));
        return;
    }
    ui.showMessage({kApplicationTitle, text.toStdString(), true});
}

// Why a restored character cannot keep the file name its recovery file gives: only a full path
// naming a character file, or nothing, is kept. Empty when it can.
QString refusedName(const QString& name) {
    if (name.isEmpty()) {
        return {};
    }
    if (!QDir::isAbsolutePath(name)) {
        return QStringLiteral("which is not a full path");
    }
    const QFileInfo info(name);
    CharacterRecord record;
    if ((info.exists() || info.isSymLink()) && readCharacter(name, record)) {
        return QStringLiteral("which is not a character file");
    }
    return {};
}

// The question for a left character, which names where it belongs.
QString restoreQuestion(const RecoveryContent& content, const QString& name, const QString& refused,
                        const QDateTime& kept, bool lockDamaged) {
    // The name as far as a question shows it: a name may be a megabyte long.
    constexpr qsizetype kMostShown = 100;
    QString who =
        toQString(content.record.m_strName.empty() ? std::string("Untitled")
                                                   : cp1252ToUtf8(content.record.m_strName));
    if (who.size() > kMostShown) {
        who = who.left(kMostShown) + QChar(0x2026);
    }
    const QString when = QLocale().toString(kept, QLocale::ShortFormat);
    QString question =
        QStringLiteral("Orthavel did not close properly. Restore the unsaved character \"%1\"")
            .arg(who);
    if (name.isEmpty()) {
        question += QStringLiteral(", never saved, kept on %1?").arg(when);
    } else if (refused.isEmpty()) {
        question += QStringLiteral(" of \"%1\", kept on %2?\n\nThe first save asks where to save "
                                   "it, proposing that file.")
                        .arg(name, when);
    } else {
        question += QStringLiteral(", kept on %1?\n\nIt names \"%2\", %3: it comes back unnamed.")
                        .arg(when, name, refused);
    }
    if (lockDamaged) {
        question += QStringLiteral("\n\nNote: its lock is damaged, so an Orthavel running now may "
                                   "still be keeping it.");
    }
    return question;
}

} // namespace

QString recoveryFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
        .filePath(QStringLiteral("recovery"));
}

RecoveryFile::RecoveryFile(CQuorvelDoc& document, const QString& folder, QObject* parent)
    : QObject(parent), m_document(document), m_path(QDir(folder).filePath(ownFileName())),
      m_lock(lockPathOf(m_path)) {
    m_periodic.setInterval(kWriteInterval);
    connect(&m_periodic, &QTimer::timeout, this, &RecoveryFile::update);
    m_periodic.start();
    // Once the command that changed the document has ended, not while it still runs.
    m_soon.setSingleShot(true);
    m_soon.setInterval(0);
    connect(&m_soon, &QTimer::timeout, this, &RecoveryFile::update);
    m_document.addObserver(this);
}

RecoveryFile::~RecoveryFile() {
    m_document.removeObserver(this);
    remove();
}

void RecoveryFile::documentChanged(const CQuorvelDoc& /*document*/, DocumentChange /*changes*/) {
    m_soon.start();
}

void RecoveryFile::update() {
    if (!m_document.IsModified()) {
        remove();
        return;
    }
    const QByteArray bytes =
        QByteArray::fromStdString(storeRecovery(m_document.fileName(), m_document.record()));
    if (bytes == m_written) {
        return;
    }
    // The lock goes first: a program starting meanwhile must not take the file for a dead one's.
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!m_lock.isLocked() &&
        (!QDir().mkpath(folder) || !QFile::setPermissions(folder, kFolderPermissions) ||
         !m_lock.tryLock(0))) {
        failed(QStringLiteral("cannot keep a recovery file in %1").arg(folder));
        return;
    }
    if (const auto problem = writeWholeFile(m_path, bytes, kFilePermissions)) {
        failed(QStringLiteral("cannot write the recovery file %1: %2").arg(m_path, *problem));
        return;
    }
    m_written = bytes;
    if (m_failing) {
        m_failing = false;
        showStatus(QStringLiteral("Autosave works again."));
    }
}

void RecoveryFile::failed(const QString& problem) {
    if (m_failing) {
        return;
    }
    m_failing = true;
    std::fprintf(stderr, "orthavel: %s\n", qPrintable(problem));
    showStatus(QStringLiteral("Autosave is failing: %1.").arg(problem));
}

void RecoveryFile::showStatus(const QString& text) const {
    if (auto* window = qobject_cast<QMainWindow*>(parent())) {
        window->statusBar()->showMessage(text);
    }
}

void RecoveryFile::remove() {
    if (m_lock.isLocked()) {
        QFile::remove(m_path);
        m_lock.unlock();
    }
    m_written.clear();
}

std::optional<bool> askRestore(QWidget* parent, const QString& question) {
    const QByteArray answer = qgetenv("ORTHAVEL_RECOVERY_ANSWER");
    if (!answer.isEmpty()) {
        std::fprintf(stderr, "recovery question: %s\n", qPrintable(question));
        return answer == "restore";
    }
    QMessageBox box(QMessageBox::Question, QLatin1String(kApplicationTitle), QString(),
                    QMessageBox::NoButton, parent);
    setWholeText(box, question);
    QPushButton* restore = box.addButton(QStringLiteral("&Restore"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("&Discard"), QMessageBox::DestructiveRole);
    box.setDefaultButton(restore);
    box.exec();
    if (box.clickedButton() == restore) {
        return true;
    }
    if (box.clickedButton() == discard) {
        return false;
    }
    return std::nullopt;
}

bool offerRecovery(CQuorvelDoc& document, Interaction& ui, const QString& folder, QWidget* parent) {
    const QFileInfoList left =
        QDir(folder).entryInfoList({QString(QLatin1Char('*') + kSuffix)},
                                   QDir::Files | QDir::NoSymLinks | QDir::Hidden, QDir::Time);
    for (const QFileInfo& info : left) {
        const QString path = info.absoluteFilePath();
        QLockFile lock(lockPathOf(path));
        // Only a dead owner's lock can be taken, however long its live owner has held it. A lock
        // that names no program (a folder, bytes that are no lock) or cannot be made protects
        // nothing: its file is offered, with a note.
        lock.setStaleLockTime(0);
        bool lockDamaged = false;
        if (!lock.tryLock(0)) {
            qint64 owner = 0;
            QString host;
            QString program;
            if (lock.error() == QLockFile::LockFailedError &&
                lock.getLockInfo(&owner, &host, &program)) {
                continue;
            }
            lockDamaged = true;
        }
        RecoveryContent content;
        if (const auto problem = readRecovery(path, content)) {
            const QString now = setAside(path);
            tell(ui, QStringLiteral("The unsaved character in \"%1\" cannot be restored: %2. %3")
                         .arg(path, *problem,
                              now == path
                                  ? QStringLiteral("It could not be set aside and stays at "
                                                   "\"%1\".")
                                        .arg(path)
                                  : QStringLiteral("The file was set aside as \"%1\".").arg(now)));
            continue;
        }
        const QString name =
            QFile::decodeName(QByteArray::fromStdString(content.fileName.string()));
        const QString refused = refusedName(name);
        const std::optional<bool> answer = askRestore(
            parent, restoreQuestion(content, name, refused, info.lastModified(), lockDamaged));
        if (!answer) {
            continue; // offered again at the next start
        }
        QFile::remove(path);
        if (*answer) {
            document.RestoreRecovered(content.record, refused.isEmpty() ? content.fileName
                                                                        : std::filesystem::path());
            return true;
        }
    }
    return false;
}

} // namespace orthavel

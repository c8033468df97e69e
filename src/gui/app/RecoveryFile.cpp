#include "gui/app/RecoveryFile.h"

#include "core/dialogs/Interaction.h"
#include "core/document/CQuorvelDoc.h"
#include "core/document/RecoveryContent.h"
#include "core/record/Cp1252.h"
#include "qtcommon/CharacterFileIO.h"
#include "qtcommon/QtText.h"
#include "qtcommon/SafeFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <chrono>
#include <cstdio>

namespace orthavel {

namespace {

constexpr auto kWriteInterval = std::chrono::seconds(30);
const QString kSuffix = QStringLiteral(".recovery");
// Far more than a character can use: a bigger file is not read at all.
constexpr qint64 kMostBytes = 64 * 1024 * 1024;

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

// Sets a file that cannot be read aside, where it is never offered again but can be looked at.
QString setAside(const QString& path) {
    QString aside = path + QStringLiteral(".damaged");
    QFile::remove(aside);
    if (!QFile::rename(path, aside)) {
        QFile::remove(path);
        return {};
    }
    return aside;
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

void RecoveryFile::documentChanged(const CQuorvelDoc& /*document*/) {
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
    if (!m_lock.isLocked() &&
        (!QDir().mkpath(QFileInfo(m_path).absolutePath()) || !m_lock.tryLock(0))) {
        std::fprintf(stderr, "orthavel: cannot keep a recovery file in %s\n",
                     qPrintable(QFileInfo(m_path).absolutePath()));
        return;
    }
    if (const auto problem = writeWholeFile(m_path, bytes)) {
        std::fprintf(stderr, "orthavel: cannot write the recovery file %s: %s\n",
                     qPrintable(m_path), qPrintable(*problem));
        return;
    }
    m_written = bytes;
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
    QMessageBox box(QMessageBox::Question, QLatin1String(kApplicationTitle), question,
                    QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
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
    const QFileInfoList left = QDir(folder).entryInfoList(
        {QLatin1Char('*') + kSuffix}, QDir::Files | QDir::NoSymLinks | QDir::Hidden, QDir::Time);
    for (const QFileInfo& info : left) {
        const QString path = info.absoluteFilePath();
        QLockFile lock(lockPathOf(path));
        // Only a dead owner's lock can be taken, however long its live owner has held it.
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0)) {
            continue;
        }
        RecoveryContent content;
        if (const auto problem = readRecovery(path, content)) {
            const QString aside = setAside(path);
            ui.showMessage(
                {kApplicationTitle,
                 QStringLiteral("The unsaved character in \"%1\" cannot be restored: "
                                "%2.%3")
                     .arg(path, *problem,
                          aside.isEmpty()
                              ? QStringLiteral(" The file was removed.")
                              : QStringLiteral(" The file was set aside as \"%1\".").arg(aside))
                     .toStdString(),
                 true});
            continue;
        }
        const std::string name = content.record.m_strName.empty()
                                     ? std::string("Untitled")
                                     : cp1252ToUtf8(content.record.m_strName);
        const QString question =
            QStringLiteral("Orthavel did not close properly. Restore the unsaved character "
                           "\"%1\" from %2?")
                .arg(toQString(name),
                     QLocale().toString(info.lastModified(), QLocale::ShortFormat));
        const std::optional<bool> answer = askRestore(parent, question);
        if (!answer) {
            continue; // offered again at the next start
        }
        QFile::remove(path);
        if (*answer) {
            document.RestoreRecovered(content.record, content.fileName);
            return true;
        }
    }
    return false;
}

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/document/DocumentObserver.h"

#include <QByteArray>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>

class QWidget;

namespace orthavel {

class CQuorvelDoc;
class Interaction;

// The folder of the recovery files: "recovery" in the per-user data folder.
QString recoveryFolder();

// While the character is modified, keeps it in a recovery file of this program's own in folder:
// after every change the document reports, and every 30 seconds. The file goes through the same
// checked writer as saving, readable by its owner only in a folder only its owner can enter, and
// is removed as soon as the character is saved, discarded or no longer modified, and when the
// program ends normally. A lock beside the file tells other programs that its owner is alive;
// only a program that ended without removing its file leaves one whose lock can be taken. When
// the file cannot be written, the status bar of the main window it belongs to (parent) says so,
// once, and again when it can be.
class RecoveryFile : public QObject, public DocumentObserver {
public:
    RecoveryFile(CQuorvelDoc& document, const QString& folder, QObject* parent = nullptr);
    ~RecoveryFile() override;
    RecoveryFile(const RecoveryFile&) = delete;
    RecoveryFile& operator=(const RecoveryFile&) = delete;

    QString path() const { return m_path; }
    // Writes the character now when it is modified and differs from what was written last;
    // removes the file when it is not modified.
    void update();

    void documentChanged(const CQuorvelDoc& document, DocumentChange changes) override;

private:
    void remove();
    void failed(const QString& problem);
    void showStatus(const QString& text) const;

    CQuorvelDoc& m_document;
    QString m_path;
    QLockFile m_lock;
    QByteArray m_written;
    // Whether the last write failed.
    bool m_failing = false;
    QTimer m_periodic;
    QTimer m_soon;
};

// Offers the characters left in folder by programs that did not end normally, newest first: each
// question ("Orthavel did not close properly. Restore the unsaved character ...?") names the
// file the character belongs to. Restore brings that character into document as modified and
// not yet saved, and ends the offers; it keeps its file name only when that is a full path
// naming a character file or nothing, and its first save then asks where to save it. Discard
// removes the file. A file that cannot be read is refused with a message and set aside under
// the first free name of ".damaged", ".damaged.1" to ".damaged.9" added to its name, or left
// where it is; the message says where. Files of programs still running are left alone; a file
// whose lock is damaged is offered with a note. Answers whether a character was restored.
bool offerRecovery(CQuorvelDoc& document, Interaction& ui, const QString& folder, QWidget* parent);

// The question, as a message box with "&Restore" and "&Discard"; true for Restore, false for
// Discard, nothing when it was closed without an answer. The environment variable
// ORTHAVEL_RECOVERY_ANSWER ("restore" or "discard") answers it without showing it, writing the
// question to the standard error instead, for tests of the program as a whole; the messages of
// offerRecovery then go there too.
std::optional<bool> askRestore(QWidget* parent, const QString& question);

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/app/FileDialogs.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace orthavel {

QString startingFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

// The dialog itself adds the extension to a name without one, so that it asks before replacing a
// file under the name the file will really have.
QString askSavePath(QWidget* parent, const QString& title, const QString& proposal,
                    const QString& filter, const QString& extension) {
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(extension);
    dialog.selectFile(proposal);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString withCharacterExtension(const QString& path) {
    if (QFileInfo(path).suffix().isEmpty()) {
        return path + QStringLiteral(".ksc");
    }
    return path;
}

} // namespace orthavel

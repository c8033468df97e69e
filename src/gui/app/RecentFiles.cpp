// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/app/RecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace orthavel {

namespace {

QString settingsKey() {
    return QStringLiteral("RecentFiles");
}

// Two names of one file count as the same entry.
QString canonical(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

RecentFiles::RecentFiles() {
    const QStringList stored = QSettings().value(settingsKey()).toStringList();
    for (const auto& path : stored) {
        if (!path.isEmpty() && !m_files.contains(canonical(path)) && m_files.size() < kMaximum) {
            m_files.append(canonical(path));
        }
    }
}

void RecentFiles::add(const QString& path) {
    const QString entry = canonical(path);
    m_files.removeAll(entry);
    m_files.prepend(entry);
    while (m_files.size() > kMaximum) {
        m_files.removeLast();
    }
    store();
}

void RecentFiles::remove(const QString& path) {
    if (m_files.removeAll(canonical(path)) > 0) {
        store();
    }
}

void RecentFiles::store() const {
    QSettings settings;
    settings.setValue(settingsKey(), m_files);
}

QString recentFileCaption(int index, const QString& path) {
    // A long path keeps its first folder and the file's name.
    constexpr qsizetype kLongest = 40;
    QString name = path;
    if (name.size() > kLongest) {
        const QFileInfo info(path);
        const qsizetype firstFolderEnd = path.indexOf(QLatin1Char('/'), 1);
        const QString start = firstFolderEnd > 0 ? path.left(firstFolderEnd) : QString();
        name = start + QStringLiteral("/.../") + info.fileName();
    }
    name = QDir::toNativeSeparators(name);
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(name);
}

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

namespace orthavel {

// The most recently opened or saved character files, newest first, kept in the program's
// settings between runs.
class RecentFiles {
public:
    static constexpr int kMaximum = 4;

    RecentFiles();

    const QStringList& files() const { return m_files; }

    // Puts path first; the oldest entry drops off when there are more than four.
    void add(const QString& path);
    void remove(const QString& path);

private:
    void store() const;

    QStringList m_files;
};

// The menu caption of a recent file: its number as mnemonic, then its name.
QString recentFileCaption(int index, const QString& path);

} // namespace orthavel

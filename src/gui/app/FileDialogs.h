// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace orthavel {

// The file dialogs' filter for character files.
inline constexpr char kCharacterFilter[] = "Kessari Orthavel Characters (*.ksc)";

// Where the file dialogs start for an unnamed character: the documents folder, or home.
QString startingFolder();

// Asks where to save as the standard dialog does, proposing a file; empty when cancelled.
QString askSavePath(QWidget* parent, const QString& title, const QString& proposal,
                    const QString& filter, const QString& extension);

// A name chosen for saving, with ".ksc" added when it has no extension.
QString withCharacterExtension(const QString& path);

} // namespace orthavel

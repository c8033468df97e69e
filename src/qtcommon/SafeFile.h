// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <optional>

namespace orthavel {

// Writes bytes as the whole content of path: into a new file in the same folder that replaces
// the old one only once every byte is on disk. A write that fails part way (a full disk, a file
// size limit) leaves the old file as it was. A path that names something other than a regular
// file (a folder, a FIFO, a device) is refused, so it is never replaced by a file; a symbolic
// link to a regular file writes that file. The new file has the old one's permissions, or those
// given. On failure the answer is the reason, in words. Every file the program writes goes
// through here.
std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes,
                                      std::optional<QFileDevice::Permissions> permissions = {});

// Writes bytes into path as a file of its own making: the name must be free. Anything already
// there (a file, a folder, a FIFO, a symbolic link, even one that leads nowhere or round in a
// loop) is never opened, followed or replaced, however it came there. A write that fails part way
// removes the file it made.
enum class NewFile { Written, NameTaken, Failed };
NewFile writeNewFile(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

// Sets a file that cannot be read aside under the first free name of ".damaged", ".damaged.1"
// to ".damaged.9" added to its name, where it is never read again but can be looked at; nothing
// is removed or replaced. Answers where the file is now: where it was when it cannot be moved.
QString setAside(const QString& path);

// Whether following path's symbolic links goes round in a loop.
bool isSymbolicLinkLoop(const QString& path);

} // namespace orthavel

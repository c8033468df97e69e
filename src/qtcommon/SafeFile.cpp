// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtcommon/SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace orthavel {

bool isSymbolicLinkLoop(const QString& path) {
    std::error_code error;
    (void)std::filesystem::status(std::filesystem::path(QFile::encodeName(path).toStdString()),
                                  error);
    return error == std::errc::too_many_symbolic_link_levels;
}

namespace {

// Whether anything at all is at path, a symbolic link itself rather than what it leads to.
bool nameTaken(const QString& path) {
    std::error_code error;
    const auto status = std::filesystem::symlink_status(
        std::filesystem::path(QFile::encodeName(path).toStdString()), error);
    return status.type() != std::filesystem::file_type::not_found;
}

} // namespace

NewFile writeNewFile(const QString& path, const QByteArray& bytes, QString* reason) {
    if (nameTaken(path)) {
        return NewFile::NameTaken;
    }
    // Created exclusively: a name taken meanwhile, a symbolic link planted there included, makes
    // the open fail instead of being followed.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (nameTaken(path)) {
            return NewFile::NameTaken;
        }
        if (reason != nullptr) {
            *reason = file.errorString();
        }
        return NewFile::Failed;
    }
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int error = errno;
        if (reason != nullptr) {
            *reason = error != 0 ? QString::fromLocal8Bit(std::strerror(error))
                                 : QStringLiteral("the file could not be written completely");
        }
        // Closing tries the write once more and fails again, which would keep QFile::remove()
        // from removing the file: the half file goes by its name.
        file.close();
        QFile::remove(path);
        return NewFile::Failed;
    }
    file.close();
    return NewFile::Written;
}

QString setAside(const QString& path) {
    // The numbered names go as far as .damaged.9.
    constexpr int kMostAsideNumbers = 9;
    for (int number = 0; number <= kMostAsideNumbers; ++number) {
        QString aside = path + QStringLiteral(".damaged");
        if (number > 0) {
            aside += QStringLiteral(".%1").arg(number);
        }
        const QFileInfo taken(aside);
        if (taken.exists() || taken.isSymLink()) {
            continue;
        }
        return QFile::rename(path, aside) ? aside : path;
    }
    return path;
}

std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes,
                                      std::optional<QFileDevice::Permissions> permissions) {
    if (isSymbolicLinkLoop(path)) {
        return QStringLiteral("its symbolic links go round in a loop");
    }
    // QSaveFile would replace a FIFO or a device node by a regular file, or write a loop's link.
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile()) {
        return QStringLiteral("it is not a regular file");
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    // Before a byte is written, so that no one else can read them meanwhile.
    if (permissions && !file.setPermissions(*permissions)) {
        file.cancelWriting();
        return file.errorString();
    }
    // write() only fills a buffer, and commit() renames the temporary file over the old one even
    // after its last flush failed: the flush is made and checked here, and any failure cancels
    // the file before commit() can replace anything.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        // Qt keeps no reason for a failed flush; the system's is still in errno.
        const int error = errno;
        file.cancelWriting();
        return error != 0 ? QString::fromLocal8Bit(std::strerror(error))
                          : QStringLiteral("the file could not be written completely");
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

} // namespace orthavel

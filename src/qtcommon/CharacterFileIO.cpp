// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtcommon/CharacterFileIO.h"

#include "qtcommon/SafeFile.h"

#include <QFile>
#include <QFileInfo>

namespace orthavel {

std::filesystem::path toPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

std::optional<QString>
saveCharacterFile(const QString& path, const std::string& bytes,
                  const std::function<void(const std::filesystem::path&)>& saved) {
    if (auto reason = writeWholeFile(path, QByteArray::fromStdString(bytes))) {
        return QStringLiteral("Cannot save \"%1\": %2.").arg(path, *reason);
    }
    saved(toPath(QFileInfo(path).absoluteFilePath()));
    return std::nullopt;
}

namespace {

// Checks that path names a readable file; the answer says why not.
std::optional<QString> checkReadable(const QFileInfo& info, const QString& path) {
    if (isSymbolicLinkLoop(path)) {
        return QStringLiteral("Cannot open \"%1\": its symbolic links go round in a loop.")
            .arg(path);
    }
    if (!info.exists()) {
        return QStringLiteral("Cannot open \"%1\": the file does not exist.").arg(path);
    }
    if (!info.isFile() || !info.isReadable()) {
        return QStringLiteral("Cannot open \"%1\": the file cannot be read.").arg(path);
    }
    return std::nullopt;
}

QString describeFailure(const QString& path, const LoadResult& result) {
    if (result.error == FileError::CannotOpen) {
        return QStringLiteral("Cannot open \"%1\": the file cannot be read.").arg(path);
    }
    return QStringLiteral("Cannot open \"%1\": it is not an Orthavel character file, or it is "
                          "damaged (%2).")
        .arg(path, QString::fromStdString(describe(result.error)));
}

} // namespace

std::optional<QString>
openCharacterFile(const QString& path,
                  const std::function<LoadResult(const std::filesystem::path&)>& open) {
    const QFileInfo info(path);
    if (auto problem = checkReadable(info, path)) {
        return problem;
    }
    const LoadResult result = open(toPath(info.absoluteFilePath()));
    if (!result) {
        return describeFailure(path, result);
    }
    return std::nullopt;
}

std::optional<QString> readCharacter(const QString& path, CharacterRecord& record) {
    return openCharacterFile(path, [&record](const std::filesystem::path& file) {
        CharacterRecord loaded = record;
        const LoadResult result = loadCharacterFile(file, loaded);
        if (result) {
            record = std::move(loaded);
        }
        return result;
    });
}

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the build's drawing tools write: files of a picture's pixels, and the Qt resource list
// that names them. Header only, so a tool needs nothing but Qt.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

namespace orthavel::drawn_files {

inline bool writeFile(const QString& path, const char* data, qint64 size) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data, size) == size && file.flush();
}

// The pixels of an image of four bytes a pixel, row after row with nothing between rows, as
// the program reads them back; false for any other layout or when the file cannot be written.
inline bool writePixels(const QDir& folder, const QString& name, const QImage& image) {
    return image.depth() == 32 && image.bytesPerLine() == qsizetype{4} * image.width() &&
           writeFile(folder.filePath(name), reinterpret_cast<const char*>(image.constBits()),
                     image.sizeInBytes());
}

// A resource list of files under one prefix.
class ResourceList {
public:
    explicit ResourceList(const char* prefix)
        : m_text(QByteArray("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"") +
                 prefix + "\">\n") {}

    void add(const QString& name, bool compressed = true) {
        m_text += compressed ? "    <file>" : "    <file compression-algorithm=\"none\">";
        m_text += name.toUtf8() + "</file>\n";
    }

    bool write(const QString& path) const {
        const QByteArray text = m_text + "  </qresource>\n</RCC>\n";
        return writeFile(path, text.constData(), text.size());
    }

private:
    QByteArray m_text;
};

} // namespace orthavel::drawn_files

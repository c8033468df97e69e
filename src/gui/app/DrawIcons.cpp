// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws SVG icons beforehand for the build, as QIcon draws them, into files of their pixels (a
// QImage::Format_ARGB32_Premultiplied image's, row after row) named NAME-WxH.pixels, with the
// resource list that puts them under ":/icons/drawn" (see drawnIcon); or, for the desktop's icon
// themes, one icon into a PNG file.
//
//   draw_icons FOLDER FILE.svg=WxH[,WxH...]...
//   draw_icons --png OUT.png FILE.svg WxH
#include "qtcommon/DrawnFiles.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <cstdio>

using namespace orthavel::drawn_files;

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: draw_icons FOLDER FILE.svg=WxH[,WxH...]...\n"
                             "       draw_icons --png OUT.png FILE.svg WxH\n");
        return 2;
    }
    const QGuiApplication application(argc, argv);
    if (argc == 5 && QByteArray(argv[1]) == "--png") {
        const QStringList sides = QString::fromLocal8Bit(argv[4]).split(QLatin1Char('x'));
        const QSize size(sides.value(0).toInt(), sides.value(1).toInt());
        const QImage image = QIcon(QString::fromLocal8Bit(argv[3])).pixmap(size, 1.0).toImage();
        if (image.size() != size || !image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
            std::fprintf(stderr, "draw_icons: cannot draw %s into %s\n", argv[3], argv[2]);
            return 1;
        }
        return 0;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "draw_icons: cannot make %s\n", argv[1]);
        return 1;
    }
    ResourceList list("/icons/drawn");
    for (int i = 2; i < argc; ++i) {
        const QString job = QString::fromLocal8Bit(argv[i]);
        const qsizetype equals = job.lastIndexOf(QLatin1Char('='));
        const QString svg = job.left(equals);
        const QIcon icon(svg);
        for (const QString& sizeText : job.mid(equals + 1).split(QLatin1Char(','))) {
            const QStringList sides = sizeText.split(QLatin1Char('x'));
            const QSize size(sides.value(0).toInt(), sides.value(1).toInt());
            const QImage image = icon.pixmap(size, 1.0).toImage();
            const QString name = QStringLiteral("%1-%2x%3.pixels")
                                     .arg(QFileInfo(svg).completeBaseName())
                                     .arg(size.width())
                                     .arg(size.height());
            // Only a picture of exactly the size asked for can stand in for drawing.
            if (equals < 0 || size.isEmpty() || image.size() != size ||
                image.format() != QImage::Format_ARGB32_Premultiplied ||
                !writePixels(folder, name, image)) {
                std::fprintf(stderr, "draw_icons: cannot draw %s\n", qPrintable(job));
                return 1;
            }
            list.add(name);
        }
    }
    if (!list.write(folder.filePath(QStringLiteral("drawn_icons.qrc")))) {
        std::fprintf(stderr, "draw_icons: cannot write the resource list\n");
        return 1;
    }
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the main menu's pictures at device pixel ratios 1 and 2 into files of their pixels, with
// the resource list that puts them under ":/sheet/rendered", for the build: the program reads
// these instead of drawing the SVG artwork while it starts.
//
//   draw_sheet_pictures FOLDER
#include "qtcommon/DrawnFiles.h"
#include "qtsheet/SheetPictureArt.h"

#include <QGuiApplication>

#include <cstdio>

using namespace orthavel::drawn_files;

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_sheet_pictures FOLDER\n");
        return 2;
    }
    const QGuiApplication application(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "draw_sheet_pictures: cannot make %s\n", argv[1]);
        return 1;
    }
    ResourceList list("/sheet/rendered");
    for (int i = 0; i < orthavel::kPictureCount; ++i) {
        for (const int ratio : {1, 2}) {
            const auto id = static_cast<orthavel::PictureId>(i);
            const QString name = orthavel::sheetPictureFileName(id, ratio);
            const QImage image = orthavel::drawSheetPicture(id, ratio);
            if (image.format() != QImage::Format_RGB32 || !writePixels(folder, name, image)) {
                std::fprintf(stderr, "draw_sheet_pictures: cannot write %s\n", qPrintable(name));
                return 1;
            }
            // The pictures of ratio 1 are read at every start: left uncompressed, reading one is a
            // copy. Those of ratio 2 are four times larger and compress well.
            list.add(name, ratio != 1);
        }
    }
    if (!list.write(folder.filePath(QStringLiteral("sheet_rendered.qrc")))) {
        std::fprintf(stderr, "draw_sheet_pictures: cannot write the resource list\n");
        return 1;
    }
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtsheet/SheetPictureArt.h"

#include "qtsheet/SheetFonts.h"

#include <QPainter>
#include <QSvgRenderer>

#include <array>
#include <cmath>

namespace orthavel {

namespace {

// The artwork of each picture, in the order of PictureId; grey marks a cover drawn unlit.
struct PictureSource {
    const char* svg;
    bool grey;
    const char* name;
};

constexpr std::array<PictureSource, kPictureCount> kSources{{
    {":/sheet/pictures/quick_cover.svg", true, "quick_cover_unlit"},
    {":/sheet/pictures/quick_cover.svg", false, "quick_cover"},
    {":/sheet/pictures/full_cover.svg", true, "full_cover_unlit"},
    {":/sheet/pictures/full_cover.svg", false, "full_cover"},
    {":/sheet/pictures/figure_idle.svg", false, "figure_idle"},
    {":/sheet/pictures/figure_quick.svg", false, "figure_quick"},
    {":/sheet/pictures/figure_full.svg", false, "figure_full"},
}};

QImage render(const char* path, PictureSize size, qreal ratio) {
    QImage image(static_cast<int>(std::lround(size.width * ratio)),
                 static_cast<int>(std::lround(size.height * ratio)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    QSvgRenderer svg(QString::fromLatin1(path));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&painter, QRectF(0, 0, size.width, size.height));
    return image;
}

// Grey tones of the same picture, a little dimmer, so the lit cover stands out.
QImage toGrey(const QImage& colour) {
    QImage grey = colour.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int g = qGray(line[x]) * 85 / 100;
            line[x] = qRgb(g, g, g);
        }
    }
    return grey;
}

} // namespace

QImage drawSheetPicture(PictureId id, qreal devicePixelRatio) {
    // The covers' titles are set in the bundled Liberation Serif.
    initSheetResources();
    const PictureSource& source = kSources[static_cast<std::size_t>(id)];
    const QImage image = render(source.svg, pictureSize(id), devicePixelRatio);
    return source.grey ? toGrey(image) : image;
}

QString sheetPictureFileName(PictureId id, int ratio) {
    const QString name = QLatin1String(kSources[static_cast<std::size_t>(id)].name);
    return ratio == 1 ? name + QStringLiteral(".pixels")
                      : QStringLiteral("%1@%2x.pixels").arg(name).arg(ratio);
}

} // namespace orthavel

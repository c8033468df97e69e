// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtsheet/SheetPictures.h"

#include "qtsheet/SheetPictureArt.h"

#include <QResource>
#include <QString>

#include <cmath>
#include <cstring>

// Outside any namespace, as the resource initialiser requires.
static void initRenderedPictures() {
    Q_INIT_RESOURCE(sheet_rendered);
}

namespace orthavel {

namespace {

// The copy the build drew at a whole ratio, or nothing.
QImage drawnBeforehand(PictureId id, qreal ratio) {
    static const bool resources = [] {
        initRenderedPictures();
        return true;
    }();
    (void)resources;
    const int whole = static_cast<int>(std::lround(ratio));
    if (whole < 1 || whole > 2 || ratio != whole) {
        return {};
    }
    const QByteArray pixels =
        QResource(QStringLiteral(":/sheet/rendered/") + sheetPictureFileName(id, whole))
            .uncompressedData();
    const PictureSize size = pictureSize(id);
    QImage image(size.width * whole, size.height * whole, QImage::Format_RGB32);
    if (image.isNull() || pixels.size() != image.sizeInBytes() ||
        image.bytesPerLine() != qsizetype{4} * image.width()) {
        return {};
    }
    std::memcpy(image.bits(), pixels.constData(), static_cast<std::size_t>(pixels.size()));
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace

const QImage& SheetPictures::image(PictureId id, qreal devicePixelRatio) const {
    QImage& image = m_images[devicePixelRatio][static_cast<std::size_t>(id)];
    if (image.isNull()) {
        image = drawnBeforehand(id, devicePixelRatio);
    }
    if (image.isNull()) {
        image = drawSheetPicture(id, devicePixelRatio);
    }
    return image;
}

} // namespace orthavel

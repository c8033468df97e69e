#include "qtsheet/SheetPictures.h"

#include "qtsheet/SheetFonts.h"

#include <QPainter>
#include <QString>
#include <QSvgRenderer>

namespace orthavel {

namespace {

// The artwork of each picture, in the order of PictureId; grey marks a cover drawn unlit.
struct PictureSource {
    const char* svg;
    bool grey;
};

constexpr std::array<PictureSource, kPictureCount> kSources{{
    {":/sheet/pictures/quick_cover.svg", true},
    {":/sheet/pictures/quick_cover.svg", false},
    {":/sheet/pictures/full_cover.svg", true},
    {":/sheet/pictures/full_cover.svg", false},
    {":/sheet/pictures/figure_idle.svg", false},
    {":/sheet/pictures/figure_quick.svg", false},
    {":/sheet/pictures/figure_full.svg", false},
}};

QImage render(const char* path, PictureSize size) {
    QImage image(size.width, size.height, QImage::Format_RGB32);
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

SheetPictures::SheetPictures() {
    initSheetResources();
    for (std::size_t i = 0; i < m_images.size(); ++i) {
        const QImage image = render(kSources[i].svg, kPictureSizes[i]);
        m_images[i] = kSources[i].grey ? toGrey(image) : image;
    }
}

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/app/DrawnIcon.h"

#include <QFile>
#include <QFileInfo>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <cstring>
#include <map>
#include <utility>

// Outside any namespace, as the resource initialiser requires.
static void initDrawnIcons() {
    Q_INIT_RESOURCE(drawn_icons);
}

namespace orthavel {

namespace {

// The pixels drawn by the build for an icon at a size, as a file of the resources: the pixels of
// a QImage::Format_ARGB32_Premultiplied image, row after row.
QPixmap drawnBeforehand(const QString& svgPath, QSize size) {
    static const bool resources = [] {
        initDrawnIcons();
        return true;
    }();
    (void)resources;
    QFile file(QStringLiteral(":/icons/drawn/%1-%2x%3.pixels")
                   .arg(QFileInfo(svgPath).completeBaseName())
                   .arg(size.width())
                   .arg(size.height()));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray pixels = file.readAll();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull() || pixels.size() != image.sizeInBytes() ||
        image.bytesPerLine() != qsizetype{4} * image.width()) {
        return {};
    }
    std::memcpy(image.bits(), pixels.constData(), static_cast<std::size_t>(pixels.size()));
    return QPixmap::fromImage(std::move(image));
}

class DrawnIconEngine final : public QIconEngine {
public:
    explicit DrawnIconEngine(QString svgPath)
        : m_svgPath(std::move(svgPath)), m_null(!QFile::exists(m_svgPath)) {}

    QIconEngine* clone() const override { return new DrawnIconEngine(*this); }

    bool isNull() override { return m_null; }

    // As the SVG icon engine: the pixmap at the device's pixels, drawn into rect.
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        QSize size = rect.size();
        if (painter->device() != nullptr) {
            size *= painter->device()->devicePixelRatio();
        }
        painter->drawPixmap(rect, pixmap(size, mode, state));
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const QPixmap drawn = pixmap(size, mode, state);
        return drawn.isNull() ? QSize() : drawn.size();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        if (mode == QIcon::Normal && state == QIcon::Off) {
            const auto key = std::pair(size.width(), size.height());
            auto found = m_drawn.find(key);
            if (found == m_drawn.end()) {
                found = m_drawn.emplace(key, drawnBeforehand(m_svgPath, size)).first;
            }
            if (!found->second.isNull()) {
                return found->second;
            }
        }
        if (m_svg.isNull()) {
            m_svg = QIcon(m_svgPath);
        }
        // At ratio 1 the SVG icon hands over its engine's own pixmap.
        return m_svg.pixmap(size, 1.0, mode, state);
    }

private:
    QString m_svgPath;
    bool m_null;
    std::map<std::pair<int, int>, QPixmap> m_drawn;
    QIcon m_svg; // made when a size, mode or state was not drawn beforehand
};

} // namespace

QIcon drawnIcon(const QString& svgPath) {
    return QIcon(new DrawnIconEngine(svgPath));
}

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtsheet/SheetRender.h"

#include "core/sheet/SheetView.h"
#include "qtcommon/SafeFile.h"

#include <QBuffer>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>

namespace orthavel {

namespace {

constexpr int kPdfResolution = 1200;

// The file is drawn into memory first and written only when complete, so a failure part way
// leaves whatever file was there.
std::optional<QString> writeRendered(const QString& path, const QByteArray& bytes) {
    if (auto reason = writeWholeFile(path, bytes)) {
        return QStringLiteral("Cannot write \"%1\": %2.").arg(path, *reason);
    }
    return std::nullopt;
}

std::optional<QString> notDrawn(const QString& path) {
    return QStringLiteral("Cannot write \"%1\": the page could not be drawn.").arg(path);
}

} // namespace

SheetRenderer::SheetRenderer() : m_metrics(m_fonts), m_shapes(m_fonts) {}

const MainMenuHover& SheetRenderer::idleHover() {
    static const MainMenuHover hover = [] {
        MainMenuHover h;
        h.resetToIdle();
        return h;
    }();
    return hover;
}

DisplayList SheetRenderer::layout(const CharacterRecord& record, std::int32_t page,
                                  const MainMenuHover& hover, QSize menuClient) const {
    if (page == kPageMainMenu) {
        return layoutMainMenu(record, m_metrics, hover, menuClient.width(), menuClient.height());
    }
    return layoutSheetPage(record, m_metrics, page);
}

QSize SheetRenderer::canvasSize(const CharacterRecord& record, std::int32_t page,
                                const DisplayList& list) const {
    if (page == kPageMainMenu) {
        return {kMenuClientWidth, kMenuClientHeight};
    }
    const DisplayList::Extent extent = list.extent(m_metrics);
    return {std::max(record.m_sizeDoc[0], extent.width),
            std::max(record.m_sizeDoc[1], extent.height)};
}

QImage SheetRenderer::renderImage(const CharacterRecord& record, std::int32_t page) const {
    const DisplayList list = layout(record, page);
    QImage image(canvasSize(record, page, list), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintDisplayList(painter, list, resources());
    return image;
}

std::optional<QString> SheetRenderer::writePng(const CharacterRecord& record, std::int32_t page,
                                               const QString& path) const {
    QBuffer png;
    if (!png.open(QIODevice::WriteOnly) || !renderImage(record, page).save(&png, "PNG")) {
        return notDrawn(path);
    }
    return writeRendered(path, png.data());
}

std::optional<QString> SheetRenderer::writeSvg(const CharacterRecord& record, std::int32_t page,
                                               const QString& path) const {
    const DisplayList list = layout(record, page);
    const QSize size = canvasSize(record, page, list);
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&bytes);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("Orthavel character sheet"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        return notDrawn(path);
    }
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    paintDisplayList(painter, list, resources());
    if (!painter.end()) {
        return notDrawn(path);
    }
    return writeRendered(path, bytes.data());
}

void SheetRenderer::paintOnPaper(QPainter& painter, int dpi, const DisplayList& list) const {
    painter.save();
    painter.scale(dpi / 100.0, dpi / 100.0);
    paintDisplayList(painter, list, resources());
    painter.restore();
}

std::optional<QString> SheetRenderer::writePdf(const CharacterRecord& record,
                                               const std::vector<std::int32_t>& pages,
                                               const QString& path, const QPageSize& paper) const {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bytes);
        pdf.setResolution(kPdfResolution);
        pdf.setCreator(QStringLiteral("Orthavel"));
        pdf.setTitle(QStringLiteral("Orthavel character sheet"));
        pdf.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF(0.4, 0.5, 0.4, 0.5),
                                      QPageLayout::Inch));
        QPainter painter;
        if (!painter.begin(&pdf)) {
            return notDrawn(path);
        }
        bool first = true;
        for (const std::int32_t page : pages) {
            if (!first) {
                pdf.newPage();
            }
            first = false;
            paintOnPaper(painter, kPdfResolution, layout(record, page));
        }
        if (!painter.end()) {
            return notDrawn(path);
        }
    }
    return writeRendered(path, bytes.data());
}

} // namespace orthavel

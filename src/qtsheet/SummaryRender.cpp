// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtsheet/SummaryRender.h"

#include "core/sheet/SummaryLayout.h"
#include "qtcommon/SafeFile.h"

#include <QBuffer>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace orthavel {

namespace {

constexpr int kPdfResolution = 1200;

std::optional<QString> written(const QString& path, const QByteArray& bytes) {
    if (auto reason = writeWholeFile(path, bytes)) {
        return QStringLiteral("Cannot write \"%1\": %2.").arg(path, *reason);
    }
    return std::nullopt;
}

std::optional<QString> notDrawn(const QString& path) {
    return QStringLiteral("Cannot write \"%1\": the summary could not be drawn.").arg(path);
}

} // namespace

std::optional<QString> writeSummaryPdf(const SheetRenderer& renderer,
                                       std::span<const CharacterRecord> records,
                                       std::string_view partyName, const QString& path,
                                       const QPageSize& paper) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bytes);
        pdf.setResolution(kPdfResolution);
        pdf.setCreator(QStringLiteral("Orthavel"));
        pdf.setTitle(QStringLiteral("Orthavel party summary"));
        pdf.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF(0.4, 0.5, 0.4, 0.5),
                                      QPageLayout::Inch));
        QPainter painter;
        if (!painter.begin(&pdf)) {
            return notDrawn(path);
        }
        bool first = true;
        for (const DisplayList& page : layoutSummary(records, partyName, renderer.metrics())) {
            if (!first) {
                pdf.newPage();
            }
            first = false;
            renderer.paintOnPaper(painter, kPdfResolution, page);
        }
        if (!painter.end()) {
            return notDrawn(path);
        }
    }
    return written(path, bytes.data());
}

std::optional<QString> writeSummaryPage(const SheetRenderer& renderer,
                                        std::span<const CharacterRecord> records,
                                        std::string_view partyName, std::size_t page,
                                        const QString& path) {
    const std::vector<DisplayList> pages = layoutSummary(records, partyName, renderer.metrics());
    if (page < 1 || page > pages.size()) {
        return QStringLiteral("Cannot write \"%1\": the summary has %2 page(s).")
            .arg(path)
            .arg(pages.size());
    }
    const DisplayList& list = pages[page - 1];
    const QSize size(kSummaryWidth, kSummaryHeight);
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&bytes);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QStringLiteral("Orthavel party summary"));
        QPainter painter;
        if (!painter.begin(&svg)) {
            return notDrawn(path);
        }
        painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        paintDisplayList(painter, list, renderer.resources());
        if (!painter.end()) {
            return notDrawn(path);
        }
    } else {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            paintDisplayList(painter, list, renderer.resources());
        }
        if (!image.save(&bytes, "PNG")) {
            return notDrawn(path);
        }
    }
    return written(path, bytes.data());
}

} // namespace orthavel

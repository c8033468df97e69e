// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtsheet/DisplayListPainter.h"

#include "qtsheet/QtTextMetrics.h"
#include "qtsheet/ShapedTexts.h"
#include "qtsheet/SheetFonts.h"
#include "qtsheet/SheetPictures.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <optional>

namespace orthavel {

namespace {

QColor toQColor(Rgb c) {
    return {c.red, c.green, c.blue};
}

QPen linePen() {
    return {Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap};
}

// Replays the list as a device context is drawn on: every text sets its font and colours, every
// line its pen. Vector devices (SVG, PDF, printers) record each of these changes, so they get
// them all, as they always did.
struct Replay {
    QPainter& painter;
    const SheetResources& resources;
    bool raster;

    void operator()(const TextItem& t) const {
        painter.setFont(resources.fonts.font(t.font));
        painter.setPen(toQColor(t.color));
        // Text cells are opaque, as text output is by default: the cell's ground covers what
        // lies beneath.
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(toQColor(t.background));
        const int baseline = t.y + resources.metrics.ascent(t.font);
        const int natural = resources.metrics.textWidth(t.font, t.text);
        if (t.narrowedTo > 0 && natural > t.narrowedTo) {
            // Narrowed across from its left end, the cell with it.
            painter.save();
            painter.translate(t.x, 0);
            painter.scale(static_cast<qreal>(t.narrowedTo) / natural, 1.0);
            painter.drawText(QPoint(0, baseline), sheetText(t.text));
            painter.restore();
            return;
        }
        painter.drawText(QPoint(t.x, baseline), sheetText(t.text));
    }
    void operator()(const LineItem& l) const {
        painter.setPen(linePen());
        painter.drawLine(QPoint(l.x1, l.y1), QPoint(l.x2, l.y2));
    }
    void operator()(const FillItem& f) const {
        painter.fillRect(QRect(f.x, f.y, f.width, f.height), toQColor(f.color));
    }
    void operator()(const PictureItem& p) const {
        // In the device's own pixels, so that nothing is scaled while drawing.
        const QImage& image = resources.pictures.image(p.id, painter.device()->devicePixelRatio());
        // Or-ing a figure on black onto black ground is copying it; raster devices can Or.
        if (p.mode == PictureMode::Or && raster) {
            painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        }
        painter.drawImage(QPoint(p.x, p.y), image);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
};

// The same pixels on a raster device (the screen, an image), with less work: a font, pen or
// ground is set only when it changes, so a run of texts in one face switches the font once; a
// text is drawn from its glyphs laid out once (ShapedTexts) where the device's pixels are the
// painter's units, with the ground drawText would fill; and a line across or down the sheet is
// the one-pixel rectangle its square-capped pen covers.
struct RasterReplay {
    explicit RasterReplay(const Replay& replay)
        : painter(replay.painter), resources(replay.resources), exact(replay),
          unscaled(painter.deviceTransform().type() <= QTransform::TxTranslate &&
                   painter.device()->devicePixelRatio() == 1.0) {}

    QPainter& painter;
    const SheetResources& resources;
    Replay exact;
    // Glyphs laid out once are placed as drawText places them only without scaling.
    bool unscaled;
    std::optional<FontId> font;
    std::optional<Rgb> textColour;
    std::optional<Rgb> background;
    std::optional<Qt::BGMode> backgroundMode;
    bool linePenSet = false;

    void setBackgroundMode(Qt::BGMode mode) {
        if (backgroundMode != mode) {
            painter.setBackgroundMode(mode);
            backgroundMode = mode;
        }
    }

    void operator()(const TextItem& t) {
        if (t.narrowedTo > 0) {
            // Rare: drawn as on any device, and the painter left as it was.
            painter.save();
            exact(t);
            painter.restore();
            return;
        }
        if (font != t.font) {
            painter.setFont(resources.fonts.font(t.font));
            font = t.font;
        }
        if (textColour != t.color || linePenSet) {
            painter.setPen(toQColor(t.color));
            textColour = t.color;
            linePenSet = false;
        }
        const QPoint baseline(t.x, t.y + resources.metrics.ascent(t.font));
        if (unscaled) {
            if (const ShapedText& shaped = resources.shapes.shaped(t.font, t.text);
                shaped.drawable) {
                // The ground is filled here; an opaque background mode would also misplace the
                // glyphs of a widget that is not at its window's corner.
                setBackgroundMode(Qt::TransparentMode);
                const QPointF origin(baseline.x(), baseline.y() - shaped.ascent);
                painter.fillRect(
                    QRectF(origin, QSizeF(shaped.advance, shaped.ascent + shaped.descent)),
                    toQColor(t.background));
                painter.drawGlyphRun(origin, shaped.glyphs);
                return;
            }
        }
        setBackgroundMode(Qt::OpaqueMode);
        if (background != t.background) {
            painter.setBackground(toQColor(t.background));
            background = t.background;
        }
        painter.drawText(baseline, sheetText(t.text));
    }
    void operator()(const LineItem& l) {
        if (l.x1 == l.x2 || l.y1 == l.y2) {
            painter.fillRect(QRect(QPoint(std::min(l.x1, l.x2), std::min(l.y1, l.y2)),
                                   QPoint(std::max(l.x1, l.x2), std::max(l.y1, l.y2))),
                             Qt::black);
            return;
        }
        if (!linePenSet) {
            painter.setPen(linePen());
            linePenSet = true;
        }
        painter.drawLine(QPoint(l.x1, l.y1), QPoint(l.x2, l.y2));
    }
    void operator()(const FillItem& f) { exact(f); }
    void operator()(const PictureItem& p) { exact(p); }
};

} // namespace

void paintDisplayList(QPainter& painter, const DisplayList& list, const SheetResources& resources) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const bool raster =
        painter.paintEngine() != nullptr && painter.paintEngine()->type() == QPaintEngine::Raster;
    const Replay replay{painter, resources, raster};
    if (raster) {
        RasterReplay fast(replay);
        for (const DisplayItem& item : list.items()) {
            std::visit(fast, item);
        }
    } else {
        for (const DisplayItem& item : list.items()) {
            std::visit(replay, item);
        }
    }
    painter.restore();
}

} // namespace orthavel

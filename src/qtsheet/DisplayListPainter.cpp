#include "qtsheet/DisplayListPainter.h"

#include "qtsheet/QtTextMetrics.h"
#include "qtsheet/SheetFonts.h"
#include "qtsheet/SheetPictures.h"

#include <QPaintEngine>
#include <QPainter>

namespace orthavel {

namespace {

QColor toQColor(Rgb c) {
    return {c.red, c.green, c.blue};
}

struct Replay {
    QPainter& painter;
    const SheetResources& resources;

    void operator()(const TextItem& t) const {
        painter.setFont(resources.fonts.font(t.font));
        painter.setPen(toQColor(t.color));
        // Text cells are opaque, as text output is by default: the cell's ground covers what
        // lies beneath.
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(toQColor(t.background));
        painter.drawText(QPoint(t.x, t.y + resources.metrics.ascent(t.font)), sheetText(t.text));
    }
    void operator()(const LineItem& l) const {
        painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(QPoint(l.x1, l.y1), QPoint(l.x2, l.y2));
    }
    void operator()(const FillItem& f) const {
        painter.fillRect(QRect(f.x, f.y, f.width, f.height), toQColor(f.color));
    }
    void operator()(const PictureItem& p) const {
        // In the device's own pixels, so that nothing is scaled while drawing.
        const QImage& image = resources.pictures.image(p.id, painter.device()->devicePixelRatio());
        // Or-ing a figure on black onto black ground is copying it; raster devices can Or.
        const bool raster = painter.paintEngine() != nullptr &&
                            painter.paintEngine()->type() == QPaintEngine::Raster;
        if (p.mode == PictureMode::Or && raster) {
            painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        }
        painter.drawImage(QPoint(p.x, p.y), image);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
};

} // namespace

void paintDisplayList(QPainter& painter, const DisplayList& list, const SheetResources& resources) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const Replay replay{painter, resources};
    for (const DisplayItem& item : list.items()) {
        std::visit(replay, item);
    }
    painter.restore();
}

} // namespace orthavel

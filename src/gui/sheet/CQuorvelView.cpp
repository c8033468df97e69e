#include "gui/sheet/CQuorvelView.h"

#include "core/document/CQuorvelDoc.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>

namespace orthavel {

CQuorvelView::CQuorvelView(CQuorvelDoc& document, Interaction& ui, QWidget* parent)
    : QAbstractScrollArea(parent), m_document(document), m_ui(ui),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setFrameShape(QFrame::NoFrame);
    viewport()->setAutoFillBackground(false);
    horizontalScrollBar()->setSingleStep(10);
    verticalScrollBar()->setSingleStep(10);
    m_document.addObserver(this);
    updateScrollRange();
}

CQuorvelView::~CQuorvelView() {
    m_document.removeObserver(this);
}

void CQuorvelView::documentChanged(const CQuorvelDoc& /*document*/) {
    updateScrollRange();
    viewport()->update();
}

void CQuorvelView::updateScrollRange() {
    const auto& size = m_document.record().m_sizeDoc;
    const QSize shown = viewport()->size();
    horizontalScrollBar()->setPageStep(shown.width());
    verticalScrollBar()->setPageStep(shown.height());
    horizontalScrollBar()->setRange(0, std::max(0, size[0] - shown.width()));
    verticalScrollBar()->setRange(0, std::max(0, size[1] - shown.height()));
}

void CQuorvelView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void CQuorvelView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    paintPage(painter);
}

void CQuorvelView::paintPage(QPainter& painter) {
    const auto& size = m_document.record().m_sizeDoc;
    painter.fillRect(QRect(0, 0, size[0], size[1]), Qt::white);
}

void CQuorvelView::printPage(QPrinter* printer) {
    QPainter painter(printer);
    // One unit is a hundredth of an inch.
    const double scale = printer->resolution() / 100.0;
    painter.scale(scale, scale);
    paintPage(painter);
}

void CQuorvelView::print() {
    QPrintDialog dialog(m_printer.get(), this);
    dialog.setMinMax(1, 1);
    if (dialog.exec() == QDialog::Accepted) {
        printPage(m_printer.get());
    }
}

void CQuorvelView::printPreview() {
    QPrintPreviewDialog preview(m_printer.get(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { printPage(printer); });
    preview.exec();
}

} // namespace orthavel

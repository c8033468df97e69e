// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/sheet/CQuorvelView.h"

#include "core/document/CQuorvelDoc.h"
#include "core/interaction/Interaction.h"
#include "core/interaction/Message.h"
#include "core/sheet/Page23Layout.h"
#include "core/sheet/SheetView.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QWheelEvent>

namespace orthavel {

namespace {

// The paper where the locale's measures are: Letter for US measures, A4 for metric ones.
QPageSize localePaper() {
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

} // namespace

CQuorvelView::CQuorvelView(CQuorvelDoc& document, Interaction& ui, QWidget* parent)
    : QAbstractScrollArea(parent), m_document(document), m_ui(ui) {
    setFrameShape(QFrame::NoFrame);
    viewport()->setAutoFillBackground(false);
    viewport()->setMouseTracking(true);
    horizontalScrollBar()->setSingleStep(10);
    verticalScrollBar()->setSingleStep(10);
    m_document.addObserver(this);
    updateScrollRange();
    // A font that could not be had is reported; a stand-in draws its texts.
    for (const std::string& failure : m_renderer.fonts().failures()) {
        m_ui.showMessage({kApplicationTitle, failure, false});
    }
}

CQuorvelView::~CQuorvelView() {
    m_document.removeObserver(this);
}

QPrinter& CQuorvelView::printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (QPrinterInfo::defaultPrinter().isNull()) {
            m_printer->setPageSize(localePaper());
        }
    }
    return *m_printer;
}

void CQuorvelView::documentChanged(const CQuorvelDoc& document, DocumentChange changes) {
    // The file's name and the modified mark are not drawn here.
    if (!changed(changes, DocumentChange::Record | DocumentChange::Page)) {
        return;
    }
    const std::int32_t page = document.record().m_nPage;
    m_sheetPage.reset();
    // The menu shows its covers unlit until the pointer moves over one.
    m_hover.resetToIdle();
    updateScrollRange();
    if (pageDrawing(page) == PageDrawing::MainMenu) {
        horizontalScrollBar()->setValue(0);
        verticalScrollBar()->setValue(0);
    }
    viewport()->update();
}

// The scroll range is the sheet's extent; on the main menu the scroll bars take no input.
void CQuorvelView::updateScrollRange() {
    const auto& size = m_document.record().m_sizeDoc;
    const QSize shown = viewport()->size();
    horizontalScrollBar()->setPageStep(shown.width());
    verticalScrollBar()->setPageStep(shown.height());
    horizontalScrollBar()->setRange(0, std::max(0, size[0] - shown.width()));
    verticalScrollBar()->setRange(0, std::max(0, size[1] - shown.height()));
    const bool scrolling = scrollingAllowed(m_document.record().m_nPage);
    horizontalScrollBar()->setEnabled(scrolling);
    verticalScrollBar()->setEnabled(scrolling);
}

void CQuorvelView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    m_hover.resetToIdle();
    updateScrollRange();
}

const DisplayList& CQuorvelView::sheetPage() {
    if (!m_sheetPage) {
        m_sheetPage =
            layoutSheetPage(m_document.record(), m_renderer.metrics(), m_document.record().m_nPage);
    }
    return *m_sheetPage;
}

void CQuorvelView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
    switch (pageDrawing(m_document.record().m_nPage)) {
    case PageDrawing::MainMenu:
        paintDisplayList(painter,
                         layoutMainMenu(m_document.record(), m_renderer.metrics(), m_hover,
                                        viewport()->width(), viewport()->height()),
                         m_renderer.resources());
        break;
    case PageDrawing::SheetPage:
        painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
        paintDisplayList(painter, sheetPage(), m_renderer.resources());
        break;
    case PageDrawing::Nothing:
        break;
    }
}

void CQuorvelView::mouseMoveEvent(QMouseEvent* event) {
    const MainMenuHover::Redraw redraw = m_hover.onMouseMove(
        m_document.record().m_nPage, event->position().toPoint().x(), viewport()->width());
    if (redraw.leftCover || redraw.rightCover || redraw.center) {
        viewport()->update();
    }
    QAbstractScrollArea::mouseMoveEvent(event);
}

// The main menu takes the left button: its release over a cover starts a generation.
void CQuorvelView::mousePressEvent(QMouseEvent* event) {
    QAbstractScrollArea::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && m_document.record().m_nPage == kPageMainMenu) {
        event->accept();
    }
}

void CQuorvelView::mouseReleaseEvent(QMouseEvent* event) {
    QAbstractScrollArea::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || m_document.record().m_nPage != kPageMainMenu) {
        return;
    }
    event->accept();
    if (const auto cover = m_hover.clickedCover(m_document.record().m_nPage)) {
        Q_EMIT coverClicked(*cover);
    }
}

// The page is drawn moved by the scroll bars: a point of the viewport lies that much further
// into the page.
void CQuorvelView::mouseDoubleClickEvent(QMouseEvent* event) {
    QAbstractScrollArea::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint point = event->position().toPoint();
    if (const auto skill = skillLineAt(
            m_document.record(), m_renderer.metrics(), m_document.record().m_nPage,
            point.x() + horizontalScrollBar()->value(), point.y() + verticalScrollBar()->value())) {
        event->accept();
        Q_EMIT skillLineDoubleClicked(*skill);
    }
}

void CQuorvelView::wheelEvent(QWheelEvent* event) {
    if (scrollingAllowed(m_document.record().m_nPage)) {
        QAbstractScrollArea::wheelEvent(event);
    } else {
        event->ignore();
    }
}

void CQuorvelView::keyPressEvent(QKeyEvent* event) {
    if (scrollingAllowed(m_document.record().m_nPage)) {
        QAbstractScrollArea::keyPressEvent(event);
    } else {
        event->ignore();
    }
}

DisplayList CQuorvelView::pageForPaper() const {
    return m_renderer.layout(m_document.record(), m_document.record().m_nPage, m_hover,
                             viewport()->size());
}

// One page: the page shown, one unit per 1/100 inch, the sheet's top-left corner at the
// printable area's origin.
void CQuorvelView::printPage(QPrinter* printer) {
    QPainter painter(printer);
    m_renderer.paintOnPaper(painter, printer->resolution(), pageForPaper());
}

void CQuorvelView::print() {
    QPrintDialog dialog(&printer(), this);
    dialog.setMinMax(1, 1);
    dialog.setFromTo(1, 1);
    if (dialog.exec() == QDialog::Accepted) {
        printPage(&printer());
    }
}

void CQuorvelView::printPreview() {
    QPrintPreviewDialog preview(&printer(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { printPage(printer); });
    preview.exec();
}

std::optional<QString> CQuorvelView::exportPdfTo(const QString& path) {
    return m_renderer.writePdf(m_document.record(), {1, 2, 3, 4}, path,
                               printer().pageLayout().pageSize());
}

} // namespace orthavel

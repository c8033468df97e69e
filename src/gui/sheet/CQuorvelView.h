#pragma once

#include "core/document/DocumentObserver.h"

#include <QAbstractScrollArea>

#include <memory>

class QPainter;
class QPrinter;

namespace orthavel {

class CQuorvelDoc;
class Interaction;

// The one view of the character: a scrolling page the size of the sheet, redrawn whenever the
// document changes, and the printing of the page shown.
class CQuorvelView : public QAbstractScrollArea, public DocumentObserver {
    Q_OBJECT
public:
    CQuorvelView(CQuorvelDoc& document, Interaction& ui, QWidget* parent = nullptr);
    ~CQuorvelView() override;

    // The printer that Print, Print Preview and Print Setup share.
    QPrinter& printer() { return *m_printer; }

    void documentChanged(const CQuorvelDoc& document) override;

public slots:
    // Prints the page shown, after the print dialog.
    void print();
    // Shows the page shown as it would print.
    void printPreview();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateScrollRange();
    void paintPage(QPainter& painter);
    void printPage(QPrinter* printer);

    CQuorvelDoc& m_document;
    Interaction& m_ui;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace orthavel

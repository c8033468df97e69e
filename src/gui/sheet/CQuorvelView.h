// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/document/DocumentObserver.h"
#include "core/sheet/DisplayList.h"
#include "core/sheet/MainMenu.h"
#include "qtsheet/SheetRender.h"

#include <QAbstractScrollArea>

#include <cstdint>
#include <memory>
#include <optional>

class QPainter;
class QPrinter;

namespace orthavel {

class CQuorvelDoc;
class Interaction;

// The one view of the character: the main menu with its two covers, or a sheet page in a
// scrolling area the size of the sheet; redrawn whenever the document changes. It prints the
// page shown and writes the whole sheet as PDF. What it draws and how the menu reacts to the
// pointer are the core's; the view only forwards events and paints the lists.
class CQuorvelView : public QAbstractScrollArea, public DocumentObserver {
    Q_OBJECT
public:
    CQuorvelView(CQuorvelDoc& document, Interaction& ui, QWidget* parent = nullptr);
    ~CQuorvelView() override;

    // The printer that Print, Print Preview, Print Setup and Export PDF share, made when first
    // asked for: making it loads the system's printing libraries, which the start-up does not
    // need. Its paper is the default printer's or, without one, the locale's.
    QPrinter& printer();

    void documentChanged(const CQuorvelDoc& document, DocumentChange changes) override;

    // The main menu's hover state (for tests and printing).
    const MainMenuHover& hover() const { return m_hover; }

    // What the page shown draws on paper: one logical unit per 1/100 inch.
    DisplayList pageForPaper() const;

public Q_SLOTS:
    // Prints the page shown, after the print dialog.
    void print();
    // Shows the page shown as it would print.
    void printPreview();

public:
    // Writes the four sheet pages into one PDF file on the printer's paper; returns the reason
    // when the file could not be written.
    std::optional<QString> exportPdfTo(const QString& path);

Q_SIGNALS:
    // A click on a cover of the main menu; the main window starts the cover's generation.
    void coverClicked(orthavel::MainMenuCover cover);
    // A double click on a skill line of sheet page 2 or 3; the main window rolls against it.
    void skillLineDoubleClicked(std::int32_t skill);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateScrollRange();
    void printPage(QPrinter* printer);
    const DisplayList& sheetPage();

    CQuorvelDoc& m_document;
    Interaction& m_ui;
    std::unique_ptr<QPrinter> m_printer;
    // The five fonts, their metrics and the seven pictures, for the view's whole life.
    SheetRenderer m_renderer;
    MainMenuHover m_hover;
    // The sheet page last laid out, until the document changes.
    std::optional<DisplayList> m_sheetPage;
};

} // namespace orthavel

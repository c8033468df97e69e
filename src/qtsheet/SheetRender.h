// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"
#include "core/sheet/DisplayList.h"
#include "core/sheet/MainMenu.h"
#include "qtsheet/DisplayListPainter.h"
#include "qtsheet/QtTextMetrics.h"
#include "qtsheet/ShapedTexts.h"
#include "qtsheet/SheetFonts.h"
#include "qtsheet/SheetPictures.h"

#include <QPageSize>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

class QPainter;
class QPagedPaintDevice;

namespace orthavel {

// The main menu's client area when it is drawn outside a window: the desktop program's client
// area under its menu, toolbar and status bar.
inline constexpr int kMenuClientWidth = 640;
inline constexpr int kMenuClientHeight = 400;

// Draws sheet pages and the main menu into images, SVG files and PDF files, and onto paper.
// Needs a QGuiApplication.
class SheetRenderer {
public:
    SheetRenderer();

    SheetResources resources() const { return {m_fonts, m_metrics, m_pictures, m_shapes}; }
    const QtTextMetrics& metrics() const { return m_metrics; }
    const SheetFonts& fonts() const { return m_fonts; }

    // Page 1 to 4 of the sheet, or (page 0) the main menu in the hover state given and a client
    // area of menuClient. Other pages draw nothing.
    DisplayList layout(const CharacterRecord& record, std::int32_t page,
                       const MainMenuHover& hover = idleHover(),
                       QSize menuClient = {kMenuClientWidth, kMenuClientHeight}) const;

    // What an image of the list needs: the sheet's extent, grown to whatever is drawn past it
    // (page 4's last note, a long spell list); the client area for the main menu.
    QSize canvasSize(const CharacterRecord& record, std::int32_t page,
                     const DisplayList& list) const;

    QImage renderImage(const CharacterRecord& record, std::int32_t page) const;

    // Each draws the whole file in memory, then replaces path only once it is completely written
    // (writeWholeFile). On failure the old file stays and the answer is a sentence naming the
    // file and the reason.
    std::optional<QString> writePng(const CharacterRecord& record, std::int32_t page,
                                    const QString& path) const;
    std::optional<QString> writeSvg(const CharacterRecord& record, std::int32_t page,
                                    const QString& path) const;
    // One PDF page per sheet page, on paper of the size given.
    std::optional<QString> writePdf(const CharacterRecord& record,
                                    const std::vector<std::int32_t>& pages, const QString& path,
                                    const QPageSize& paper = QPageSize(QPageSize::Letter)) const;

    // Draws a list on paper whose resolution is dpi: one logical unit is 1/100 inch and the
    // sheet's top-left corner is at the painter's origin (the printable area's).
    void paintOnPaper(QPainter& painter, int dpi, const DisplayList& list) const;

    static const MainMenuHover& idleHover();

private:
    SheetFonts m_fonts;
    QtTextMetrics m_metrics;
    SheetPictures m_pictures;
    ShapedTexts m_shapes;
};

} // namespace orthavel

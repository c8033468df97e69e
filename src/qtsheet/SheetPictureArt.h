// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/sheet/Pictures.h"

#include <QImage>
#include <QString>

namespace orthavel {

// Draws one of the main menu's pictures from its bundled SVG artwork at its fixed size, in pixels
// of devicePixelRatio (a picture of 200 x 258 at ratio 2 is 400 x 516 pixels). The unlit covers
// are the lit ones in grey tones. Slow (tens of milliseconds for all seven): the build draws
// them beforehand at ratios 1 and 2 (draw_sheet_pictures, SheetPictures).
QImage drawSheetPicture(PictureId id, qreal devicePixelRatio);

// The file name of a picture drawn beforehand at a whole ratio, "figure_idle@2x.pixels" for
// ratio 2. Such a file holds the picture's pixels as they lie in a QImage::Format_RGB32 image,
// row after row, and nothing else: reading it is a copy, where decoding a PNG file would take
// longer than the rest of the start-up's drawing.
QString sheetPictureFileName(PictureId id, int ratio);

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/sheet/DisplayList.h"

class QPainter;

namespace orthavel {

class SheetFonts;
class SheetPictures;
class QtTextMetrics;
class ShapedTexts;

// Everything a display list needs to be drawn: the five fonts, their metrics, the pictures and
// the texts laid out so far.
struct SheetResources {
    const SheetFonts& fonts;
    const QtTextMetrics& metrics;
    const SheetPictures& pictures;
    const ShapedTexts& shapes;
};

// Replays a display list onto any painter (screen, image, printer, PDF, SVG) in the painter's
// current coordinates: one logical unit is one unit of the painter's user space.
void paintDisplayList(QPainter& painter, const DisplayList& list, const SheetResources& resources);

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QString>

namespace orthavel {

// The icon of an SVG file in the resources (":/icons/save.svg"), as QIcon(svgPath) draws it, but
// read, not drawn, at the pixel sizes the build drew beforehand (draw_icons): the toolbar's and
// the window's, so the start-up neither parses nor draws SVG. Any other size, mode or state is
// drawn from the SVG when first asked for.
QIcon drawnIcon(const QString& svgPath);

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/sheet/Pictures.h"

#include <QImage>

#include <array>
#include <map>

namespace orthavel {

// The main menu's seven pictures at their fixed sizes. Each is made when it is first drawn, in the
// pixels of the device it is drawn on (a device pixel ratio of 2 gets a picture twice as fine),
// and kept: at ratios 1 and 2 it is read from the copies the build drew beforehand, at any other
// ratio it is drawn from the artwork (drawSheetPicture). Not for use from several threads.
class SheetPictures {
public:
    const QImage& image(PictureId id, qreal devicePixelRatio = 1.0) const;

private:
    mutable std::map<qreal, std::array<QImage, kPictureCount>> m_images;
};

} // namespace orthavel

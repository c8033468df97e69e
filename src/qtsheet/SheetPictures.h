#pragma once

#include "core/sheet/Pictures.h"

#include <QImage>

#include <array>

namespace orthavel {

// The main menu's seven pictures, drawn from the bundled SVG artwork at their fixed sizes. The
// unlit covers are the lit ones in grey tones.
class SheetPictures {
public:
    SheetPictures();
    const QImage& image(PictureId id) const { return m_images[static_cast<std::size_t>(id)]; }

private:
    std::array<QImage, kPictureCount> m_images;
};

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

namespace orthavel {

// The seven pictures of the main menu.
enum class PictureId {
    QuickCover,    // the rule book's cover, in grey tones
    QuickCoverLit, // the same cover in colour
    FullCover,     // the culture book's cover, in grey tones
    FullCoverLit,  // the same cover in colour
    CenterIdle,    // a standing figure on black, arms down
    CenterQuick,   // the figure pointing to the left
    CenterFull,    // the figure pointing to the right
};

inline constexpr int kPictureCount = 7;

struct PictureSize {
    int width;
    int height;
};

// Width and height of each picture, in the order of PictureId.
inline constexpr std::array<PictureSize, kPictureCount> kPictureSizes{{
    {200, 258},
    {200, 258},
    {200, 258},
    {200, 258},
    {145, 195},
    {215, 195},
    {200, 200},
}};

constexpr PictureSize pictureSize(PictureId id) {
    return kPictureSizes[static_cast<std::size_t>(id)];
}

} // namespace orthavel

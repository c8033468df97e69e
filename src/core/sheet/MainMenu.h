// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"
#include "core/sheet/DisplayList.h"
#include "core/sheet/TextMetrics.h"

#include <optional>

namespace orthavel {

// Which centre figure is on the screen.
enum class CenterFigure { Quick = 0, Idle = 1, Full = 2 };

// The two covers of the main menu: the rule book (Quick PC Maker) and the culture book (full
// generation).
enum class MainMenuCover { Quick, Full };

// The main menu's hover state: which cover is lit and which figure stands in the middle. The
// pointer's zones are the left 278 units (the rule book, Quick PC Maker) and the right 278 units
// of the client area (the culture book, full generation); in a client area narrower than 556
// units both can hold at once.
class MainMenuHover {
public:
    bool leftCoverIdle() const { return m_bLeftCoverIdle; }
    bool rightCoverIdle() const { return m_bRightCoverIdle; }
    CenterFigure centerPicture() const { return m_CenterPicture; }
    bool firstMouseMove() const { return m_bFirstMouseMove; }

    // A full paint of the menu shows both covers unlit and the idle figure.
    void resetToIdle();

    // What a mouse move changed on the screen.
    struct Redraw {
        bool leftCover = false;
        bool rightCover = false;
        bool center = false; // the figure changed
    };
    // A mouse move at x in a client area whose right edge is clientRight. Only the main menu
    // (page 0) reacts; every move, on any page, ends the first-move rule.
    Redraw onMouseMove(std::int32_t page, int x, int clientRight);

    // The cover a left click chooses: the left one while it is lit, else the right one while it
    // is lit; nothing elsewhere or off the main menu.
    std::optional<MainMenuCover> clickedCover(std::int32_t page) const;

private:
    bool m_bFirstMouseMove = true;
    CenterFigure m_CenterPicture = CenterFigure::Idle;
    bool m_bRightCoverIdle = false;
    bool m_bLeftCoverIdle = false;
};

// Where the zones end: x at most this is over the left cover, x above clientRight minus this
// over the right one.
inline constexpr int kCoverZone = 278;

// The main menu in a client area clientRight x clientBottom, in the hover state given: black
// ground over the sheet's extent, the two covers, the centre figure and the two captions.
DisplayList layoutMainMenu(const CharacterRecord& record, const TextMetrics& metrics,
                           const MainMenuHover& hover, int clientRight, int clientBottom);

} // namespace orthavel

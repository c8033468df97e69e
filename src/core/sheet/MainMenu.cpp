// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/sheet/MainMenu.h"

#include "core/sheet/SheetWriter.h"

namespace orthavel {

namespace {

constexpr Rgb kCaptionBlue{0, 30, 230};

struct FigurePlace {
    PictureId picture;
    int dx; // from the client area's middle
    int dy;
};

// Where each centre figure stands, in the order of CenterFigure.
constexpr FigurePlace kFigures[] = {
    {PictureId::CenterQuick, -125, -95},
    {PictureId::CenterIdle, -72, -97},
    {PictureId::CenterFull, -70, -100},
};

} // namespace

void MainMenuHover::resetToIdle() {
    m_bLeftCoverIdle = true;
    m_bRightCoverIdle = true;
    m_CenterPicture = CenterFigure::Idle;
}

MainMenuHover::Redraw MainMenuHover::onMouseMove(std::int32_t page, int x, int clientRight) {
    Redraw redraw;
    if (page == kPageMainMenu) {
        if (x <= kCoverZone) {
            if (m_bLeftCoverIdle || m_bFirstMouseMove) {
                redraw.leftCover = true;
                m_bLeftCoverIdle = false;
            }
        } else if (!m_bLeftCoverIdle) {
            redraw.leftCover = true;
            m_bLeftCoverIdle = true;
        }
        if (x > clientRight - kCoverZone) {
            if (m_bRightCoverIdle || m_bFirstMouseMove) {
                redraw.rightCover = true;
                m_bRightCoverIdle = false;
            }
        } else if (!m_bRightCoverIdle) {
            redraw.rightCover = true;
            m_bRightCoverIdle = true;
        }
        CenterFigure figure = CenterFigure::Quick;
        if (m_bLeftCoverIdle && m_bRightCoverIdle) {
            figure = CenterFigure::Idle;
        } else if (m_bLeftCoverIdle) {
            figure = CenterFigure::Full;
        }
        redraw.center = figure != m_CenterPicture;
        m_CenterPicture = figure;
    }
    m_bFirstMouseMove = false;
    return redraw;
}

std::optional<MainMenuCover> MainMenuHover::clickedCover(std::int32_t page) const {
    if (page != kPageMainMenu) {
        return std::nullopt;
    }
    if (!m_bLeftCoverIdle) {
        return MainMenuCover::Quick;
    }
    if (!m_bRightCoverIdle) {
        return MainMenuCover::Full;
    }
    return std::nullopt;
}

DisplayList layoutMainMenu(const CharacterRecord& record, const TextMetrics& metrics,
                           const MainMenuHover& hover, int clientRight, int clientBottom) {
    DisplayList list;
    SheetWriter w(list, metrics, record.m_sizeDoc[0]);
    const int R = clientRight;
    const int B = clientBottom;
    w.fill(0, 0, record.m_sizeDoc[0], record.m_sizeDoc[1], kBlack);
    w.picture(hover.leftCoverIdle() ? PictureId::QuickCover : PictureId::QuickCoverLit, 20, 40,
              PictureMode::Copy);
    w.picture(hover.rightCoverIdle() ? PictureId::FullCover : PictureId::FullCoverLit, R - 220, 40,
              PictureMode::Copy);
    w.fill(R / 2 - 95, B / 2 - 100, 195, 200, kBlack);
    const FigurePlace& figure = kFigures[static_cast<int>(hover.centerPicture())];
    w.picture(figure.picture, R / 2 + figure.dx, B / 2 + figure.dy, PictureMode::Or);
    w.setColors(kCaptionBlue, kBlack);
    w.selectFont(FontId::CenturyGothic);
    constexpr std::string_view full = "Full Character Generation";
    w.rightAligned(R - 20, 10, full);
    w.text(55, 10, "Quick PC Maker");
    return list;
}

} // namespace orthavel

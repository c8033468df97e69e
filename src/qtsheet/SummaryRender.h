// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"
#include "qtsheet/SheetRender.h"

#include <QPageSize>
#include <QString>

#include <optional>
#include <span>
#include <string_view>

namespace orthavel {

// The game master's summary sheet drawn with the sheet's renderer: every page into a PDF, one
// page (from 1) into an SVG or PNG file. Each replaces path only once it is completely written;
// on failure the answer names the file and the reason.
std::optional<QString> writeSummaryPdf(const SheetRenderer& renderer,
                                       std::span<const CharacterRecord> records,
                                       std::string_view partyName, const QString& path,
                                       const QPageSize& paper = QPageSize(QPageSize::Letter));
std::optional<QString> writeSummaryPage(const SheetRenderer& renderer,
                                        std::span<const CharacterRecord> records,
                                        std::string_view partyName, std::size_t page,
                                        const QString& path);

} // namespace orthavel

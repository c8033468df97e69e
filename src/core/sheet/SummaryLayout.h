// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"
#include "core/sheet/DisplayList.h"
#include "core/sheet/TextMetrics.h"

#include <span>
#include <string_view>
#include <vector>

namespace orthavel {

// The game master's summary sheet: one compact block per character, a fixed number of blocks to
// a page so that none is ever split, the party's name and the page number in the margins.
inline constexpr int kSummaryBlocksPerPage = 4;

// The printable area both A4 and Letter paper give with the sheet's margins, in hundredths of
// an inch.
inline constexpr int kSummaryWidth = 740;
inline constexpr int kSummaryHeight = 1000;

// The pages of the summary of these characters, in their order. partyName is UTF-8 (empty
// for characters that are not a party's). Each page's origin is the printable area's top-left
// corner.
std::vector<DisplayList> layoutSummary(std::span<const CharacterRecord> records,
                                       std::string_view partyName, const TextMetrics& metrics,
                                       int width = kSummaryWidth, int height = kSummaryHeight);

} // namespace orthavel

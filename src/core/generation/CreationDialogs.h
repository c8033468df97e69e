// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every creation dialog, for the flows that run them: the origin, career and appearance dialogs
// and the armor dialog.

#include "core/generation/AppearanceDialogs.h"
#include "core/generation/ArmorDialog.h"
#include "core/generation/CareerDialogs.h"
#include "core/generation/OriginDialogs.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace orthavel::creation_dialogs {

// The title of every creation dialog; a script or a transcript tells the dialogs apart by them.
constexpr auto allTitles() {
    std::array<std::string_view, 29> titles{
        kRaceDialogTitle,         kCityStateDialogTitle,        kHouseDialogTitle,
        kGenderDialogTitle,       kStartingPathwayDialogTitle,  kPathwayDialogTitle,
        kNameAttitudeDialogTitle, kStartingJobDialog.title,     kSpecialistJobDialog.title,
        kFamilyTradeDialogTitle,  kFamilyBackgroundDialogTitle, kPhysicalTraitsDialogTitle,
        kAgeCategoryDialogTitle,  kHandednessDialogTitle,       kArmorDialogTitle,
    };
    std::size_t n = 15;
    for (const auto& row : kStartingCareerDialogs) {
        titles.at(n++) = row.title;
    }
    for (const auto& row : kJobsDialogs) {
        titles.at(n++) = row.title;
    }
    for (const auto& row : kNativeSkillsDialogs) {
        titles.at(n++) = row.title;
    }
    return titles;
}

constexpr bool titlesAreUnique() {
    auto titles = allTitles();
    std::sort(titles.begin(), titles.end());
    return std::adjacent_find(titles.begin(), titles.end()) == titles.end() &&
           std::none_of(titles.begin(), titles.end(),
                        [](std::string_view title) { return title.empty(); });
}
static_assert(titlesAreUnique(), "every creation dialog has a title of its own");

} // namespace orthavel::creation_dialogs

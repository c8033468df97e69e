// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"
#include "core/sheet/DisplayList.h"
#include "core/sheet/TextMetrics.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace orthavel {

// Where a skill's line stands on page 2 or 3: its rating and label, from the left end of the
// rating to the right end of the label, one line of the list's font high.
struct SkillLine {
    std::int32_t skill = 0;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const SkillLine&) const = default;
};

// Sheet page 2: the mastery list of skills from Combat to Magic, with the spells held. With
// lines, every skill line drawn is named there too.
DisplayList layoutPage2(const CharacterRecord& record, const TextMetrics& metrics,
                        std::vector<SkillLine>* lines = nullptr);

// Sheet page 3: the mastery list from Myth & Lore to Travel, with the endowments held.
DisplayList layoutPage3(const CharacterRecord& record, const TextMetrics& metrics,
                        std::vector<SkillLine>* lines = nullptr);

// The skill whose line of page 2 or 3 is at a point of the page; nothing between lines, on a
// heading, or on any other page.
std::optional<std::int32_t> skillLineAt(const CharacterRecord& record, const TextMetrics& metrics,
                                        std::int32_t page, int x, int y);

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/skills/Masteries.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orthavel {

// One value a profession asks for: a mastery, an emphasis, or the raw rating (0 to 100) of one
// skill.
struct MasteryValue {
    enum class Kind : std::uint8_t { None, Mastery, Emphasis, Rating };
    Kind kind = Kind::None;
    std::int16_t index = 0;

    bool operator==(const MasteryValue&) const = default;
};

struct MasteryRequirement {
    MasteryValue value;
    std::int32_t minimum = 0;
};

// What one profession (or a run of professions that share it) requires before the skill dialog
// may close. Unused slots of the arrays have kind None.
struct MasteryRequirementRow {
    std::int32_t firstCode = 0;
    std::int32_t lastCode = 0;
    std::string_view profession;
    std::array<MasteryRequirement, 7> required{};
    // The values the warning fills in, in its order; their average is the profession level.
    std::array<MasteryValue, 5> averaged{};
    std::string_view warning; // "%i" stands for each averaged value in turn
};

inline constexpr std::string_view kMasteryWarningTitle = "Required Masteries Not Correct";

// The rows a character of this race is held to: the Neuonian rows for race 1, the Kessari rows
// for any other.
std::span<const MasteryRequirementRow> masteryRequirementRows(std::int32_t race);

// The row for a profession code in the race's branch; nullptr when the branch has none.
const MasteryRequirementRow* findMasteryRequirements(std::int32_t race, std::int32_t profession);

// The current value of an item: a mastery, an emphasis or a skill rating.
std::int32_t valueOf(MasteryValue value, const MasteryResult& levels, const SkillRatings& ratings);

struct MasteryCheck {
    bool met = true;
    // The average of the row's values when met; nothing when the code has no row (the caller
    // keeps the profession level it had).
    std::optional<std::int32_t> professionLevel;
    // The row's warning with the current values filled in, when not met.
    std::string warning;
};

// Holds the emphases, masteries and ratings against the profession's row. A code without a row
// in the race's branch passes.
MasteryCheck checkMasteryRequirements(std::int32_t race, std::int32_t profession,
                                      const MasteryResult& levels, const SkillRatings& ratings);

} // namespace orthavel

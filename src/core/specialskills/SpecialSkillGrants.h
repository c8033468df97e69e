// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What professions get from their special-skill procedure without a choice: fixed grants by
// profession level, the endowment series, and the Squire's raises. One row per rule, in the
// order of the rules.

#include "core/advantages/AdvantageTable.h"
#include "core/record/Names.h"
#include "core/specialskills/SpecialSkillTable.h"

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace orthavel {

// The two professions whose procedure shows no dialog.

// Whether a profession has a special-skill procedure: its dialog, or one of the two without.
constexpr bool hasSpecialSkillProcedure(std::int32_t profession) {
    return hasSpecialSkillDialog(profession) || profession == profession::kMaternalMother ||
           profession == profession::kSquire;
}

// Whatever the profession level: a grant made on every run.
inline constexpr std::int32_t kEveryLevel = std::numeric_limits<std::int32_t>::min();

enum class GrantKind : std::uint8_t {
    SetSpecial,       // the special-skill slot := value
    SetSpecialIfZero, // the special-skill slot := value when it holds 0
    SetSkillsIfZero,  // each skill first to last that holds 0 becomes value
    RaiseSkillsTo,    // each skill first to last below value becomes value
};

struct FixedGrant {
    std::int16_t profession = -1;
    std::int32_t lowestLevel = kEveryLevel; // granted from this profession level up
    GrantKind kind = GrantKind::SetSpecial;
    std::int16_t first = -1; // a special-skill slot, or the first skill slot
    std::int16_t last = -1;  // the last skill slot (first for one skill)
    std::int32_t value = 0;
    bool afterEndowments = false; // the Overseer's comes after its endowments, all others before
};

namespace special_skill_table {
consteval FixedGrant grant(int profession, std::int32_t lowestLevel, GrantKind kind,
                           std::int16_t first, std::int16_t last, std::int32_t value) {
    return {static_cast<std::int16_t>(profession), lowestLevel, kind, first, last, value, false};
}
consteval FixedGrant grantSpecial(int profession, std::int32_t lowestLevel, std::string_view name) {
    return grant(profession, lowestLevel, GrantKind::SetSpecial, specialSlot(name),
                 specialSlot(name), 200);
}
consteval FixedGrant grantSpecialIfZero(int profession, std::int32_t lowestLevel,
                                        std::string_view name) {
    return grant(profession, lowestLevel, GrantKind::SetSpecialIfZero, specialSlot(name),
                 specialSlot(name), 200);
}
consteval FixedGrant grantSkillIfZero(int profession, std::int32_t lowestLevel,
                                      std::string_view name, std::int32_t value) {
    return grant(profession, lowestLevel, GrantKind::SetSkillsIfZero, skillSlot(name),
                 skillSlot(name), value);
}
consteval FixedGrant raiseSkillTo(int profession, std::int32_t lowestLevel, std::string_view name,
                                  std::int32_t value) {
    return grant(profession, lowestLevel, GrantKind::RaiseSkillsTo, skillSlot(name),
                 skillSlot(name), value);
}
consteval FixedGrant grantSkillsIfZeroAfterEndowments(int profession, std::int32_t lowestLevel,
                                                      std::string_view first, std::string_view last,
                                                      std::int32_t value) {
    FixedGrant g = grant(profession, lowestLevel, GrantKind::SetSkillsIfZero, skillSlot(first),
                         skillSlot(last), value);
    g.afterEndowments = true;
    return g;
}
} // namespace special_skill_table

// clang-format off
inline constexpr std::array<FixedGrant, 17> kFixedGrants = [] {
    using namespace special_skill_table;
    return std::array<FixedGrant, 17>{{
        grantSpecial(11, kEveryLevel, "Forced March(6)"),      // Warrior
        grantSpecial(11, kEveryLevel, "Flourentine Weapons"),
        grantSpecial(12, kEveryLevel, "Forced Riding(10)"),    // Destrier
        grantSpecial(12, kEveryLevel, "Jousting"),
        grantSpecial(13, kEveryLevel, "Forced March(6)"),      // Archer
        grantSpecial(13, kEveryLevel, "Fast Draw"),
        grantSkillIfZero(65, 3, "Earth Speak", 20),            // Maiden
        grantSkillIfZero(67, 5, "Earth Speak", 20),            // Curator
        grantSpecialIfZero(67, 10, "Special Howling Wind"),
        grantSkillIfZero(69, 5, "Blessed Event", 20),          // Priestess
        grantSkillsIfZeroAfterEndowments(70, 10, "Tangleroot (Terra)", "Blessed Event", 25), // Overseer
        grantSpecial(71, 7, "Champion"),                       // Maternal Mother
        grantSpecial(71, 8, "Dragonfriend"),
        raiseSkillTo(71, 9, "Balk", 60),
        raiseSkillTo(71, 9, "Intervening Shield", 60),
        raiseSkillTo(71, 9, "Parabola", 60),
        grantSpecial(71, 10, "Veto"),
    }};
}();
// clang-format on

// How many endowments one series grants at a profession level: none below lowestLevel, then
// one, or (level - subtract) div divisor.
struct EndowmentSeries {
    bool exists = false;
    std::int32_t lowestLevel = 0;
    std::int32_t subtract = 0;
    std::int32_t divisor = 0; // 0: exactly one endowment
};

constexpr bool grantedAt(const EndowmentSeries& series, std::int32_t professionLevel) {
    return series.exists && professionLevel >= series.lowestLevel;
}

// The count of a series granted at that level; it may work out to zero.
constexpr std::int32_t endowmentsAt(const EndowmentSeries& series, std::int32_t professionLevel) {
    if (series.divisor == 0) {
        return 1;
    }
    return (professionLevel - series.subtract) / series.divisor;
}

// The two series of a profession: the first is granted once per character under
// m_bEndowment1Given, the second under m_bEndowment2Given.
struct EndowmentRow {
    std::int16_t profession = -1;
    std::int32_t points = 10; // skill points of each endowment
    EndowmentSeries first;
    EndowmentSeries second;
};

namespace special_skill_table {
consteval EndowmentSeries one(std::int32_t lowestLevel) {
    return {true, lowestLevel, 0, 0};
}
consteval EndowmentSeries overLevel(std::int32_t lowestLevel, std::int32_t subtract,
                                    std::int32_t divisor) {
    return {true, lowestLevel, subtract, divisor};
}
consteval EndowmentSeries none() {
    return {};
}
} // namespace special_skill_table

// clang-format off
inline constexpr std::array<EndowmentRow, 14> kEndowments = [] {
    using namespace special_skill_table;
    return std::array<EndowmentRow, 14>{{
        {26, 10, one(8),                none()},                // Acolyte
        {27, 10, one(4),                one(8)},                // Temple Guard
        {28, 10, one(4),                one(8)},                // Holy Warrior
        {29, 10, one(4),                overLevel(6, 5, 2)},    // Pastor
        {30, 10, overLevel(6, 5, 1),    none()},                // Priest
        {31, 10, overLevel(7, 6, 1),    none()},                // High Priest
        {69, 10, overLevel(4, 3, 1),    none()},                // Priestess
        {70, 10, overLevel(5, 3, 2),    none()},                // Overseer
        {73, 20, one(6),                none()},                // Flesh Master
        {74, 10, one(4),                one(8)},                // Temple Guard (Black Guard)
        {75, 10, one(4),                one(8)},                // Unholy Warrior
        {76, 10, overLevel(6, 4, 2),    none()},                // Sacrificer
        {77, 10, overLevel(6, 5, 1),    none()},                // Inquisitor
        {78, 10, overLevel(7, 6, 1),    none()},                // Dark Magus
    }};
}();
// clang-format on

constexpr const EndowmentRow* findEndowments(std::int32_t profession) {
    for (const EndowmentRow& row : kEndowments) {
        if (row.profession == profession) {
            return &row;
        }
    }
    return nullptr;
}

// The Squire has no dialog: at certain profession levels it raises advantages (never past the
// race maximum), tells the player what the points are for and allots them.
struct SquireGrant {
    std::int32_t lowestLevel = 0;
    std::int32_t highestLevel = 0;
    std::array<std::optional<Advantage>, 2> raises; // each raised by one
    std::string_view text;
    std::int32_t skillPoints = 0;
};

// clang-format off
inline constexpr std::array<SquireGrant, 2> kSquireGrants{{
    {4, 4, {Advantage::Strength, std::nullopt},
     "Add 20 points to any Bladed sword skill.", 20},
    {5, std::numeric_limits<std::int32_t>::max(), {Advantage::Strength, Advantage::Reflex},
     "Add 30 pts. to any Bladed sword skill.\nAnd 10 pts. to an additional blade.", 40},
}};
// clang-format on

} // namespace orthavel

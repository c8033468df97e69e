// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The rule steps that connect the choices of a new character: the advantages a starting
// profession brings, the lineage a family-trade roll gives, an age class's baseline, and the
// raise to a profession's minimum advantages. Each works on the record alone.

#include "core/record/CharacterRecord.h"

#include <cstdint>

namespace orthavel {

// Sets the advantage levels of the starting profession (m_nProfession) and pays their cost in
// advantage points; professions without a row change nothing. A debt in advantage points is
// then repaid at 25 skill points each.
void ApplyStartingProfessionAdvantages(CharacterRecord& record);

// The lineage row of a family-trade roll (1 to 100) for the record's race: sets the lineage and
// the two trade hints, and adds the row's advantage or skill points. Other rolls change nothing.
void ApplyRandomLineage(CharacterRecord& record, std::int32_t roll);

// The trade examples of an average lineage of the record's race, which "Family Trade and
// Background" shows unless a random lineage brings its own.
void SetAverageTradeHints(CharacterRecord& record);

// The family trade choice: 0 the average lineage with advantage points, 1 with skill points; a
// random lineage (2) is ApplyRandomLineage with a roll.
void ApplyAverageLineage(CharacterRecord& record, std::int32_t choice);

// An age class (0 Youngster to 6 Legendary) of a Kessari character: age range, skill points,
// size, movement, base health and willpower, and all fifteen advantage levels. Other values
// change nothing.
void ApplyAgeDelineation(CharacterRecord& record, std::int32_t delineation);

// Raises the advantages of a Kessari profession (codes 0 to 86) to the levels its minimums ask
// for, one advantage point a level, then repays any debt at 25 skill points a point. Levels above
// a minimum are kept; other codes change nothing.
void RaiseToProfessionMinimums(CharacterRecord& record);

// While the advantage points are below zero: one more advantage point for 25 skill points.
void RepayAdvantageDebt(CharacterRecord& record);

} // namespace orthavel

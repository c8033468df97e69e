// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace orthavel {

// What a dialog or a form field asks, for code that answers it without a person: stable names
// that a change of title or label leaves as they are. Scripts and people know dialogs by their
// titles and fields by their labels.
enum class DialogKey : std::uint8_t { Other, Race, CityState, House, AgeClass, Career };

enum class FieldKey : std::uint8_t {
    Other,
    CharacterName,
    PlayedBy,
    Attitude,
    Background,
    BirthDate,
    NewAdvantagePoints,
    NpcRace,
    NpcCulture,
    NpcProfession,
    NpcAgeClass,
    NpcSeed,
};

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace orthavel {

// The character as an actor of Foundry VTT's "Simple World-Building" system, for its Import
// Data: the stat block as the biography, health and willpower as the two resources, attribute
// groups for the advantages, the derived values, the combat values, the masteries and emphases
// and the rated skills, and the whole record in flags.orthavel.record, from which load reads the
// character back.
nlohmann::ordered_json foundryActor(const CharacterRecord& record);

// The actor as a file holds it.
std::string foundryActorJson(const CharacterRecord& record);

// An attribute key made of a label: lower-case letters, digits and single underscores ("Max
// Health Pts" is max_health_pts); "value" for a label without a letter or digit.
std::string attributeKey(std::string_view label);

} // namespace orthavel

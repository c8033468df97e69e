// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/interaction/FormDialog.h"
#include "core/npc/RandomInteraction.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace orthavel {

class Interaction;

inline constexpr std::string_view kNpcDialogTitle = "New Random NPC";

// What "New Random NPC" asks for: the race, House or city-state, profession and age class, each
// "Any" or one of its list (a name may be typed too), and the seed the character is drawn with.
struct NpcOrder {
    NpcPlan request;
    std::int32_t seed = 0;
};

// The form, with these values shown ("Any" for what is open).
FormDialog npcRequestDialog(const NpcOrder& shown);

// Reads an accepted form: the order, or the message that says what no character can be.
std::variant<NpcOrder, Message> readNpcOrder(const FormEntry& entry);

// Shows the form until it holds an order some character can answer, or is cancelled.
std::optional<NpcOrder> askNpcOrder(Interaction& ui, NpcOrder shown);

} // namespace orthavel

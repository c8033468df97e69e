// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace orthavel {

class Dice;
class Interaction;

// Rolls one percentile die (1 to 100) for the named purpose and shows it to the player, caption
// "Random Dice Roll (label)", before the caller uses it, and keeps it in the dice's log. Returns
// once the message is closed.
int RollPercentile(Dice& dice, Interaction& ui, const std::string& label);

} // namespace orthavel

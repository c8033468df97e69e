// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/dice/RollPercentile.h"

#include "core/dice/Dice.h"
#include "core/dice/RollLog.h"
#include "core/interaction/Interaction.h"

namespace orthavel {

int RollPercentile(Dice& dice, Interaction& ui, const std::string& label) {
    const int roll = dice.rollPercentile();
    ui.showMessage(
        {"Random Dice Roll (" + label + ")", "You rolled a: " + std::to_string(roll) + ".", false});
    if (RollLog* log = dice.log()) {
        log->add(label, roll);
    }
    return roll;
}

} // namespace orthavel

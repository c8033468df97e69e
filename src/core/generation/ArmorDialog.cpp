// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/generation/ArmorDialog.h"

namespace orthavel {

ChoiceDialog armorDialog() {
    ChoiceDialog d;
    d.title = kArmorDialogTitle;
    d.columns = {
        {
            {"&None", 0},
            {"P&adding", 1},
            {"&Soft Leather", 2},
            {"&Hard Leather", 3},
            {"St&udded Leather", 4},
            {"&Chain and Leather", 5},
            {"&Plated Leather", 6},
        },
        {
            {"&Full Chainmail", 7},
            {"&Double Mail", 8},
            {"Plate and &Mail", 9},
            {"Fu&ll Plate", 10},
            {"F&ield Plate", 11},
        },
    };
    return d;
}

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/npc/NpcMaker.h"

#include <string>
#include <string_view>
#include <vector>

namespace orthavel {

// Random characters for one request, one after another from one Dice. What the request leaves
// open is dealt from a shuffled deck of every race and profession it allows (those its age class
// can pay for), so a large batch has every one of them. A dealt profession that cannot be made
// gives way to another the request allows, so a batch stops only where no character can answer
// the request at all.
class NpcBatch {
public:
    NpcBatch(NpcPlan request, Dice& dice) : m_request(std::move(request)), m_dice(dice) {}

    // The next character, or why none can be made.
    MadeNpc next();

private:
    NpcPlan m_request;
    Dice& m_dice;
    std::vector<NpcPlan> m_deck;
};

// The most bytes of a file name that file systems take.
inline constexpr std::size_t kLongestFileName = 255;

// The name of a character's file when earlier names are taken: number 1 is the name proposed
// ("Rosa Pell.ksc"), then "Rosa Pell 2.ksc", "Rosa Pell 3.ksc"... The name before the extension
// is cut, on a character boundary, so that the whole takes at most kLongestFileName bytes.
std::string numberedFileName(std::string_view proposed, int number);

} // namespace orthavel

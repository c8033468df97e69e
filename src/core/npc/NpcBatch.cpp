// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/npc/NpcBatch.h"

#include "core/dice/Dice.h"

namespace orthavel {

MadeNpc NpcBatch::next() {
    if (m_deck.empty()) {
        m_deck = payableChoices(m_request);
        m_dice.shuffle(m_deck);
    }
    const NpcPlan dealt = m_deck.back();
    m_deck.pop_back();
    MadeNpc made = makeNpc(dealt, m_dice);
    if (!made.record && !(m_request.race && m_request.profession)) {
        made = makeNpc(m_request, m_dice);
    }
    return made;
}

std::string numberedFileName(std::string_view proposed, int number) {
    const std::size_t dot = proposed.rfind('.');
    const std::string_view extension =
        dot == std::string_view::npos || dot == 0 ? std::string_view() : proposed.substr(dot);
    std::string_view stem = proposed.substr(0, proposed.size() - extension.size());
    const std::string suffix = number > 1 ? " " + std::to_string(number) : std::string();
    const std::size_t room =
        kLongestFileName - std::min(kLongestFileName, suffix.size() + extension.size());
    if (stem.size() > room) {
        std::size_t cut = room;
        // Never between the bytes of one UTF-8 character: back to the start of the one cut.
        while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0U) == 0x80U) {
            --cut;
        }
        stem = stem.substr(0, cut);
    }
    return std::string(stem) + suffix + std::string(extension);
}

} // namespace orthavel

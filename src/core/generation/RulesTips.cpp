// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/generation/RulesTips.h"

#include "core/interaction/Interaction.h"

namespace orthavel {

void ShowRulesTip(const CharacterRecord& record, Interaction& ui, std::string_view text) {
    if (record.m_bRulesTips != 0) {
        ui.showMessage({"Rules Tip", std::string(text)});
    }
}

} // namespace orthavel

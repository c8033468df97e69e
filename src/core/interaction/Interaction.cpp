// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/interaction/Interaction.h"

#include "core/interaction/FormDialog.h"

namespace orthavel {

std::optional<std::int32_t> Interaction::askNumber(const NumberPrompt& prompt) {
    FormEntry form(numberPromptForm(prompt));
    if (!runForm(form)) {
        return std::nullopt;
    }
    return form.number(0);
}

} // namespace orthavel

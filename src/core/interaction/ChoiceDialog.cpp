// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/interaction/ChoiceDialog.h"

#include "core/interaction/Interaction.h"

namespace orthavel {

const ChoiceButton* ChoiceDialog::findButton(std::string_view caption) const {
    for (const auto& column : columns) {
        for (const auto& button : column) {
            if (button.caption == caption) {
                return &button;
            }
        }
    }
    return nullptr;
}

const ChoiceButton* ChoiceDialog::findResult(int result) const {
    for (const auto& column : columns) {
        for (const auto& button : column) {
            if (button.result == result) {
                return &button;
            }
        }
    }
    return nullptr;
}

std::optional<Message> ChoiceEntry::click(const ChoiceButton& button) {
    if (m_dialog.style == ChoiceStyle::RadioThenOk) {
        m_stored = m_dialog.afterRadio(m_stored, button);
        return std::nullopt;
    }
    if (button.cancels) {
        cancel();
        return std::nullopt;
    }
    return accept(button.result);
}

std::optional<Message> ChoiceEntry::accept(int result) {
    if (m_dialog.refusal) {
        if (auto refused = m_dialog.refusal(result)) {
            return refused;
        }
    }
    m_stored = result;
    m_state = State::Accepted;
    return std::nullopt;
}

ChoiceDialog buttonColumn(std::string title, std::vector<std::string> texts,
                          std::initializer_list<std::string_view> captions) {
    ChoiceDialog dialog;
    dialog.title = std::move(title);
    dialog.texts = std::move(texts);
    dialog.columns.resize(1);
    for (const std::string_view caption : captions) {
        dialog.columns[0].emplace_back(std::string(caption),
                                       static_cast<int>(dialog.columns[0].size()));
    }
    return dialog;
}

std::optional<std::string> runForCaption(Interaction& ui, const ChoiceDialog& dialog) {
    const std::optional<int> result = ui.runChoice(dialog);
    const ChoiceButton* button = result ? dialog.findResult(*result) : nullptr;
    if (button == nullptr) {
        return std::nullopt;
    }
    return stripMnemonic(button->caption);
}

} // namespace orthavel

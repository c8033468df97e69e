// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/interaction/ChoiceDialog.h"

#include <QDialog>

#include <optional>

namespace orthavel {

// The window of a ChoiceDialog: its title, its static texts, and its buttons in columns, each
// under its picture and heading if it has them; radio buttons have "OK" below them. Each click,
// "OK", Escape and the close box go to the dialog's ChoiceEntry, which says whether the window
// closes and with what; a refusal it answers is shown in a message box and the window stays.
class ChoiceDialogView : public QDialog {
    Q_OBJECT
public:
    explicit ChoiceDialogView(const ChoiceDialog& dialog, QWidget* parent = nullptr);

    // The result of the button that accepted the dialog.
    std::optional<int> chosen() const { return m_entry.result(); }

    void reject() override;

protected:
    // A letter typed alone presses (or selects) the button it is the mnemonic of, as with Alt.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Shows a refusal, or closes the window once the entry is no longer open.
    void follow(const std::optional<Message>& refused);

    ChoiceEntry m_entry;
};

} // namespace orthavel

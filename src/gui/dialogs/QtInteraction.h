// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/interaction/Interaction.h"

#include <QPointer>
#include <QWidget>

class QMessageBox;

namespace orthavel {

// Shows a message box of the program: its caption and text, one OK, the exclamation icon when
// the message asks for it. A caption longer than a title bar may show stands above the text too.
void showMessageBox(QWidget* parent, const Message& message);

// Gives a message box its text as written. A text too long for a screen (a name of a megabyte)
// is shown cut, with the whole of it in the box's details, where it scrolls.
void setWholeText(QMessageBox& box, const QString& text);

// The person at the keyboard, asked through modal dialogs over the main window.
class QtInteraction : public Interaction {
public:
    explicit QtInteraction(QWidget* parent = nullptr) : m_parent(parent) {}

    // The window the dialogs are centred on and modal to.
    void setParentWidget(QWidget* parent) { m_parent = parent; }

    void showMessage(const Message& message) override;
    std::optional<int> runChoice(const ChoiceDialog& dialog) override;
    bool runForm(FormEntry& form) override;
    SaveAnswer askSaveChanges(std::string_view documentName) override;
    bool runAdvantageAssignment(AdvantageAssignment& model) override;
    bool runSkillSelection(SkillSelection& model) override;
    void showEmphasisDisplay(const EmphasisDisplay& display) override;
    bool runSkillRoll(SkillRoll& model) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace orthavel

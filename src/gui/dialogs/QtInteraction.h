#pragma once

#include "core/interaction/Interaction.h"

#include <QPointer>
#include <QWidget>

namespace orthavel {

// Shows a message box of the program: its caption and text, one OK, the exclamation icon when
// the message asks for it.
void showMessageBox(QWidget* parent, const Message& message);

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

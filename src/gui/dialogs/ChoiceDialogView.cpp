#include "gui/dialogs/ChoiceDialogView.h"

#include "gui/dialogs/DialogLook.h"
#include "gui/dialogs/QtInteraction.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orthavel {

ChoiceDialogView::ChoiceDialogView(const ChoiceDialog& dialog, QWidget* parent)
    : QDialog(parent), m_dialog(dialog) {
    applyDialogLook(this);
    setWindowTitle(fromUtf8(dialog.title));

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    for (const auto& text : dialog.texts) {
        layout->addWidget(new QLabel(fromUtf8(text), this));
    }
    auto* columns = new QHBoxLayout;
    for (const auto& column : dialog.columns) {
        auto* buttons = new QVBoxLayout;
        for (const auto& choice : column) {
            auto* button = new QPushButton(fromUtf8(choice.caption), this);
            button->setAutoDefault(false);
            button->setMinimumWidth(130);
            const int result = choice.result;
            connect(button, &QPushButton::clicked, this, [this, result] { choose(result); });
            buttons->addWidget(button);
        }
        buttons->addStretch();
        columns->addLayout(buttons);
    }
    layout->addLayout(columns);
}

void ChoiceDialogView::choose(int result) {
    if (m_dialog.refusal) {
        if (const auto refused = m_dialog.refusal(result)) {
            showMessageBox(this, *refused);
            return;
        }
    }
    m_chosen = result;
    accept();
}

} // namespace orthavel

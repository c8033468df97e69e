#include "gui/dialogs/ChoiceDialogView.h"

#include "gui/dialogs/DialogLook.h"
#include "gui/dialogs/QtInteraction.h"
#include "qtcommon/QtText.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orthavel {

ChoiceDialogView::ChoiceDialogView(const ChoiceDialog& dialog, QWidget* parent)
    : QDialog(parent), m_dialog(dialog) {
    applyDialogLook(this);
    setWindowTitle(toQString(dialog.title));

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    for (const auto& text : dialog.texts) {
        layout->addWidget(new QLabel(toQString(text), this));
    }
    auto* columns = new QHBoxLayout;
    for (const auto& column : dialog.columns) {
        auto* buttons = new QVBoxLayout;
        for (const auto& choice : column) {
            auto* button = new QPushButton(toQString(choice.caption), this);
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

namespace {

// The letter after the single "&" of a caption, if any.
QChar mnemonicOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (caption[i + 1] != QLatin1Char('&')) {
                return caption[i + 1].toLower();
            }
            ++i;
        }
    }
    return {};
}

} // namespace

void ChoiceDialogView::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if ((event->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier && typed.size() == 1 &&
        typed[0].isLetterOrNumber()) {
        for (auto* button : findChildren<QPushButton*>()) {
            if (mnemonicOf(button->text()) == typed[0].toLower()) {
                button->click();
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
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

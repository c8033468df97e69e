// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/dialogs/ChoiceDialogView.h"

#include "core/interaction/Mnemonic.h"
#include "gui/dialogs/DialogLook.h"
#include "gui/dialogs/QtInteraction.h"
#include "qtcommon/QtText.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orthavel {
namespace {

// The artwork of each dialog picture, and the size it is shown at.
QLabel* pictureLabel(DialogPicture picture, QWidget* parent) {
    const QString file = picture == DialogPicture::KessariRace
                             ? QStringLiteral(":/dialogs/kessari_race.svg")
                             : QStringLiteral(":/dialogs/neuonian_race.svg");
    auto* label = new QLabel(parent);
    label->setPixmap(QIcon(file).pixmap(QSize(200, 240)));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

ChoiceDialogView::ChoiceDialogView(const ChoiceDialog& dialog, QWidget* parent)
    : QDialog(parent), m_entry(dialog) {
    applyDialogLook(this);
    setWindowTitle(toQString(dialog.title));
    const bool radios = dialog.style == ChoiceStyle::RadioThenOk;

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    reserveTitleWidth(this, layout);
    for (const auto& text : dialog.texts) {
        layout->addWidget(plainLabel(toQString(text), this));
    }
    auto* columns = new QHBoxLayout;
    QString mnemonics;
    for (const auto& column : m_entry.dialog().columns) {
        auto* buttons = new QVBoxLayout;
        for (const auto& choice : column) {
            if (choice.picture != DialogPicture::None) {
                buttons->addWidget(pictureLabel(choice.picture, this));
            }
            if (!choice.heading.empty()) {
                buttons->addWidget(plainLabel(toQString(choice.heading), this));
            }
            if (radios) {
                auto* radio =
                    new QRadioButton(withMnemonic(toQString(choice.caption), mnemonics), this);
                // The choice lives as long as the dialog's entry, which this view holds.
                connect(radio, &QRadioButton::toggled, this, [this, c = &choice](bool checked) {
                    if (checked) {
                        follow(m_entry.click(*c));
                    }
                });
                buttons->addWidget(radio);
                continue;
            }
            // Enter presses the button that has the focus, as Space does.
            auto* button = new QPushButton(toQString(choice.caption), this);
            button->setAutoDefault(true);
            button->setToolTip(toQString(choice.tooltip));
            button->setMinimumWidth(130);
            connect(button, &QPushButton::clicked, this,
                    [this, c = &choice] { follow(m_entry.click(*c)); });
            buttons->addWidget(button);
        }
        buttons->addStretch();
        columns->addLayout(buttons);
    }
    layout->addLayout(columns);

    if (radios) {
        auto* ok = new QPushButton(toQString(kOkCaption), this);
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, [this] { follow(m_entry.confirm()); });
        auto* row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(ok);
        layout->addLayout(row);
    }
    fitToScreen(this);
}

void ChoiceDialogView::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if ((event->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier && typed.size() == 1 &&
        typed[0].isLetterOrNumber()) {
        for (auto* button : findChildren<QAbstractButton*>()) {
            const char marked = mnemonicOf(button->text().toStdString());
            if (QChar::fromLatin1(marked).toLower() == typed[0].toLower()) {
                button->setFocus();
                button->click();
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

void ChoiceDialogView::follow(const std::optional<Message>& refused) {
    if (refused) {
        showMessageBox(this, *refused);
    } else if (m_entry.result()) {
        accept();
    } else if (!m_entry.open()) {
        reject();
    }
}

void ChoiceDialogView::reject() {
    m_entry.cancel();
    QDialog::reject();
}

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/dialogs/FormDialogView.h"

#include "core/record/Cp1252.h"
#include "gui/dialogs/DialogLook.h"
#include "gui/dialogs/QtInteraction.h"
#include "qtcommon/QtText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>
#include <functional>

namespace orthavel {
namespace {

// Takes only characters that a character file can hold, and no control characters.
class Cp1252Validator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& /*position*/) const override {
        for (const char32_t codePoint : input.toUcs4()) {
            if (!codePointToCp1252(codePoint) || isControlCharacter(codePoint)) {
                return Invalid;
            }
        }
        return Acceptable;
    }
};

// A number field with arrows: the arrows and their ends are the form's; any whole number may be
// typed, and the form decides what it becomes when the box is left.
class ArrowBox : public QSpinBox {
public:
    ArrowBox(QWidget* parent, std::function<void(int)> clicked, std::function<bool(int)> enabled)
        : QSpinBox(parent), m_clicked(std::move(clicked)), m_enabled(std::move(enabled)) {
        setRange(-99999, 99999);
        setKeyboardTracking(false);
        setAccelerated(false);
    }

    void stepBy(int steps) override { m_clicked(steps); }

protected:
    StepEnabled stepEnabled() const override {
        return (m_enabled(-1) ? StepDownEnabled : StepNone) |
               (m_enabled(1) ? StepUpEnabled : StepNone);
    }

private:
    std::function<void(int)> m_clicked;
    std::function<bool(int)> m_enabled;
};

QLineEdit* textBoxOf(QWidget* widget) {
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return combo->lineEdit();
    }
    if (auto* box = qobject_cast<QSpinBox*>(widget)) {
        return box->findChild<QLineEdit*>();
    }
    return qobject_cast<QLineEdit*>(widget);
}

} // namespace

FormDialogView::FormDialogView(FormEntry& form, QWidget* parent) : QDialog(parent), m_form(form) {
    const FormDialog& dialog = form.dialog();
    applyDialogLook(this);
    setWindowTitle(toQString(dialog.title));

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    for (const auto& text : dialog.texts) {
        layout->addWidget(plainLabel(toQString(text), this));
    }
    auto* grid = new QGridLayout;
    QString mnemonics;
    for (std::size_t i = 0; i < dialog.fields.size(); ++i) {
        const FormField& field = dialog.fields[i];
        QWidget* widget = nullptr;
        if (field.kind == FieldKind::DropDown) {
            auto* combo = new QComboBox(this);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            for (const auto& item : shownItems(field)) {
                combo->addItem(toQString(item));
            }
            widget = combo;
        } else if (field.arrows) {
            widget = new ArrowBox(
                this,
                [this, i](int clicks) {
                    m_form.clickArrows(i, clicks);
                    showField(i);
                },
                [this, i](int direction) { return m_form.canClickArrow(i, direction); });
        } else {
            widget = new QLineEdit(this);
        }
        QLineEdit* edit = textBoxOf(widget);
        edit->setMaxLength(static_cast<int>(field.maxLength));
        // Wide enough to show most of what the field takes.
        widget->setMinimumWidth(fontMetrics().averageCharWidth() *
                                static_cast<int>(std::min<std::size_t>(field.maxLength, 40) + 4));
        if (field.kind != FieldKind::Number) {
            edit->setValidator(new Cp1252Validator(edit));
        }
        if (auto* box = qobject_cast<QSpinBox*>(widget)) {
            connect(box, &QAbstractSpinBox::editingFinished, this, [this, i] { leave(i); });
        } else {
            connect(edit, &QLineEdit::editingFinished, this, [this, i] { leave(i); });
        }
        auto* label = new QLabel(withMnemonic(toQString(field.label), mnemonics), this);
        label->setBuddy(widget);
        nameAfterLabel(widget, label->text());
        const int row = static_cast<int>(i);
        grid->addWidget(label, row, 0);
        grid->addWidget(widget, row, 1);
        m_widgets.push_back(widget);
        showField(i);
    }
    layout->addLayout(grid);
    for (const auto& note : dialog.notes) {
        layout->addWidget(plainLabel(toQString(note), this));
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_ok = new QPushButton(toQString(kOkCaption), this);
    m_ok->setDefault(true);
    buttons->addWidget(m_ok);
    connect(m_ok, &QPushButton::clicked, this, &FormDialogView::takeEntry);
    if (dialog.cancelButton) {
        auto* cancel = new QPushButton(toQString(kCancelCaption), this);
        buttons->addWidget(cancel);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    }
    layout->addLayout(buttons);
    for (QWidget* widget : m_widgets) {
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            enterPressesDefault(combo, m_ok);
        }
    }

    if (!m_widgets.empty()) {
        m_widgets.front()->setFocus();
        textBoxOf(m_widgets.front())->selectAll();
    }
    fitToScreen(this);
}

FormDialogView::~FormDialogView() {
    disconnectChildren(this);
}

QString FormDialogView::shownText(std::size_t field) const {
    return textBoxOf(m_widgets[field])->text();
}

void FormDialogView::showField(std::size_t field) {
    QWidget* widget = m_widgets[field];
    const QString text = toQString(m_form.text(field));
    const QSignalBlocker blocker(widget);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setCurrentText(text);
    } else if (auto* box = qobject_cast<QSpinBox*>(widget)) {
        box->setValue(m_form.number(field));
    } else {
        textBoxOf(widget)->setText(text);
    }
}

void FormDialogView::leave(std::size_t field) {
    m_form.type(field, shownText(field).toStdString());
    m_form.leave(field);
    showField(field);
}

void FormDialogView::takeEntry() {
    for (std::size_t i = 0; i < m_widgets.size(); ++i) {
        m_form.type(i, shownText(i).toStdString());
    }
    if (const auto refused = m_form.confirm()) {
        showMessageBox(this, refused->message);
        m_widgets[refused->field]->setFocus();
        textBoxOf(m_widgets[refused->field])->selectAll();
        return;
    }
    for (std::size_t i = 0; i < m_widgets.size(); ++i) {
        showField(i);
    }
    accept();
}

} // namespace orthavel

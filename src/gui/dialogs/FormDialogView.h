// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/interaction/FormDialog.h"

#include <QDialog>

#include <vector>

class QPushButton;

namespace orthavel {

// The window of a form: its texts, a labelled widget per field, its notes, "OK" (the default
// button) and, where the form has one, "Cancel". A text field is a line edit, a number field a
// line edit or, with arrows, a spin box, a drop-down list an editable combo box; text fields take
// only what Windows-1252 can hold, up to their length. Leaving a field and the arrows go to the
// form's entry, and the field shows what it holds then. OK hands every field's text to the entry;
// a refusal shows its message and selects the field concerned, and the dialog stays. Escape
// cancels.
class FormDialogView : public QDialog {
    Q_OBJECT
public:
    explicit FormDialogView(FormEntry& form, QWidget* parent = nullptr);
    ~FormDialogView() override;

    // The widget of a field: a QLineEdit, a QSpinBox or a QComboBox.
    QWidget* fieldWidget(std::size_t field) const { return m_widgets.at(field); }
    QPushButton* okButton() const { return m_ok; }

private:
    QString shownText(std::size_t field) const;
    void showField(std::size_t field);
    void leave(std::size_t field);
    void takeEntry();

    FormEntry& m_form;
    std::vector<QWidget*> m_widgets;
    QPushButton* m_ok = nullptr;
};

} // namespace orthavel

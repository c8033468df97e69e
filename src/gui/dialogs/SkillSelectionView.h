// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/skills/SkillSelection.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;

namespace orthavel {

class ModelSpinBox;

// "Choose Skills": thirteen rows in two columns (label, the category's list in catalogue order,
// a number box from 0 to 100), the counter, "&Emphasis Levels", OK and two lines of text. Every
// pick, arrow and typed value goes to the SkillSelection; OK closes the dialog only when the
// model accepts it. Escape closes it without accepting.
class SkillSelectionView : public QDialog {
    Q_OBJECT
public:
    explicit SkillSelectionView(SkillSelection& model, QWidget* parent = nullptr);
    ~SkillSelectionView() override;

    QComboBox* list(SkillCategory category) const;
    ModelSpinBox* box(SkillCategory category) const;
    QLabel* counter() const { return m_counter; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void showEmphasis();
    void confirm();

    SkillSelection& m_model;
    std::array<QComboBox*, kSkillCategoryCount> m_lists{};
    std::array<ModelSpinBox*, kSkillCategoryCount> m_boxes{};
    QLabel* m_counter = nullptr;
    // Set while a list loses the focus: the list then reports a typed text that names one of its
    // entries as activated, but typed text goes to the model's typeEntry instead.
    bool m_leavingEditField = false;
};

} // namespace orthavel

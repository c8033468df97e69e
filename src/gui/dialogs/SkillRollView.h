// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/skills/SkillRoll.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QTreeWidget;

namespace orthavel {

class ModelSpinBox;

// "Roll Against Skill": the filter ("&Skill:") and the difficulty side by side, the character's
// rated skills with their ratings below, the base number they make, OK and Cancel. What is
// typed, chosen and stepped goes to the SkillRoll; OK closes the dialog only when the model
// accepts it. Up and Down in the filter move through the list, so the keyboard alone chooses:
// type, Tab to the difficulty, type, Enter.
class SkillRollView : public QDialog {
    Q_OBJECT
public:
    explicit SkillRollView(SkillRoll& model, QWidget* parent = nullptr);
    ~SkillRollView() override;

    QLineEdit* filter() const { return m_filter; }
    QTreeWidget* list() const { return m_list; }
    ModelSpinBox* difficulty() const { return m_difficulty; }
    QLabel* baseNumber() const { return m_baseNumber; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showSkills();
    void showBaseNumber();
    void confirm();

    SkillRoll& m_model;
    QLineEdit* m_filter = nullptr;
    QTreeWidget* m_list = nullptr;
    ModelSpinBox* m_difficulty = nullptr;
    QLabel* m_baseNumber = nullptr;
};

} // namespace orthavel

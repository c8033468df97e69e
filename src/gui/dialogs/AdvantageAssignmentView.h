// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/advantages/AdvantageAssignment.h"

#include <QDialog>

#include <array>

class QLabel;

namespace orthavel {

class ModelSpinBox;

// "Assign Advantages": fifteen labelled number boxes in three columns of five, the two counters,
// the three buttons and the two lines of text. Every click goes to the AdvantageAssignment; OK
// closes the dialog only when the model accepts it. Escape closes it without accepting.
class AdvantageAssignmentView : public QDialog {
    Q_OBJECT
public:
    explicit AdvantageAssignmentView(AdvantageAssignment& model, QWidget* parent = nullptr);
    ~AdvantageAssignmentView() override;

    ModelSpinBox* box(int advantage) const {
        return m_boxes.at(static_cast<std::size_t>(advantage));
    }
    QLabel* advantageCounter() const { return m_advantageCounter; }
    QLabel* skillCounter() const { return m_skillCounter; }

private:
    void refresh();
    void confirm();

    AdvantageAssignment& m_model;
    std::array<ModelSpinBox*, kAdvantageCount> m_boxes{};
    QLabel* m_advantageCounter = nullptr;
    QLabel* m_skillCounter = nullptr;
};

} // namespace orthavel

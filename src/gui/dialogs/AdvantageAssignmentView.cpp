// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/dialogs/AdvantageAssignmentView.h"

#include "gui/dialogs/DialogLook.h"
#include "gui/dialogs/ModelSpinBox.h"
#include "gui/dialogs/QtInteraction.h"
#include "qtcommon/QtText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orthavel {

AdvantageAssignmentView::AdvantageAssignmentView(AdvantageAssignment& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
    applyDialogLook(this);
    setWindowTitle(toQString(AdvantageAssignment::kTitle));

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    QString mnemonics;
    for (int a = 0; a < kAdvantageCount; ++a) {
        const AdvantageInfo& info = kAdvantages[static_cast<std::size_t>(a)];
        auto* label = new QLabel(withMnemonic(toQString(info.label), mnemonics), this);
        auto* box = new ModelSpinBox(this);
        box->setObjectName(toQString(info.label));
        box->setMinimumWidth(56);
        label->setBuddy(box);
        nameAfterLabel(box, label->text());
        const int column = (info.column - 1) * 2;
        grid->addWidget(label, info.row - 1, column, Qt::AlignRight);
        grid->addWidget(box, info.row - 1, column + 1);
        const Advantage advantage = advantageAt(a);
        connect(box, &ModelSpinBox::stepped, this, [this, advantage](int delta) {
            m_model.stepLevel(advantage, delta);
            refresh();
        });
        connect(box, &ModelSpinBox::committed, this, [this, advantage](const QString& typed) {
            m_model.typeLevel(advantage, typed.toStdString());
            refresh();
        });
        m_boxes[static_cast<std::size_t>(a)] = box;
    }
    layout->addLayout(grid);

    // The counters, the buttons and the two lines stay in view when the rows must scroll.
    auto* footer = new QWidget(this);
    auto* footerLayout = new QVBoxLayout(footer);
    footerLayout->setContentsMargins(0, 0, 0, 0);
    auto* counters = new QHBoxLayout;
    m_advantageCounter = new QLabel(this);
    m_skillCounter = new QLabel(this);
    counters->addWidget(m_advantageCounter);
    counters->addStretch();
    counters->addWidget(m_skillCounter);
    footerLayout->addLayout(counters);

    auto* buttons = new QHBoxLayout;
    auto* toSkillPoints =
        new QPushButton(toQString(AdvantageAssignment::kToSkillPointsButton), this);
    auto* ok = new QPushButton(toQString(AdvantageAssignment::kOkButton), this);
    auto* toAdvantages = new QPushButton(toQString(AdvantageAssignment::kToAdvantagesButton), this);
    ok->setDefault(true);
    buttons->addWidget(toSkillPoints);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    buttons->addWidget(toAdvantages);
    footerLayout->addLayout(buttons);
    connect(toSkillPoints, &QPushButton::clicked, this, [this] {
        m_model.advantagesToSkillPoints();
        refresh();
    });
    connect(toAdvantages, &QPushButton::clicked, this, [this] {
        m_model.skillPointsToAdvantages();
        refresh();
    });
    connect(ok, &QPushButton::clicked, this, &AdvantageAssignmentView::confirm);

    footerLayout->addWidget(new QLabel(toQString(AdvantageAssignment::kTextLine1), this));
    footerLayout->addWidget(new QLabel(toQString(AdvantageAssignment::kTextLine2), this));
    keepInView(footer);
    layout->addWidget(footer);

    refresh();
    fitToScreen(this);
}

AdvantageAssignmentView::~AdvantageAssignmentView() {
    disconnectChildren(this);
}

void AdvantageAssignmentView::refresh() {
    for (int a = 0; a < kAdvantageCount; ++a) {
        const Advantage advantage = advantageAt(a);
        m_boxes[indexOf(advantage)]->showValue(m_model.level(advantage),
                                               m_model.minimumLevel(advantage),
                                               m_model.maximumLevel(advantage));
    }
    m_advantageCounter->setText(QString::fromStdString(m_model.advantageCounterText()));
    m_skillCounter->setText(QString::fromStdString(m_model.skillCounterText()));
}

void AdvantageAssignmentView::confirm() {
    // A value still being typed is committed first, so every stored level has been charged.
    for (auto* box : m_boxes) {
        box->commitPending();
    }
    if (const auto refused = m_model.confirm()) {
        showMessageBox(this, *refused);
        return;
    }
    accept();
}

} // namespace orthavel

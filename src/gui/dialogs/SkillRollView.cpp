// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/dialogs/SkillRollView.h"

#include "core/interaction/ChoiceDialog.h"
#include "core/interaction/FormDialog.h"
#include "gui/dialogs/DialogLook.h"
#include "gui/dialogs/ModelSpinBox.h"
#include "gui/dialogs/QtInteraction.h"
#include "qtcommon/QtText.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace orthavel {

namespace {

// The list shows this many skills before it scrolls.
constexpr int kShownRows = 12;

} // namespace

SkillRollView::SkillRollView(SkillRoll& model, QWidget* parent) : QDialog(parent), m_model(model) {
    applyDialogLook(this);
    setWindowTitle(toQString(SkillRoll::kTitle));
    auto* layout = new QVBoxLayout(this);

    QString mnemonics;
    auto* fields = new QHBoxLayout;
    auto* skillLabel =
        new QLabel(withMnemonic(toQString(SkillRoll::kFilterLabel), mnemonics), this);
    m_filter = new QLineEdit(toQString(m_model.filter()), this);
    m_filter->setPlaceholderText(tr("type to narrow"));
    skillLabel->setBuddy(m_filter);
    nameAfterLabel(m_filter, skillLabel->text());
    auto* difficultyLabel =
        new QLabel(withMnemonic(toQString(SkillRoll::kDifficultyLabel), mnemonics), this);
    m_difficulty = new ModelSpinBox(this);
    difficultyLabel->setBuddy(m_difficulty);
    nameAfterLabel(m_difficulty, difficultyLabel->text());
    fields->addWidget(skillLabel);
    fields->addWidget(m_filter, 1);
    fields->addSpacing(12);
    fields->addWidget(difficultyLabel);
    fields->addWidget(m_difficulty);
    layout->addLayout(fields);

    m_list = new QTreeWidget(this);
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({tr("Skill"), tr("Rating")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setAccessibleName(tr("Rated skills"));
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_list->setMinimumSize(fontMetrics().averageCharWidth() * 40,
                           fontMetrics().height() * (kShownRows + 2));
    layout->addWidget(m_list, 1);

    auto* bottom = new QHBoxLayout;
    m_baseNumber = plainLabel(QString(), this);
    m_baseNumber->setMinimumWidth(
        fontMetrics().horizontalAdvance(QStringLiteral("Base Number: -2000")));
    auto* ok = new QPushButton(toQString(kOkCaption), this);
    auto* cancel = new QPushButton(toQString(kCancelCaption), this);
    ok->setDefault(true);
    bottom->addWidget(m_baseNumber);
    bottom->addStretch();
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    layout->addLayout(bottom);

    connect(m_filter, &QLineEdit::textEdited, this, [this](const QString& typed) {
        m_model.setFilter(typed.toStdString());
        showSkills();
    });
    // Up and Down choose from the list while the filter keeps the keyboard.
    m_filter->installEventFilter(this);
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item != nullptr) {
            m_model.choose(item->text(0).toStdString());
            showBaseNumber();
        }
    });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &SkillRollView::confirm);
    // The base number follows every digit typed; a box left with no number in range shows what
    // was typed, and OK says what it takes.
    connect(m_difficulty, &ModelSpinBox::typing, this, [this](const QString& typed) {
        m_model.typeDifficulty(typed.toStdString());
        showBaseNumber();
    });
    connect(m_difficulty, &ModelSpinBox::committed, this, [this](const QString& typed) {
        if (m_model.typeDifficulty(typed.toStdString())) {
            m_difficulty->showValue(m_model.difficulty(), SkillRoll::kLowestDifficulty,
                                    SkillRoll::kHighestDifficulty);
        }
        showBaseNumber();
    });
    connect(m_difficulty, &ModelSpinBox::stepped, this, [this](int delta) {
        m_model.setDifficulty(m_model.difficulty() + delta);
        m_difficulty->showValue(m_model.difficulty(), SkillRoll::kLowestDifficulty,
                                SkillRoll::kHighestDifficulty);
        showBaseNumber();
    });
    connect(ok, &QPushButton::clicked, this, &SkillRollView::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_difficulty->showValue(m_model.difficulty(), SkillRoll::kLowestDifficulty,
                            SkillRoll::kHighestDifficulty);
    showSkills();
    // Opened on a skill of the sheet, only the difficulty is left to type.
    if (m_model.given()) {
        m_difficulty->setFocus();
        m_difficulty->selectAll();
    } else {
        m_filter->setFocus();
    }
    fitToScreen(this);
}

SkillRollView::~SkillRollView() {
    disconnectChildren(this);
}

bool SkillRollView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_filter && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(m_list, event);
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SkillRollView::showSkills() {
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        const SkillRoll::RatedSkill* chosen = m_model.chosen();
        for (const SkillRoll::RatedSkill& skill : m_model.shown()) {
            auto* item =
                new QTreeWidgetItem(m_list, {toQString(skill.name), QString::number(skill.rating)});
            item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
            if (chosen != nullptr && chosen->skill == skill.skill) {
                m_list->setCurrentItem(item);
            }
        }
    }
    if (QTreeWidgetItem* current = m_list->currentItem()) {
        m_list->scrollToItem(current);
    }
    showBaseNumber();
}

void SkillRollView::showBaseNumber() {
    m_baseNumber->setText(toQString(m_model.baseNumberText()));
}

void SkillRollView::confirm() {
    m_difficulty->commitPending();
    if (const auto refused = m_model.confirm()) {
        showMessageBox(this, *refused);
        QWidget* field = m_model.chosen() == nullptr ? static_cast<QWidget*>(m_filter)
                                                     : static_cast<QWidget*>(m_difficulty);
        field->setFocus();
        return;
    }
    accept();
}

} // namespace orthavel

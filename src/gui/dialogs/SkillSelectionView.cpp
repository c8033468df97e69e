// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/dialogs/SkillSelectionView.h"

#include "core/skills/EmphasisDisplay.h"
#include "gui/dialogs/DialogLook.h"
#include "gui/dialogs/EmphasisView.h"
#include "gui/dialogs/ModelSpinBox.h"
#include "gui/dialogs/QtInteraction.h"
#include "qtcommon/QtText.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace orthavel {

namespace {

// The left column holds the first seven categories, the right one the other six.
constexpr int kLeftColumnRows = 7;

} // namespace

SkillSelectionView::SkillSelectionView(SkillSelection& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
    applyDialogLook(this);
    setWindowTitle(toQString(SkillSelection::kTitle));

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    // Each list takes the first free letter of its label; "E" belongs to "&Emphasis Levels".
    QString mnemonics = QStringLiteral("e");
    for (int c = 0; c < kSkillCategoryCount; ++c) {
        const auto category = static_cast<SkillCategory>(c);
        auto* label = new QLabel(withMnemonic(toQString(categoryLabel(category)), mnemonics), this);
        auto* list = new QComboBox(this);
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setMaxVisibleItems(20);
        list->setMinimumContentsLength(18);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        for (const CatalogueEntry& entry : categoryEntries(category)) {
            list->addItem(toQString(entry.name));
        }
        list->setCurrentIndex(-1);
        list->lineEdit()->clear();
        auto* box = new ModelSpinBox(this);
        box->setMinimumWidth(52);
        label->setBuddy(list);
        nameAfterLabel(list, label->text());
        box->setAccessibleName(list->accessibleName() + QStringLiteral(" rating"));

        const int row = c < kLeftColumnRows ? c : c - kLeftColumnRows;
        const int column = c < kLeftColumnRows ? 0 : 3;
        grid->addWidget(label, row, column);
        grid->addWidget(list, row, column + 1);
        grid->addWidget(box, row, column + 2);

        // A pick from the list chooses an entry; typed text is taken when the field is left
        // (eventFilter), by the model's rule rather than the list's own.
        list->installEventFilter(this);
        connect(list, &QComboBox::activated, this, [this, category, list](int index) {
            if (m_leavingEditField) {
                return;
            }
            m_model.chooseEntry(category, list->itemText(index).toStdString());
            refresh();
        });
        connect(box, &ModelSpinBox::stepped, this, [this, category](int delta) {
            m_model.stepBox(category, delta);
            refresh();
        });
        connect(box, &ModelSpinBox::committed, this, [this, category](const QString& typed) {
            m_model.typeBoxValue(category, typed.toStdString());
            refresh();
        });
        m_lists[static_cast<std::size_t>(c)] = list;
        m_boxes[static_cast<std::size_t>(c)] = box;
    }
    grid->setColumnMinimumWidth(2 + 1, 24);
    layout->addLayout(grid);

    // The counter, the buttons and the two lines stay in view when the rows must scroll.
    auto* footer = new QWidget(this);
    auto* footerLayout = new QVBoxLayout(footer);
    footerLayout->setContentsMargins(0, 0, 0, 0);
    auto* bottom = new QHBoxLayout;
    m_counter = new QLabel(this);
    m_counter->setMinimumWidth(140);
    auto* emphasis = new QPushButton(toQString(SkillSelection::kEmphasisButton), this);
    auto* ok = new QPushButton(toQString(SkillSelection::kOkButton), this);
    ok->setDefault(true);
    bottom->addWidget(m_counter);
    bottom->addStretch();
    bottom->addWidget(emphasis);
    bottom->addWidget(ok);
    footerLayout->addLayout(bottom);
    connect(emphasis, &QPushButton::clicked, this, &SkillSelectionView::showEmphasis);
    connect(ok, &QPushButton::clicked, this, &SkillSelectionView::confirm);

    footerLayout->addWidget(new QLabel(toQString(SkillSelection::kTextLine1), this));
    footerLayout->addWidget(new QLabel(toQString(SkillSelection::kTextLine2), this));
    keepInView(footer);
    layout->addWidget(footer);
    for (QComboBox* list : m_lists) {
        enterPressesDefault(list, ok);
    }

    refresh();
    fitToScreen(this);
}

SkillSelectionView::~SkillSelectionView() {
    disconnectChildren(this);
}

bool SkillSelectionView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusOut) {
        return QDialog::eventFilter(watched, event);
    }
    // The list handles its focus out here and now, with its activation ignored meanwhile.
    m_leavingEditField = true;
    watched->event(event);
    m_leavingEditField = false;
    // Then the text left in the field is taken as the model takes a typed entry, and the field
    // shows what is chosen: the entry named, or the one chosen before. Not when the focus goes
    // into a drop-down: it comes back when the drop-down closes, and the text is still typed.
    auto* list = qobject_cast<QComboBox*>(watched);
    const auto found = std::find(m_lists.begin(), m_lists.end(), list);
    if (found != m_lists.end() && QApplication::activePopupWidget() == nullptr) {
        const auto category = static_cast<SkillCategory>(found - m_lists.begin());
        if (list->currentText() != toQString(m_model.chosenEntry(category))) {
            m_model.typeEntry(category, list->currentText().toStdString());
            const QString chosen = toQString(m_model.chosenEntry(category));
            list->setCurrentIndex(list->findText(chosen, Qt::MatchExactly));
            list->setEditText(chosen);
            refresh();
        }
    }
    return true;
}

QComboBox* SkillSelectionView::list(SkillCategory category) const {
    return m_lists.at(static_cast<std::size_t>(category));
}

ModelSpinBox* SkillSelectionView::box(SkillCategory category) const {
    return m_boxes.at(static_cast<std::size_t>(category));
}

void SkillSelectionView::refresh() {
    for (int c = 0; c < kSkillCategoryCount; ++c) {
        const auto category = static_cast<SkillCategory>(c);
        m_boxes[static_cast<std::size_t>(c)]->showValue(m_model.boxValue(category), kLowestRating,
                                                        kHighestRating);
    }
    m_counter->setText(QString::fromStdString(m_model.counterText()));
}

void SkillSelectionView::showEmphasis() {
    EmphasisView view(layoutEmphasisDisplay(m_model.race(), m_model.showEmphasis()), this);
    view.exec();
}

void SkillSelectionView::confirm() {
    if (const auto refused = m_model.confirm()) {
        showMessageBox(this, *refused);
        return;
    }
    accept();
}

} // namespace orthavel

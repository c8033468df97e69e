// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/dialogs/ModelSpinBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>

namespace orthavel {
namespace {

// The box holds whatever number was typed, up to nine digits and a sign; the model's own range
// is only where the arrows stop.
constexpr int kTypedLimit = 999'999'999;

} // namespace

ModelSpinBox::ModelSpinBox(QWidget* parent) : QSpinBox(parent) {
    setKeyboardTracking(false);
    setAccelerated(false);
    connect(this, &QAbstractSpinBox::editingFinished, this, &ModelSpinBox::commitPending);
    connect(lineEdit(), &QLineEdit::textEdited, this, &ModelSpinBox::typing);
}

void ModelSpinBox::commitPending() {
    // Only text the user typed is a commit; leaving an untouched box changes nothing.
    if (lineEdit()->isModified()) {
        lineEdit()->setModified(false);
        Q_EMIT committed(cleanText());
    }
}

void ModelSpinBox::showValue(int value, int minimum, int maximum) {
    const QSignalBlocker blocker(this);
    m_minimum = minimum;
    m_maximum = maximum;
    setRange(std::min(-kTypedLimit, value), std::max(kTypedLimit, value));
    setValue(value);
    lineEdit()->setModified(false);
}

void ModelSpinBox::stepBy(int steps) {
    const int delta = steps < 0 ? -1 : 1;
    for (int i = 0; i < std::abs(steps); ++i) {
        Q_EMIT stepped(delta);
    }
}

void ModelSpinBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        commitPending();
    }
    QSpinBox::keyPressEvent(event);
}

QValidator::State ModelSpinBox::validate(QString& text, int& /*position*/) const {
    const QString typed = text.trimmed();
    if (typed.isEmpty() || typed == QStringLiteral("-") || typed == QStringLiteral("+")) {
        return QValidator::Intermediate;
    }
    bool whole = false;
    const int number = typed.toInt(&whole);
    return whole && number >= -kTypedLimit && number <= kTypedLimit ? QValidator::Acceptable
                                                                    : QValidator::Invalid;
}

// As wide as a rating or a level needs, not as the nine digits a box can hold.
QSize ModelSpinBox::sizeHint() const {
    ensurePolished();
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QSize text(fontMetrics().horizontalAdvance(QStringLiteral("-1000")) + 4,
                     lineEdit()->sizeHint().height());
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, text, this);
}

QSize ModelSpinBox::minimumSizeHint() const {
    return sizeHint();
}

QAbstractSpinBox::StepEnabled ModelSpinBox::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (value() > m_minimum) {
        enabled |= StepDownEnabled;
    }
    if (value() < m_maximum) {
        enabled |= StepUpEnabled;
    }
    return enabled;
}

} // namespace orthavel

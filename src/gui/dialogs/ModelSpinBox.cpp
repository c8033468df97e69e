#include "gui/dialogs/ModelSpinBox.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

namespace orthavel {

ModelSpinBox::ModelSpinBox(QWidget* parent) : QSpinBox(parent) {
    setKeyboardTracking(false);
    setAccelerated(false);
    connect(this, &QAbstractSpinBox::editingFinished, this, &ModelSpinBox::commitPending);
}

void ModelSpinBox::commitPending() {
    // Only text the user typed is a commit; leaving an untouched box changes nothing.
    if (lineEdit()->isModified()) {
        lineEdit()->setModified(false);
        emit committed(cleanText());
    }
}

void ModelSpinBox::showValue(int value, int minimum, int maximum) {
    const QSignalBlocker blocker(this);
    m_minimum = minimum;
    m_maximum = maximum;
    setRange(std::min(minimum, value), std::max(maximum, value));
    setValue(value);
    lineEdit()->setModified(false);
}

void ModelSpinBox::stepBy(int steps) {
    const int delta = steps < 0 ? -1 : 1;
    for (int i = 0; i < std::abs(steps); ++i) {
        emit stepped(delta);
    }
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

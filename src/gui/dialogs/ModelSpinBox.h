// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSpinBox>

namespace orthavel {

// A number box whose arrows and committed text go to a core model instead of changing the value
// itself: it reports an arrow click as stepped(+1 / -1) and a committed entry (the box was left
// or Enter pressed) as committed(text); the view then shows the model's value again. Any whole
// number can be typed whole: the model takes it or refuses it, the box never shortens it.
class ModelSpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit ModelSpinBox(QWidget* parent = nullptr);

    // Shows a value of the model; the range grows to hold a value from a file outside it.
    void showValue(int value, int minimum, int maximum);

    void stepBy(int steps) override;
    QValidator::State validate(QString& text, int& position) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Commits text typed and not yet committed, as leaving the box would.
    void commitPending();

Q_SIGNALS:
    void stepped(int delta);
    void committed(const QString& text);
    // Every key typed, before anything is committed: for a view that shows what the typed
    // number would make.
    void typing(const QString& text);

protected:
    StepEnabled stepEnabled() const override;
    // Enter commits what was typed, as leaving the box does, before the dialog sees it.
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_minimum = 0;
    int m_maximum = 0;
};

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <optional>

class QKeyEvent;
class QLabel;
class QStatusBar;

namespace orthavel {

// The states of the three lock keys.
struct LockStates {
    bool caps = false;
    bool num = false;
    bool scroll = false;

    bool operator==(const LockStates&) const = default;
};

// The lock states after a key event, from the modifier state the windowing system sent with it.
// On X11 the state is the one before the event: a press of a lock key toggles its bit. Scroll
// lock has no modifier bit there, so its presses are counted from the previous states.
LockStates lockStatesAfter(const QString& platform, LockStates before, int eventType, int key,
                           quint32 nativeModifiers);

// The caps and num lock states as the windowing system has them now, where it can tell.
std::optional<LockStates> queryLockStates();

// The CAP, NUM and SCRL panes of the status bar, greyed while their key's lock is off; they follow
// every key the application receives.
class LockIndicators : public QObject {
    Q_OBJECT
public:
    explicit LockIndicators(QStatusBar* statusBar);

    const LockStates& states() const { return m_states; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void readFromSystem();
    void show();

    LockStates m_states;
    QLabel* m_caps = nullptr;
    QLabel* m_num = nullptr;
    QLabel* m_scroll = nullptr;
};

} // namespace orthavel

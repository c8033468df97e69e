// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/app/LockIndicators.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

#ifdef ORTHAVEL_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace orthavel {

namespace {

// X11 modifier bits: Lock, and Mod2, where num lock sits on nearly every keyboard map.
constexpr quint32 kX11CapsLock = 0x02;
constexpr quint32 kX11NumLock = 0x10;
// Windows key-state bits as Qt passes them on.
constexpr quint32 kWindowsCapsLock = 0x100;
constexpr quint32 kWindowsNumLock = 0x200;
constexpr quint32 kWindowsScrollLock = 0x400;

} // namespace

std::optional<LockStates> queryLockStates() {
#ifdef ORTHAVEL_HAVE_XCB
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return std::nullopt;
    }
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (screen == nullptr) {
        return std::nullopt;
    }
    // The pointer query answers the modifier state, the locks included.
    xcb_query_pointer_reply_t* reply =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, screen->root), nullptr);
    if (reply == nullptr) {
        return std::nullopt;
    }
    LockStates states;
    states.caps = (reply->mask & kX11CapsLock) != 0;
    states.num = (reply->mask & kX11NumLock) != 0;
    std::free(reply);
    return states;
#else
    return std::nullopt;
#endif
}

LockStates lockStatesAfter(const QString& platform, LockStates before, int eventType, int key,
                           quint32 nativeModifiers) {
    LockStates after = before;
    const bool press = eventType == QEvent::KeyPress;
    if (platform == QLatin1String("xcb")) {
        // Pressing a lock key toggles it; while it is released the state is in flux, so the
        // release of a lock key changes nothing.
        const auto read = [&](bool& state, quint32 bit, int lockKey) {
            const bool current = (nativeModifiers & bit) != 0;
            if (key != lockKey) {
                state = current;
            } else if (press) {
                state = !current;
            }
        };
        read(after.caps, kX11CapsLock, Qt::Key_CapsLock);
        read(after.num, kX11NumLock, Qt::Key_NumLock);
    } else if (platform == QLatin1String("windows")) {
        after.caps = (nativeModifiers & kWindowsCapsLock) != 0;
        after.num = (nativeModifiers & kWindowsNumLock) != 0;
        after.scroll = (nativeModifiers & kWindowsScrollLock) != 0;
        return after;
    } else {
        // Nothing to read: count the presses.
        if (press && key == Qt::Key_CapsLock) {
            after.caps = !after.caps;
        }
        if (press && key == Qt::Key_NumLock) {
            after.num = !after.num;
        }
    }
    if (press && key == Qt::Key_ScrollLock) {
        after.scroll = !after.scroll;
    }
    return after;
}

LockIndicators::LockIndicators(QStatusBar* statusBar) : QObject(statusBar) {
    auto pane = [statusBar](const QString& text) {
        auto* label = new QLabel(text, statusBar);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(text) + 10);
        statusBar->addPermanentWidget(label);
        return label;
    };
    m_caps = pane(QStringLiteral("CAP"));
    m_num = pane(QStringLiteral("NUM"));
    m_scroll = pane(QStringLiteral("SCRL"));
    readFromSystem();
    qApp->installEventFilter(this);
    // The locks may have changed while another program had the keyboard.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive) {
                    readFromSystem();
                }
            });
}

void LockIndicators::readFromSystem() {
    if (const auto states = queryLockStates()) {
        // Scroll lock is not among the modifiers: it keeps the state counted so far.
        m_states.caps = states->caps;
        m_states.num = states->num;
    }
    show();
}

bool LockIndicators::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // A key event travels up from the focus widget; read it once, at its first receiver.
        if (!key->spontaneous() || !watched->isWindowType() || key->isAutoRepeat()) {
            return false;
        }
        const LockStates after = lockStatesAfter(QGuiApplication::platformName(), m_states,
                                                 event->type(), key->key(), key->nativeModifiers());
        if (!(after == m_states)) {
            m_states = after;
            show();
        }
    }
    return false;
}

void LockIndicators::show() {
    m_caps->setEnabled(m_states.caps);
    m_num->setEnabled(m_states.num);
    m_scroll->setEnabled(m_states.scroll);
}

} // namespace orthavel

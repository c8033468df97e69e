// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/document/CQuorvelDoc.h"
#include "gui/dialogs/QtInteraction.h"

#include <QStringList>

#include <memory>

class QApplication;

namespace orthavel {

class CMainFrame;
class RecoveryFile;
class RollLogFile;

// The program: its one character, the dialogs that ask the user, and the main window.
class CQuorvelApp {
public:
    CQuorvelApp();
    ~CQuorvelApp();
    CQuorvelApp(const CQuorvelApp&) = delete;
    CQuorvelApp& operator=(const CQuorvelApp&) = delete;

    // Answers --help and --version on the terminal and ends the program, before any window code
    // runs, so that they work without a display; returns when the window's start-up goes on.
    static void answerTerminalOptions(int argc, char* argv[]);

    // Names the program for its settings and gives it its look; call once, before anything else.
    static void configure(QApplication& application);

    // Creates the main window with the rolls kept from the runs before and opens the character
    // file named by the arguments (the program's name first), if any, then offers the characters
    // that programs which did not close properly left unsaved. False when start-up must end: the
    // file could not be opened.
    bool InitInstance(const QStringList& arguments);

    CQuorvelDoc& document() { return m_document; }
    CMainFrame* mainFrame() const { return m_frame.get(); }

private:
    CQuorvelDoc m_document;
    QtInteraction m_ui;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<RollLogFile> m_rollLogFile;
    std::unique_ptr<RecoveryFile> m_recovery;
};

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/app/CMainFrame.h"
#include "gui/app/CQuorvelApp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>

#include <cstdio>

int main(int argc, char* argv[]) {
    QElapsedTimer started;
    started.start();
    orthavel::CQuorvelApp::answerTerminalOptions(argc, argv);
    QApplication application(argc, argv);
    orthavel::CQuorvelApp::configure(application);

    orthavel::CQuorvelApp program;
    if (!program.InitInstance(QApplication::arguments())) {
        return 1;
    }
    // For measuring the start-up: report when the window is on the screen and leave.
    QTimer exposed;
    if (qEnvironmentVariableIsSet("ORTHAVEL_QUIT_AFTER_SHOW")) {
        QObject::connect(&exposed, &QTimer::timeout, &application, [&] {
            const QWindow* window = program.mainFrame()->windowHandle();
            if (window != nullptr && window->isExposed()) {
                exposed.stop();
                std::fprintf(stderr, "main window shown after %lld ms\n",
                             static_cast<long long>(started.elapsed()));
                QApplication::quit();
            }
        });
        exposed.start(1);
    }
    return QApplication::exec();
}

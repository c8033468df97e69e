// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the program's start-up: a bare Qt Widgets main window of the same shape
// (a menu bar, a toolbar, a status bar, 640 x 480 at the screen's corner) that reports when it
// is on the screen, as orthavel does with ORTHAVEL_QUIT_AFTER_SHOW, and leaves.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

#include <cstdio>

int main(int argc, char* argv[]) {
    QElapsedTimer started;
    started.start();
    QApplication application(argc, argv);

    QMainWindow window;
    QToolBar* toolBar = window.addToolBar(QStringLiteral("Toolbar"));
    const auto addEntries = [&](const QString& title, const QStringList& captions) {
        QMenu* menu = window.menuBar()->addMenu(title);
        for (const QString& caption : captions) {
            QAction* action = menu->addAction(caption);
            action->setStatusTip(caption);
            toolBar->addAction(action);
        }
    };
    addEntries(QStringLiteral("&File"), {QStringLiteral("&New"), QStringLiteral("&Open..."),
                                         QStringLiteral("&Save"), QStringLiteral("&Print...")});
    addEntries(QStringLiteral("&View"), {QStringLiteral("&Toolbar"), QStringLiteral("Page &1")});
    addEntries(QStringLiteral("&Help"), {QStringLiteral("&About...")});
    window.statusBar()->addWidget(new QLabel(QStringLiteral("Ready")), 1);
    window.setCentralWidget(new QWidget);
    window.setFixedSize(640, 480);
    window.move(0, 0);
    window.show();

    QTimer exposed;
    QObject::connect(&exposed, &QTimer::timeout, &application, [&] {
        const QWindow* handle = window.windowHandle();
        if (handle != nullptr && handle->isExposed()) {
            exposed.stop();
            std::fprintf(stderr, "main window shown after %lld ms\n",
                         static_cast<long long>(started.elapsed()));
            QApplication::quit();
        }
    });
    exposed.start(1);
    return QApplication::exec();
}

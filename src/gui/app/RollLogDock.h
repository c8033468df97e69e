// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDockWidget>

#include <optional>

class QAbstractItemModel;
class QListView;

namespace orthavel {

class RollLog;

// "Roll Log": every roll shown, newest first (time, purpose, roll, and what the ROC roll or a
// rule table made of it), with Copy, Save Log As... and Clear below.
class RollLogDock : public QDockWidget {
    Q_OBJECT
public:
    RollLogDock(RollLog& log, QWidget* parent = nullptr);

    QListView* view() const { return m_view; }

    // Shows the log again after a change.
    void refresh();
    // Copies the selected rolls, or the whole log when none is selected, as the saved text has
    // them: one roll a line, the columns separated by tabs.
    void copy();
    // Asks where to save the log as plain text and saves it there.
    void saveAs();
    // Saves the log as plain text through the checked writer; a failure leaves the file there as
    // it was, and the answer says why.
    std::optional<QString> saveTo(const QString& path);
    void clear();

private:
    RollLog& m_log;
    QAbstractItemModel* m_model = nullptr;
    QListView* m_view = nullptr;
};

} // namespace orthavel

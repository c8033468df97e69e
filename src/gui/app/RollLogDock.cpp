// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/app/RollLogDock.h"

#include "core/dice/RollLog.h"
#include "core/interaction/Message.h"
#include "gui/app/FileDialogs.h"
#include "gui/dialogs/QtInteraction.h"
#include "qtcommon/QtText.h"
#include "qtcommon/SafeFile.h"

#include <QAbstractListModel>
#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QListView>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace orthavel {

namespace {

// The rolls of a log, newest first, each as one entry of two lines: when, what for and the roll,
// then what the ROC roll or a rule table made of it. A narrow dock wraps the second line.
class RollLogModel : public QAbstractListModel {
public:
    RollLogModel(const RollLog& log, QObject* parent) : QAbstractListModel(parent), m_log(log) {}

    void reset() {
        beginResetModel();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_log.rolls().size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount({})) {
            return {};
        }
        const LoggedRoll& roll = m_log.rolls()[static_cast<std::size_t>(index.row())];
        // Whatever the file holds is shown as written: a tooltip that looks like HTML would be
        // taken for it.
        if (role == Qt::ToolTipRole) {
            return Qt::convertFromPlainText(toQString(roll.time));
        }
        if (role != Qt::DisplayRole) {
            return {};
        }
        QString text = QStringLiteral("%1  %2: %3")
                           .arg(shownTime(toQString(roll.time)), toQString(roll.purpose))
                           .arg(roll.roll);
        if (!roll.outcome.empty()) {
            text += QLatin1Char('\n') + toQString(roll.outcome);
        }
        return text;
    }

private:
    // Today's rolls show their time of day only; older ones their date too.
    static QString shownTime(const QString& time) {
        const QString today = QDate::currentDate().toString(Qt::ISODate) + QLatin1Char(' ');
        return time.startsWith(today) ? time.mid(today.size()) : time;
    }

    const RollLog& m_log;
};

} // namespace

RollLogDock::RollLogDock(RollLog& log, QWidget* parent)
    : QDockWidget(tr("Roll Log"), parent), m_log(log) {
    setObjectName(QStringLiteral("RollLog"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);

    m_model = new RollLogModel(m_log, this);
    m_view = new QListView(body);
    m_view->setModel(m_model);
    m_view->setWordWrap(true);
    m_view->setResizeMode(QListView::Adjust);
    m_view->setAlternatingRowColors(true);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setAccessibleName(tr("Rolls, newest first"));
    layout->addWidget(m_view);

    // Ctrl+C in the list copies as the button does.
    auto* copyKey = new QAction(tr("Copy"), m_view);
    copyKey->setShortcut(QKeySequence::Copy);
    copyKey->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_view->addAction(copyKey);
    connect(copyKey, &QAction::triggered, this, &RollLogDock::copy);

    // The letters of the buttons are none of the menu bar's.
    auto* buttons = new QHBoxLayout;
    auto* copyButton = new QPushButton(tr("Co&py"), body);
    auto* saveButton = new QPushButton(tr("&Save Log As..."), body);
    auto* clearButton = new QPushButton(tr("C&lear"), body);
    for (QPushButton* button : {copyButton, saveButton, clearButton}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(copyButton, &QPushButton::clicked, this, &RollLogDock::copy);
    connect(saveButton, &QPushButton::clicked, this, &RollLogDock::saveAs);
    connect(clearButton, &QPushButton::clicked, this, &RollLogDock::clear);
    setWidget(body);
}

void RollLogDock::refresh() {
    static_cast<RollLogModel*>(m_model)->reset();
}

void RollLogDock::copy() {
    QModelIndexList rows = m_view->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    std::string text;
    for (const QModelIndex& row : rows) {
        text += RollLog::line(m_log.rolls()[static_cast<std::size_t>(row.row())]);
    }
    QGuiApplication::clipboard()->setText(toQString(rows.isEmpty() ? m_log.text() : text));
}

void RollLogDock::saveAs() {
    const QString path =
        askSavePath(this, tr("Save Log As"), QDir(startingFolder()).filePath(tr("roll-log.txt")),
                    tr("Text files (*.txt)"), QStringLiteral("txt"));
    if (path.isEmpty()) {
        return;
    }
    if (const auto problem = saveTo(path)) {
        showMessageBox(this, {kApplicationTitle,
                              QStringLiteral("The roll log could not be saved to \"%1\": %2.")
                                  .arg(QDir::toNativeSeparators(path), *problem)
                                  .toStdString(),
                              true});
    }
}

std::optional<QString> RollLogDock::saveTo(const QString& path) {
    return writeWholeFile(path, QByteArray::fromStdString(m_log.text()));
}

void RollLogDock::clear() {
    m_log.clear();
}

} // namespace orthavel

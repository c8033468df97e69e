// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/dice/RollLog.h"
#include "core/document/CommandId.h"
#include "core/document/DocumentObserver.h"
#include "gui/app/RecentFiles.h"

#include <QMainWindow>

#include <array>
#include <map>
#include <optional>

class QAction;
class QMenu;
class QToolBar;

namespace orthavel {

class CQuorvelDoc;
class CQuorvelView;
class Interaction;
class LockIndicators;
class PartyDock;
class RollLogDock;
struct Command;

// Where the main window goes on a screen whose free area is screen: its top-left corner, 640 by
// 480 or smaller to fit.
QRect mainWindowGeometry(const QRect& screen);

// The local help page "kessari_help.htm": the one installed beside the program or in its share
// folder, or else a copy taken out of the program into the cache folder.
QString localHelpPage();

// The main window: menus, toolbar and status bar around the one view. Each command goes to the
// document; the window itself carries out only what concerns files, windows and help.
class CMainFrame : public QMainWindow, public DocumentObserver {
    Q_OBJECT
public:
    CMainFrame(CQuorvelDoc& document, Interaction& ui, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The action of a command of the menu or toolbar.
    QAction* commandAction(CommandId id) const;
    // The actions of the numbered recent files, shown only while the list has that many.
    const std::array<QAction*, RecentFiles::kMaximum>& recentFileActions() const {
        return m_recentActions;
    }
    QToolBar* toolBar() const { return m_toolBar; }
    CQuorvelView* view() const { return m_view; }
    // Every roll the document's dice showed while the window was open, and the rolls a run
    // before left (RollLogFile); View > Roll Log shows them.
    RollLog& rollLog() { return m_rollLog; }
    RollLogDock* rollLogDock() const { return m_logDock; }
    const RecentFiles& recentFiles() const { return m_recentFiles; }
    // The game master's party beside the character (View > Party, the Party menu).
    PartyDock* partyDock() const { return m_partyDock; }

    // Opens a character file; a failure is shown and leaves the open character as it was.
    bool openFile(const QString& path);
    // Saves the character to path; a failure is shown and leaves the document modified.
    bool saveFile(const QString& path);
    // Save: to the document's file, or under a name asked for while it has none or its name came
    // from a recovery file (Save As proposes that name).
    bool save();
    bool saveAs();
    // Export PDF: the four sheet pages into one PDF file, after asking where; the status bar
    // says where it went.
    void exportPdf();
    // File > Export > a stat block or an actor: written where the user says (the dialog proposes
    // the character's name), through the safe writer; the status bar says where it went.
    void exportCharacter(CommandId id);
    // Edit > Copy as Stat Block: the plain text and the HTML in one clipboard entry, so that each
    // program that takes a paste picks the form it reads.
    void copyStatBlock();
    // Asks whether to save a modified character; false when the user cancelled or saving failed.
    bool querySaveChanges();

    // Carries out a command as its menu entry does.
    void runCommand(CommandId id);

    void documentChanged(const CQuorvelDoc& document, DocumentChange changes) override;

Q_SIGNALS:
    // The roll log changed: a roll was shown, or the log was cleared or restored.
    void rollLogChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A .ksc file dropped on the window opens as File > Open opens it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void buildRollLog();
    void fitWidthToRollLog();
    void buildParty();
    void fitHeightToParty();
    QMenu* menuAt(std::string_view path);
    QAction* makeCommandAction(const Command& command);
    void addRecentFileEntries(QMenu* menu);
    void showRecentFiles();
    void openRecentFile(int index);
    void openWithDialog();
    void openAfterAsking(const QString& path);
    void openHelpPage();
    QString documentPath() const;

    CQuorvelDoc& m_document;
    Interaction& m_ui;
    CQuorvelView* m_view = nullptr;
    QToolBar* m_toolBar = nullptr;
    LockIndicators* m_locks = nullptr;
    RollLog m_rollLog;
    RollLogDock* m_logDock = nullptr;
    std::map<CommandId, QAction*> m_actions;
    std::map<std::string_view, QMenu*> m_menus;
    QAction* m_recentPlaceholder = nullptr;
    std::array<QAction*, RecentFiles::kMaximum> m_recentActions{};
    RecentFiles m_recentFiles;
    // While the roll log stands beside the sheet: the window's size before it opened.
    std::optional<QSize> m_sizeWithoutLog;
    PartyDock* m_partyDock = nullptr;
    // While the party stands under the sheet: the window's height before it opened.
    std::optional<int> m_heightWithoutParty;
};

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/app/CMainFrame.h"

#include "core/document/CQuorvelDoc.h"
#include "core/document/Commands.h"
#include "core/interaction/Interaction.h"
#include "gui/app/DrawnIcon.h"
#include "gui/app/FileDialogs.h"
#include "gui/app/LockIndicators.h"
#include "gui/app/PartyDock.h"
#include "gui/app/Resources.h"
#include "gui/app/RollLogDock.h"
#include "gui/dialogs/HelpDialogs.h"
#include "gui/sheet/CQuorvelView.h"
#include "qtcommon/CharacterFileIO.h"
#include "qtcommon/QtText.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include <algorithm>
#include <vector>

namespace orthavel {

namespace {

// The character file among dropped data: the first local file ending in .ksc, if any.
QString droppedCharacterFile(const QMimeData* data) {
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() &&
            QFileInfo(url.toLocalFile())
                    .suffix()
                    .compare(QStringLiteral("ksc"), Qt::CaseInsensitive) == 0) {
            return url.toLocalFile();
        }
    }
    return {};
}

void openWebPage(const char* address) {
    QDesktopServices::openUrl(QUrl(QString::fromUtf8(address)));
}

} // namespace

QRect mainWindowGeometry(const QRect& screen) {
    return {screen.topLeft(), QSize(std::min(640, screen.width()), std::min(480, screen.height()))};
}

CMainFrame::CMainFrame(CQuorvelDoc& document, Interaction& ui, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      m_document(document), m_ui(ui) {
    initResources();
    setAcceptDrops(true);
    setWindowIcon(drawnIcon(QStringLiteral(":/icons/orthavel.svg")));

    m_view = new CQuorvelView(m_document, m_ui, this);
    setCentralWidget(m_view);
    // A cover starts its generation exactly as the menu entry does.
    connect(m_view, &CQuorvelView::coverClicked, this, [this](MainMenuCover cover) {
        runCommand(cover == MainMenuCover::Quick ? CommandId::NewQuickPc
                                                 : CommandId::NewFullGeneration);
    });
    // A double click on a skill line of the sheet rolls against that skill.
    connect(m_view, &CQuorvelView::skillLineDoubleClicked, this,
            [this](std::int32_t skill) { m_document.OnRollAgainstSkill(m_ui, skill); });
    buildMenus();
    buildToolBar();
    buildStatusBar();
    buildRollLog();
    buildParty();

    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect place =
        mainWindowGeometry(screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 640, 480));
    setFixedSize(place.size());
    move(place.topLeft());

    m_document.addObserver(this);
    documentChanged(m_document, DocumentChange::All);
}

CMainFrame::~CMainFrame() {
    m_document.removeObserver(this);
    if (m_document.dice().log() == &m_rollLog) {
        m_document.dice().setLog(nullptr);
    }
    m_rollLog.setOnChange({});
    // The dock is hidden as the window's widgets are destroyed, after this part of the window is.
    if (m_logDock != nullptr) {
        m_logDock->disconnect(this);
    }
    if (m_partyDock != nullptr) {
        m_partyDock->disconnect(this);
    }
}

QAction* CMainFrame::commandAction(CommandId id) const {
    const auto found = m_actions.find(id);
    return found == m_actions.end() ? nullptr : found->second;
}

QMenu* CMainFrame::menuAt(std::string_view path) {
    if (const auto found = m_menus.find(path); found != m_menus.end()) {
        return found->second;
    }
    const auto split = path.rfind('>');
    QMenu* menu = nullptr;
    if (split == std::string_view::npos) {
        menu = menuBar()->addMenu(toQString(path));
    } else {
        menu = menuAt(path.substr(0, split))->addMenu(toQString(path.substr(split + 1)));
    }
    m_menus.emplace(path, menu);
    return menu;
}

QAction* CMainFrame::makeCommandAction(const Command& command) {
    auto* action = new QAction(toQString(command.caption), this);
    if (!command.shortcut.empty()) {
        action->setShortcuts(QKeySequence::listFromString(toQString(command.shortcut)));
    }
    if (!command.prompt.empty()) {
        action->setStatusTip(toQString(command.prompt));
    }
    if (!command.toolTip.empty()) {
        action->setToolTip(toQString(command.toolTip));
    }
    action->setCheckable(command.checkable);
    if (!command.icon.empty()) {
        action->setIcon(drawnIcon(QStringLiteral(":/icons/") + toQString(command.icon)));
    }
    action->setIconVisibleInMenu(false);
    connect(action, &QAction::triggered, this, [this, id = command.id] { runCommand(id); });
    m_actions.emplace(command.id, action);
    return action;
}

void CMainFrame::buildMenus() {
    for (const Command& command : commandTable()) {
        QMenu* menu = menuAt(command.menu);
        if (command.separatorBefore) {
            menu->addSeparator();
        }
        if (command.id == CommandId::RecentFile) {
            // Stands in for the recent files while there are none, as a greyed entry.
            m_recentPlaceholder = menu->addAction(toQString(command.caption));
            m_recentPlaceholder->setEnabled(false);
            addRecentFileEntries(menu);
        } else {
            menu->addAction(makeCommandAction(command));
        }
    }
    commandAction(CommandId::Toolbar)->setChecked(true);
    commandAction(CommandId::StatusBar)->setChecked(true);
}

void CMainFrame::addRecentFileEntries(QMenu* menu) {
    const Command& entry = command(CommandId::RecentFile);
    for (int i = 0; i < RecentFiles::kMaximum; ++i) {
        auto* action = new QAction(this);
        action->setStatusTip(toQString(entry.prompt));
        connect(action, &QAction::triggered, this, [this, i] { openRecentFile(i); });
        menu->addAction(action);
        m_recentActions[static_cast<std::size_t>(i)] = action;
    }
    showRecentFiles();
}

void CMainFrame::showRecentFiles() {
    const QStringList& files = m_recentFiles.files();
    m_recentPlaceholder->setVisible(files.isEmpty());
    for (int i = 0; i < RecentFiles::kMaximum; ++i) {
        QAction* action = m_recentActions[static_cast<std::size_t>(i)];
        const bool used = i < files.size();
        action->setVisible(used);
        if (used) {
            action->setText(recentFileCaption(i, files[i]));
            action->setToolTip(QDir::toNativeSeparators(files[i]));
        }
    }
}

void CMainFrame::buildToolBar() {
    m_toolBar = new QToolBar(tr("Toolbar"), this);
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setIconSize(QSize(16, 15));
    m_toolBar->setMovable(true);
    m_toolBar->setFloatable(true);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    std::vector<const Command*> buttons;
    for (const Command& command : commandTable()) {
        if (command.toolbar.group != 0) {
            buttons.push_back(&command);
        }
    }
    std::sort(buttons.begin(), buttons.end(), [](const Command* a, const Command* b) {
        return std::pair(a->toolbar.group, a->toolbar.place) <
               std::pair(b->toolbar.group, b->toolbar.place);
    });
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (i > 0 && buttons[i]->toolbar.group != buttons[i - 1]->toolbar.group) {
            m_toolBar->addSeparator();
        }
        m_toolBar->addAction(commandAction(buttons[i]->id));
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    connect(m_toolBar, &QToolBar::visibilityChanged, commandAction(CommandId::Toolbar),
            &QAction::setChecked);
}

void CMainFrame::buildStatusBar() {
    QStatusBar* bar = statusBar();
    // The window has a fixed size: nothing to grip.
    bar->setSizeGripEnabled(false);
    auto* idle = new QLabel(tr("Ready"), bar);
    bar->addWidget(idle, 1);
    m_locks = new LockIndicators(bar);
}

namespace {

// How wide the roll log stands beside the sheet when it opens.
constexpr int kRollLogWidth = 330;

} // namespace

void CMainFrame::buildRollLog() {
    m_document.dice().setLog(&m_rollLog);
    m_logDock = new RollLogDock(m_rollLog, this);
    m_logDock->hide();
    addDockWidget(Qt::RightDockWidgetArea, m_logDock);
    m_rollLog.setOnChange([this] { Q_EMIT rollLogChanged(); });
    connect(this, &CMainFrame::rollLogChanged, m_logDock, &RollLogDock::refresh);
    // The entry shows whether the log is open, also after its close box was clicked.
    connect(m_logDock->toggleViewAction(), &QAction::toggled, commandAction(CommandId::RollLog),
            &QAction::setChecked);
    // The window grows by the log beside the sheet, so that the sheet keeps its room.
    connect(m_logDock, &QDockWidget::visibilityChanged, this, &CMainFrame::fitWidthToRollLog);
    connect(m_logDock, &QDockWidget::topLevelChanged, this, &CMainFrame::fitWidthToRollLog);
}

void CMainFrame::fitWidthToRollLog() {
    const bool beside = !m_logDock->isHidden() && !m_logDock->isFloating();
    if (beside == m_sizeWithoutLog.has_value()) {
        return;
    }
    if (!beside) {
        // The width the window had before the log opened beside the sheet.
        setFixedSize(m_sizeWithoutLog->width(), height());
        m_sizeWithoutLog.reset();
        return;
    }
    m_sizeWithoutLog = size();
    const QScreen* shownOn = screen();
    const int room = shownOn != nullptr ? shownOn->availableGeometry().width() : width();
    setFixedSize(std::max(width(), std::min(width() + kRollLogWidth, room)), height());
    resizeDocks({m_logDock}, {kRollLogWidth}, Qt::Horizontal);
}

namespace {

// How tall the party stands under the sheet when it opens.
constexpr int kPartyHeight = 220;

} // namespace

// The Party menu's commands that need an open party.
constexpr CommandId kPartyCommands[] = {
    CommandId::SaveParty,    CommandId::SavePartyAs,      CommandId::AddCharacters,
    CommandId::AddFolder,    CommandId::AddOpenCharacter, CommandId::RemoveFromParty,
    CommandId::PrintSummary, CommandId::ExportSummary,
};

void CMainFrame::buildParty() {
    m_partyDock = new PartyDock(
        m_document, m_ui,
        [this](const QString& path) { return querySaveChanges() && openFile(path); }, this);
    m_partyDock->hide();
    addDockWidget(Qt::BottomDockWidgetArea, m_partyDock);
    // Delete removes members while the party has the keyboard, and nowhere else.
    QAction* remove = commandAction(CommandId::RemoveFromParty);
    remove->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_partyDock->addAction(remove);
    const auto enable = [this](bool open) {
        for (const CommandId id : kPartyCommands) {
            commandAction(id)->setEnabled(open);
        }
    };
    enable(false);
    connect(m_partyDock, &PartyDock::partyOpened, this, enable);
    connect(m_partyDock->toggleViewAction(), &QAction::toggled, commandAction(CommandId::PartyDock),
            &QAction::setChecked);
    connect(m_partyDock, &QDockWidget::visibilityChanged, this, &CMainFrame::fitHeightToParty);
    connect(m_partyDock, &QDockWidget::topLevelChanged, this, &CMainFrame::fitHeightToParty);
    m_partyDock->restoreFromSettings();
}

void CMainFrame::fitHeightToParty() {
    const bool under = !m_partyDock->isHidden() && !m_partyDock->isFloating();
    if (under == m_heightWithoutParty.has_value()) {
        return;
    }
    if (!under) {
        setFixedSize(width(), *m_heightWithoutParty);
        m_heightWithoutParty.reset();
        return;
    }
    m_heightWithoutParty = height();
    const QScreen* shownOn = screen();
    const int room = shownOn != nullptr ? shownOn->availableGeometry().height() : height();
    setFixedSize(width(), std::max(height(), std::min(height() + kPartyHeight, room)));
    resizeDocks({m_partyDock}, {kPartyHeight}, Qt::Vertical);
}

void CMainFrame::documentChanged(const CQuorvelDoc& document, DocumentChange /*changes*/) {
    // "[*]" in a file name is shown as it is: doubled, it is no place for the modified mark.
    setWindowTitle(QStringLiteral("%1 - %2[*]")
                       .arg(QLatin1String(kApplicationTitle),
                            toQString(document.displayName())
                                .replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"))));
    setWindowModified(document.IsModified());
    commandAction(CommandId::RulesTips)->setChecked(document.record().m_bRulesTips != 0);
    // "&Undo Update Skills" while there is something to undo; the plain caption, greyed, when not.
    const auto showEdit = [](QAction* action, bool enabled, const std::string& caption) {
        action->setEnabled(enabled);
        action->setText(QLatin1Char('&') + toQString(caption));
        action->setToolTip(toQString(caption));
    };
    showEdit(commandAction(CommandId::Undo), document.history().canUndo(), document.undoCaption());
    showEdit(commandAction(CommandId::Redo), document.history().canRedo(), document.redoCaption());
}

void CMainFrame::runCommand(CommandId id) {
    const Command& command = orthavel::command(id);
    if (command.run != nullptr) {
        // A generation replaces the open character: unsaved changes are offered for saving
        // first, as before opening another file.
        if (command.replacesCharacter && !querySaveChanges()) {
            return;
        }
        const CharacterRecord before = m_document.record();
        m_document.runCommand(command, m_ui);
        if (id == CommandId::NewRandomNpc && m_document.fileName().empty() &&
            m_document.record() != before) {
            m_partyDock->offerNewCharacterWhenSaved();
        }
        // A checkable entry shows the document's state, not the click, also when the command
        // changed nothing and so told nobody.
        commandAction(CommandId::RulesTips)->setChecked(m_document.record().m_bRulesTips != 0);
        return;
    }
    // The window's own commands.
    switch (id) {
    case CommandId::Undo:
        m_document.OnEditUndo();
        break;
    case CommandId::Redo:
        m_document.OnEditRedo();
        break;
    case CommandId::Open:
        openWithDialog();
        break;
    case CommandId::Save:
        save();
        break;
    case CommandId::SaveAs:
        saveAs();
        break;
    case CommandId::Print:
        m_view->print();
        break;
    case CommandId::PrintPreview:
        m_view->printPreview();
        break;
    case CommandId::PrintSetup: {
        QPageSetupDialog setup(&m_view->printer(), this);
        setup.exec();
        break;
    }
    case CommandId::ExportPdf:
        exportPdf();
        break;
    case CommandId::ExportText:
    case CommandId::ExportMarkdown:
    case CommandId::ExportHtml:
    case CommandId::ExportOdt:
    case CommandId::ExportFoundry:
        exportCharacter(id);
        break;
    case CommandId::CopyStatBlock:
        copyStatBlock();
        break;
    case CommandId::Exit:
        close();
        break;
    case CommandId::Toolbar:
        m_toolBar->setVisible(commandAction(id)->isChecked());
        break;
    case CommandId::StatusBar:
        statusBar()->setVisible(commandAction(id)->isChecked());
        break;
    case CommandId::RollLog:
        m_logDock->setVisible(commandAction(id)->isChecked());
        if (m_logDock->isVisible()) {
            m_logDock->raise();
        }
        break;
    case CommandId::PartyDock:
        m_partyDock->setVisible(commandAction(id)->isChecked());
        if (m_partyDock->isVisible()) {
            m_partyDock->raise();
        }
        break;
    case CommandId::NewParty:
        m_partyDock->newParty();
        break;
    case CommandId::OpenParty:
        m_partyDock->openPartyWithDialog();
        break;
    case CommandId::SaveParty:
        m_partyDock->saveParty();
        break;
    case CommandId::SavePartyAs:
        m_partyDock->savePartyAs();
        break;
    case CommandId::AddCharacters:
        m_partyDock->addCharacters();
        break;
    case CommandId::AddFolder:
        m_partyDock->addFolder();
        break;
    case CommandId::AddOpenCharacter:
        m_partyDock->addOpenCharacter();
        break;
    case CommandId::RemoveFromParty:
        m_partyDock->removeSelected();
        break;
    case CommandId::PrintSummary:
        m_partyDock->printSummary();
        break;
    case CommandId::ExportSummary:
        m_partyDock->exportSummary();
        break;
    case CommandId::LocalHelp:
        openHelpPage();
        break;
    case CommandId::UpdatesSite:
        openWebPage(ORTHAVEL_UPDATES_URL);
        break;
    case CommandId::GameSite:
        openWebPage(ORTHAVEL_GAME_URL);
        break;
    case CommandId::GeneralHelp:
        makeGeneralHelpDialog(this)->exec();
        break;
    case CommandId::About:
        makeAboutDialog(this)->exec();
        break;
    case CommandId::LegalDisclaimer:
        makeLegalDialog(this)->exec();
        break;
    default:
        break;
    }
}

QString CMainFrame::documentPath() const {
    return QFile::decodeName(QByteArray::fromStdString(m_document.fileName().string()));
}

bool CMainFrame::openFile(const QString& path) {
    if (const auto problem = openCharacterFile(path, [this](const std::filesystem::path& file) {
            return m_document.OnOpenDocument(file);
        })) {
        m_ui.showMessage({kApplicationTitle, problem->toStdString(), true});
        return false;
    }
    m_recentFiles.add(path);
    showRecentFiles();
    return true;
}

bool CMainFrame::saveFile(const QString& path) {
    if (const auto problem = saveCharacterFile(
            path, m_document.SaveBytes(),
            [this](const std::filesystem::path& file) { m_document.OnDocumentSaved(file); })) {
        m_ui.showMessage({kApplicationTitle, problem->toStdString(), true});
        return false;
    }
    m_recentFiles.add(path);
    showRecentFiles();
    return true;
}

bool CMainFrame::save() {
    if (m_document.saveAsksForName()) {
        return saveAs();
    }
    return saveFile(documentPath());
}

bool CMainFrame::saveAs() {
    QString proposal = documentPath();
    if (proposal.isEmpty()) {
        proposal = QDir(startingFolder()).filePath(toQString(m_document.proposedFileName()));
    }
    const QString path = askSavePath(this, tr("Save As"), proposal, QLatin1String(kCharacterFilter),
                                     QStringLiteral("ksc"));
    if (path.isEmpty()) {
        return false;
    }
    return saveFile(withCharacterExtension(path));
}

bool CMainFrame::querySaveChanges() {
    if (!m_document.IsModified()) {
        return true;
    }
    switch (m_ui.askSaveChanges(m_document.displayName())) {
    case SaveAnswer::Save:
        return save();
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

void CMainFrame::openWithDialog() {
    if (!querySaveChanges()) {
        return;
    }
    const QString folder =
        m_document.fileName().empty() ? startingFolder() : QFileInfo(documentPath()).absolutePath();
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Open"), folder, QLatin1String(kCharacterFilter));
    if (!path.isEmpty()) {
        openFile(path);
    }
}

void CMainFrame::openAfterAsking(const QString& path) {
    if (querySaveChanges()) {
        openFile(path);
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedCharacterFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QString path = droppedCharacterFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // Once the drop is over: the program the file came from must not wait for our questions.
    QMetaObject::invokeMethod(
        this, [this, path] { openAfterAsking(path); }, Qt::QueuedConnection);
}

void CMainFrame::exportPdf() {
    const QString name = QFileInfo(toQString(m_document.displayName())).completeBaseName();
    const QString folder =
        m_document.fileName().empty() ? startingFolder() : QFileInfo(documentPath()).absolutePath();
    const QString path =
        askSavePath(this, tr("Export PDF"), QDir(folder).filePath(name + QStringLiteral(".pdf")),
                    tr("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty()) {
        return;
    }
    if (const auto problem = m_view->exportPdfTo(path)) {
        m_ui.showMessage({kApplicationTitle, problem->toStdString(), true});
        return;
    }
    statusBar()->showMessage(tr("Sheet exported to %1").arg(QDir::toNativeSeparators(path)));
}

void CMainFrame::openRecentFile(int index) {
    const QStringList& files = m_recentFiles.files();
    if (index >= files.size() || !querySaveChanges()) {
        return;
    }
    const QString path = files[index];
    if (!openFile(path)) {
        m_recentFiles.remove(path);
        showRecentFiles();
    }
}

QString localHelpPage() {
    const QString name = QStringLiteral("kessari_help.htm");
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const QString& installed :
         {programFolder.filePath(name),
          programFolder.filePath(QStringLiteral(ORTHAVEL_DATA_FROM_PROGRAM "/") + name)}) {
        if (QFileInfo::exists(installed)) {
            return QDir::cleanPath(installed);
        }
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(folder);
    const QString page = QDir(folder).filePath(name);
    // A fresh copy each time, so a page left by an older version is replaced.
    QFile::remove(page);
    QFile::copy(QStringLiteral(":/help/kessari_help.htm"), page);
    QFile::setPermissions(page, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                    QFile::ReadOther);
    return page;
}

void CMainFrame::openHelpPage() {
    // What happens when no program can show the page is up to the desktop.
    QDesktopServices::openUrl(QUrl::fromLocalFile(localHelpPage()));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (querySaveChanges()) {
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace orthavel

#include "gui/app/CMainFrame.h"

#include "core/document/CQuorvelDoc.h"
#include "core/document/Commands.h"
#include "core/interaction/Interaction.h"
#include "gui/app/CommandMap.h"
#include "gui/app/DrawnIcon.h"
#include "gui/app/LockIndicators.h"
#include "gui/app/Resources.h"
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

namespace orthavel {

namespace {

// The toolbar pictures.
struct ButtonIcon {
    int id;
    const char* file;
};
constexpr ButtonIcon kButtonIcons[] = {
    {ID_FILE_NEW, "new_quickpc.svg"},     {ID_FULL_GENERATION, "full_generation.svg"},
    {ID_FILE_OPEN, "open.svg"},           {ID_FILE_SAVE, "save.svg"},
    {ID_EDIT_UNDO, "undo.svg"},           {ID_EDIT_REDO, "redo.svg"},
    {ID_FILE_PRINT, "print.svg"},         {ID_APP_ABOUT, "about.svg"},
    {ID_VIEW_MAIN_MENU, "main_menu.svg"}, {ID_VIEW_PAGE1, "page1.svg"},
    {ID_VIEW_PAGE2, "page2.svg"},         {ID_VIEW_PAGE3, "page3.svg"},
    {ID_VIEW_PAGE4, "page4.svg"},
};

QIcon buttonIcon(int id) {
    for (const auto& icon : kButtonIcons) {
        if (icon.id == id) {
            return drawnIcon(QStringLiteral(":/icons/") + QLatin1String(icon.file));
        }
    }
    return {};
}

// Where the file dialogs start for an unnamed character: the documents folder, or home.
QString startingFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

// Asks where to save as the standard dialog does. The dialog itself adds the extension to a name
// without one, so that it asks before replacing a file under the name the file will really have.
QString askSavePath(QWidget* parent, const QString& title, const QString& proposal,
                    const QString& filter, const QString& extension) {
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(extension);
    dialog.selectFile(proposal);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

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

QString withCharacterExtension(const QString& path) {
    if (QFileInfo(path).suffix().isEmpty()) {
        return path + QStringLiteral(".ksc");
    }
    return path;
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
        runCommand(cover == MainMenuCover::Quick ? ID_FILE_NEW : ID_FULL_GENERATION);
    });
    buildMenus();
    buildToolBar();
    buildStatusBar();

    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect place =
        mainWindowGeometry(screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 640, 480));
    setFixedSize(place.size());
    move(place.topLeft());

    m_document.addObserver(this);
    documentChanged(m_document);
}

CMainFrame::~CMainFrame() {
    m_document.removeObserver(this);
}

QAction* CMainFrame::commandAction(int id) const {
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

QAction* CMainFrame::makeCommandAction(int id) {
    const MenuEntry* entry = findMenuEntry(id);
    auto* action = new QAction(toQString(entry->caption), this);
    if (!entry->key.empty()) {
        action->setShortcuts(QKeySequence::listFromString(toQString(entry->key)));
    }
    if (!entry->prompt.empty()) {
        action->setStatusTip(toQString(statusPrompt(entry->prompt)));
    }
    if (const auto tip = toolTipOf(entry->prompt); !tip.empty()) {
        action->setToolTip(toQString(tip));
    }
    action->setCheckable(entry->checkable);
    action->setIcon(buttonIcon(id));
    action->setIconVisibleInMenu(false);
    connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
    m_actions.emplace(id, action);
    return action;
}

void CMainFrame::buildMenus() {
    for (const MenuEntry& entry : menuEntries()) {
        QMenu* menu = menuAt(entry.menu);
        if (entry.id == 0) {
            menu->addSeparator();
        } else if (entry.id == ID_FILE_MRU_FILE1) {
            // Stands in for the recent files while there are none, as a greyed entry.
            m_recentPlaceholder = menu->addAction(toQString(entry.caption));
            m_recentPlaceholder->setEnabled(false);
            addRecentFileEntries(menu);
        } else {
            menu->addAction(makeCommandAction(entry.id));
        }
        if (entry.id == ID_FILE_PRINT_SETUP) {
            // All four sheet pages of the character into one PDF file.
            QAction* exportPdf = menu->addAction(tr("&Export PDF..."));
            exportPdf->setStatusTip(tr("Write the four sheet pages into one PDF file"));
            connect(exportPdf, &QAction::triggered, this, &CMainFrame::exportPdf);
        }
    }
    commandAction(ID_VIEW_TOOLBAR)->setChecked(true);
    commandAction(ID_VIEW_STATUS_BAR)->setChecked(true);
}

void CMainFrame::addRecentFileEntries(QMenu* menu) {
    const MenuEntry* entry = findMenuEntry(ID_FILE_MRU_FILE1);
    for (int i = 0; i < RecentFiles::kMaximum; ++i) {
        auto* action = new QAction(this);
        action->setStatusTip(toQString(entry->prompt));
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
    for (const int id : kToolbarButtons) {
        if (id == 0) {
            m_toolBar->addSeparator();
        } else {
            m_toolBar->addAction(commandAction(id));
        }
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    connect(m_toolBar, &QToolBar::visibilityChanged, commandAction(ID_VIEW_TOOLBAR),
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

void CMainFrame::documentChanged(const CQuorvelDoc& document) {
    setWindowTitle(QStringLiteral("%1 - %2[*]")
                       .arg(QLatin1String(kApplicationTitle), toQString(document.displayName())));
    setWindowModified(document.IsModified());
    commandAction(ID_RULES_TIPS)->setChecked(document.record().m_bRulesTips != 0);
    // "&Undo Update Skills" while there is something to undo; the plain caption, greyed, when not.
    const auto showEdit = [](QAction* action, bool enabled, const std::string& caption) {
        action->setEnabled(enabled);
        action->setText(QLatin1Char('&') + toQString(caption));
        action->setToolTip(toQString(caption));
    };
    showEdit(commandAction(ID_EDIT_UNDO), document.history().canUndo(), document.undoCaption());
    showEdit(commandAction(ID_EDIT_REDO), document.history().canRedo(), document.redoCaption());
}

void CMainFrame::runCommand(int id) {
    if (const DocumentCommand* command = findDocumentCommand(id)) {
        // A generation replaces the open character: unsaved changes are offered for saving
        // first, as before opening another file.
        if (command->replacesCharacter && !querySaveChanges()) {
            return;
        }
        m_document.runCommand(*command, m_ui);
        // A checkable entry shows the document's state, not the click.
        documentChanged(m_document);
        return;
    }
    switch (id) {
    case ID_EDIT_UNDO:
        m_document.OnEditUndo();
        break;
    case ID_EDIT_REDO:
        m_document.OnEditRedo();
        break;
    case ID_FILE_OPEN:
        openWithDialog();
        break;
    case ID_FILE_SAVE:
        save();
        break;
    case ID_FILE_SAVE_AS:
        saveAs();
        break;
    case ID_FILE_PRINT:
        m_view->print();
        break;
    case ID_FILE_PRINT_PREVIEW:
        m_view->printPreview();
        break;
    case ID_FILE_PRINT_SETUP: {
        QPageSetupDialog setup(&m_view->printer(), this);
        setup.exec();
        break;
    }
    case ID_APP_EXIT:
        close();
        break;
    case ID_VIEW_TOOLBAR:
        m_toolBar->setVisible(commandAction(id)->isChecked());
        break;
    case ID_VIEW_STATUS_BAR:
        statusBar()->setVisible(commandAction(id)->isChecked());
        break;
    case ID_HELP_LOCAL:
        openHelpPage();
        break;
    case ID_HELP_UPDATES:
        openWebPage(ORTHAVEL_UPDATES_URL);
        break;
    case ID_HELP_GAME_SITE:
        openWebPage(ORTHAVEL_GAME_URL);
        break;
    case ID_HELP_GENERAL:
        makeGeneralHelpDialog(this)->exec();
        break;
    case ID_APP_ABOUT:
        makeAboutDialog(this)->exec();
        break;
    case ID_HELP_LEGAL:
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

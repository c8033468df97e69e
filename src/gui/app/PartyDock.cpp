// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/app/PartyDock.h"

#include "core/document/CQuorvelDoc.h"
#include "core/interaction/ChoiceDialog.h"
#include "core/interaction/Interaction.h"
#include "core/sheet/SummaryLayout.h"
#include "gui/app/FileDialogs.h"
#include "gui/app/PartyModel.h"
#include "qtcommon/CharacterFileIO.h"
#include "qtcommon/QtText.h"
#include "qtcommon/SafeFile.h"
#include "qtsheet/SummaryRender.h"
#include "script/PartyFile.h"

#include <QAction>
#include <QCollator>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace orthavel {

namespace {

constexpr char kPartyFilter[] = "Orthavel Parties (*.kparty)";
constexpr char kFileKey[] = "party/file";
constexpr char kVisibleKey[] = "party/visible";

QString pathText(const std::filesystem::path& file) {
    return QFile::decodeName(QByteArray::fromStdString(file.string()));
}

// Enter in the table opens the current member, as a double click does.
class MemberTable : public QTableView {
public:
    std::function<void()> onEnter;
    using QTableView::QTableView;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && onEnter) {
            onEnter();
            return;
        }
        QTableView::keyPressEvent(event);
    }
};

} // namespace

PartyDock::PartyDock(CQuorvelDoc& document, Interaction& ui, OpenMember openMember, QWidget* parent)
    : QDockWidget(tr("Party"), parent), m_document(document), m_ui(ui),
      m_openMember(std::move(openMember)) {
    setObjectName(QStringLiteral("PartyDock"));
    m_model = new PartyModel(this);
    m_sorted = new PartySortModel(this);
    m_sorted->setSourceModel(m_model);
    m_watcher = new QFileSystemWatcher(this);

    auto* content = new QWidget(this);
    auto* filterLabel = new QLabel(tr("&Filter:"), content);
    m_filter = new QLineEdit(content);
    m_filter->setClearButtonEnabled(true);
    m_filter->setPlaceholderText(tr("Name, profession or culture"));
    m_filter->setAccessibleName(tr("Filter the party"));
    m_filter->setAccessibleDescription(tr("Shows the members whose name, profession or culture "
                                          "holds this text"));
    filterLabel->setBuddy(m_filter);
    auto* table = new MemberTable(content);
    m_table = table;
    m_table->setModel(m_sorted);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(-1, Qt::AscendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setResizeContentsPrecision(100);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 4);
    m_table->setAccessibleName(tr("Party members"));
    m_table->setAccessibleDescription(
        tr("One row per member; Enter opens the member, Delete removes it from the party"));
    table->onEnter = [this] { openCurrent(); };
    connect(m_table, &QAbstractItemView::doubleClicked, this, [this] { openCurrent(); });
    connect(m_filter, &QLineEdit::textChanged, m_sorted, &PartySortModel::setFilterText);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, [this](const QString& file) {
        m_model->refreshFile(toPath(file));
        // A file replaced by renaming another over it is no longer watched.
        if (QFileInfo::exists(file) && !m_watcher->files().contains(file)) {
            m_watcher->addPath(file);
        }
    });

    auto* top = new QHBoxLayout;
    top->addWidget(filterLabel);
    top->addWidget(m_filter, 1);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(top);
    layout->addWidget(m_table, 1);
    setWidget(content);
    // What the user shows or hides; a dock hidden with its window as the program closes is shown
    // again at the next start.
    connect(toggleViewAction(), &QAction::toggled, this, [this](bool shown) {
        if (parentWidget() == nullptr || parentWidget()->isVisible()) {
            QSettings().setValue(QLatin1String(kVisibleKey), shown);
        }
    });
    m_document.addObserver(this);
}

PartyDock::~PartyDock() {
    m_document.removeObserver(this);
}

void PartyDock::saveParty() {
    savePartyTo(partyPath());
}

QString PartyDock::partyPath() const {
    return m_model->partyFile().empty() ? QString() : pathText(m_model->partyFile());
}

void PartyDock::fail(const QString& text) {
    m_ui.showMessage({kApplicationTitle, text.toStdString(), true});
}

void PartyDock::showParty() {
    const bool open = !m_model->partyFile().empty();
    Q_EMIT partyOpened(open);
    m_table->resizeColumnsToContents();
    const QString name = toQString(m_model->party().name);
    setWindowTitle(open ? tr("Party: %1").arg(name) : tr("Party"));
    m_model->setOpenFile(m_document.fileName());
    watchMembers();
}

void PartyDock::watchMembers() {
    if (!m_watcher->files().isEmpty()) {
        m_watcher->removePaths(m_watcher->files());
    }
    QStringList files;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const QString file = pathText(m_model->member(row).file);
        if (!file.isEmpty() && QFileInfo(file).isFile()) {
            files.append(file);
        }
    }
    if (!files.isEmpty()) {
        m_watcher->addPaths(files);
    }
}

bool PartyDock::openParty(const QString& path) {
    const std::filesystem::path file = std::filesystem::absolute(toPath(path));
    PartyReading reading = readPartyFile(file);
    if (!reading.party) {
        fail(tr("Cannot open \"%1\": %2.").arg(path, toQString(reading.problem)));
        return false;
    }
    m_model->setParty(std::move(*reading.party), file);
    QSettings().setValue(QLatin1String(kFileKey), pathText(file));
    showParty();
    return true;
}

bool PartyDock::savePartyTo(const QString& path) {
    const std::filesystem::path file = std::filesystem::absolute(toPath(path));
    Party party = m_model->party();
    if (!m_model->partyFile().empty() && file.parent_path() != m_model->partyFile().parent_path()) {
        // From another folder the members are found by other relative paths.
        std::vector<std::filesystem::path> members;
        for (int row = 0; row < m_model->rowCount(); ++row) {
            members.push_back(m_model->member(row).file);
        }
        party.members.clear();
        addMembers(party, file.parent_path(), members);
    }
    if (auto reason = writeWholeFile(path, QByteArray::fromStdString(partyFileText(party)))) {
        fail(tr("Cannot save \"%1\": %2.").arg(path, *reason));
        return false;
    }
    if (file != m_model->partyFile()) {
        m_model->setParty(std::move(party), file);
        QSettings().setValue(QLatin1String(kFileKey), pathText(file));
    }
    showParty();
    return true;
}

void PartyDock::newParty() {
    const QString path =
        askSavePath(this, tr("New Party"), QDir(startingFolder()).filePath(tr("party.kparty")),
                    tr(kPartyFilter), QStringLiteral("kparty"));
    if (path.isEmpty()) {
        return;
    }
    const QString named =
        QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".kparty") : path;
    Party party;
    party.name = QFileInfo(named).completeBaseName().toStdString();
    m_model->setParty(std::move(party), {});
    savePartyTo(named);
    show();
}

void PartyDock::openPartyWithDialog() {
    const QString folder =
        partyPath().isEmpty() ? startingFolder() : QFileInfo(partyPath()).absolutePath();
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Open Party"), folder, tr(kPartyFilter));
    if (!path.isEmpty() && openParty(path)) {
        show();
    }
}

void PartyDock::savePartyAs() {
    const QString path = askSavePath(this, tr("Save Party As"), partyPath(), tr(kPartyFilter),
                                     QStringLiteral("kparty"));
    if (!path.isEmpty()) {
        savePartyTo(path);
    }
}

void PartyDock::addFiles(const QStringList& files) {
    if (m_model->partyFile().empty() || files.isEmpty()) {
        return;
    }
    std::vector<std::filesystem::path> paths;
    for (const QString& file : files) {
        paths.push_back(toPath(file));
    }
    Party party = m_model->party();
    if (!addMembers(party, m_model->partyFile().parent_path(), paths)) {
        fail(tr("A party holds at most %1 members.").arg(kMostPartyMembers));
        return;
    }
    m_model->setParty(std::move(party), m_model->partyFile());
    savePartyTo(partyPath());
}

void PartyDock::addCharacters() {
    const QString folder = QFileInfo(partyPath()).absolutePath();
    addFiles(QFileDialog::getOpenFileNames(this, tr("Add Characters"), folder,
                                           QLatin1String(kCharacterFilter)));
}

void PartyDock::addFolder() {
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Add Folder"),
                                                             QFileInfo(partyPath()).absolutePath());
    if (folder.isEmpty()) {
        return;
    }
    QStringList names =
        QDir(folder).entryList({QStringLiteral("*.ksc")}, QDir::Files | QDir::Readable);
    std::sort(names.begin(), names.end(), naturalOrder());
    QStringList files;
    for (const QString& name : names) {
        files.append(QDir(folder).filePath(name));
    }
    addFiles(files);
}

void PartyDock::addOpenCharacter() {
    if (m_document.fileName().empty()) {
        fail(tr("Save the character first: a party lists character files."));
        return;
    }
    addFiles({pathText(m_document.fileName())});
}

void PartyDock::removeSelected() {
    std::vector<std::filesystem::path> files;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows()) {
        const PartyMember& member = m_model->member(m_sorted->mapToSource(index).row());
        files.push_back(member.file.empty() ? std::filesystem::path(member.stored) : member.file);
    }
    if (files.empty() || m_model->partyFile().empty()) {
        return;
    }
    Party party = m_model->party();
    removeMembers(party, m_model->partyFile().parent_path(), files);
    m_model->setParty(std::move(party), m_model->partyFile());
    savePartyTo(partyPath());
}

void PartyDock::openCurrent() {
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid()) {
        return;
    }
    const PartyMember& member = m_model->member(m_sorted->mapToSource(current).row());
    if (member.status != MemberStatus::Ok) {
        fail(tr("Cannot open \"%1\": %2.").arg(toQString(member.stored), toQString(member.reason)));
        return;
    }
    m_openMember(pathText(member.file));
}

const SheetRenderer& PartyDock::renderer() {
    if (!m_renderer) {
        m_renderer = std::make_unique<SheetRenderer>();
    }
    return *m_renderer;
}

bool PartyDock::exportSummaryTo(const QString& path) {
    if (const auto problem =
            writeSummaryPdf(renderer(), m_model->readableRecords(), m_model->party().name, path)) {
        fail(*problem);
        return false;
    }
    return true;
}

void PartyDock::exportSummary() {
    const QString proposal = QFileInfo(partyPath()).absolutePath() + QLatin1Char('/') +
                             QFileInfo(partyPath()).completeBaseName() + tr(" summary.pdf");
    const QString path = askSavePath(this, tr("Export Summary as PDF"), proposal,
                                     tr("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (!path.isEmpty()) {
        exportSummaryTo(path);
    }
}

void PartyDock::printSummary() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* paper) {
        const QRect area = paper->pageLayout().paintRectPixels(paper->resolution());
        const double units = 100.0 / paper->resolution();
        const auto pages =
            layoutSummary(m_model->readableRecords(), m_model->party().name, renderer().metrics(),
                          std::min(kSummaryWidth, static_cast<int>(area.width() * units)),
                          std::min(kSummaryHeight, static_cast<int>(area.height() * units)));
        QPainter painter(paper);
        for (std::size_t p = 0; p < pages.size(); ++p) {
            if (p > 0) {
                paper->newPage();
            }
            renderer().paintOnPaper(painter, paper->resolution(), pages[p]);
        }
    });
    preview.exec();
}

void PartyDock::restoreFromSettings() {
    const QSettings settings;
    const QString last = settings.value(QLatin1String(kFileKey)).toString();
    if (!last.isEmpty() && QFileInfo(last).isFile()) {
        PartyReading reading = readPartyFile(toPath(last));
        if (reading.party) {
            m_model->setParty(std::move(*reading.party), toPath(last));
            showParty();
        }
    }
    setVisible(settings.value(QLatin1String(kVisibleKey), false).toBool());
}

void PartyDock::offerToParty(const CQuorvelDoc& document) {
    if (m_model->partyFile().empty()) {
        return; // no party open; a member already there is kept once
    }
    const std::string party = m_model->party().name.empty()
                                  ? pathText(m_model->partyFile().filename()).toStdString()
                                  : m_model->party().name;
    ChoiceDialog question;
    question.title = "Add to Party";
    question.texts = {"Add \"" + document.displayName() + "\" to the party \"" + party + "\"?"};
    ChoiceButton keep("Do&n't Add", 0);
    keep.cancels = true;
    question.columns = {{ChoiceButton("&Add", 1), keep}};
    if (m_ui.runChoice(question) == 1) {
        addFiles({pathText(document.fileName())});
    }
}

void PartyDock::documentChanged(const CQuorvelDoc& document, DocumentChange changes) {
    if (changed(changes, DocumentChange::Record)) {
        // Another character came in (opened, made, restored): no offer stands for it.
        m_offerWhenSaved = false;
    } else if (m_offerWhenSaved && changed(changes, DocumentChange::FileName) &&
               !document.fileName().empty()) {
        m_offerWhenSaved = false;
        offerToParty(document);
    }
    if (changed(changes, DocumentChange::FileName)) {
        m_model->setOpenFile(document.fileName());
    }
    // Saved here: its row shows what was saved.
    if (changed(changes, DocumentChange::Modified | DocumentChange::FileName) &&
        !document.IsModified() && !document.fileName().empty()) {
        m_model->refreshFile(document.fileName());
    }
}

} // namespace orthavel

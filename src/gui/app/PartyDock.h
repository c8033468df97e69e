// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/document/DocumentObserver.h"

#include <QDockWidget>

#include <functional>
#include <memory>
#include <optional>

class QFileSystemWatcher;
class QLineEdit;
class QTableView;

namespace orthavel {

class CQuorvelDoc;
class Interaction;
class PartyModel;
class PartySortModel;
class SheetRenderer;

// "Party": the game master's party beside the open character, one row per member, with a filter
// field; it carries out the Party menu's commands. Changes to the party are written to its file
// at once.
// Enter or a double click opens a member as the document, through openMember (which asks to
// save the open character's changes first).
class PartyDock : public QDockWidget, public DocumentObserver {
    Q_OBJECT
public:
    using OpenMember = std::function<bool(const QString& path)>;
    PartyDock(CQuorvelDoc& document, Interaction& ui, OpenMember openMember,
              QWidget* parent = nullptr);
    ~PartyDock() override;

    QLineEdit* filterField() const { return m_filter; }
    QTableView* table() const { return m_table; }
    PartyModel* model() const { return m_model; }
    PartySortModel* sortModel() const { return m_sorted; }
    QString partyPath() const;

    // Opens the party file; a failure is shown and leaves the open party as it was.
    bool openParty(const QString& path);
    // Writes the party to path, its members stored relative to path's folder.
    bool savePartyTo(const QString& path);
    // Adds the files to the party and writes it.
    void addFiles(const QStringList& files);
    // Removes the selected members from the party (never their files) and writes it.
    void removeSelected();
    // Opens the member of the current row as the document.
    void openCurrent();
    // The summary of the members as a PDF at path; a failure is shown.
    bool exportSummaryTo(const QString& path);
    // Whether the last party (and the dock's visibility) come back with the next run.
    void restoreFromSettings();
    // After New Random NPC: once the new character is first saved, the open party is offered it.
    void offerNewCharacterWhenSaved() { m_offerWhenSaved = true; }

    // The Party menu's commands that ask first (where, which files).
    void newParty();
    void openPartyWithDialog();
    void saveParty();
    void savePartyAs();
    void addCharacters();
    void addFolder();
    void addOpenCharacter();
    void printSummary();
    void exportSummary();

    void documentChanged(const CQuorvelDoc& document, DocumentChange changes) override;

Q_SIGNALS:
    // A party was opened (or none is): the commands that need one follow.
    void partyOpened(bool open);

private:
    void showParty();
    void watchMembers();
    void offerToParty(const CQuorvelDoc& document);
    void fail(const QString& text);
    const SheetRenderer& renderer();

    CQuorvelDoc& m_document;
    Interaction& m_ui;
    OpenMember m_openMember;
    PartyModel* m_model = nullptr;
    PartySortModel* m_sorted = nullptr;
    QLineEdit* m_filter = nullptr;
    QTableView* m_table = nullptr;
    QFileSystemWatcher* m_watcher = nullptr;
    std::unique_ptr<SheetRenderer> m_renderer;
    bool m_offerWhenSaved = false;
};

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/party/Party.h"
#include "core/party/PartyMember.h"
#include "core/party/PartyRow.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QSortFilterProxyModel>

#include <filesystem>
#include <vector>

namespace orthavel {

// The members of a party as a table: one row each, the columns of PartyColumn. A member that
// cannot be read is greyed, its reason as the tooltip; the open character's row is bold.
class PartyModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The number a numeric column sorts by (a double), under this role.
    static constexpr int kSortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    // Shows the party of that file, reading every member.
    void setParty(Party party, const std::filesystem::path& partyFile);
    const Party& party() const { return m_party; }
    Party& party() { return m_party; }
    const std::filesystem::path& partyFile() const { return m_partyFile; }
    const PartyMember& member(int row) const { return m_members.at(static_cast<std::size_t>(row)); }

    // Reads the members whose file is this one again; answers whether there was one.
    bool refreshFile(const std::filesystem::path& file);
    // Marks the member of this file as the open character (none for an empty path).
    void setOpenFile(const std::filesystem::path& file);
    // The character records of the members that could be read, in the party's order.
    std::vector<CharacterRecord> readableRecords() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    Party m_party;
    std::filesystem::path m_partyFile;
    std::vector<PartyMember> m_members;
    std::vector<PartyRow> m_rows;
    std::vector<std::filesystem::path> m_keys; // each member's file in one spelling
    std::filesystem::path m_openFile;
};

// Texts in natural order ("Hero 2" before "Hero 10"), any case, by the user's language (English
// where the locale is C, which has no natural order).
QCollator naturalOrder();

// The table sorted and filtered: numbers as numbers, texts in natural order ("Hero 2" before
// "Hero 10"); the filter matches name, profession and culture.
class PartySortModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit PartySortModel(QObject* parent = nullptr);

    // Shows the rows whose name, profession or culture holds text (any case).
    void setFilterText(const QString& text);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QCollator m_collator;
    QString m_filter;
};

} // namespace orthavel

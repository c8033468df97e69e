// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/app/PartyModel.h"

#include "qtcommon/QtText.h"

#include <QBrush>
#include <QFile>
#include <QFont>
#include <QLocale>
#include <QPalette>
#include <QTextDocument>

namespace orthavel {

namespace {

std::filesystem::path sameFile(const std::filesystem::path& file) {
    std::error_code ec;
    std::filesystem::path key = std::filesystem::weakly_canonical(file, ec);
    return ec ? file.lexically_normal() : key;
}

QString filePath(const std::filesystem::path& file) {
    return QFile::decodeName(QByteArray::fromStdString(file.string()));
}

} // namespace

void PartyModel::setParty(Party party, const std::filesystem::path& partyFile) {
    beginResetModel();
    m_party = std::move(party);
    m_partyFile = partyFile;
    m_members.clear();
    m_rows.clear();
    m_keys.clear();
    m_members.reserve(m_party.members.size());
    m_rows.reserve(m_party.members.size());
    for (const std::string& stored : m_party.members) {
        m_members.push_back(readMember(m_partyFile, stored));
        m_rows.push_back(m_members.back().status == MemberStatus::Ok
                             ? partyRowOf(m_members.back().record)
                             : PartyRow{});
        m_keys.push_back(sameFile(m_members.back().file));
    }
    endResetModel();
}

bool PartyModel::refreshFile(const std::filesystem::path& file) {
    const std::filesystem::path key = sameFile(file);
    bool found = false;
    for (std::size_t m = 0; m < m_members.size(); ++m) {
        if (m_keys[m] != key) {
            continue;
        }
        found = true;
        m_members[m] = readMember(m_partyFile, m_members[m].stored);
        m_rows[m] =
            m_members[m].status == MemberStatus::Ok ? partyRowOf(m_members[m].record) : PartyRow{};
        const int row = static_cast<int>(m);
        Q_EMIT dataChanged(index(row, 0), index(row, kPartyColumnCount - 1));
    }
    return found;
}

void PartyModel::setOpenFile(const std::filesystem::path& file) {
    m_openFile = file.empty() ? file : sameFile(file);
    if (!m_members.empty()) {
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, kPartyColumnCount - 1),
                           {Qt::FontRole, Qt::ToolTipRole});
    }
}

std::vector<CharacterRecord> PartyModel::readableRecords() const {
    std::vector<CharacterRecord> records;
    for (const PartyMember& member : m_members) {
        if (member.status == MemberStatus::Ok) {
            records.push_back(member.record);
        }
    }
    return records;
}

int PartyModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_members.size());
}

int PartyModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kPartyColumnCount;
}

QVariant PartyModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    const PartyMember& member = m_members[row];
    const bool ok = member.status == MemberStatus::Ok;
    const bool open = !m_openFile.empty() && ok && m_keys[row] == m_openFile;
    switch (role) {
    case Qt::DisplayRole:
        if (!ok && index.column() == static_cast<int>(PartyColumn::Name)) {
            return toQString(member.stored);
        }
        return toQString(m_rows[row].texts[column]);
    case kSortRole:
        return m_rows[row].numbers[column];
    case Qt::ToolTipRole:
        if (!ok) {
            return Qt::convertFromPlainText(
                tr("%1: %2").arg(toQString(member.stored), toQString(member.reason)));
        }
        return Qt::convertFromPlainText(
            open ? tr("%1 (the open character)").arg(filePath(member.file))
                 : filePath(member.file));
    case Qt::ForegroundRole:
        return ok ? QVariant() : QVariant(QPalette().brush(QPalette::Disabled, QPalette::Text));
    case Qt::FontRole:
        if (open) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant PartyModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kPartyColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) {
        return toQString(partyColumn(section).title);
    }
    if (role == Qt::ToolTipRole) {
        return toQString(partyColumn(section).tip);
    }
    return {};
}

QCollator naturalOrder() {
    QLocale locale;
    if (locale.language() == QLocale::C) {
        locale = QLocale(QLocale::English);
    }
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

PartySortModel::PartySortModel(QObject* parent)
    : QSortFilterProxyModel(parent), m_collator(naturalOrder()) {}

bool PartySortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    if (partyColumn(left.column()).numeric) {
        return left.data(PartyModel::kSortRole).toDouble() <
               right.data(PartyModel::kSortRole).toDouble();
    }
    return m_collator.compare(left.data().toString(), right.data().toString()) < 0;
}

void PartySortModel::setFilterText(const QString& text) {
    m_filter = text;
    invalidateFilter();
}

bool PartySortModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    const QString& wanted = m_filter;
    if (wanted.isEmpty()) {
        return true;
    }
    for (const PartyColumn column :
         {PartyColumn::Name, PartyColumn::Profession, PartyColumn::Culture}) {
        const QString text = sourceModel()
                                 ->index(sourceRow, static_cast<int>(column), sourceParent)
                                 .data()
                                 .toString();
        if (text.contains(wanted, Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/party/PartyRow.h"

#include "core/advantages/AdvantageTable.h"
#include "core/record/Cp1252.h"
#include "core/sheet/Page4Layout.h"
#include "core/sheet/SheetWriter.h"

#include <cstdio>

namespace orthavel {

namespace {

// The advantages' columns carry their first three letters.
constexpr std::array<PartyColumnInfo, kPartyColumnCount> kColumns = [] {
    std::array<PartyColumnInfo, kPartyColumnCount> columns{{
        {"Name", "The character's name", false},
        {"Race", "Kessari or Neuonian", false},
        {"Culture", "The House or city-state", false},
        {"Profession", "The job or profession", false},
        {"PL", "Profession level", true},
        {"Age", "Age in years", true},
    }};
    for (int a = 0; a < kAdvantageCount; ++a) {
        const std::string_view label = kAdvantages[static_cast<std::size_t>(a)].label;
        columns[static_cast<std::size_t>(PartyColumn::FirstAdvantage) + a] = {label.substr(0, 3),
                                                                              label, true};
    }
    const std::size_t combat = static_cast<std::size_t>(PartyColumn::Initiative);
    columns[combat] = {"Init", "Initiative base", true};
    columns[combat + 1] = {"Soak", "Soak per hit", true};
    columns[combat + 2] = {"Heal", "Heal rate: points gained per month", true};
    columns[combat + 3] = {"DB", "Damage bonus", true};
    columns[combat + 4] = {"Move", "Move rate", true};
    columns[combat + 5] = {"Armor", "The armor worn", false};
    return columns;
}();

std::string moveRateText(const CharacterRecord& r) {
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.1f/%.1f", static_cast<double>(r.m_fMoveRate),
                  static_cast<double>(r.m_fMoveRateAdj));
    return buffer.data();
}

} // namespace

const PartyColumnInfo& partyColumn(int column) {
    return kColumns.at(static_cast<std::size_t>(column));
}

PartyRow partyRowOf(const CharacterRecord& r) {
    PartyRow row;
    const auto set = [&row](PartyColumn column, std::string text, double number = 0) {
        row.texts[static_cast<std::size_t>(column)] = std::move(text);
        row.numbers[static_cast<std::size_t>(column)] = number;
    };
    const auto pair = [&set](PartyColumn column, std::int32_t value, std::int32_t adjusted) {
        set(column, pairText(value, adjusted), value);
    };
    set(PartyColumn::Name, cp1252ToUtf8(r.m_strName));
    set(PartyColumn::Race, std::string(raceName(r.m_nRace)));
    set(PartyColumn::Culture, cp1252ToUtf8(r.m_strCulture));
    set(PartyColumn::Profession, cp1252ToUtf8(r.m_strProfession));
    set(PartyColumn::Level, intText(r.m_nProfessionLevel), r.m_nProfessionLevel);
    set(PartyColumn::Age, intText(r.m_nAge), r.m_nAge);
    for (int a = 0; a < kAdvantageCount; ++a) {
        const std::int32_t level = r.m_aAdvantage[static_cast<std::size_t>(a)];
        set(static_cast<PartyColumn>(static_cast<int>(PartyColumn::FirstAdvantage) + a),
            intText(level), level);
    }
    pair(PartyColumn::Initiative, r.m_nInitiative, r.m_nInitiativeAdj);
    pair(PartyColumn::Soak, r.m_nSoak, r.m_nSoakAdj);
    pair(PartyColumn::HealRate, r.m_nHealRate, r.m_nHealRateAdj);
    pair(PartyColumn::DamageBonus, r.m_nDamageBonus, r.m_nDamageBonusAdj);
    set(PartyColumn::MoveRate, moveRateText(r), r.m_fMoveRate);
    const ArmorRow* armor = armorWorn(r.m_aEquipment[0]);
    set(PartyColumn::Armor, armor != nullptr ? std::string(armor->name) : std::string());
    return row;
}

} // namespace orthavel

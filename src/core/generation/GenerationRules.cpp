// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/generation/GenerationRules.h"

#include "core/advantages/AdvantageAssignment.h"
#include "core/advantages/ProfessionMinimums.h"
#include "core/generation/AgeClasses.h"
#include "core/record/Names.h"
#include "core/record/Wrapping.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>

namespace orthavel {
namespace {

using A = Advantage;

std::int32_t& level(CharacterRecord& record, Advantage advantage) {
    return record.m_aAdvantage.at(static_cast<std::size_t>(advantage));
}

struct LevelSet {
    Advantage advantage;
    std::int8_t level;
};

// ----- Starting professions -----

struct StartingRow {
    std::array<std::int16_t, 2> professions; // -1 for none
    std::array<LevelSet, 5> levelSlots;
    std::size_t levelCount;
    std::int32_t cost; // as the rules charge it, which is not always the levels' sum
};

consteval StartingRow starting(std::initializer_list<std::int16_t> professions,
                               std::initializer_list<LevelSet> levels, std::int32_t cost) {
    StartingRow row{{-1, -1}, {}, levels.size(), cost};
    std::copy(professions.begin(), professions.end(), row.professions.begin());
    std::copy(levels.begin(), levels.end(), row.levelSlots.begin());
    return row;
}

// clang-format off
constexpr std::array kStartingRows{
    starting({0},       {{A::Comprehension, 3}, {A::Logic, 2}}, 5),
    starting({3},       {{A::Reflex, 2}, {A::Awareness, 2}, {A::Logic, 1}, {A::Confidence, 1},
                         {A::Etiquette, 1}}, 6),
    starting({10},      {{A::Stamina, 1}}, 1),
    starting({25, 72},  {{A::Comprehension, 1}, {A::Confidence, 1}}, 2),
    starting({33},      {{A::Comprehension, 1}, {A::Logic, 1}}, 2),
    starting({41},      {{A::Dexterity, 1}, {A::Charisma, 1}, {A::Appearance, 1}, {A::Style, 1}}, 4),
    starting({53},      {{A::Awareness, 1}}, 1),
    starting({55},      {{A::Stamina, 1}, {A::Reflex, 2}, {A::Awareness, 2}}, 4),
    starting({65},      {{A::Confidence, 1}, {A::Charisma, 1}}, 2),
    starting({80},      {{A::Comprehension, 1}, {A::Logic, 3}}, 4),
    starting({88},      {{A::Strength, 1}, {A::Dexterity, 2}}, 3),
    starting({91},      {{A::Comprehension, 2}, {A::Logic, 1}}, 3),
    starting({92},      {{A::Confidence, 2}, {A::Logic, 1}}, 3),
    starting({93, 97},  {{A::Style, 1}}, 1),
    starting({94, 95},  {{A::Comprehension, 2}, {A::Logic, 1}}, 3),
    starting({96},      {{A::Comprehension, 1}, {A::Etiquette, 1}}, 2),
    starting({98},      {{A::Strength, 1}, {A::Stamina, 1}, {A::Agility, 1}, {A::Reflex, 1}}, 4),
    starting({99},      {{A::Agility, 2}, {A::Awareness, 1}, {A::Avoidance, 1}}, 4),
    starting({100},     {{A::Stamina, 1}}, 1),
    starting({101},     {{A::Stamina, 1}, {A::Awareness, 1}}, 2),
    starting({102},     {{A::Style, 2}, {A::Appearance, 1}}, 3),
};
// clang-format on

constexpr bool startingRowsAreSound() {
    std::array<bool, 104> seen{};
    for (const StartingRow& row : kStartingRows) {
        for (const std::int16_t profession : row.professions) {
            if (profession < 0) {
                continue;
            }
            if (seen.at(static_cast<std::size_t>(profession))) {
                return false;
            }
            seen.at(static_cast<std::size_t>(profession)) = true;
        }
        // A cost never exceeds what the levels would cost bought one by one.
        std::int32_t sum = 0;
        for (std::size_t i = 0; i < row.levelCount; ++i) {
            sum += row.levelSlots.at(i).level;
        }
        if (row.levelCount == 0 || row.cost > sum || row.cost < sum - 1) {
            return false;
        }
    }
    return true;
}
static_assert(startingRowsAreSound(),
              "each starting profession has one row, and its cost is near its levels' sum");

// ----- Lineage -----

struct LineageRow {
    std::int16_t highestRoll;
    std::int8_t lineage;
    std::int16_t advantagePoints;
    std::int16_t skillPoints;
    std::string_view hint1;
    std::string_view hint2;
};

constexpr std::string_view kKessariAverageHint1 =
    "Sage, Sergeant, Temple Guard, Alchemist, Disciple";
constexpr std::string_view kKessariAverageHint2 =
    "Juggler, Mercenary, Monastery Guard, Merchant, etc.";
constexpr std::string_view kNeuonianHint1 = "City Guard, Artillery Agent, Craftsman, Artist,";

// clang-format off
constexpr std::array<LineageRow, 14> kKessariLineage{{
    { 10,  0, 4,   0, "Peasant/Farmer, Illigitimate birth", ""},
    { 30,  1, 3,   0, "Medic, Recruit, Initiate, Apprentice, Itinerant,", "Employee, Servant"},
    { 50,  2, 2,   0, "Mimic, Warrior/Destrier/Archer, Acolyte,",
                      "Ronin Wizard, Painter, Bodyguard, Monitor, Maiden"},
    { 52,  3, 1,   0, kKessariAverageHint1, kKessariAverageHint2},
    { 55,  3, 0,  50, kKessariAverageHint1, kKessariAverageHint2},
    { 65,  4, 0,  75, "Guardian, Sergeant at Arms, Holy Warrior, Musician",
                      "Poet/Actor, Foreman, Unholy Warrior, Specialist"},
    { 70,  5, 0, 100, "Meta Spy, Master Sergeant, Pastor, Artist, Spy",
                      "Journeyman Wizard, Libraarian, Village Elder"},
    { 75,  6, 0, 150, "Surgeon, Ivory Guard, Acrobat, Thief, Scribe,", "Priestess"},
    { 80,  7, 0, 200, "Paladin, Bard/Troubadour/Minstrel", ""},
    { 90,  8, 0, 300, "Mind Master, Knight/Lieutenant, Wizard Adept", ""},
    { 95,  9, 0, 350, "Sheriff, Captain, Priest, Inquisitor, Overseer", "Master Librarian"},
    { 98, 10, 0, 400, "Master Meta Spy, Commander, Master Wizard, Baron", ""},
    { 99, 10, 0, 450, "General, High Priest, Guildmaster, Dark Magus, Earl", ""},
    {100, 10, 0, 500, "House Lord, Duke, Maternal Mother", ""},
}};

constexpr std::array<LineageRow, 13> kNeuonianLineage{{
    { 34,  0, 4,   0, "Illegitimate, Serf, Slave, or Indentured Servant", ""},
    { 50,  1, 3,   0, "Field Worker, Street Cleaner, or", "Other simple careers"},
    { 65,  2, 2,   0, kNeuonianHint1, "Cavalry, Musician, Thief, Trapper, or Actor"},
    { 80,  2, 0,  50, kNeuonianHint1, "Cavalry, Musician, Thief, Trapper, or Actor"},
    { 85,  3, 0,  75, "Farm Manager, Archive Investigator, Merchant,", "or Troupe Leader"},
    { 90,  4, 0, 100, "Ranger or Master Thief", ""},
    { 93,  5, 0, 200, "Knight or Sheriff", ""},
    { 95,  6, 0, 250, "Professional Craftsman", ""},
    { 96,  7, 0, 300, "Paladin, Priest(ess), Ship Captain", ""},
    { 97,  8, 0, 350, "Captain of the Guard, Sage, Wizard", ""},
    { 98,  9, 0, 400, "Grand Wizard", ""},
    { 99, 10, 0, 500, "Councillor", ""},
    {100, 10, 0, 600, "Duke", ""},
}};
// clang-format on

template <std::size_t N> constexpr bool lineageRowsAreSound(const std::array<LineageRow, N>& rows) {
    std::int16_t previous = 0;
    std::int8_t previousLineage = 0;
    for (const LineageRow& row : rows) {
        // Rolls rise row by row to 100, lineages never fall, and each row adds one kind of point.
        if (row.highestRoll <= previous || row.lineage < previousLineage ||
            (row.advantagePoints == 0) == (row.skillPoints == 0)) {
            return false;
        }
        previous = row.highestRoll;
        previousLineage = row.lineage;
    }
    return previous == 100;
}
static_assert(lineageRowsAreSound(kKessariLineage) && lineageRowsAreSound(kNeuonianLineage),
              "each lineage table covers every roll, rising, with one kind of point a row");

} // namespace

void RepayAdvantageDebt(CharacterRecord& record) {
    if (record.m_nAdvantagePoints < 0) {
        // One step for the whole debt: a debt read from a file may be two billion points.
        const std::int64_t debt = -static_cast<std::int64_t>(record.m_nAdvantagePoints);
        record.m_nSkillPoints =
            Wrapping::of(record.m_nSkillPoints - debt * AdvantageAssignment::kTradeRate).value();
        record.m_nAdvantagePoints = 0;
    }
}

void ApplyStartingProfessionAdvantages(CharacterRecord& record) {
    for (const StartingRow& row : kStartingRows) {
        if (std::find(row.professions.begin(), row.professions.end(), record.m_nProfession) ==
            row.professions.end()) {
            continue;
        }
        for (std::size_t i = 0; i < row.levelCount; ++i) {
            level(record, row.levelSlots.at(i).advantage) = row.levelSlots.at(i).level;
        }
        record.m_nAdvantagePoints = (Wrapping(record.m_nAdvantagePoints) - row.cost).value();
        break;
    }
    RepayAdvantageDebt(record);
}

void ApplyRandomLineage(CharacterRecord& record, std::int32_t roll) {
    if (roll < 1 || roll > 100) {
        return;
    }
    const auto apply = [&](const auto& rows) {
        const auto row = std::find_if(rows.begin(), rows.end(),
                                      [&](const LineageRow& r) { return roll <= r.highestRoll; });
        record.m_nLineage = row->lineage;
        record.m_nAdvantagePoints =
            (Wrapping(record.m_nAdvantagePoints) + row->advantagePoints).value();
        record.m_nSkillPoints = (Wrapping(record.m_nSkillPoints) + row->skillPoints).value();
        record.m_strTradeHint1 = row->hint1;
        record.m_strTradeHint2 = row->hint2;
    };
    if (record.m_nRace == kRaceNeuonian) {
        apply(kNeuonianLineage);
    } else {
        apply(kKessariLineage);
    }
}

void SetAverageTradeHints(CharacterRecord& record) {
    if (record.m_nRace == kRaceNeuonian) {
        record.m_strTradeHint1 = kNeuonianHint1;
        record.m_strTradeHint2 = "Cavalry, Musician, Thief, Trapper, Actor";
    } else {
        record.m_strTradeHint1 = kKessariAverageHint1;
        record.m_strTradeHint2 = kKessariAverageHint2;
    }
}

void ApplyAverageLineage(CharacterRecord& record, std::int32_t choice) {
    const bool neuonian = record.m_nRace == kRaceNeuonian;
    if (choice == 0) {
        record.m_nLineage = neuonian ? 2 : 3;
        record.m_nAdvantagePoints =
            (Wrapping(record.m_nAdvantagePoints) + (neuonian ? 2 : 1)).value();
    } else if (choice == 1) {
        record.m_nLineage = neuonian ? 2 : 3;
        record.m_nSkillPoints = (Wrapping(record.m_nSkillPoints) + 50).value();
    }
}

void ApplyAgeDelineation(CharacterRecord& record, std::int32_t delineation) {
    if (delineation < 0 || delineation >= static_cast<std::int32_t>(kAgeClasses.size())) {
        return;
    }
    const AgeClass& row = kAgeClasses.at(static_cast<std::size_t>(delineation));
    record.m_nStartAge = row.minAge;
    record.m_nMaxAge = row.maxAge;
    record.m_nSkillPoints = row.skillPoints;
    record.m_nSizeLevel = row.size;
    record.m_nMoveBase = row.moveBase;
    record.m_nMoveBaseAdj = row.moveBaseAdj;
    record.m_nBaseHealth = row.baseHealth;
    record.m_nBaseWillpower = row.baseWillpower;
    record.m_aAdvantage.fill(0);
    level(record, A::Strength) = row.strength;
    level(record, A::Reflex) = row.reflex;
    level(record, A::Persevearance) = row.persevearance;
}

void RaiseToProfessionMinimums(CharacterRecord& record) {
    if (record.m_nProfession >= 0 && record.m_nProfession <= profession::kLastKessariProfession) {
        if (const ProfessionMinimumsRow* row = findProfessionMinimums(0, record.m_nProfession)) {
            for (std::size_t i = 0; i < row->minimumCount(); ++i) {
                const AdvantageMinimum& minimum = row->minimums.at(i);
                std::int32_t& current = level(record, minimum.advantage);
                const bool alternativeMet =
                    minimum.alternative >= 0 &&
                    record.m_aAdvantage.at(static_cast<std::size_t>(minimum.alternative)) >=
                        minimum.level;
                if (current < minimum.level && !alternativeMet) {
                    record.m_nAdvantagePoints =
                        (Wrapping(record.m_nAdvantagePoints) - (Wrapping(minimum.level) - current))
                            .value();
                    current = minimum.level;
                }
            }
        }
    }
    RepayAdvantageDebt(record);
}

} // namespace orthavel

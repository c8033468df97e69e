// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rule tables as the player meets them, made by the program and checked against files reviewed
// by hand against the rules: per profession the special-skill picks at each profession level, the
// career level after full and after quick generation, the advantages a starting profession sets and
// their cost; per race the lineage of each family-trade roll.

#include "core/advantages/AdvantageTable.h"
#include "core/generation/GenerationRules.h"
#include "core/generation/SpecialSkillStep.h"
#include "core/record/DerivedStats.h"
#include "core/record/Names.h"
#include "core/specialskills/SpecialSkillProcedure.h"

#include "support/Golden.h"
#include "support/ScriptedPerson.h"

#include <algorithm>

namespace orthavel {
namespace {

CharacterRecord character(std::int32_t profession, std::int32_t level) {
    CharacterRecord r;
    r.m_nProfession = profession;
    r.m_nProfessionLevel = level;
    r.m_nCareerLevel = 0;
    r.m_nAdvantagePoints = 10;
    UpdateDerivedStats(r);
    return r;
}

// How often a special-skill dialog opens, each one cancelled (which uses up its pick).
std::string picks(std::int32_t profession, std::int32_t level) {
    CharacterRecord r = character(profession, level);
    test::ScriptedPerson ui;
    SpecialSkillProcedure(r, ui);
    const auto shown = ui.events();
    return " " + std::to_string(std::count_if(shown.begin(), shown.end(), [](const auto& e) {
               return e.starts_with("dialog:") && e != "dialog:Choose Skills";
           }));
}

std::string careerLevel(std::int32_t profession, std::span<const CareerGroup> table) {
    CharacterRecord r = character(profession, 1);
    test::ScriptedPerson ui;
    RunSpecialSkillStep(r, ui, table);
    return " " + std::to_string(r.m_nCareerLevel);
}

// The advantage levels a starting profession sets and what it costs out of 10 points.
std::string startingAdvantages(std::int32_t profession) {
    CharacterRecord r = character(profession, 1);
    ApplyStartingProfessionAdvantages(r);
    std::string set;
    for (std::size_t i = 0; i < kAdvantages.size(); ++i) {
        if (r.m_aAdvantage[i] != CharacterRecord().m_aAdvantage[i]) {
            set +=
                " " + std::string(kAdvantages[i].label) + " " + std::to_string(r.m_aAdvantage[i]);
        }
    }
    return set.empty() && r.m_nAdvantagePoints == 10
               ? ""
               : "; starts" + set + ", cost " + std::to_string(10 - r.m_nAdvantagePoints);
}

TEST(RuleTables, EveryProfession) {
    std::string made = "code profession: picks at profession levels 1 to 12; career level after "
                       "full and quick generation (0 unchanged); starting advantages\n";
    for (std::int32_t p = 0; p < static_cast<std::int32_t>(kProfessionNames.size()); ++p) {
        made += std::to_string(p) + " " + std::string(kProfessionNames.at(p)) + ":";
        for (std::int32_t level = 1; level <= 12; ++level) {
            made += picks(p, level);
        }
        made += "; career" + careerLevel(p, kCareerTable) + careerLevel(p, kStartingCareerTable) +
                startingAdvantages(p) + "\n";
    }
    test::expectGolden(made, "professions.txt");
}

// Each run of family-trade rolls from 0 to 101 with one outcome (0 and 101 change nothing).
TEST(RuleTables, EveryLineageRow) {
    std::string made;
    for (const std::int32_t race : {kRaceKessari, kRaceNeuonian}) {
        std::vector<std::string> outcomes;
        for (std::int32_t roll = 0; roll <= 101; ++roll) {
            CharacterRecord r;
            r.m_nRace = race;
            r.m_nLineage = -1;
            r.m_nAdvantagePoints = r.m_nSkillPoints = 0;
            ApplyRandomLineage(r, roll);
            outcomes.push_back(
                r.m_nLineage == -1
                    ? "nothing"
                    : "lineage " + std::to_string(r.m_nLineage) + ", +" +
                          std::to_string(r.m_nAdvantagePoints) + " advantage, +" +
                          std::to_string(r.m_nSkillPoints) + " skill points; " + r.m_strTradeHint1 +
                          (r.m_strTradeHint2.empty() ? "" : " / " + r.m_strTradeHint2));
        }
        made += (race == kRaceKessari ? "Kessari\n" : "Neuonian\n") + test::runsOf(outcomes, 0);
    }
    test::expectGolden(made, "lineage.txt");
}

} // namespace
} // namespace orthavel

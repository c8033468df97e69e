// The rule tables as the player meets them, made by the program and checked against a file
// reviewed by hand against the rules: per profession the special-skill picks at each profession
// level, the career level after full and after quick generation, the advantages a starting
// profession sets and their cost; per race the lineage a family-trade roll gives, at both ends of
// every row.

#include "core/advantages/AdvantageTable.h"
#include "core/generation/GenerationRules.h"
#include "core/generation/SpecialSkillStep.h"
#include "core/record/DerivedStats.h"
#include "core/record/Names.h"
#include "core/specialskills/SpecialSkillProcedure.h"

#include "support/Golden.h"
#include "support/ScriptedPerson.h"

#include <algorithm>
#include <sstream>

namespace orthavel {
namespace {

CharacterRecord character(std::int32_t profession, std::int32_t level) {
    CharacterRecord r;
    r.m_nProfession = profession;
    r.m_nProfessionLevel = level;
    UpdateDerivedStats(r);
    return r;
}

// How often a special-skill dialog opens, each one cancelled (which uses up its pick).
long picks(std::int32_t profession, std::int32_t level) {
    CharacterRecord r = character(profession, level);
    test::ScriptedPerson ui;
    SpecialSkillProcedure(r, ui);
    const auto shown = ui.events();
    return std::count_if(shown.begin(), shown.end(), [](const std::string& e) {
        return e.starts_with("dialog:") && e != "dialog:Choose Skills";
    });
}

// The career level the career step leaves on a character at career level 0.
std::int32_t careerLevel(std::int32_t profession, std::span<const CareerGroup> table) {
    CharacterRecord r = character(profession, 1);
    r.m_nCareerLevel = 0;
    test::ScriptedPerson ui;
    RunSpecialSkillStep(r, ui, table);
    return r.m_nCareerLevel;
}

// The advantage levels a starting profession sets and what it costs out of 10 points.
std::string startingAdvantages(std::int32_t profession) {
    CharacterRecord r = character(profession, 1);
    r.m_nAdvantagePoints = 10;
    const CharacterRecord before = r;
    ApplyStartingProfessionAdvantages(r);
    std::ostringstream out;
    for (std::size_t i = 0; i < kAdvantages.size(); ++i) {
        if (r.m_aAdvantage[i] != before.m_aAdvantage[i]) {
            out << " " << kAdvantages[i].label << " " << r.m_aAdvantage[i];
        }
    }
    const std::int32_t cost = before.m_nAdvantagePoints - r.m_nAdvantagePoints;
    return cost == 0 && out.str().empty()
               ? ""
               : "; starts" + out.str() + ", cost " + std::to_string(cost);
}

TEST(RuleTables, EveryProfession) {
    std::ostringstream made;
    made << "code profession: picks at profession levels 1 to 12; career level after full and "
            "quick generation (0 unchanged); starting advantages\n";
    for (std::int32_t p = 0; p < static_cast<std::int32_t>(kProfessionNames.size()); ++p) {
        made << p << " " << kProfessionNames[static_cast<std::size_t>(p)] << ":";
        for (std::int32_t level = 1; level <= 12; ++level) {
            made << " " << picks(p, level);
        }
        made << "; career " << careerLevel(p, kCareerTable) << " "
             << careerLevel(p, kStartingCareerTable) << startingAdvantages(p) << "\n";
    }
    test::expectGolden(made.str(), "professions.txt");
}

// Runs of rolls with one outcome, from 0 to 101 (the two outside the dice change nothing).
TEST(RuleTables, EveryLineageRow) {
    std::ostringstream made;
    for (const std::int32_t race : {kRaceKessari, kRaceNeuonian}) {
        const auto outcome = [race](std::int32_t roll) {
            CharacterRecord r;
            r.m_nRace = race;
            r.m_nLineage = -1;
            r.m_nAdvantagePoints = 0;
            r.m_nSkillPoints = 0;
            ApplyRandomLineage(r, roll);
            if (r.m_nLineage == -1) {
                return std::string("nothing");
            }
            return "lineage " + std::to_string(r.m_nLineage) + ", +" +
                   std::to_string(r.m_nAdvantagePoints) + " advantage, +" +
                   std::to_string(r.m_nSkillPoints) + " skill points; " + r.m_strTradeHint1 +
                   (r.m_strTradeHint2.empty() ? "" : " / " + r.m_strTradeHint2);
        };
        for (std::int32_t first = 0, roll = 0; roll <= 101; ++roll) {
            if (roll == 101 || outcome(roll + 1) != outcome(roll)) {
                made << (race == kRaceKessari ? "Kessari " : "Neuonian ") << first << "-" << roll
                     << ": " << outcome(roll) << "\n";
                first = roll + 1;
            }
        }
    }
    test::expectGolden(made.str(), "lineage.txt");
}

} // namespace
} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Character generation end to end: each command runs from a script through the scripted
// interaction, and the transcript and the resulting character are checked.

#include "core/advantages/ProfessionMinimums.h"
#include "core/document/CQuorvelDoc.h"
#include "core/document/Commands.h"
#include "core/generation/CreationDialogs.h"
#include "core/generation/RulesTips.h"
#include "core/record/Names.h"
#include "support/ScriptedPerson.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>

namespace orthavel {
namespace {

using json = nlohmann::ordered_json;

json click(std::string_view title, std::string_view caption) {
    return {{"title", title}, {"click", caption}};
}
json cancel(std::string_view title) {
    return {{"title", title}, {"cancel", true}};
}
json radio(std::string_view caption) {
    return {{"title", "Subculture"}, {"radio", caption}, {"click", "OK"}};
}
const json kNamed = click("Character Name and Attitude", "OK");

// One command run: what the person at the keyboard saw, and the document it left.
struct Session {
    CQuorvelDoc doc;
    std::unique_ptr<test::ScriptedPerson> ui;

    void operator()(std::string_view command, const json& script,
                    const std::vector<int>& rolls = {}) {
        doc.dice().seed(1);
        doc.dice().queueRolls(rolls);
        ui = std::make_unique<test::ScriptedPerson>(script.dump());
        doc.runCommand(*commandNamed(command), *ui);
    }
    // How many of the events shown ("dialog:<title>", "message:<caption>|<text>") start so.
    std::ptrdiff_t shown(std::string_view start) const {
        const auto all = ui->events();
        return std::count_if(all.begin(), all.end(),
                             [&](const std::string& e) { return e.starts_with(start); });
    }
    const CharacterRecord& record() const { return doc.record(); }
};

// Every House, through both generations: the House's codes, its career dialog, and the native
// skills of its culture (the picks counted by their sum: a skill already at the limit, such as
// City States of Neoun at 40, is never picked).
TEST(Generation, EveryHouseGetsItsCareersAndNativeSkills) {
    const struct {
        std::string_view house;
        std::int32_t culture, job;
        std::string_view quickCareers, jobs; // the dialog after "Subculture"
        int first, last, sum;                // the skills the culture adds
        int skillPoints, levels;             // at "Assign Advantages": points left, the levels' sum
    } houses[] = {
        // clang-format off
        {kHouseRows[0].caption, 0, 0, "Balentin Starting Careers", "Balentin Jobs and Professions", 147, 170, 40 + 10 * 20, 305, 9},
        {kHouseRows[1].caption, 2, 10, "Family Trade", "Cortez Jobs and Professions", 286, 286, 50, 405, 5},
        {kHouseRows[2].caption, 3, 25, "Family Trade", "Feznoth Jobs and Professions", 220, 222, 30, 380, 6},
        {kHouseRows[3].caption, 4, 33, "Family Trade", "Groam Jobs and Professions", 288, 289, 60, 380, 6},
        {kHouseRows[4].caption, 6, 41, "Family Trade", "Illiomis Jobs and Professions", 147, 170, 40 + 5 * 10, 330, 8},
        {kHouseRows[5].caption, 11, 53, "Porter Starting Careers", "Porter Jobs and Professions", 30, 41, 3 * 10 + 2 * 10, 405, 5},
        {kHouseRows[6].caption, 12, 65, "Raidir Starting Careers", "Raidir Jobs and Professions", 79, 83, 50, 380, 6},
        {kHouseRows[7].caption, 13, 72, "Family Trade", "Rosenthal Jobs and Professions", 220, 226, 2 * 10 + 2 * 10, 380, 6},
        {kHouseRows[8].caption, 14, 80, "Family Trade", "Wayne Jobs and Professions", 287, 289, 150, 330, 8},
        {kHouseRows[9].caption, 15, 103, "Family Trade", "Kessari Age Delineations", 79, 83, 0, 405, 4},
        // clang-format on
    };
    for (const auto& h : houses) {
        for (const bool quick : {true, false}) {
            SCOPED_TRACE(std::string(h.house) + (quick ? " quick" : " full"));
            Session run;
            json script = json::array(
                {kNamed, cancel(quick ? "Pathway" : "Select a Pathway"), radio(h.house)});
            if (quick) {
                script.insert(script.begin(), click("Choose a Race", "&Kessari"));
            }
            run(quick ? "quickpc" : "full", script);
            const auto shown = run.ui->events();
            const auto subculture = std::find(shown.begin(), shown.end(), "dialog:Subculture");
            ASSERT_NE(subculture, shown.end());
            EXPECT_EQ(subculture[1], "dialog:" + std::string(quick ? h.quickCareers : h.jobs));
            EXPECT_EQ(run.record().m_nCulture, h.culture);
            EXPECT_EQ(run.record().m_strCulture, kCultureNames.at(h.culture));
            EXPECT_EQ(run.record().m_nProfession, h.job);
            EXPECT_EQ(run.record().m_strGender, h.culture == 12 ? "Female" : "Male");
            const auto& skills = run.record().m_aSkill;
            EXPECT_EQ(std::accumulate(skills.begin() + h.first, skills.begin() + h.last + 1, 0),
                      h.sum);
            const json in = run.ui->inputsOf("Assign Advantages");
            EXPECT_EQ(in["skillPoints"], h.skillPoints);
            const auto levels = in["levels"].get<std::vector<int>>();
            EXPECT_EQ(std::accumulate(levels.begin(), levels.end(), 0), h.levels);
            EXPECT_EQ(run.record().m_aSkill[23], 100); // Natural Form, of every Kessari
            // The race's natives first, then the culture's: the Raidir add 20 to the 30 "Kessari"
            // every Kessari starts with.
            EXPECT_EQ(run.record().m_aSkill[183], h.culture == 12 ? 50 : 30);
            EXPECT_EQ(run.shown("message:Rules Tip|" + std::string(rules_tip::kGroamMagic)) > 0,
                      h.culture == 4);
            EXPECT_EQ(run.ui->events().back(), "dialog:Choose a set of Armor");
            EXPECT_EQ(run.record().m_nPage, 1);
            EXPECT_TRUE(run.doc.IsModified());
        }
    }
}

// Every city-state of a Neuonian: its code, its name, a Neuonian's native skills and never the
// armor dialog. A Neuonian of Cortez has the Cortez culture's skills too.
TEST(Generation, EveryCityStateMakesANeuonianOfItsCulture) {
    for (const CityStateRow& row : kCityStateRows) {
        SCOPED_TRACE(row.caption);
        Session run;
        run("quickpc", {click("Choose a Race", "&Neuonian"), kNamed, cancel("Pathway"),
                        click("Choose a Sub-culture (City-State)", row.caption)});
        EXPECT_EQ(run.record().m_nCulture, row.culture);
        EXPECT_EQ(run.record().m_strCulture, kCultureNames.at(row.culture));
        EXPECT_EQ(run.record().m_nProfession, 87);
        EXPECT_EQ(run.record().m_aSkill[316], 20);                        // Corner
        EXPECT_EQ(run.record().m_aSkill[286], row.culture == 2 ? 50 : 0); // Heraldry
        EXPECT_FALSE(run.shown("dialog:Choose a set of Armor"));
        EXPECT_EQ(run.ui->inputsOf("Select Physical Traits"),
                  (json{{"age", 16}, {"minAge", 16}, {"maxAge", 40}}));
    }
}

// Every starting career of quick generation: the profession it names, and the starting
// advantages already meet that profession's minimums when "Assign Advantages" opens.
TEST(Generation, EveryStartingCareerStartsAtItsMinimums) {
    struct Case {
        std::string race, house, dialog;
        CareerButton button;
    };
    std::vector<Case> cases;
    for (const CareerDialogRow& row : kStartingCareerDialogs) {
        const auto house =
            std::find_if(kHouseRows.begin(), kHouseRows.end(),
                         [&](const HouseRow& h) { return h.culture == row.culture; });
        for (const CareerButton& b : row.buttons()) {
            cases.push_back({"&Kessari", std::string(house->caption), std::string(row.title), b});
        }
    }
    for (const CareerButton& b : kStartingJobDialog.buttons()) {
        cases.push_back({"&Neuonian", "", std::string(kStartingJobDialog.title), b});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button.caption);
        Session run;
        json script = {click("Choose a Race", c.race), kNamed, cancel("Pathway")};
        if (c.house.empty()) {
            script.push_back(cancel("Choose a Sub-culture (City-State)"));
            script.push_back(cancel("Choose a Gender"));
        } else {
            script.push_back(radio(c.house));
        }
        script.push_back(click(c.dialog, c.button.caption));
        run("quickpc", script);
        EXPECT_EQ(run.record().m_nProfession, c.button.code);
        EXPECT_EQ(run.record().m_strProfession, kProfessionNames.at(c.button.code));
        const json in = run.ui->inputsOf("Assign Advantages");
        // The Specialist is a placeholder until her job is chosen; here it was not.
        EXPECT_EQ(meetsMinimums(in["race"], in["profession"], in["levels"]),
                  c.button.code != profession::kSpecialist);
    }
}

// The seven age classes of full generation, for a Medic whose family trade was cancelled: the
// raise to the Medic's minimums (Comprehension 3, Logic 2) is paid from the class's points.
TEST(Generation, EveryAgeClassSetsItsAgesAndPoints) {
    const struct {
        std::string_view ageClass;
        int startAge, maxAge, skillPoints, moveBaseAdj;
    } classes[] = {
        {"Y&oungster", 1, 11, 122 - 4 * 25, 1},      {"&Young Adult", 12, 20, 203 - 4 * 25, 5},
        {"&Adulthood", 21, 300, 405 - 4 * 25, 6},    {"&Midlife", 301, 505, 790 - 4 * 25, 6},
        {"&Elderly", 506, 675, 1296 - 4 * 25, 5},    {"O&ld", 676, 800, 1731 - 4 * 25, 3},
        {"&Legendary", 801, 1200, 2228 - 4 * 25, 2},
    };
    for (const auto& c : classes) {
        SCOPED_TRACE(c.ageClass);
        Session run;
        run("full", {kNamed, cancel("Select a Pathway"), radio(kHouseRows[0].caption),
                     cancel("Balentin Jobs and Professions"),
                     click("Kessari Age Delineations", c.ageClass)});
        EXPECT_EQ(run.ui->inputsOf("Select Physical Traits"),
                  (json{{"age", c.startAge}, {"minAge", c.startAge}, {"maxAge", c.maxAge}}));
        EXPECT_EQ(run.ui->inputsOf("Assign Advantages")["skillPoints"], c.skillPoints);
        EXPECT_EQ(run.record().m_nAge, c.startAge);
        EXPECT_EQ(run.record().m_nMoveBaseAdj, c.moveBaseAdj);
    }
}

// The worked examples of the rules, each by its numbers.
TEST(Generation, TheRulesWorkedExamplesComeOut) {
    // A Kessari Medic, average lineage for advantages: 1 + 1 points, the Medic's 5 cost 3 more,
    // paid with 75 skill points, for Comprehension 3 and Logic 2.
    Session medic;
    medic("quickpc", {click("Choose a Race", "&Kessari"), kNamed, cancel("Pathway"),
                      radio(kHouseRows[0].caption), click("Balentin Starting Careers", "&Medic"),
                      click("Family Trade", "&Average Lineage (advantage(s))")});
    EXPECT_EQ(medic.ui->inputsOf("Assign Advantages")["skillPoints"], 330);
    EXPECT_EQ(medic.ui->inputsOf("Assign Advantages")["advantagePoints"], 0);
    EXPECT_EQ(medic.ui->inputsOf("Assign Advantages")["levels"],
              (json{1, 0, 0, 0, 1, 3, 0, 2, 2, 0, 0, 0, 0, 0, 0}));
    // A Neuonian's average lineage for advantages is 2, with 2 points.
    Session neuonian;
    neuonian("quickpc", {click("Choose a Race", "&Neuonian"), kNamed, cancel("Pathway"),
                         cancel("Choose a Sub-culture (City-State)"), cancel("Choose a Gender"),
                         cancel("Choose a Starting Job"),
                         click("Family Trade", "&Average Lineage (advantage(s))")});
    EXPECT_EQ(neuonian.record().m_nLineage, 2);
    EXPECT_EQ(neuonian.ui->inputsOf("Assign Advantages")["advantagePoints"], 1 + 2);

    // A Youngster Sage whose family trade was cancelled: Reflex 1 and all else 0 before the
    // raise; Comprehension 2, Awareness 2, Logic 4 cost 8 of 1 point, 175 skill points from 122.
    Session sage;
    sage("full", {kNamed, cancel("Select a Pathway"), radio(kHouseRows[0].caption),
                  click("Balentin Jobs and Professions", "&Sage"),
                  click("Kessari Age Delineations", "Y&oungster")});
    EXPECT_EQ(sage.ui->inputsOf("Assign Advantages")["skillPoints"], -53);
    EXPECT_EQ(sage.ui->inputsOf("Assign Advantages")["levels"],
              (json{0, 0, 0, 0, 1, 2, 2, 4, 0, 0, 0, 0, 0, 0, 0}));

    // A Cortez Warrior of Full Generation starts with Reflex 1: raised to the Warrior's minimums,
    // each advantage costs only the levels it rises by.
    Session warrior;
    warrior("full", {kNamed, cancel("Select a Pathway"), radio(kHouseRows[1].caption),
                     click("Cortez Jobs and Professions", "&Warrior"),
                     click("Kessari Age Delineations", "&Adulthood"), cancel("Family Trade")});
    EXPECT_EQ(warrior.ui->inputsOf("Assign Advantages")["skillPoints"], 305);

    // Only a 57 makes a character ambidextrous; any other roll asks.
    for (const int roll : {56, 57, 58}) {
        Session run;
        run("quickpc", {cancel("Choose a Race"), kNamed}, {roll});
        EXPECT_EQ(run.record().m_strHandedness == "Ambidextrous", roll == 57) << roll;
        EXPECT_EQ(run.shown("dialog:Handedness") > 0, roll != 57) << roll;
    }
}

// The early end and a script that stops matching: the character before stays or the reset one
// waits on the main menu, never a half-made one.
TEST(Generation, CancelsEndWhereTheRulesSay) {
    for (const std::string_view command : {"quickpc", "full"}) {
        SCOPED_TRACE(command);
        Session run;
        ASSERT_TRUE(run.doc.OnOpenDocument(ORTHAVEL_TEST_DATA "/sample_kessari.ksc"));
        const CharacterRecord before = run.record();
        // A script for another dialog: nothing changes, the file stays open.
        EXPECT_THROW(run(command, json::array({click("Choose Skills", "OK")})), ScriptMismatch);
        EXPECT_EQ(run.record(), before);
        EXPECT_FALSE(run.doc.fileName().empty());

        // A cancelled name: a new, unnamed, unmodified character on the main menu page.
        run(command, json::array());
        EXPECT_EQ(run.ui->events().back(), "dialog:Character Name and Attitude");
        EXPECT_EQ(run.record().m_nPage, 0);
        EXPECT_EQ(run.record().m_strName, "Aldo Verrick");
        EXPECT_FALSE(run.doc.IsModified());
        EXPECT_TRUE(run.doc.fileName().empty());
        EXPECT_EQ(run.record().m_bRulesTips, before.m_bRulesTips);
    }

    // A cancelled "Subculture" after a character of another House: the codes of the reset agree
    // with its names, so the Balentin careers are offered.
    Session run;
    run("quickpc", {click("Choose a Race", "&Kessari"), kNamed, cancel("Pathway"),
                    radio(kHouseRows[8].caption)});
    ASSERT_EQ(run.record().m_nProfession, 80);
    run("quickpc",
        {click("Choose a Race", "&Kessari"), kNamed, cancel("Pathway"), cancel("Subculture")});
    EXPECT_TRUE(run.shown("dialog:Balentin Starting Careers"));
    EXPECT_EQ(run.record().m_nCulture, 0);
    EXPECT_EQ(run.record().m_nProfession, 0);
    EXPECT_EQ(run.record().m_strProfession, "Medic");

    // A Raidir Specialist who cancels her job stays the Specialist.
    run("quickpc", {click("Choose a Race", "&Kessari"), kNamed, cancel("Pathway"),
                    radio(kHouseRows[6].caption), click("Raidir Starting Careers", "&Specialist"),
                    cancel("Choose Specialist Job")});
    EXPECT_EQ(run.record().m_nProfession, profession::kSpecialist);
    EXPECT_EQ(run.record().m_strProfession, "Specialist");
}

// Rules Tips follow the option; the Specialist's instruction is no tip and always shows.
TEST(Generation, RulesTipsShowOnlyWhileTheOptionIsOn) {
    for (const bool tips : {true, false}) {
        Session run;
        run.doc.record().m_bRulesTips = tips ? 1 : 0;
        run("full", {kNamed, cancel("Select a Pathway"), radio(kHouseRows[6].caption),
                     click("Raidir Jobs and Professions", "&Specialist"),
                     click("Choose Specialist Job", "M&onk")});
        EXPECT_EQ(run.shown("message:Rules Tip|"), tips ? 4 : 0);
        EXPECT_TRUE(
            run.shown("message:Specialist|Choose a Job/Profession to specialize in.\nIf the "
                      "profession is not on the list recreate the character as if from a "
                      "different house."));
        EXPECT_EQ(run.record().m_nProfession, 80);
        EXPECT_EQ(run.record().m_strProfession, "Specialist (Monk)");
    }
}

// A change of profession keeps the character, asks for the House and job again, holds the
// advantages to the new profession's minimums and ends out of update mode, modified.
TEST(Generation, AChangeOfProfessionKeepsTheRestOfTheCharacter) {
    Session run;
    run("quickpc", {click("Choose a Race", "&Kessari"), kNamed, cancel("Pathway"),
                    radio(kHouseRows[0].caption)});
    run.doc.OnDocumentSaved("hero.ksc");
    const CharacterRecord before = run.record();
    // Cancelled "Subculture": the House stays and its jobs are offered; a House Lord has no
    // special-skill step and career level 3. The Assign Advantages OK is refused below the
    // minimums even with no skill points.
    run("change-profession",
        {cancel("Subculture"), click(kJobsDialogs[0].title, "&House Lord"),
         cancel("Update Advantages"), click("Assign Advantages", "OK"), cancel("Update Skills")});
    EXPECT_EQ(run.record().m_nCulture, before.m_nCulture);
    EXPECT_EQ(run.record().m_nProfession, 9);
    EXPECT_EQ(run.record().m_nCareerLevel, 3);
    EXPECT_EQ(run.record().m_bUpdateMode, 0);
    EXPECT_EQ(run.record().m_strName, before.m_strName);
    EXPECT_EQ(run.record().m_aSkill, before.m_aSkill);
    EXPECT_EQ(run.record().m_aSpecialSkill, before.m_aSpecialSkill);
    EXPECT_TRUE(run.shown("message:" + std::string(kMinimumsWarningTitle)));
    EXPECT_TRUE(run.ui->events().back().starts_with("message:Don't Forget|"));
    EXPECT_EQ(run.record().m_nPage, 1);
    EXPECT_TRUE(run.doc.IsModified());
    EXPECT_EQ(run.ui->inputsOf("Assign Advantages")["updateMode"], 1);

    // Out of update mode for the special skills: a Medic of level 6 changed to Medic gets the
    // two picks of her level, not the one pick of an update.
    Session medic;
    ASSERT_TRUE(
        medic.doc.OnOpenDocument(std::filesystem::path(ORTHAVEL_TEST_DATA) / "medic_pl6.ksc"));
    medic("change-profession",
          {radio(kHouseRows[0].caption), click(kJobsDialogs[0].title, "&Medic"),
           cancel("Update Advantages"), cancel("Assign Advantages"), cancel("Update Skills"),
           cancel("Choose Skills")});
    EXPECT_EQ(medic.shown("dialog:Medic Special Skills"), 2);
}

} // namespace
} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/generation/CreationDialogs.h"

#include "support/ScriptedPerson.h"

#include <gtest/gtest.h>

namespace orthavel {
namespace {

using test::ScriptedPerson;
using Clicks = std::vector<std::optional<std::string>>;

const std::string kRaidir = "Raidir* (Females, Priestesses) Maiden, Specialist, etc.";
const std::string kWayne = "Wayne (Historians) Monk, etc.";

TEST(CreationDialogs, TheHouseButtonsStoreTheirResultsAndOnlyRaidirTheGender) {
    const struct {
        Clicks clicks;
        std::optional<std::tuple<int, std::string, int, std::string, std::string>> house;
    } cases[] = {
        {{"OK"}, {{0, "Balentin", 0, "Medic", "Male"}}},
        {{kWayne, "OK"}, {{14, "Wayne", 80, "Monk", "Male"}}},
        {{kRaidir, "OK"}, {{12, "Raidir", 65, "Maiden", "Female"}}},
        {{kRaidir, kWayne, "OK"}, {{14, "Wayne", 80, "Monk", "Female"}}},
        {{"Adventurer (se)", "OK"}, {{15, "Adventurer", 103, "Adventurer (se)", "Male"}}},
        {{kRaidir, std::nullopt}, std::nullopt},
    };
    for (const auto& c : cases) {
        ScriptedPerson ui;
        ui.click(kHouseDialogTitle, c.clicks);
        const auto house = runHouseDialog(ui);
        ASSERT_EQ(house.has_value(), c.house.has_value());
        if (house) {
            EXPECT_EQ(std::tie(house->culture.code, house->culture.name, house->profession,
                               house->professionName, house->gender),
                      *c.house);
        }
    }
}

TEST(CreationDialogs, CareerButtonsAnswerTheirProfession) {
    ScriptedPerson ui;
    ui.click("Rosenthal Jobs and Professions", {"&Temple Guard"});
    ui.click("Raidir Starting Careers", {"&Specialist"});
    ui.click("Balentin Jobs and Professions", {"&House Lord"});
    ui.click("Choose a Starting Job", {"Trap&per"});
    const auto career = [](const std::optional<Career>& c) {
        return c ? std::tuple(c->code, c->name) : std::tuple(-1, std::string());
    };
    EXPECT_EQ(career(runJobsDialog(ui, 13)), std::tuple(74, "Temple Guard"));
    EXPECT_EQ(career(runStartingCareersDialog(ui, 12)), std::tuple(66, "Specialist"));
    EXPECT_EQ(career(runJobsDialog(ui, 0)), std::tuple(9, "House Lord (Meta Lord)"));
    EXPECT_EQ(career(runStartingJobDialog(ui)), std::tuple(101, "Trapper"));
    // Houses without such a dialog show none.
    EXPECT_FALSE(runJobsDialog(ui, 15) || runStartingCareersDialog(ui, 4) || runJobsDialog(ui, 1));
    EXPECT_EQ(ui.events().size(), 4U);

    // Cortez's left column holds its job under "Jobs", then professions under a second label.
    const ChoiceDialog cortez = careerDialog(kJobsDialogs[1]);
    EXPECT_EQ(cortez.columns.at(0).at(0).heading, "Jobs");
    EXPECT_EQ(cortez.columns.at(0).at(1).heading, "Professions");
    EXPECT_EQ(cortez.columns.at(1).at(0).heading, "Professions");
    EXPECT_EQ(kStartingJobDialog.buttons().back().column, 2);
}

TEST(CreationDialogs, TextChoicesAnswerTheirCaptionWithoutItsMark) {
    ScriptedPerson ui;
    ui.click(kPathwayDialogTitle, {"C&omplete Taker"});
    ui.click(kCityStateDialogTitle, {"C&ortez"});
    ui.click(kAgeCategoryDialogTitle, {"&Legendary"});
    EXPECT_EQ(runPathwayDialog(ui), "Complete Taker");
    const auto city = runCityStateDialog(ui);
    EXPECT_EQ(std::tie(city->code, city->name), std::tuple(2, "Cortez"));
    EXPECT_EQ(runAgeCategoryDialog(ui), 6);
    EXPECT_EQ(runGenderDialog(ui), std::nullopt);
}

TEST(CreationDialogs, TheNativeSkillsSecondButtonAndEscapeMeanTheSame) {
    const struct {
        const char* title;
        std::optional<std::string> click;
        std::int32_t culture;
        NativeSkillsGroup group;
    } cases[] = {
        {"Feznoth Native Skills", "&Church", 3, NativeSkillsGroup::First},
        {"Feznoth Native Skills", "&Gods", 3, NativeSkillsGroup::Second},
        {"Feznoth Native Skills", std::nullopt, 3, NativeSkillsGroup::Second},
        {"Wayne Native Skills", "&History", 14, NativeSkillsGroup::First},
        {"Wayne Native Skills", "&Research", 14, NativeSkillsGroup::Second},
    };
    ScriptedPerson ui;
    for (const auto& c : cases) {
        ui.click(c.title, {c.click});
        EXPECT_EQ(runNativeSkillsDialog(ui, c.culture), c.group);
    }
    EXPECT_EQ(runNativeSkillsDialog(ui, 0), std::nullopt);
    // Feznoth's dialog shows its two lines of text; Wayne's, which has none, no empty ones.
    EXPECT_EQ(nativeSkillsDialog(kNativeSkillsDialogs[0]).texts,
              (std::vector<std::string>{"+10 to all of the following Religion", "skills."}));
    EXPECT_TRUE(nativeSkillsDialog(kNativeSkillsDialogs[1]).texts.empty());
}

TEST(CreationDialogs, FormsAnswerWhatWasTyped) {
    ScriptedPerson ui;
    ui.fill(kNameAttitudeDialogTitle, {{"Character Name:", std::string(31, 'x')}});
    ui.fill(kNameAttitudeDialogTitle, {{"Played By:", "Kim"}});
    ui.fill(kPhysicalTraitsDialogTitle, {{"Age:", "600"}, {"Hair Color:", "Teal"}});
    ui.fill(kFamilyBackgroundDialogTitle, {{"Background:", "Cooper"}});
    const auto first = runNameAttitudeDialog(ui);
    EXPECT_EQ(std::tie(first->name, first->playedBy, first->attitude),
              std::tuple(std::string(30, 'x'), "", "Adventurous"));
    const auto second = runNameAttitudeDialog(ui);
    EXPECT_EQ(std::tie(second->name, second->playedBy, second->attitude),
              std::tuple("", "Kim", "Adventurous"));

    const auto traits = runPhysicalTraitsDialog(ui, 16, 301, 505);
    EXPECT_EQ(std::tie(traits->age, traits->hairColor, traits->height, traits->weight),
              std::tuple(505, "Teal", "5' 10\"", "180 lbs."));
    EXPECT_EQ(ui.inputsOf(kPhysicalTraitsDialogTitle).dump(),
              R"({"age":16,"minAge":301,"maxAge":505})");

    EXPECT_EQ(runFamilyBackgroundDialog(ui, "Sage, Sergeant", "Juggler \x80"), "Cooper");
    EXPECT_EQ(ui.inputsOf(kFamilyBackgroundDialogTitle).dump(),
              "{\"hint1\":\"Sage, Sergeant\",\"hint2\":\"Juggler \xE2\x82\xAC\"}");
    EXPECT_EQ(runFamilyBackgroundDialog(ui, "", ""), std::nullopt);
}

} // namespace
} // namespace orthavel

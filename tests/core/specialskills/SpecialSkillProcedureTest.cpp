// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/specialskills/SpecialSkillProcedure.h"

#include "core/record/DerivedStats.h"
#include "core/skills/SkillSelection.h"
#include "core/specialskills/SpecialSkillDialog.h"

#include "support/Golden.h"
#include "support/ScriptedPerson.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace orthavel {
namespace {

using A = Advantage;
using Points = std::vector<std::int32_t>;

// The person answers a profession's dialog as it is told to, and escapes every dialog after.
struct Person : test::ScriptedPerson {
    Person() = default;
    // One showing of the profession's dialog, answered with a click.
    Person(std::int32_t profession, const char* caption) { click(profession, {caption}); }
    void click(std::int32_t profession, const std::vector<std::optional<std::string>>& captions) {
        ScriptedPerson::click(findSpecialSkillDialog(profession)->title, captions);
    }
    Points pointsOffered() const {
        Points points;
        for (const SkillSelection& given : skillsGiven) {
            points.push_back(given.skillPoints());
        }
        return points;
    }
    // How often a special skill dialog was shown.
    std::size_t showings() const {
        const auto shown = events();
        return static_cast<std::size_t>(std::count_if(shown.begin(), shown.end(), [](auto& e) {
            return e.starts_with("dialog:") && e != "dialog:Choose Skills";
        }));
    }
};

CharacterRecord character(std::int32_t profession, std::int32_t level,
                          std::int32_t race = kRaceKessari) {
    CharacterRecord r;
    if (race == kRaceNeuonian) {
        r.ApplyNeuonianDefaults();
    }
    r.m_nProfession = profession;
    r.m_nProfessionLevel = level;
    UpdateDerivedStats(r);
    return r;
}

std::int32_t& advantage(CharacterRecord& r, A a) {
    return r.m_aAdvantage[static_cast<std::size_t>(a)];
}
std::int32_t& skill(CharacterRecord& r, std::string_view name) {
    return r.m_aSkill[static_cast<std::size_t>(*skillIndexByName(name))];
}
std::int32_t& special(CharacterRecord& r, std::string_view name) {
    const auto* slot = std::find(kSpecialSkillNames.begin(), kSpecialSkillNames.end(), name);
    return r.m_aSpecialSkill[static_cast<std::size_t>(slot - kSpecialSkillNames.begin())];
}

ChoiceDialog dialogOf(const CharacterRecord& r) {
    return specialSkillDialog(*findSpecialSkillDialog(r.m_nProfession), r);
}

// A raise is refused at the race maximum. A pick that adds a low rating to an emphasis lowers its
// average; where that breaks the profession's requirements the pick is refused, as "Choose
// Skills" would refuse the ratings. The Medic's six Archaic Science skills (274 to 279) stand at
// one rating, as "Choose Skills" left them.
TEST(SpecialSkillDialog, APickIsRefusedAtTheRaceMaximumOrWhereItBreaksTheRequirements) {
    const char* const kMaximum = "Maximum Advantage Limits";
    const char* const kMasteries = "Required Masteries Not Correct";
    struct Case {
        std::int32_t profession, race;
        const char* caption;
        A advantage;
        std::int32_t level, archaicScience;
        const char* title;
        const char* text; // "" when accepted
    };
    // clang-format off
    const Case cases[] = {
        {0,  kRaceKessari,  "+1 &Comprehension", A::Comprehension, 6, 0,  kMaximum, ""},
        {0,  kRaceKessari,  "+1 &Comprehension", A::Comprehension, 7, 0,  kMaximum, "Your Comprehension is already at 7."},
        // A Neuonian in a Kessari profession is held to the Neuonian maximum.
        {0,  kRaceNeuonian, "+1 &Comprehension", A::Comprehension, 8, 0,  kMaximum, "Your Comprehension is already at 8."},
        // Above the maximum, as a file may hold it.
        {4,  kRaceKessari,  "+1 A&voidance",     A::Avoidance,     9, 0,  kMaximum, "Your Avoidance is already at 3."},
        {58, kRaceKessari,  "+2 &Dexterity",     A::Dexterity,     3, 0,  kMaximum, ""},
        {58, kRaceKessari,  "+2 &Dexterity",     A::Dexterity,     4, 0,  kMaximum, "Your Dexterity is already at 4/5."},
        // Each dialog spells Perseverance its own way.
        {11, kRaceKessari,  "+1 &Persevearance", A::Persevearance, 8, 0,  kMaximum, "Your Persevearance is already at 8."},
        {12, kRaceKessari,  "+1 &Persevearance", A::Persevearance, 8, 0,  kMaximum, "Your Perseverance is already at 8."},
        {0,  kRaceKessari,  "+60 &Sense Injury", A::Comprehension, 7, 0,  kMaximum, ""},
        {0,  kRaceKessari,  "+10 S&urgery",      A::Comprehension, 0, 40, kMasteries, "You have Archaic Science:3   You need Archaic Science:4"},
        {0,  kRaceKessari,  "+10 S&urgery",      A::Comprehension, 0, 50, kMasteries, ""}, // (300 + 15) / 7 still gives 4
        {0,  kRaceKessari,  "+30 &Bandage and Bones", A::Comprehension, 0, 40, kMasteries, ""}, // a rated skill: the average rises
    };
    // clang-format on
    for (const Case& c : cases) {
        CharacterRecord r = character(c.profession, 4, c.race);
        advantage(r, c.advantage) = c.level;
        std::fill(r.m_aSkill.begin() + 274, r.m_aSkill.begin() + 280, c.archaicScience);
        const ChoiceDialog d = dialogOf(r);
        const auto refused = d.refusal(d.findButton(c.caption)->result);
        EXPECT_EQ(refused ? refused->text : "", c.text) << c.profession << " " << c.caption;
        EXPECT_EQ(refused ? refused->caption : c.title, c.title);
    }
    // A pick that would carry a rating past 100 is refused, on a dialog's first button too.
    CharacterRecord priestess = character(69, 4);
    for (const std::int32_t rating : {90, 91}) {
        skill(priestess, "Grapevine") = rating;
        const auto refused = dialogOf(priestess).refusal(0); // "+10 &Leadership: Grapevine"
        EXPECT_EQ(refused ? refused->caption + " " + refused->text : "",
                  rating == 90 ? "" : "Maximum Skill Rating Your Grapevine is already at 91.");
    }
}

TEST(SpecialSkillDialog, ButtonsStandInTheirColumnsWithTheChoiceIndexAsResult) {
    const auto shown = [](std::int32_t profession, std::size_t column, std::size_t row) {
        const ChoiceButton b = dialogOf(character(profession, 4)).columns.at(column).at(row);
        return std::to_string(b.result) + " " + b.caption;
    };
    EXPECT_EQ(shown(24, 1, 0), "9 &Weapon Mastery (Blade)");
    EXPECT_EQ(shown(61, 0, 2), "3 +1 A&gility");
    EXPECT_EQ(dialogOf(character(61, 4)).columns.size(), 1U) << "no empty column beside";
    CharacterRecord surgeon = character(5, 7);
    advantage(surgeon, A::Persevearance) = 3;
    EXPECT_EQ(dialogOf(surgeon).inputs,
              (std::vector<DialogInput>{{"Persevearance", 3}, {"Dexterity", 0}}));
}

// One pick, one click, and the record changes exactly so.
TEST(SpecialSkillProcedure, EachKindOfChoiceChangesTheRecordAsItSays) {
    using Change = std::function<void(CharacterRecord&)>;
    struct Case {
        std::int32_t profession, level;
        const char* caption;
        Change change;
        Points pointsOffered;
    };
    const auto raised = [](A a, std::int32_t by) -> Change {
        return [a, by](CharacterRecord& r) {
            advantage(r, a) += by;
            UpdateDerivedStats(r);
        };
    };
    const auto allotted = [](std::int32_t points) -> Change {
        return [points](CharacterRecord& r) {
            r.m_nSkillPoints = points;
            UpdateLifeLevel(r);
        };
    };
    // clang-format off
    const Case cases[] = {
        {0,   4, "+1 &Comprehension",  raised(A::Comprehension, 1), {}},
        {58,  5, "+2 &Dexterity",      raised(A::Dexterity, 2), {}},
        {0,   4, "+10 S&urgery",       [](auto& r) { skill(r, "Surgery") += 15; }, {}},
        {61,  6, "+20 1st 2 &Lunaris Dragonfay Endowments", [](auto& r) {
            skill(r, "Shadow Claws (Lunaris)") += 20;
            skill(r, "Shadow Leech") += 20; }, {}},
        {0,   4, "+60 &Sense Injury",  [](auto& r) { special(r, "Sense Injury(20)") += 60; }, {}},
        {49,  5, "&Awe",               [](auto& r) { special(r, "Awe") = 200; }, {}},
        {1,   2, "+5 &Power Tolerance", [](auto& r) { r.m_nPowerTolerance += 5; }, {}},
        // The allotment replaces the unspent points; escaped, they stay as allotted.
        {1,   2, "+10 &Leadership: Any 1 Skill", allotted(10), {10}},
        {42,  3, "+20 E&ntertainment: Music: Any 2 Skills", allotted(40), {40}},
        {103, 4, "Ru&mor Point",       [](auto&) {}, {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        CharacterRecord r = character(c.profession, c.level);
        r.m_nSkillPoints = 7;
        CharacterRecord expected = r;
        c.change(expected);
        Person ui(c.profession, c.caption);
        SpecialSkillProcedure(r, ui);
        EXPECT_EQ(r, expected) << c.caption;
        EXPECT_EQ(ui.pointsOffered(), c.pointsOffered) << c.caption;
        EXPECT_EQ(ui.showings(), 1U) << c.caption;
    }
}

TEST(SpecialSkillProcedure, ACancelledShowingUsesUpItsPick) {
    // Two picks: the first showing is cancelled, the second refuses a raise and takes a skill.
    CharacterRecord r = character(0, 6);
    advantage(r, A::Comprehension) = 7;
    Person ui;
    ui.click(0, {std::nullopt});
    ui.click(0, {"+1 &Comprehension", "+30 &Bandage and Bones"});
    ui.click(0, {"+10 D&isease"});
    SpecialSkillProcedure(r, ui);
    EXPECT_EQ(ui.showings(), 2U);
    EXPECT_EQ(ui.messages.size(), 1U);
    EXPECT_EQ(skill(r, "Bandaging & Bones"), 30);
    EXPECT_EQ(skill(r, "Disease"), 0);
}

TEST(SpecialSkillProcedure, FixedGrantsComeByLevelWhateverThePicks) {
    using Values = std::vector<std::pair<std::string_view, std::int32_t>>;
    struct Case {
        std::int32_t profession, level;
        Values before, after; // skills and special skills by name
    };
    // clang-format off
    const Case cases[] = {
        {11, 0,  {}, {{"Forced March(6)", 200}, {"Flourentine Weapons", 200}}},
        {67, 5,  {}, {{"Earth Speak", 20}, {"Special Howling Wind", 0}}},
        {67, 10, {{"Earth Speak", 5}}, {{"Earth Speak", 5}, {"Special Howling Wind", 200}}},
        {67, 10, {{"Special Howling Wind", 50}}, {{"Special Howling Wind", 50}}},
        {70, 10, {{"Living Tongue", 5}},
                 {{"Tangleroot (Terra)", 25}, {"Living Tongue", 5}, {"Blessed Event", 25}}},
        // The Maternal Mother has no dialog, only grants.
        {71, 9,  {{"Balk", 75}, {"Parabola", 10}},
                 {{"Balk", 75}, {"Parabola", 60}, {"Intervening Shield", 60}, {"Champion", 200},
                  {"Dragonfriend", 200}, {"Veto", 0}}},
    };
    // clang-format on
    const auto value = [](CharacterRecord& r, std::string_view name) -> std::int32_t& {
        return skillIndexByName(name) ? skill(r, name) : special(r, name);
    };
    for (const Case& c : cases) {
        CharacterRecord r = character(c.profession, c.level);
        for (const auto& [name, v] : c.before) {
            value(r, name) = v;
        }
        Person ui;
        SpecialSkillProcedure(r, ui);
        for (const auto& [name, v] : c.after) {
            EXPECT_EQ(value(r, name), v) << c.profession << " " << name;
        }
    }
    // The Overseer's skills come after its endowments, which still see them at 0.
    CharacterRecord overseer = character(70, 10);
    Person ui;
    SpecialSkillProcedure(overseer, ui);
    Points tanglerootSeen;
    for (const SkillSelection& given : ui.skillsGiven) {
        tanglerootSeen.push_back(given.ratings()[*skillIndexByName("Tangleroot (Terra)")]);
    }
    EXPECT_EQ(tanglerootSeen, (Points{0, 0, 0}));
}

// Endowments (Pastor, Priest, Flesh Master) and the Squire's raises by profession level, whether
// a series was given before, Strength and update mode, every dialog escaped: the points offered,
// the messages, the series given after, Strength, Reflex, life level and skill points (3 before;
// an endowment's points are its own).
TEST(SpecialSkillProcedure, EndowmentsAndTheSquireByLevel) {
    std::string made;
    for (const std::int32_t profession : {29, 30, 73, 96}) {
        for (std::int32_t level = 0; level <= 12; ++level) {
            for (const std::int32_t given : {0, 1, 2, 3}) {
                for (const std::int32_t strength : {1, 5}) {
                    for (const std::int32_t updateMode : {0, 1}) {
                        CharacterRecord r =
                            character(profession, level, profession == 96 ? kRaceNeuonian : 0);
                        r.m_nSkillPoints = 3;
                        r.m_bEndowment1Given = given & 1;
                        r.m_bEndowment2Given = given >> 1;
                        r.m_bUpdateMode = updateMode;
                        advantage(r, A::Strength) = strength;
                        const std::int32_t reflex = advantage(r, A::Reflex);
                        Person ui;
                        SpecialSkillProcedure(r, ui);
                        made += std::to_string(profession) + " " + std::to_string(level) + " " +
                                std::to_string(given) + std::to_string(strength) +
                                std::to_string(updateMode) + ":";
                        for (const std::int32_t points : ui.pointsOffered()) {
                            made += " " + std::to_string(points);
                        }
                        for (Message m : ui.messages) {
                            std::replace(m.text.begin(), m.text.end(), '\n', '|');
                            made += "; " + m.caption + ": " + m.text;
                        }
                        made += "; given " + std::to_string(r.m_bEndowment1Given) +
                                std::to_string(r.m_bEndowment2Given) + ", strength " +
                                std::to_string(advantage(r, A::Strength)) + ", reflex +" +
                                std::to_string(advantage(r, A::Reflex) - reflex) + ", life " +
                                std::to_string(r.m_nLifeLevel) + ", skill points " +
                                std::to_string(r.m_nSkillPoints) + "\n";
                    }
                }
            }
        }
    }
    test::expectGolden(made, "endowments_and_squire.txt");
}

} // namespace
} // namespace orthavel

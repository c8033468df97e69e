#include "core/skills/MasteryRequirements.h"

#include "core/skills/SkillCatalogue.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

namespace orthavel {
namespace {

// Every profession's requirements as the rules state them: race, code, required values with
// their minimums, and the warning with "%i" for each value it shows.
struct RuleRow {
    std::int32_t race;
    std::int32_t code;
    std::string_view required;
    std::string_view warning;
};

// clang-format off
const RuleRow kRules[] = {
    {0, 0, R"(Archaic Science 4)", "You have Archaic Science:%i   You need Archaic Science:4"},
    {0, 1, R"(Scholastics 2, Leadership 2)", "You have Scholastics:%i  Leadership:%i   You need Scholastics:2  Leadership:2"},
    {0, 2, R"(Scholastics 6)", "You have Scholastics:%i  You need Scholastics:6"},
    {0, 3, R"(Combat 4, Leadership 4)", "You have Combat:%i  Leadership:%i   You need Combat:4  Leadership:4"},
    {0, 4, R"(Travel 3, Dark Arts 5)", "You have Dark Arts:%i  Travel:%i   You need Dark Arts:5  Travel:3"},
    {0, 5, R"(Scholastics 7)", "You have Scholastics:%i  You need Scholastics:7"},
    {0, 6, R"(Scholastics 7, Leadership 4, Entertainment 4)", "You have Scholastics:%i  Leadership:%i  Entertainment:%i\nYou need Scholastics:7  Leadership:4  Entertainment:4"},
    {0, 7, R"(Scholastics 5, Leadership 3, Travel 4, Dark Arts 3)", "You have Scholastics:%i  Leadership:%i  Dark Arts:%i  Travel:%i\nYou need Scholastics:5  Leadership:3  Dark Arts:3  Travel:4"},
    {0, 8, R"(Dark Arts 6, Leadership 6, Travel 4, rating of "City States of Neoun" 4)", "You have Dark Arts:%i  Leadership:%i  Travel:%i  City States:%i\nYou need Dark Arts:6  Leadership:6  Travel:4  City States:4"},
    {0, 9, R"(Scholastics 10, Leadership 10, Dark Arts 5)", "You have Leadership:%i  Scholastics:%i  Dark Arts:%i\nYou need Leadership:10  Scholastics:10  Dark Arts:5"},
    {0, 10, R"(Combat 3)", "You have Combat:%i   You need Combat:3"},
    {0, 11, R"(Blades 5, Subterfuge 3)", "You have Blades:%i  Subterfuge:%i\nYou need Blades:5  Subterfuge:3"},
    {0, 12, R"(Lances/Pole Arms 5, Blades 4, Animalship 3)", "You have Lances:%i  Blades:%i  Animalship:%i\nYou need Lances:5  Blades:4  Animalship:3"},
    {0, 13, R"(Fired Weapons 5, Blades 4, Terrain Knowledge 3)", "You have Fired Weapons:%i  Blades:%i  Terrain Knowledge:%i\nYou need Fired Weapons:5  Blades:4  Terrain Knowledge:3"},
    {0, 14, R"(Combat 6, Military 2)", "You have Combat:%i  Military:%i   You need Combat:6  Military:2"},
    {0, 15, R"(Combat 7, Military 3, History 1)", "You have Combat:%i  Military:%i  History:%i   You need Combat:7  Military:3  History:1"},
    {0, 16, R"(Combat 7, Military 4, History 2, Travel 2)", "You have Combat:%i  Military:%i  History:%i  Travel:%i\nYou need Combat:7  Military:4  History:2  Travel:2"},
    {0, 17, R"(Combat 7, Military 5, History 5, Travel 4)", "You have Combat:%i  Military:%i  History:%i  Travel:%i\nYou need Combat:7  Military:5  History:5  Travel:4"},
    {0, 18, R"(Combat 8, Military 6, History 6, Travel 4)", "You have Combat:%i  Military:%i  History:%i  Travel:%i\nYou need Combat:8  Military:6  History:6  Travel:4"},
    {0, 19, R"(Combat 8, Military 7, History 7, Travel 5)", "You have Combat:%i  Military:%i  History:%i  Travel:%i\nYou need Combat:8  Military:7  History:7  Travel:5"},
    {0, 20, R"(Combat 8, Military 8, History 8, Travel 6)", "You have Combat:%i  Military:%i  History:%i  Travel:%i\nYou need Combat:8  Military:8  History:8  Travel:6"},
    {0, 21, R"(Combat 6, Cultural Skills 4, Leadership 4, History 4, Travel 4)", "You have Combat:%i  Cultural:%i  Leadership:%i  History:%i  Travel:%i\nYou need Combat:6  Cultural:4  Leadership:4  History:4  Travel:4"},
    {0, 22, R"(Combat 6, Statecraft 4, Home 4, Travel 6)", "You have Combat:%i  Statecraft:%i  Home:%i  Travel:%i\nYou need Combat:6  Statecraft:4  Home:4  Travel:6"},
    {0, 23, R"(Combat 7, Military 5, History 3)", "You have Combat:%i  Military:%i  History:%i\nYou need Combat:7  Military:5  History:3"},
    {0, 24, R"(Combat 8, Cultural Skills 4, Subterfuge 6, History 6, Travel 6)", "You have Combat:%i  Cultural:%i  Subterfuge:%i  History:%i  Travel:%i\nYou need Combat:8  Cultural:4  Subterfuge:6  History:6  Travel:6"},
    {0, 25, R"(Religion 2)", "You have Religion:%i   You need Religion:2"},
    {0, 26, R"(Religion 3)", "You have Religion:%i   You need Religion:3"},
    {0, 27, R"(Religion 3, Combat 3)", "You have Combat:%i  Religion:%i   You need Combat:3  Religion:3"},
    {0, 28, R"(Religion 4, Military 3, Combat 5)", "You have Combat:%i  Religion:%i  Military:%i   You need Combat:5  Religion:4  Military:3"},
    {0, 29, R"(Religion 4, Leadership 2)", "You have Religion:%i  Leadership:%i   You need Religion:4  Leadership:2"},
    {0, 30, R"(Church 7, Gods 7, Leadership 5)", "You have Church:%i  Gods:%i  Leadership:%i\nYou need Church:7  Gods:7  Leadership:5"},
    {0, 31, R"(Church 8, Gods 8, Leadership 6)", "You have Church:%i  Gods:%i  Leadership:%i\nYou need Church:8  Gods:8  Leadership:6"},
    {0, 32, R"(Church 10, Gods 10, Leadership 8)", "You have Church:%i  Gods:%i  Leadership:%i\nYou need Church:10  Gods:10  Leadership:8"},
    {0, 33, R"(Scholastics 3)", "You have Scholastics:%i   You need Scholastics:3"},
    {0, 34, R"(Magic 4, Archaic Science 4, Research 4)", "You have Magic:%i  Archaic Science:%i  Research:%i\nYou need Magic:4  Archaic Science:4  Research:4"},
    {0, 35, R"(Magic 3, Travel 3)", "You have Magic:%i  Travel:%i   You need Magic:3  Travel:3"},
    {0, 36, R"(Magic 4, Archaic Science 4, Demonology 4)", "You have Magic:%i  Archaic Science:%i  Demonology:%i\nYou need Magic:4  Archaic Science:4  Demonology:4"},
    {0, 37, R"(Magic 5, Archaic Science 5, Leadership 3, Travel 3)", "You have Magic:%i  Archaic Science:%i  Leadership:%i  Travel:%i\nYou need Magic:5  Archaic Science:5  Leadership:3  Travel:3"},
    {0, 38, R"(Magic 6, Archaic Science 6, Leadership 4, Travel 4)", "You have Magic:%i  Archaic Science:%i  Leadership:%i  Travel:%i\nYou need Magic:6  Archaic Science:6  Leadership:4  Travel:4"},
    {0, 39, R"(Magic 7, Archaic Science 7, Leadership 5, Travel 5)", "You have Magic:%i  Archaic Science:%i  Leadership:%i  Travel:%i\nYou need Magic:7  Archaic Science:7  Leadership:5  Travel:5"},
    {0, 40, R"(Magic 10, Archaic Science 10, Leadership 8, Travel 6)", "You have Magic:%i  Archaic Science:%i  Leadership:%i  Travel:%i\nYou need Magic:10  Archaic Science:10  Leadership:8  Travel:6"},
    {0, 41, R"(Travel 3)", "You have Travel:%i   You need Travel:3"},
    {0, 42, R"(Entertainment 3)", "You have Entertainment:%i   You need Entertainment:3"},
    {0, 43, R"(Entertainment 3)", "You have Entertainment:%i   You need Entertainment:3"},
    {0, 44, R"(Entertainment 3)", "You have Entertainment:%i   You need Entertainment:3"},
    {0, 45, R"(Entertainment 3)", "You have Entertainment:%i   You need Entertainment:3"},
    {0, 46, R"(Entertainment 3)", "You have Entertainment:%i   You need Entertainment:3"},
    {0, 47, R"(Entertainment 6, Myth & Lore 3, Travel 6)", "You have Entertainment:%i  Myth and Lore:%i  Travel:%i\nYou need Entertainment:6  Myth and Lore:3  Travel:6"},
    {0, 48, R"(Entertainment 6, Myth & Lore 3, Travel 6)", "You have Entertainment:%i  Myth and Lore:%i  Travel:%i\nYou need Entertainment:6  Myth and Lore:3  Travel:6"},
    {0, 49, R"(Entertainment 6, Myth & Lore 3, Travel 6)", "You have Entertainment:%i  Myth and Lore:%i  Travel:%i\nYou need Entertainment:6  Myth and Lore:3  Travel:6"},
    {0, 50, R"(Entertainment 6, Myth & Lore 3, Travel 6)", "You have Entertainment:%i  Myth and Lore:%i  Travel:%i\nYou need Entertainment:6  Myth and Lore:3  Travel:6"},
    {0, 51, R"(Entertainment 6, Myth & Lore 3, Travel 6)", "You have Entertainment:%i  Myth and Lore:%i  Travel:%i\nYou need Entertainment:6  Myth and Lore:3  Travel:6"},
    {0, 52, R"(Entertainment 10, Myth & Lore 6, Travel 8)", "You have Entertainment:%i  Myth and Lore:%i  Travel:%i\nYou need Entertainment:10  Myth and Lore:6  Travel:8"},
    {0, 53, R"(Combat 2, Dark Arts 2)", "You have Combat:%i  Dark Arts:%i   You need Combat:2  Dark Arts:2"},
    {0, 54, R"(Combat 3, Dark Arts 3)", "You have Combat:%i  Dark Arts:%i   You need Combat:3  Dark Arts:3"},
    {0, 55, R"(Combat 4, Travel 4)", "You have Combat:%i  Travel:%i   You need Combat:4  Travel:4"},
    {0, 56, R"(Combat 4, Dark Arts 4, Statecraft 2)", "You have Combat:%i  Dark Arts:%i  Statecraft:%i   You need Combat:4  Dark Arts:4  Statecraft:2"},
    {0, 57, R"(Combat 4, Dark Arts 5, Travel 4)", "You have Combat:%i  Dark Arts:%i  Travel:%i   You need Combat:4  Dark Arts:5  Travel:4"},
    {0, 58, R"(Combat 5, Dark Arts 6, Travel 5)", "You have Combat:%i  Dark Arts:%i  Travel:%i   You need Combat:5  Dark Arts:6  Travel:5"},
    {0, 59, R"(Combat 7, Dark Arts 6, Travel 6)", "You have Combat:%i  Dark Arts:%i  Travel:%i   You need Combat:7  Dark Arts:6  Travel:6"},
    {0, 60, R"(Combat 6, Leadership 4, Travel 5)", "You have Combat:%i  Leadership:%i  Travel:%i   You need Combat:6  Leadership:4  Travel:5"},
    {0, 61, R"(Combat 8, Dark Arts 7, Leadership 4, Travel 6)", "You have Combat:%i  Dark Arts:%i  Leadership:%i  Travel:%i\nYou need Combat:8  Dark Arts:7  Leadership:4  Travel:6"},
    {0, 62, R"(Combat 8, Dark Arts 8, Athletics 4, Travel 7)", "You have Combat:%i  Dark Arts:%i  Athletics:%i  Travel:%i\nYou need Combat:8  Dark Arts:8  Athletics:4  Travel:7"},
    {0, 63, R"(Combat 8, Dark Arts 8, Leadership 6, Travel 8)", "You have Combat:%i  Dark Arts:%i  Leadership:%i  Travel:%i\nYou need Combat:8  Dark Arts:8  Leadership:6  Travel:8"},
    {0, 64, R"(Combat 10, Dark Arts 10, Leadership 8, Travel 10)", "You have Combat:%i  Dark Arts:%i  Leadership:%i  Travel:%i\nYou need Combat:10  Dark Arts:10  Leadership:8  Travel:10"},
    {0, 65, R"(Domestic 2)", "You have Domestics:%i   You need Domestics:2"},
    {0, 67, R"(Hand to Hand 5, Fired Weapons 5)", "You have Hand to Hand:%i  Fired Weapons:%i\nYou need Hand to Hand:5  Fired Weapons:5"},
    {0, 68, R"(Religion 2, Domestic 3, Leadership 1)", "You have Religion:%i  Domestics:%i  Leadership:%i\nYou need Religion:2  Domestics:3  Leadership:1"},
    {0, 69, R"(Church 5, Gods 5, Demonology 5, Farm 5, Home 5, Civilian 2)", "You have Religion:%i  Domestics:%i  Civilian:%i\nYou need Religion:5(all)  Domestics:5(all)  Civilian:2"},
    {0, 70, R"(Church 7, Gods 7, Demonology 7, Military 5, Statecraft 5, Civilian 5, Fortune Telling 3)", "You have Religion:%i  Leadership:%i  Fortune Telling:%i\nYou need Religion:7(all)  Leadership:5(all)  Fortune Telling:3"},
    {0, 71, R"(Church 9, Gods 9, Demonology 9, Military 7, Statecraft 7, Civilian 7, Fortune Telling 7)", "You have Religion:%i  Leadership:%i  Fortune Telling:%i\nYou need Religion:9(all)  Leadership:7(all)  Fortune Telling:7"},
    {0, 72, R"(Religion 3)", "You have Religion:%i   You need Religion:3"},
    {0, 73, R"(Religion 4)", "You have Religion:%i   You need Religion:4"},
    {0, 74, R"(Religion 4, Dark Arts 3, Combat 5)", "You have Combat:%i  Dark Arts:%i  Religion:%i   You need Combat:5  Dark Arts:3  Religion:4"},
    {0, 75, R"(Religion 4, Combat 7, Leadership 3)", "You have Combat:%i  Religion:%i  Leadership:%i   You need Combat:7  Religion:4  Leadership:3"},
    {0, 76, R"(Religion 5, Leadership 4)", "You have Religion:%i  Leadership:%i   You need Religion:5  Leadership:4"},
    {0, 77, R"(Church 7, Gods 7, Leadership 5)", "You have Church:%i  Gods:%i  Leadership:%i\nYou need Church:7  Gods:7  Leadership:5"},
    {0, 78, R"(Church 8, Gods 8, Leadership 6)", "You have Church:%i  Gods:%i  Leadership:%i\nYou need Church:8  Gods:8  Leadership:6"},
    {0, 79, R"(Church 10, Gods 10, Leadership 8)", "You have Church:%i  Gods:%i  Leadership:%i\nYou need Church:10  Gods:10  Leadership:8"},
    {0, 80, R"(Research 3)", "You have Research:%i   You need Research:3"},
    {0, 81, R"(Research 5)", "You have Research:%i   You need Research:5"},
    {0, 82, R"(Hand to Hand 5)", "You have Hand to Hand:%i  You need Hand to Hand:5"},
    {0, 83, R"(Research 6, Leadership 3)", "You have Leadership:%i  Research:%i   You need Leadership:3  Research:6"},
    {0, 84, R"(Research 7, Travel 3)", "You have Travel:%i  Research:%i   You need Travel:3  Research:7"},
    {0, 85, R"(Research 8, Leadership 5, Hand to Hand 6)", "You have Hand to Hand:%i  Leadership:%i  Research:%i\nYou need Hand to Hand:6  Leadership:5  Research:8"},
    {0, 86, R"(Research 10, Leadership 7, Hand to Hand 7)", "You have Hand to Hand:%i  Leadership:%i  Research:%i\nYou need Hand to Hand:7  Leadership:7  Research:10"},
    {0, 103, R"(Cultural Skills 4, rating of "Howling Wind" 20, rating of "Prowling" 10, rating of "Dowsing" 20, rating of "Hunting" 40, rating of "Bandaging & Bones" 40, rating of "Riding" 10)", "You have Cultural:%i   You need Cultural:4 and minimum skills (see Tome)."},
    {1, 87, R"(Combat 2)", "You have Combat:%i   You need Combat:2"},
    {1, 88, R"(Fired Weapons 3)", "You have Fired Weapons:%i   You need Fired Weapons:3"},
    {1, 89, R"(Prof Crafts 4)", "You have Professional Crafts:%i   You need Professional Crafts:4"},
    {1, 90, R"(Travel 4, Civilian 1)", "You have Travel:%i and Leadership:Civilian:%i\nYou need Travel:4 and Leadership:Civilian:1"},
    {1, 91, R"(Scholastics 3)", "You have Scholastics:%i   You need Scholastics:3"},
    {1, 92, R"(Religion 3)", "You have Religion:%i   You need Religion:3"},
    {1, 93, R"(Arts 4)", "You have Arts:%i   You need Arts:4"},
    {1, 94, R"(Research 2)", "You have Research:%i   You need Research:2"},
    {1, 95, R"(Research 2, Neuonian 5)", "You have Research:%i and Culture(Neuonian):%i\nYou need Research:2 and Culture(Neuonian):5"},
    {1, 96, R"(Home 3, Scholastics 2, Neuonian 2, Animalship 1)", "You have Home:%i  Scholastics:%i  Culture(Neuonian):%i  Animalship:%i\nYou need Home:3  Scholastics:2  Culture(Neuonian):2  Animalship:1"},
    {1, 97, R"(Music 4)", "You have Music:%i   You need Music:4"},
    {1, 98, R"(Combat 4, rating of "Cities" 30)", "You have Combat:%i and Terrain:Cities:%i\nYou need Combat:4 and Terrain:Cities:30"},
    {1, 99, R"(Subterfuge 3)", "You have Subterfuge:%i   You need Subterfuge:3"},
    {1, 100, R"(Carts & Ships 3)", "You have Carts and Ships:%i   You need Carts and Ships:3"},
    {1, 101, R"(Travel 3, Home 4)", "You have Travel:%i and Domestic:Home:%i\nYou need Travel:3 and Domestic:Home:4"},
    {1, 102, R"(Entertainment 4)", "You have Carts and Entertainment:%i   You need Entertainment:4"},
};
// clang-format on

struct Target {
    MasteryValue value;
    std::int32_t minimum;
};

MasteryValue resolve(std::string_view name) {
    constexpr std::string_view ratingOf = "rating of \"";
    if (name.starts_with(ratingOf)) {
        const auto skill =
            skillIndexByName(name.substr(ratingOf.size(), name.size() - ratingOf.size() - 1));
        EXPECT_TRUE(skill) << name;
        return {MasteryValue::Kind::Rating, static_cast<std::int16_t>(skill.value_or(0))};
    }
    for (std::size_t m = 0; m < kMasteryNames.size(); ++m) {
        if (kMasteryNames[m] == name) {
            return {MasteryValue::Kind::Mastery, static_cast<std::int16_t>(m)};
        }
    }
    for (std::size_t e = 0; e < kEmphases.size(); ++e) {
        if (kEmphases[e].name == name) {
            return {MasteryValue::Kind::Emphasis, static_cast<std::int16_t>(e)};
        }
    }
    ADD_FAILURE() << "unknown value " << name;
    return {};
}

std::vector<Target> parseRequired(std::string_view text) {
    std::vector<Target> targets;
    while (!text.empty()) {
        const auto comma = text.find(", ");
        const std::string_view part = text.substr(0, comma);
        const auto blank = part.rfind(' ');
        targets.push_back(
            {resolve(part.substr(0, blank)), std::stoi(std::string(part.substr(blank + 1)))});
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 2);
    }
    return targets;
}

struct State {
    MasteryResult levels{};
    SkillRatings ratings{};

    void set(MasteryValue value, std::int32_t level) {
        const auto index = static_cast<std::size_t>(value.index);
        using K = MasteryValue::Kind;
        (value.kind == K::Mastery    ? levels.masteries[index]
         : value.kind == K::Emphasis ? levels.emphases[index]
                                     : ratings[index]) = level;
    }
};

// The check of a state holding the values listed ("Name n, ...").
MasteryCheck checkWith(std::int32_t race, std::int32_t code, std::string_view values) {
    State state;
    for (const auto& target : parseRequired(values)) {
        state.set(target.value, target.minimum);
    }
    return checkMasteryRequirements(race, code, state.levels, state.ratings);
}

// Whether text is the warning with a whole number in place of each "%i".
::testing::AssertionResult filledIn(const std::string& text, const std::string& warning) {
    const std::string escaped =
        std::regex_replace(warning, std::regex(R"([.^$|()\[\]{}*+?\\])"), R"(\$&)");
    if (std::regex_match(text,
                         std::regex(std::regex_replace(escaped, std::regex("%i"), "-?[0-9]+")))) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "\"" << text << "\" is not \"" << warning << "\"";
}

TEST(MasteryRequirements, EveryProfessionPassesAtItsMinimumsAndFailsOneBelowEach) {
    for (const RuleRow& rule : kRules) {
        SCOPED_TRACE(::testing::Message() << "race " << rule.race << " code " << rule.code);
        const auto targets = parseRequired(rule.required);
        State atMinimum;
        for (const auto& target : targets) {
            atMinimum.set(target.value, target.minimum);
        }
        const MasteryCheck passed =
            checkMasteryRequirements(rule.race, rule.code, atMinimum.levels, atMinimum.ratings);
        EXPECT_TRUE(passed.met);
        EXPECT_TRUE(passed.professionLevel.has_value());

        for (std::size_t i = 0; i < targets.size(); ++i) {
            State below = atMinimum;
            below.set(targets[i].value, targets[i].minimum - 1);
            const MasteryCheck failed =
                checkMasteryRequirements(rule.race, rule.code, below.levels, below.ratings);
            EXPECT_FALSE(failed.met) << "one below requirement " << i;
            EXPECT_FALSE(failed.professionLevel.has_value());
            EXPECT_TRUE(filledIn(failed.warning, std::string(rule.warning)));
        }
    }
}

TEST(MasteryRequirements, TheTableHoldsExactlyTheRulesRows) {
    std::set<std::pair<std::int32_t, std::int32_t>> ruled;
    for (const RuleRow& rule : kRules) {
        ruled.insert({rule.race, rule.code});
    }
    for (std::int32_t race : {kRaceKessari, kRaceNeuonian}) {
        for (std::int32_t code = -1; code <= 105; ++code) {
            const MasteryRequirementRow* row = findMasteryRequirements(race, code);
            EXPECT_EQ(row != nullptr, ruled.contains({race, code})) << race << " " << code;
            if (row == nullptr) {
                // No row: no requirement, and the caller keeps its profession level.
                const MasteryCheck check = checkMasteryRequirements(race, code, {}, {});
                EXPECT_TRUE(check.met) << race << " " << code;
                EXPECT_FALSE(check.professionLevel.has_value());
            }
        }
    }
}

TEST(MasteryRequirements, WarningsShowTheCurrentValuesInTheirOwnOrder) {
    struct Case {
        std::int32_t race, code;
        std::string_view values;
        std::string_view warning;
    };
    // Meta Spy names Dark Arts first; Adventurer shows only Cultural Skills; Priestess the
    // masteries; Master Meta Spy the raw rating.
    // clang-format off
    const Case cases[] = {
        {0, 0, "Archaic Science 3", "You have Archaic Science:3   You need Archaic Science:4"},
        {0, 4, "Travel 3, Dark Arts 4", "You have Dark Arts:4  Travel:3   You need Dark Arts:5  Travel:3"},
        {0, 103, R"(Cultural Skills 4, rating of "Howling Wind" 20, rating of "Prowling" 10, rating of "Dowsing" 20, rating of "Hunting" 39, rating of "Bandaging & Bones" 40, rating of "Riding" 10)", "You have Cultural:4   You need Cultural:4 and minimum skills (see Tome)."},
        {0, 69, "Church 5, Gods 4, Religion 4, Domestic 2, Civilian 3", "You have Religion:4  Domestics:2  Civilian:3\nYou need Religion:5(all)  Domestics:5(all)  Civilian:2"},
        {0, 8, R"(Dark Arts 6, Leadership 6, Travel 4, rating of "City States of Neoun" 3)", "You have Dark Arts:6  Leadership:6  Travel:4  City States:3\nYou need Dark Arts:6  Leadership:6  Travel:4  City States:4"},
        {1, 98, R"(Combat 3, rating of "Cities" 45)", "You have Combat:3 and Terrain:Cities:45\nYou need Combat:4 and Terrain:Cities:30"},
        {1, 89, "Prof Crafts 3", "You have Professional Crafts:3   You need Professional Crafts:4"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const MasteryCheck check = checkWith(c.race, c.code, c.values);
        EXPECT_FALSE(check.met) << c.values;
        EXPECT_EQ(check.warning, c.warning) << c.values;
    }
}

TEST(MasteryRequirements, TheProfessionLevelAveragesTheRowsValues) {
    struct Case {
        std::int32_t race, code;
        std::string_view values;
        std::int32_t level;
    };
    // Medic, Sergeant, Mercenary with no Dark Arts, Squire, Mercenary Fighter averaging a
    // rating, Adventurer by Cultural Skills alone, Priestess averaging masteries, Knight.
    // clang-format off
    const Case cases[] = {
        {0, 0, "Archaic Science 4", 4},
        {0, 14, "Combat 6, Military 3", 4},
        {0, 55, "Combat 5, Travel 4", 4},
        {1, 96, "Home 3, Scholastics 2, Neuonian 2, Animalship 1", 2},
        {1, 98, R"(Combat 4, rating of "Cities" 30)", 17},
        {0, 103, R"(Cultural Skills 5, rating of "Howling Wind" 20, rating of "Prowling" 10, rating of "Dowsing" 20, rating of "Hunting" 40, rating of "Bandaging & Bones" 40, rating of "Riding" 10)", 5},
        {0, 69, "Church 5, Gods 5, Demonology 5, Farm 5, Home 5, Civilian 2, Religion 6, Domestic 5", 4},
        {0, 21, "Combat 7, Cultural Skills 4, Leadership 4, History 4, Travel 5", 4},
    };
    // clang-format on
    for (const auto& c : cases) {
        const MasteryCheck check = checkWith(c.race, c.code, c.values);
        EXPECT_TRUE(check.met) << c.values << ": " << check.warning;
        EXPECT_EQ(check.professionLevel, c.level) << c.values;
    }
}

TEST(MasteryRequirements, ABranchIsChosenByRace) {
    // A Neuonian with a Kessari profession, a Kessari with a Neuonian job: no requirement.
    EXPECT_TRUE(checkMasteryRequirements(kRaceNeuonian, 0, {}, {}).met);
    EXPECT_TRUE(checkMasteryRequirements(kRaceKessari, 87, {}, {}).met);
    // Any race code but 1 is held to the Kessari rows.
    EXPECT_FALSE(checkMasteryRequirements(7, 0, {}, {}).met);
    EXPECT_FALSE(checkMasteryRequirements(kRaceNeuonian, 87, {}, {}).met);
}

} // namespace
} // namespace orthavel

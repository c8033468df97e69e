#include "core/advantages/ProfessionMinimums.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace orthavel {
namespace {

// Every profession's minimums as the rules state them: race, code, minimum levels ("A n" or
// "A n or B n (either)"), warning ("" for the professions accepted without minimums).
struct RuleRow {
    std::int32_t race;
    std::int32_t code;
    std::string_view minimums;
    std::string_view warning;
};

// clang-format off
const RuleRow kRules[] = {
    {0, 0, "Comprehension 3, Logic 2", "You need Comprehension:3 and Logic:2 to be a Medic."},
    {0, 1, "Awareness 2, Logic 1, Confidence 1", "You need Awareness:2, Confidence:1 and Logic:1 to be a Mimic."},
    {0, 2, "Comprehension 2, Awareness 2, Logic 4", "You need Comprehension:2, Logic:4, and Awareness:2 to be a Sage."},
    {0, 3, "Reflex 2, Awareness 2, Logic 1, Persevearance 1, Confidence 1, Etiquette 1", "You need Reflex:2, Awareness:2, Logic:1, Persevearance:1,\nConfidence:1, and Etiquette:1 to be a Guardian."},
    {0, 4, "Awareness 4, Avoidance 2", "You need Awareness:4 and Avoidance:2 to be a Meta Spy."},
    {0, 5, "Dexterity 3, Logic 5, Persevearance 3", "You need Persevearance:3, Dexterity:3, and Logic:5 to be a Surgeon."},
    {0, 6, "Awareness 7, Logic 5, Persevearance 2, Confidence 1", "You need Awareness:7, Confidence:1, Persevearance:2, and Logic:5 to be a Mind Master."},
    {0, 7, "Awareness 7, Logic 3, Persevearance 2, Confidence 1", "You need Awareness:7, Confidence:1, Persevearance:2, and Logic:3 to be a Mind Master."},
    {0, 8, "Awareness 7, Logic 2, Persevearance 4, Confidence 3, Avoidance 3", "You need Awareness:7, Confidence:3, Logic:2, Avoidance:3, and \nPersevearance:4 to be a Master Meta Spy."},
    {0, 9, "Comprehension 3, Awareness 10, Logic 8, Persevearance 5, Confidence 6, Charisma 3, Etiquette 3", "You need Awareness:10, Persevearance:5, Etiquette:3, Logic:8,\nCharisma:3, Comprehension:3, and Confidence:6 to be the House Lord (Meta Lord)."},
    {0, 10, "Strength 1, Stamina 1, Reflex 1", "You need Strength:1, Stamina:1, and Reflex:1 to be a Recruit."},
    {0, 11, "Strength 2, Stamina 3, Reflex 2", "You need Stamina:3, Reflex:2, and Strength:2 to be a Warrior."},
    {0, 12, "Strength 2, Agility 2, Reflex 3", "You need Agility:2, Reflex:3, and Strength:2 to be a Destrier."},
    {0, 13, "Dexterity 3, Stamina 2, Confidence 2", "You need Dexterity:3, Stamina:2, and Confidence:2 to be a Archer."},
    {0, 14, "Persevearance 2, Confidence 2", "You need Confidence:2, and Persevearance:2 to be a Sergeant."},
    {0, 15, "Persevearance 3, Confidence 3", "You need Confidence:3, and Persevearance:3 to be a Sergeant at Arms."},
    {0, 16, "Logic 1, Persevearance 3, Confidence 3, Etiquette 1, Style 1", "You need Confidence:3, Persevearance:3, Etiquette:1,\nStyle:1, and Logic:1 to be a Master Sergeant."},
    {0, 17, "Logic 3, Persevearance 3, Confidence 3, Charisma 1, Etiquette 1", "You need Confidence:3, Persevearance:3, \nCharisma:1, Etiquette:1, and Logic:3 to be a Lieutenant."},
    {0, 18, "Logic 4, Persevearance 3, Confidence 3, Charisma 2, Etiquette 2, Style 1, Avoidance 1", "You need Confidence:3, Persevearance:3, Charisma:2,\nEtiquette:2, Logic:4, Style:1, and Avoidance:1 to be a Captain."},
    {0, 19, "Logic 5, Persevearance 3, Confidence 4, Charisma 2, Etiquette 2, Style 2, Avoidance 2", "You need Confidence:4, Persevearance:3, Charisma:2,\nEtiquette:2, Logic:5, Style:2, and Avoidance:2 to be a Commander."},
    {0, 20, "Logic 6, Persevearance 4, Confidence 5, Charisma 3, Etiquette 3, Style 2, Avoidance 2", "You need Confidence:5, Persevearance:4, Charisma:3,\nEtiquette:3, Logic:6, Style:2, and Avoidance:2 to be a General."},
    {0, 21, "Strength 2, Stamina 2, Reflex 2, Awareness 1, Logic 2, Persevearance 2, Confidence 2, Charisma 1, Etiquette 1, Style 1", "You need Stamina:2, Reflex:2, Strength:2, Awareness:1\nLogic:2, Confidence:2, Persevearance:2, Charisma:1\nStyle:1, and Etiquette:1 to be a Knight."},
    {0, 22, "Agility 1, Stamina 3, Awareness 2, Logic 1, Persevearance 3, Confidence 2, Charisma 1, Avoidance 1", "You need Stamina:3, Agility:1, Awareness:2, Confidence:2,\nCharisma:1, Avoidance:1, Logic:1, and Persevearance:3 to be a Sheriff."},
    {0, 23, "Strength 3, Agility 3, Stamina 3, Reflex 3, Awareness 3, Logic 1, Persevearance 2, Confidence 2, Charisma 2", "You need Stamina:3, Reflex:3, Strength:3, Agility:3,\nAwareness:3, Confidence:2, Charisma:2, Logic:1, and Persevearance:2 to be an Ivory Guard."},
    {0, 24, "Strength 3, Agility 2, Stamina 3, Reflex 3, Awareness 2, Logic 4, Persevearance 2, Confidence 2, Style 2, Avoidance 2", "You need Stamina:3, Reflex:3, Strength:3, Agility:2,\nAwareness:2, Logic:4, Confidence:2, Persevearance:2,\nStyle:2, and Avoidance:2 to be a Paladin."},
    {0, 25, "Comprehension 1, Persevearance 1, Confidence 1", "You need Comprehension:1, Confidence:1, and Persevearance:1 to be an Initiate."},
    {0, 26, "Comprehension 2, Persevearance 2, Confidence 2", "You need Comprehension:2, Confidence:2, and Persevearance:2 to be an Acolyte."},
    {0, 27, "Reflex 1, Awareness 1, Persevearance 3, Confidence 3", "You need Reflex:1, Awareness:1, Confidence:3, and Persevearance:3 to be a Temple Guard."},
    {0, 28, "Strength 1, Stamina 1, Reflex 2, Awareness 2, Persevearance 4, Confidence 4", "You need Strength:1, Stamina:1, Reflex:2, Awareness:2,\nConfidence:4, and Persevearance:4 to be a Holy Warrior."},
    {0, 29, "Comprehension 3, Persevearance 3, Confidence 3, Charisma 1", "You need Comprehension:3, Confidence:3, Persevearance:3,\nand Charisma:1 to be a Pastor."},
    {0, 30, "Comprehension 4, Logic 1, Persevearance 5, Confidence 5, Charisma 2, Etiquette 1, Avoidance 1", "You need Comprehension:4, Confidence:5, Persevearance:5,\nCharisma:2, Etiquette:1, Avoidance:1, and Logic:1 to be a Priest."},
    {0, 31, "Comprehension 5, Logic 2, Persevearance 6, Confidence 6, Charisma 3, Etiquette 2, Avoidance 2", "You need Comprehension:5, Confidence:6, Persevearance:6,\nCharisma:3, Etiquette:2, Avoidance:2, and Logic:2\nto be a High Priest."},
    {0, 32, "Comprehension 6, Logic 3, Persevearance 7, Confidence 7, Charisma 4, Etiquette 3, Style 2, Avoidance 3", "You need Comprehension:6, Confidence:7, Persevearance:7,\nCharisma:4, Etiquette:3, Avoidance:3, Logic:3,\nand Style:2 to be House Lord (Lord High Priest)."},
    {0, 33, "Comprehension 1, Logic 1, Persevearance 1", "You need Comprehension:1, Logic:1, and, Persevearance:1 to be a Wizard's Apprentice."},
    {0, 34, "Comprehension 2, Logic 5, Persevearance 2", "You need Comprehension:2, Logic:5, and, Persevearance:2 to be an Alchemist."},
    {0, 35, "Comprehension 1, Awareness 1, Logic 5, Persevearance 1", "You need Comprehension:1, Logic:5, Awareness:1, and, Persevearance:1 to be a Ronin Wizard."},
    {0, 36, "Comprehension 2, Logic 5, Persevearance 2, Confidence 1", "You need Comprehension:2, Logic:5, Persevearance:2, and Confidence:1 to be a Demonologist."},
    {0, 37, "Comprehension 3, Logic 5, Persevearance 3, Confidence 1, Etiquette 1", "You need Comprehension:3, Logic:5, Persevearance:3, Etiquette:1, and Confidence:1 to be a Journeyman Wizard."},
    {0, 38, "Comprehension 4, Logic 5, Persevearance 4, Confidence 1, Etiquette 1, Style 1, Avoidance 1", "You need Comprehension:4, Logic:5, Persevearance:4, Etiquette:1,\nStyle:1, Avoidance:1, and Confidence:1 to be a Wizard Adept."},
    {0, 39, "Comprehension 5, Logic 6, Persevearance 5, Confidence 2, Etiquette 2, Style 1, Avoidance 2", "You need Comprehension:5, Logic:6, Persevearance:5, Etiquette:2,\nStyle:1, Avoidance:2, and Confidence:2 to be a Master Wizard."},
    {0, 40, "Comprehension 6, Logic 8, Persevearance 6, Confidence 4", "You need Comprehension:6, Logic:8, Persevearance:6, and Confidence:4 to be the House Lord (Wizard Lord)."},
    {0, 41, "Dexterity 1, Appearance 1, Charisma 1, Style 1", "You need Dexterity:1, Charisma:1, Appearance:1, and Style:1 to be an Itinerant."},
    {0, 42, "Dexterity 2, Appearance 1, Charisma 1, Style 2", "You need Dexterity:2, Charisma:1, Appearance:1, and Style:2 to be a Musician."},
    {0, 43, "Agility 1, Appearance 1, Charisma 2, Style 2", "You need Agility:1, Charisma:2, Appearance:1, and Style:2 to be an Actor."},
    {0, 44, "Dexterity 2, Awareness 2, Style 2", "You need Dexterity:2, Awareness:2, and Style:2 to be a Painter/Sculptor."},
    {0, 45, "Dexterity 1, Appearance 1, Charisma 2, Style 2", "You need Dexterity:1, Charisma:2, Appearance:1, and Style:2 to be a Poet."},
    {0, 46, "Dexterity 2, Reflex 2, Charisma 1, Style 1", "You need Dexterity:2, Reflex:2, Charisma:1, and Style:1 to be a Juggler."},
    {0, 47, "Dexterity 4, Persevearance 1, Appearance 2, Charisma 2, Style 4", "You need Dexterity:4, Charisma:2, Appearance:2, Style:4, and\nPersevearance:1 to be a Bard."},
    {0, 48, "Agility 2, Persevearance 1, Appearance 2, Charisma 4, Style 4", "You need Agility:2, Charisma:4, Appearance:2, Style:4, and\nPersevearance:1 to be a Troubadour."},
    {0, 49, "Dexterity 4, Awareness 4, Persevearance 1, Style 4", "You need Dexterity:4, Awareness:4, Style:4, and Persevearance:1 to be an Artist."},
    {0, 50, "Dexterity 2, Persevearance 1, Appearance 2, Charisma 4, Style 4", "You need Dexterity:2, Charisma:4, Appearance:2, Style:4, and\nPersevearance:1 to be a Minstrel."},
    {0, 51, "Dexterity 4, Reflex 4, Persevearance 1, Charisma 2, Style 2", "You need Dexterity:4, Reflex:4, Charisma:2, Style:2, and\nPersevearance:1 to be an Acrobat."},
    {0, 52, "Dexterity 5, Persevearance 2, Appearance 6, Charisma 4, Style 6", "You need Dexterity:5, Charisma:4, Appearance:6, Style:6, and\nPersevearance:2 to be the House Lord (Lord of Arts)."},
    {0, 53, "Reflex 1, Awareness 1", "You need Reflex:1 and Awareness:1 to be an Employee."},
    {0, 54, "Strength 1, Stamina 1, Reflex 2, Awareness 2", "You need Strength:1, Stamina:1, Reflex:2, and Awareness:2 to be a Bodyguard."},
    {0, 55, "Strength 1, Stamina 1, Reflex 2, Awareness 2", "You need Strength:1, Stamina:1, Reflex:2, and Awareness:2 to be a Mercenary."},
    {0, 56, "Reflex 2, Awareness 2, Confidence 1, Avoidance 1", "You need Confidence:1, Avoidance:1, Reflex:2, and Awareness:2 to be a Foreman."},
    {0, 57, "Reflex 2, Awareness 2, Etiquette 1, Avoidance 2", "You need Etiquette:1, Avoidance:2, Reflex:2, and Awareness:2 to be a Spy."},
    {0, 58, "Agility 1, Dexterity 1, Reflex 3, Awareness 3, Persevearance 1, Style 1", "You need Reflex:3, Awareness:3, Agility:1, Dexterity:1,\nStyle:1, and Persevearance:1 to be a Thief."},
    {0, 59, "Strength 3, Stamina 3, Reflex 3, Awareness 3, Persevearance 2, Confidence 2, Style 2, Avoidance 2", "You need Strength:3, Stamina:3, Reflex:3, Awareness:3,\nConfidence:2, Persevearance:2, Style:2, and Avoidance:2 to be a Renegade Paladin."},
    {0, 60, "Strength 2, Stamina 2, Reflex 3, Awareness 3, Logic 1, Persevearance 2, Confidence 2, Etiquette 1, Style 1, Avoidance 1", "You need Strength:2, Stamina:2, Reflex:3, Awareness:3,\nConfidence:2, Persevearance:2, Style:1,\nEtiquette:1, Avoidance:1, and Logic:1 to be a Renegade Knight."},
    {0, 61, "Strength 3, Stamina 3, Reflex 3, Awareness 3, Logic 1, Persevearance 3, Confidence 3, Etiquette 2, Style 2, Avoidance 3", "You need Strength:3, Stamina:3, Reflex:3, Awareness:3,\nConfidence:3, Persevearance:3, Etiquette:2,\nStyle:2, Avoidance:3, and Logic:1 to be a Death Knight."},
    {0, 62, "Agility 2, Dexterity 2, Reflex 4, Awareness 4, Persevearance 2, Etiquette 3, Style 3, Avoidance 3", "You need Reflex:4, Awareness:4, Agility:2, Dexterity:2,\nEtiquette:3, Style:3, Avoidance:3,\n and Persevearance:2 to be an Assassin."},
    {0, 63, "Reflex 5, Awareness 5, Logic 2, Persevearance 4, Confidence 4, Etiquette 4, Style 4, Avoidance 3", "You need Reflex:5, Awareness:5, Confidence:4,\nPersevearance:4, Etiquette:4, Style:4, Avoidance:3,\n and Logic:2 to be a Guildmaster."},
    {0, 64, "Agility 3, Dexterity 3, Reflex 6, Awareness 6, Logic 3, Persevearance 5, Confidence 5, Etiquette 4, Style 5, Avoidance 3", "You need Reflex:6, Awareness:6, Agility:3, \nDexterity:3, Confidence:5, Persevearance:5,\nEtiquette:4, Style:5, Avoidance:3,\n and Logic:3 to be the House Lord (Grandfather)."},
    {0, 65, "Confidence 1, Charisma 1", "You need Confidence:1 and Charisma:1 to be a Maiden."},
    {0, 67, "Agility 2, Reflex 2, Awareness 2, Confidence 2", "You need Reflex:2, Awareness:2, Agility:2, and Confidence:2 to be a Curator."},
    {0, 68, "Logic 1, Persevearance 2, Confidence 2, Charisma 2", "You need Confidence:2, Charisma:2, Perseverance:2, and Logic:1 to be a Disciple."},
    {0, 69, "Logic 2, Persevearance 4, Confidence 4, Charisma 3", "You need Confidence:4, Perseverance:4, Charisma:3, and Logic:2 to be a Priestess."},
    {0, 70, "Persevearance 5, Confidence 5, Charisma 4", "You need Confidence:5, Perseverance:5, and Charisma:4 to be an Overseer."},
    {0, 71, "Logic 4, Persevearance 6, Confidence 6", "You need Perseverance:6, Confidence:6, and Logic:4 to be the Maternal Mother."},
    {0, 72, "Comprehension 1, Persevearance 1, Confidence 1", "You need Comprehension:1, Confidence:1, and Persevearance:1 to be a Black Pawn."},
    {0, 73, "Comprehension 2, Persevearance 2, Confidence 2", "You need Comprehension:2, Confidence:2, and Perseverance:2 to be a Flesh Master."},
    {0, 74, "Reflex 1, Awareness 1, Persevearance 2, Confidence 2", "You need Reflex:1, Awareness:1, Confidence:2, and Perseverance:2 to be a Temple Guard."},
    {0, 75, "Strength 1, Stamina 1, Reflex 2, Awareness 2, Persevearance 3, Confidence 3", "You need Strength:1, Stamina:1, Reflex:2,\nAwareness:2, Confidence:3, and Perseverance:3 to be an Unholy Warrior."},
    {0, 76, "Comprehension 3, Logic 1, Persevearance 4, Confidence 4", "You need Comprehension:3, Confidence:4, Perseverance:4, and Logic:1 to be a Sacrificer (Soul Thief)."},
    {0, 77, "Comprehension 4, Logic 1, Persevearance 5, Confidence 5, Charisma 2, Etiquette 1, Avoidance 1", "You need Comprehension:4, Confidence:5, Logic:1,\nPerseverance:5, Charisma:2, Etiquette:1,\nand Avoidance:1 to be an Inquisitor."},
    {0, 78, "Comprehension 5, Logic 2, Persevearance 6, Confidence 6, Charisma 3, Etiquette 2, Avoidance 2", "You need Comprehension:5, Confidence:6, Logic:2,\nPerseverance:6, Charisma:3, Etiquette:2,\nand Avoidance:2 to be a Dark Magus."},
    {0, 79, "Comprehension 6, Logic 3, Persevearance 7, Confidence 7, Charisma 4, Etiquette 3, Avoidance 3", "You need Comprehension:6, Confidence:7, Logic:3,\nPerseverance:7, Charisma:4, Etiquette:3,\nand Avoidance:3 to be the House Lord (Chaos Magus)."},
    {0, 80, "Comprehension 1, Logic 3", "You need Comprehension:1 and Logic:3 to be a Monk."},
    {0, 81, "Comprehension 2, Logic 3", "You need Comprehension:2 and Logic:3 to be a Monitor."},
    {0, 82, "Strength 1, Stamina 1, Reflex 1, Awareness 1", "You need Strength:1, Stamina:1, Reflex:1, and Awareness:1 to be a Monastery Guard."},
    {0, 83, "Comprehension 3, Logic 4, Persevearance 1, Confidence 1", "You need Comprehension:3, Logic:4, Perseverance:1, and Confidence:1 to be a Librarian."},
    {0, 84, "Comprehension 4, Awareness 2, Logic 5, Persevearance 2", "You need Comprehension:4, Logic:5, Perseverance:2, and Awareness:2 to be a Scribe."},
    {0, 85, "Comprehension 5, Awareness 2, Logic 6, Persevearance 3, Confidence 2", "You need Comprehension:5, Logic:6, Perseverance:3, Awareness:2, and Confidence:2 to be a Master Librarian."},
    {0, 86, "Comprehension 7, Awareness 3, Logic 8, Persevearance 3, Confidence 3", "You need Comprehension:7, Logic:8, Perseverance:3, Awareness:3, and Confidence:3 to be the House Lord (Lord Curator)."},
    {0, 103, "", ""},
    {1, 87, "", ""},
    {1, 88, "Strength 1, Dexterity 2", "You need Dexterity:2 and Strength:1 to be a Bowman."},
    {1, 89, "", ""},
    {1, 90, "Persevearance 1, Charisma 1", "You need Persevearance:1 and Charisma:1 to be a Merchant."},
    {1, 91, "Comprehension 2, Logic 1", "You need Comprehension:2 and Logic:1 to be a Neonate Wizard."},
    {1, 92, "Logic 1, Confidence 2", "You need Confidence:2 and Logic:1 to be a Theologist."},
    {1, 93, "Style 1", "You need Style:1 to be an Artist."},
    {1, 94, "Comprehension 2, Logic 1", "You need Comprehension:2 and Logic:1 to be an Archive Investigator."},
    {1, 95, "Comprehension 2, Logic 1", "You need Comprehension:2 and Logic:1 to be a Scribe."},
    {1, 96, "Comprehension 1, Etiquette 1", "You need Comprehension:1 and Etiquette:1 to be a Squire."},
    {1, 97, "Style 1", "You need Style:1 to be a Musician."},
    {1, 98, "Strength 1, Agility 1, Stamina 1, Reflex 1", "You need Reflex:1, Agility:1, Strength:1,\n and Stamina:1 to be a Mercenary Fighter."},
    {1, 99, "Reflex 2 or Agility 2 (either), Awareness 1, Avoidance 1", "You need Reflex:2 or Agility:2, Avoidance:1,\n and Awareness:1 to be a Thug."},
    {1, 100, "Stamina 1", "You need Stamina:1 to be a Sailor."},
    {1, 101, "Stamina 1, Awareness 1", "You need Stamina:1 and Awareness:1 to be a Trapper."},
    {1, 102, "Appearance 1, Charisma 1, Style 2", "You need Style:2, Charisma:1 and Appearance:1 to be an Entertainer."},
    {1, 103, "", ""},
};
// clang-format on

struct Target {
    int advantage;
    std::int32_t level;
};

// The listed minimums; of "A n or B n (either)" the first, which alone is enough.
std::vector<Target> parseMinimums(std::string_view text) {
    std::vector<Target> targets;
    while (!text.empty()) {
        const auto comma = text.find(", ");
        std::string_view part = text.substr(0, comma);
        part = part.substr(0, part.find(" or "));
        const auto blank = part.rfind(' ');
        const auto advantage = advantageByLabel(part.substr(0, blank));
        EXPECT_TRUE(advantage.has_value()) << part;
        targets.push_back({advantage ? static_cast<int>(indexOf(*advantage)) : 0,
                           std::stoi(std::string(part.substr(blank + 1)))});
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 2);
    }
    return targets;
}

TEST(ProfessionMinimums, EveryProfessionPassesAtItsMinimumsAndFailsOneBelowEach) {
    for (const RuleRow& rule : kRules) {
        SCOPED_TRACE(::testing::Message() << "race " << rule.race << " code " << rule.code);
        const auto targets = parseMinimums(rule.minimums);
        // Everything not listed at the lowest level: unlisted advantages do not matter.
        AdvantageLevels atMinimum;
        atMinimum.fill(kLowestAdvantageLevel);
        for (const auto& target : targets) {
            atMinimum[static_cast<std::size_t>(target.advantage)] = target.level;
        }
        EXPECT_TRUE(meetsMinimums(rule.race, rule.code, atMinimum));
        EXPECT_TRUE(rule.warning.empty() || minimumsWarning(rule.race, rule.code) == rule.warning)
            << minimumsWarning(rule.race, rule.code);
        for (const auto& target : targets) {
            AdvantageLevels below = atMinimum;
            below[static_cast<std::size_t>(target.advantage)] = target.level - 1;
            EXPECT_FALSE(meetsMinimums(rule.race, rule.code, below))
                << "one below " << kAdvantages[static_cast<std::size_t>(target.advantage)].label;
        }
    }
}

TEST(ProfessionMinimums, CodesWithoutARowInTheBranchNeverPass) {
    std::set<std::pair<std::int32_t, std::int32_t>> ruled;
    for (const RuleRow& rule : kRules) {
        ruled.insert({rule.race, rule.code});
    }
    AdvantageLevels highest;
    highest.fill(10);
    for (std::int32_t race : {kRaceKessari, kRaceNeuonian}) {
        for (std::int32_t code = -1; code <= 105; ++code) {
            if (ruled.contains({race, code})) {
                continue;
            }
            EXPECT_FALSE(meetsMinimums(race, code, highest)) << race << " " << code;
            EXPECT_EQ(minimumsWarning(race, code),
                      "You do not have the minimum advantages for your job/profession.");
        }
    }
}

// A Neuonian Thug needs Reflex 2 or Agility 2: either alone is enough.
TEST(ProfessionMinimums, EitherOfTwoAlternativesIsEnough) {
    AdvantageLevels thug{};
    thug[1] = 2;  // Agility
    thug[14] = 1; // Avoidance
    thug[6] = 1;  // Awareness
    EXPECT_TRUE(meetsMinimums(kRaceNeuonian, 99, thug));
    thug[1] = 1;
    thug[4] = 1;
    EXPECT_FALSE(meetsMinimums(kRaceNeuonian, 99, thug));
    thug[4] = 2; // Reflex
    EXPECT_TRUE(meetsMinimums(kRaceNeuonian, 99, thug));
}

} // namespace
} // namespace orthavel

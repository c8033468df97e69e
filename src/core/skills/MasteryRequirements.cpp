// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/skills/MasteryRequirements.h"

#include "core/record/Format.h"

#include "core/skills/SkillCatalogue.h"

namespace orthavel {

namespace {

using Kind = MasteryValue::Kind;

constexpr MasteryValue mastery(std::string_view name) {
    for (std::size_t m = 0; m < kMasteryNames.size(); ++m) {
        if (kMasteryNames[m] == name) {
            return {Kind::Mastery, static_cast<std::int16_t>(m)};
        }
    }
    throw "no such mastery"; // a compile-time error in a constant expression
}

constexpr MasteryValue emphasis(std::string_view name) {
    for (std::size_t e = 0; e < kEmphases.size(); ++e) {
        if (kEmphases[e].name == name) {
            return {Kind::Emphasis, static_cast<std::int16_t>(e)};
        }
    }
    throw "no such emphasis";
}

constexpr MasteryValue rating(std::string_view skill) {
    for (const auto& entry : kSkillCatalogue) {
        if (entry.name == skill) {
            return {Kind::Rating, entry.skill};
        }
    }
    throw "no such skill";
}

// Masteries.
constexpr MasteryValue Combat = mastery("Combat");
constexpr MasteryValue CulturalSkills = mastery("Cultural Skills");
constexpr MasteryValue DarkArts = mastery("Dark Arts");
constexpr MasteryValue Domestic = mastery("Domestic");
constexpr MasteryValue Entertainment = mastery("Entertainment");
constexpr MasteryValue Leadership = mastery("Leadership");
constexpr MasteryValue Magic = mastery("Magic");
constexpr MasteryValue MythAndLore = mastery("Myth & Lore");
constexpr MasteryValue ProfCrafts = mastery("Prof Crafts");
constexpr MasteryValue Religion = mastery("Religion");
constexpr MasteryValue Scholastics = mastery("Scholastics");
constexpr MasteryValue Travel = mastery("Travel");
// Emphases.
constexpr MasteryValue Blades = emphasis("Blades");
constexpr MasteryValue HandToHand = emphasis("Hand to Hand");
constexpr MasteryValue LancesPoleArms = emphasis("Lances/Pole Arms");
constexpr MasteryValue FiredWeapons = emphasis("Fired Weapons");
constexpr MasteryValue Subterfuge = emphasis("Subterfuge");
constexpr MasteryValue Farm = emphasis("Farm");
constexpr MasteryValue Home = emphasis("Home");
constexpr MasteryValue Athletics = emphasis("Athletics");
constexpr MasteryValue Music = emphasis("Music");
constexpr MasteryValue Civilian = emphasis("Civilian");
constexpr MasteryValue Military = emphasis("Military");
constexpr MasteryValue Statecraft = emphasis("Statecraft");
constexpr MasteryValue FortuneTelling = emphasis("Fortune Telling");
constexpr MasteryValue Arts = emphasis("Arts");
constexpr MasteryValue Church = emphasis("Church");
constexpr MasteryValue Gods = emphasis("Gods");
constexpr MasteryValue Demonology = emphasis("Demonology");
constexpr MasteryValue ArchaicScience = emphasis("Archaic Science");
constexpr MasteryValue History = emphasis("History");
constexpr MasteryValue Research = emphasis("Research");
constexpr MasteryValue CartsAndShips = emphasis("Carts & Ships");
constexpr MasteryValue Animalship = emphasis("Animalship");
constexpr MasteryValue TerrainKnowledge = emphasis("Terrain Knowledge");
constexpr MasteryValue Neuonian = emphasis("Neuonian");

// Kessari professions: code (first, last), profession, required values with their minimums,
// the values the warning shows (averaged into the profession level), the warning.
// clang-format off
constexpr std::array kKessariRequirements{
    MasteryRequirementRow{0, 0, "Medic", {{{ArchaicScience, 4}}}, {ArchaicScience}, "You have Archaic Science:%i   You need Archaic Science:4"},
    MasteryRequirementRow{1, 1, "Mimic", {{{Scholastics, 2}, {Leadership, 2}}}, {Scholastics, Leadership}, "You have Scholastics:%i  Leadership:%i   You need Scholastics:2  Leadership:2"},
    MasteryRequirementRow{2, 2, "Sage", {{{Scholastics, 6}}}, {Scholastics}, "You have Scholastics:%i  You need Scholastics:6"},
    MasteryRequirementRow{3, 3, "Guardian", {{{Combat, 4}, {Leadership, 4}}}, {Combat, Leadership}, "You have Combat:%i  Leadership:%i   You need Combat:4  Leadership:4"},
    MasteryRequirementRow{4, 4, "Meta Spy", {{{Travel, 3}, {DarkArts, 5}}}, {DarkArts, Travel}, "You have Dark Arts:%i  Travel:%i   You need Dark Arts:5  Travel:3"},
    MasteryRequirementRow{5, 5, "Surgeon", {{{Scholastics, 7}}}, {Scholastics}, "You have Scholastics:%i  You need Scholastics:7"},
    MasteryRequirementRow{6, 6, "Mind Master (Instructor)", {{{Scholastics, 7}, {Leadership, 4}, {Entertainment, 4}}}, {Scholastics, Leadership, Entertainment}, "You have Scholastics:%i  Leadership:%i  Entertainment:%i\nYou need Scholastics:7  Leadership:4  Entertainment:4"},
    MasteryRequirementRow{7, 7, "Mind Master (Traveler)", {{{Scholastics, 5}, {Leadership, 3}, {Travel, 4}, {DarkArts, 3}}}, {Scholastics, Leadership, DarkArts, Travel}, "You have Scholastics:%i  Leadership:%i  Dark Arts:%i  Travel:%i\nYou need Scholastics:5  Leadership:3  Dark Arts:3  Travel:4"},
    MasteryRequirementRow{8, 8, "Master Meta Spy", {{{DarkArts, 6}, {Leadership, 6}, {Travel, 4}, {rating("City States of Neoun"), 4}}}, {DarkArts, Leadership, Travel, rating("City States of Neoun")}, "You have Dark Arts:%i  Leadership:%i  Travel:%i  City States:%i\nYou need Dark Arts:6  Leadership:6  Travel:4  City States:4"},
    MasteryRequirementRow{9, 9, "House Lord (Meta Lord)", {{{Scholastics, 10}, {Leadership, 10}, {DarkArts, 5}}}, {Leadership, Scholastics, DarkArts}, "You have Leadership:%i  Scholastics:%i  Dark Arts:%i\nYou need Leadership:10  Scholastics:10  Dark Arts:5"},
    MasteryRequirementRow{10, 10, "Recruit", {{{Combat, 3}}}, {Combat}, "You have Combat:%i   You need Combat:3"},
    MasteryRequirementRow{11, 11, "Warrior", {{{Blades, 5}, {Subterfuge, 3}}}, {Blades, Subterfuge}, "You have Blades:%i  Subterfuge:%i\nYou need Blades:5  Subterfuge:3"},
    MasteryRequirementRow{12, 12, "Destrier", {{{LancesPoleArms, 5}, {Blades, 4}, {Animalship, 3}}}, {LancesPoleArms, Blades, Animalship}, "You have Lances:%i  Blades:%i  Animalship:%i\nYou need Lances:5  Blades:4  Animalship:3"},
    MasteryRequirementRow{13, 13, "Archer", {{{FiredWeapons, 5}, {Blades, 4}, {TerrainKnowledge, 3}}}, {FiredWeapons, Blades, TerrainKnowledge}, "You have Fired Weapons:%i  Blades:%i  Terrain Knowledge:%i\nYou need Fired Weapons:5  Blades:4  Terrain Knowledge:3"},
    MasteryRequirementRow{14, 14, "Sergeant", {{{Combat, 6}, {Military, 2}}}, {Combat, Military}, "You have Combat:%i  Military:%i   You need Combat:6  Military:2"},
    MasteryRequirementRow{15, 15, "Sergeant at Arms", {{{Combat, 7}, {Military, 3}, {History, 1}}}, {Combat, Military, History}, "You have Combat:%i  Military:%i  History:%i   You need Combat:7  Military:3  History:1"},
    MasteryRequirementRow{16, 16, "Master Sergeant", {{{Combat, 7}, {Military, 4}, {History, 2}, {Travel, 2}}}, {Combat, Military, History, Travel}, "You have Combat:%i  Military:%i  History:%i  Travel:%i\nYou need Combat:7  Military:4  History:2  Travel:2"},
    MasteryRequirementRow{17, 17, "Lieutenant", {{{Combat, 7}, {Military, 5}, {History, 5}, {Travel, 4}}}, {Combat, Military, History, Travel}, "You have Combat:%i  Military:%i  History:%i  Travel:%i\nYou need Combat:7  Military:5  History:5  Travel:4"},
    MasteryRequirementRow{18, 18, "Captain", {{{Combat, 8}, {Military, 6}, {History, 6}, {Travel, 4}}}, {Combat, Military, History, Travel}, "You have Combat:%i  Military:%i  History:%i  Travel:%i\nYou need Combat:8  Military:6  History:6  Travel:4"},
    MasteryRequirementRow{19, 19, "Commander", {{{Combat, 8}, {Military, 7}, {History, 7}, {Travel, 5}}}, {Combat, Military, History, Travel}, "You have Combat:%i  Military:%i  History:%i  Travel:%i\nYou need Combat:8  Military:7  History:7  Travel:5"},
    MasteryRequirementRow{20, 20, "General", {{{Combat, 8}, {Military, 8}, {History, 8}, {Travel, 6}}}, {Combat, Military, History, Travel}, "You have Combat:%i  Military:%i  History:%i  Travel:%i\nYou need Combat:8  Military:8  History:8  Travel:6"},
    MasteryRequirementRow{21, 21, "Knight", {{{Combat, 6}, {CulturalSkills, 4}, {Leadership, 4}, {History, 4}, {Travel, 4}}}, {Combat, CulturalSkills, Leadership, History, Travel}, "You have Combat:%i  Cultural:%i  Leadership:%i  History:%i  Travel:%i\nYou need Combat:6  Cultural:4  Leadership:4  History:4  Travel:4"},
    MasteryRequirementRow{22, 22, "Sheriff", {{{Combat, 6}, {Statecraft, 4}, {Home, 4}, {Travel, 6}}}, {Combat, Statecraft, Home, Travel}, "You have Combat:%i  Statecraft:%i  Home:%i  Travel:%i\nYou need Combat:6  Statecraft:4  Home:4  Travel:6"},
    MasteryRequirementRow{23, 23, "Ivory Guard", {{{Combat, 7}, {Military, 5}, {History, 3}}}, {Combat, Military, History}, "You have Combat:%i  Military:%i  History:%i\nYou need Combat:7  Military:5  History:3"},
    MasteryRequirementRow{24, 24, "Paladin", {{{Combat, 8}, {CulturalSkills, 4}, {Subterfuge, 6}, {History, 6}, {Travel, 6}}}, {Combat, CulturalSkills, Subterfuge, History, Travel}, "You have Combat:%i  Cultural:%i  Subterfuge:%i  History:%i  Travel:%i\nYou need Combat:8  Cultural:4  Subterfuge:6  History:6  Travel:6"},
    MasteryRequirementRow{25, 25, "Initiate", {{{Religion, 2}}}, {Religion}, "You have Religion:%i   You need Religion:2"},
    MasteryRequirementRow{26, 26, "Acolyte", {{{Religion, 3}}}, {Religion}, "You have Religion:%i   You need Religion:3"},
    MasteryRequirementRow{27, 27, "Temple Guard", {{{Religion, 3}, {Combat, 3}}}, {Combat, Religion}, "You have Combat:%i  Religion:%i   You need Combat:3  Religion:3"},
    MasteryRequirementRow{28, 28, "Holy Warrior", {{{Religion, 4}, {Military, 3}, {Combat, 5}}}, {Combat, Religion, Military}, "You have Combat:%i  Religion:%i  Military:%i   You need Combat:5  Religion:4  Military:3"},
    MasteryRequirementRow{29, 29, "Pastor", {{{Religion, 4}, {Leadership, 2}}}, {Religion, Leadership}, "You have Religion:%i  Leadership:%i   You need Religion:4  Leadership:2"},
    MasteryRequirementRow{30, 30, "Priest", {{{Church, 7}, {Gods, 7}, {Leadership, 5}}}, {Church, Gods, Leadership}, "You have Church:%i  Gods:%i  Leadership:%i\nYou need Church:7  Gods:7  Leadership:5"},
    MasteryRequirementRow{31, 31, "High Priest", {{{Church, 8}, {Gods, 8}, {Leadership, 6}}}, {Church, Gods, Leadership}, "You have Church:%i  Gods:%i  Leadership:%i\nYou need Church:8  Gods:8  Leadership:6"},
    MasteryRequirementRow{32, 32, "House Lord (Lord High Priest)", {{{Church, 10}, {Gods, 10}, {Leadership, 8}}}, {Church, Gods, Leadership}, "You have Church:%i  Gods:%i  Leadership:%i\nYou need Church:10  Gods:10  Leadership:8"},
    MasteryRequirementRow{33, 33, "Wizard's Apprentice", {{{Scholastics, 3}}}, {Scholastics}, "You have Scholastics:%i   You need Scholastics:3"},
    MasteryRequirementRow{34, 34, "Alchemist", {{{Magic, 4}, {ArchaicScience, 4}, {Research, 4}}}, {Magic, ArchaicScience, Research}, "You have Magic:%i  Archaic Science:%i  Research:%i\nYou need Magic:4  Archaic Science:4  Research:4"},
    MasteryRequirementRow{35, 35, "Ronin Wizard", {{{Magic, 3}, {Travel, 3}}}, {Magic, Travel}, "You have Magic:%i  Travel:%i   You need Magic:3  Travel:3"},
    MasteryRequirementRow{36, 36, "Demonologist", {{{Magic, 4}, {ArchaicScience, 4}, {Demonology, 4}}}, {Magic, ArchaicScience, Demonology}, "You have Magic:%i  Archaic Science:%i  Demonology:%i\nYou need Magic:4  Archaic Science:4  Demonology:4"},
    MasteryRequirementRow{37, 37, "Journeyman Wizard", {{{Magic, 5}, {ArchaicScience, 5}, {Leadership, 3}, {Travel, 3}}}, {Magic, ArchaicScience, Leadership, Travel}, "You have Magic:%i  Archaic Science:%i  Leadership:%i  Travel:%i\nYou need Magic:5  Archaic Science:5  Leadership:3  Travel:3"},
    MasteryRequirementRow{38, 38, "Wizard Adept", {{{Magic, 6}, {ArchaicScience, 6}, {Leadership, 4}, {Travel, 4}}}, {Magic, ArchaicScience, Leadership, Travel}, "You have Magic:%i  Archaic Science:%i  Leadership:%i  Travel:%i\nYou need Magic:6  Archaic Science:6  Leadership:4  Travel:4"},
    MasteryRequirementRow{39, 39, "Master Wizard", {{{Magic, 7}, {ArchaicScience, 7}, {Leadership, 5}, {Travel, 5}}}, {Magic, ArchaicScience, Leadership, Travel}, "You have Magic:%i  Archaic Science:%i  Leadership:%i  Travel:%i\nYou need Magic:7  Archaic Science:7  Leadership:5  Travel:5"},
    MasteryRequirementRow{40, 40, "House Lord (Wizard Lord)", {{{Magic, 10}, {ArchaicScience, 10}, {Leadership, 8}, {Travel, 6}}}, {Magic, ArchaicScience, Leadership, Travel}, "You have Magic:%i  Archaic Science:%i  Leadership:%i  Travel:%i\nYou need Magic:10  Archaic Science:10  Leadership:8  Travel:6"},
    MasteryRequirementRow{41, 41, "Itinerant", {{{Travel, 3}}}, {Travel}, "You have Travel:%i   You need Travel:3"},
    MasteryRequirementRow{42, 46, "Musician, Actor, Painter, Poet, Juggler", {{{Entertainment, 3}}}, {Entertainment}, "You have Entertainment:%i   You need Entertainment:3"},
    MasteryRequirementRow{47, 51, "Bard, Troubadour, Artist, Minstrel, Acrobat", {{{Entertainment, 6}, {MythAndLore, 3}, {Travel, 6}}}, {Entertainment, MythAndLore, Travel}, "You have Entertainment:%i  Myth and Lore:%i  Travel:%i\nYou need Entertainment:6  Myth and Lore:3  Travel:6"},
    MasteryRequirementRow{52, 52, "House Lord (Lord of Arts)", {{{Entertainment, 10}, {MythAndLore, 6}, {Travel, 8}}}, {Entertainment, MythAndLore, Travel}, "You have Entertainment:%i  Myth and Lore:%i  Travel:%i\nYou need Entertainment:10  Myth and Lore:6  Travel:8"},
    MasteryRequirementRow{53, 53, "Employee", {{{Combat, 2}, {DarkArts, 2}}}, {Combat, DarkArts}, "You have Combat:%i  Dark Arts:%i   You need Combat:2  Dark Arts:2"},
    MasteryRequirementRow{54, 54, "Bodyguard", {{{Combat, 3}, {DarkArts, 3}}}, {Combat, DarkArts}, "You have Combat:%i  Dark Arts:%i   You need Combat:3  Dark Arts:3"},
    MasteryRequirementRow{55, 55, "Mercenary", {{{Combat, 4}, {Travel, 4}}}, {Combat, Travel}, "You have Combat:%i  Travel:%i   You need Combat:4  Travel:4"},
    MasteryRequirementRow{56, 56, "Foreman", {{{Combat, 4}, {DarkArts, 4}, {Statecraft, 2}}}, {Combat, DarkArts, Statecraft}, "You have Combat:%i  Dark Arts:%i  Statecraft:%i   You need Combat:4  Dark Arts:4  Statecraft:2"},
    MasteryRequirementRow{57, 57, "Spy", {{{Combat, 4}, {DarkArts, 5}, {Travel, 4}}}, {Combat, DarkArts, Travel}, "You have Combat:%i  Dark Arts:%i  Travel:%i   You need Combat:4  Dark Arts:5  Travel:4"},
    MasteryRequirementRow{58, 58, "Thief", {{{Combat, 5}, {DarkArts, 6}, {Travel, 5}}}, {Combat, DarkArts, Travel}, "You have Combat:%i  Dark Arts:%i  Travel:%i   You need Combat:5  Dark Arts:6  Travel:5"},
    MasteryRequirementRow{59, 59, "Renegade Paladin", {{{Combat, 7}, {DarkArts, 6}, {Travel, 6}}}, {Combat, DarkArts, Travel}, "You have Combat:%i  Dark Arts:%i  Travel:%i   You need Combat:7  Dark Arts:6  Travel:6"},
    MasteryRequirementRow{60, 60, "Renegade Knight", {{{Combat, 6}, {Leadership, 4}, {Travel, 5}}}, {Combat, Leadership, Travel}, "You have Combat:%i  Leadership:%i  Travel:%i   You need Combat:6  Leadership:4  Travel:5"},
    MasteryRequirementRow{61, 61, "Death Knight", {{{Combat, 8}, {DarkArts, 7}, {Leadership, 4}, {Travel, 6}}}, {Combat, DarkArts, Leadership, Travel}, "You have Combat:%i  Dark Arts:%i  Leadership:%i  Travel:%i\nYou need Combat:8  Dark Arts:7  Leadership:4  Travel:6"},
    MasteryRequirementRow{62, 62, "Assassin", {{{Combat, 8}, {DarkArts, 8}, {Athletics, 4}, {Travel, 7}}}, {Combat, DarkArts, Athletics, Travel}, "You have Combat:%i  Dark Arts:%i  Athletics:%i  Travel:%i\nYou need Combat:8  Dark Arts:8  Athletics:4  Travel:7"},
    MasteryRequirementRow{63, 63, "Guildmaster", {{{Combat, 8}, {DarkArts, 8}, {Leadership, 6}, {Travel, 8}}}, {Combat, DarkArts, Leadership, Travel}, "You have Combat:%i  Dark Arts:%i  Leadership:%i  Travel:%i\nYou need Combat:8  Dark Arts:8  Leadership:6  Travel:8"},
    MasteryRequirementRow{64, 64, "House Lord (Grandfather)", {{{Combat, 10}, {DarkArts, 10}, {Leadership, 8}, {Travel, 10}}}, {Combat, DarkArts, Leadership, Travel}, "You have Combat:%i  Dark Arts:%i  Leadership:%i  Travel:%i\nYou need Combat:10  Dark Arts:10  Leadership:8  Travel:10"},
    MasteryRequirementRow{65, 65, "Maiden", {{{Domestic, 2}}}, {Domestic}, "You have Domestics:%i   You need Domestics:2"},
    MasteryRequirementRow{67, 67, "Curator", {{{HandToHand, 5}, {FiredWeapons, 5}}}, {HandToHand, FiredWeapons}, "You have Hand to Hand:%i  Fired Weapons:%i\nYou need Hand to Hand:5  Fired Weapons:5"},
    MasteryRequirementRow{68, 68, "Disciple", {{{Religion, 2}, {Domestic, 3}, {Leadership, 1}}}, {Religion, Domestic, Leadership}, "You have Religion:%i  Domestics:%i  Leadership:%i\nYou need Religion:2  Domestics:3  Leadership:1"},
    MasteryRequirementRow{69, 69, "Priestess", {{{Church, 5}, {Gods, 5}, {Demonology, 5}, {Farm, 5}, {Home, 5}, {Civilian, 2}}}, {Religion, Domestic, Civilian}, "You have Religion:%i  Domestics:%i  Civilian:%i\nYou need Religion:5(all)  Domestics:5(all)  Civilian:2"},
    MasteryRequirementRow{70, 70, "Overseer", {{{Church, 7}, {Gods, 7}, {Demonology, 7}, {Military, 5}, {Statecraft, 5}, {Civilian, 5}, {FortuneTelling, 3}}}, {Religion, Leadership, FortuneTelling}, "You have Religion:%i  Leadership:%i  Fortune Telling:%i\nYou need Religion:7(all)  Leadership:5(all)  Fortune Telling:3"},
    MasteryRequirementRow{71, 71, "Maternal Mother", {{{Church, 9}, {Gods, 9}, {Demonology, 9}, {Military, 7}, {Statecraft, 7}, {Civilian, 7}, {FortuneTelling, 7}}}, {Religion, Leadership, FortuneTelling}, "You have Religion:%i  Leadership:%i  Fortune Telling:%i\nYou need Religion:9(all)  Leadership:7(all)  Fortune Telling:7"},
    MasteryRequirementRow{72, 72, "Black Pawn", {{{Religion, 3}}}, {Religion}, "You have Religion:%i   You need Religion:3"},
    MasteryRequirementRow{73, 73, "Flesh Master", {{{Religion, 4}}}, {Religion}, "You have Religion:%i   You need Religion:4"},
    MasteryRequirementRow{74, 74, "Temple Guard (Rosenthal's)", {{{Religion, 4}, {DarkArts, 3}, {Combat, 5}}}, {Combat, DarkArts, Religion}, "You have Combat:%i  Dark Arts:%i  Religion:%i   You need Combat:5  Dark Arts:3  Religion:4"},
    MasteryRequirementRow{75, 75, "Unholy Warrior", {{{Religion, 4}, {Combat, 7}, {Leadership, 3}}}, {Combat, Religion, Leadership}, "You have Combat:%i  Religion:%i  Leadership:%i   You need Combat:7  Religion:4  Leadership:3"},
    MasteryRequirementRow{76, 76, "Sacrificer", {{{Religion, 5}, {Leadership, 4}}}, {Religion, Leadership}, "You have Religion:%i  Leadership:%i   You need Religion:5  Leadership:4"},
    MasteryRequirementRow{77, 77, "Inquisitor", {{{Church, 7}, {Gods, 7}, {Leadership, 5}}}, {Church, Gods, Leadership}, "You have Church:%i  Gods:%i  Leadership:%i\nYou need Church:7  Gods:7  Leadership:5"},
    MasteryRequirementRow{78, 78, "Dark Magus", {{{Church, 8}, {Gods, 8}, {Leadership, 6}}}, {Church, Gods, Leadership}, "You have Church:%i  Gods:%i  Leadership:%i\nYou need Church:8  Gods:8  Leadership:6"},
    MasteryRequirementRow{79, 79, "House Lord (Chaos Magus)", {{{Church, 10}, {Gods, 10}, {Leadership, 8}}}, {Church, Gods, Leadership}, "You have Church:%i  Gods:%i  Leadership:%i\nYou need Church:10  Gods:10  Leadership:8"},
    MasteryRequirementRow{80, 80, "Monk", {{{Research, 3}}}, {Research}, "You have Research:%i   You need Research:3"},
    MasteryRequirementRow{81, 81, "Monitor", {{{Research, 5}}}, {Research}, "You have Research:%i   You need Research:5"},
    MasteryRequirementRow{82, 82, "Monastery Guard", {{{HandToHand, 5}}}, {HandToHand}, "You have Hand to Hand:%i  You need Hand to Hand:5"},
    MasteryRequirementRow{83, 83, "Librarian", {{{Research, 6}, {Leadership, 3}}}, {Leadership, Research}, "You have Leadership:%i  Research:%i   You need Leadership:3  Research:6"},
    MasteryRequirementRow{84, 84, "Scribe", {{{Research, 7}, {Travel, 3}}}, {Travel, Research}, "You have Travel:%i  Research:%i   You need Travel:3  Research:7"},
    MasteryRequirementRow{85, 85, "Master Librarian", {{{Research, 8}, {Leadership, 5}, {HandToHand, 6}}}, {HandToHand, Leadership, Research}, "You have Hand to Hand:%i  Leadership:%i  Research:%i\nYou need Hand to Hand:6  Leadership:5  Research:8"},
    MasteryRequirementRow{86, 86, "House Lord (Lord Curator)", {{{Research, 10}, {Leadership, 7}, {HandToHand, 7}}}, {HandToHand, Leadership, Research}, "You have Hand to Hand:%i  Leadership:%i  Research:%i\nYou need Hand to Hand:7  Leadership:7  Research:10"},
    MasteryRequirementRow{103, 103, "Adventurer", {{{CulturalSkills, 4}, {rating("Howling Wind"), 20}, {rating("Prowling"), 10}, {rating("Dowsing"), 20}, {rating("Hunting"), 40}, {rating("Bandaging & Bones"), 40}, {rating("Riding"), 10}}}, {CulturalSkills}, "You have Cultural:%i   You need Cultural:4 and minimum skills (see Tome)."},
};

// Neuonian jobs.
constexpr std::array kNeuonianRequirements{
    MasteryRequirementRow{87, 87, "City Guard", {{{Combat, 2}}}, {Combat}, "You have Combat:%i   You need Combat:2"},
    MasteryRequirementRow{88, 88, "Bowman", {{{FiredWeapons, 3}}}, {FiredWeapons}, "You have Fired Weapons:%i   You need Fired Weapons:3"},
    MasteryRequirementRow{89, 89, "Crafter", {{{ProfCrafts, 4}}}, {ProfCrafts}, "You have Professional Crafts:%i   You need Professional Crafts:4"},
    MasteryRequirementRow{90, 90, "Merchant", {{{Travel, 4}, {Civilian, 1}}}, {Travel, Civilian}, "You have Travel:%i and Leadership:Civilian:%i\nYou need Travel:4 and Leadership:Civilian:1"},
    MasteryRequirementRow{91, 91, "Neonate Wizard", {{{Scholastics, 3}}}, {Scholastics}, "You have Scholastics:%i   You need Scholastics:3"},
    MasteryRequirementRow{92, 92, "Theologist", {{{Religion, 3}}}, {Religion}, "You have Religion:%i   You need Religion:3"},
    MasteryRequirementRow{93, 93, "Artist (Neuonian)", {{{Arts, 4}}}, {Arts}, "You have Arts:%i   You need Arts:4"},
    MasteryRequirementRow{94, 94, "Archive Investigator", {{{Research, 2}}}, {Research}, "You have Research:%i   You need Research:2"},
    MasteryRequirementRow{95, 95, "Scribe (Neuonian)", {{{Research, 2}, {Neuonian, 5}}}, {Research, Neuonian}, "You have Research:%i and Culture(Neuonian):%i\nYou need Research:2 and Culture(Neuonian):5"},
    MasteryRequirementRow{96, 96, "Squire", {{{Home, 3}, {Scholastics, 2}, {Neuonian, 2}, {Animalship, 1}}}, {Home, Scholastics, Neuonian, Animalship}, "You have Home:%i  Scholastics:%i  Culture(Neuonian):%i  Animalship:%i\nYou need Home:3  Scholastics:2  Culture(Neuonian):2  Animalship:1"},
    MasteryRequirementRow{97, 97, "Musician (Neuonian)", {{{Music, 4}}}, {Music}, "You have Music:%i   You need Music:4"},
    MasteryRequirementRow{98, 98, "Mercenary Fighter", {{{Combat, 4}, {rating("Cities"), 30}}}, {Combat, rating("Cities")}, "You have Combat:%i and Terrain:Cities:%i\nYou need Combat:4 and Terrain:Cities:30"},
    MasteryRequirementRow{99, 99, "Thug", {{{Subterfuge, 3}}}, {Subterfuge}, "You have Subterfuge:%i   You need Subterfuge:3"},
    MasteryRequirementRow{100, 100, "Sailor", {{{CartsAndShips, 3}}}, {CartsAndShips}, "You have Carts and Ships:%i   You need Carts and Ships:3"},
    MasteryRequirementRow{101, 101, "Trapper", {{{Travel, 3}, {Home, 4}}}, {Travel, Home}, "You have Travel:%i and Domestic:Home:%i\nYou need Travel:3 and Domestic:Home:4"},
    MasteryRequirementRow{102, 102, "Entertainer", {{{Entertainment, 4}}}, {Entertainment}, "You have Carts and Entertainment:%i   You need Entertainment:4"},
};
// clang-format on

} // namespace

std::span<const MasteryRequirementRow> masteryRequirementRows(std::int32_t race) {
    if (race == kRaceNeuonian) {
        return kNeuonianRequirements;
    }
    return kKessariRequirements;
}

const MasteryRequirementRow* findMasteryRequirements(std::int32_t race, std::int32_t profession) {
    for (const auto& row : masteryRequirementRows(race)) {
        if (profession >= row.firstCode && profession <= row.lastCode) {
            return &row;
        }
    }
    return nullptr;
}

std::int32_t valueOf(MasteryValue value, const MasteryResult& levels, const SkillRatings& ratings) {
    const auto index = static_cast<std::size_t>(value.index);
    switch (value.kind) {
    case Kind::Mastery:
        return levels.masteries[index];
    case Kind::Emphasis:
        return levels.emphases[index];
    case Kind::Rating:
        return ratings[index];
    case Kind::None:
        break;
    }
    return 0;
}

MasteryCheck checkMasteryRequirements(std::int32_t race, std::int32_t profession,
                                      const MasteryResult& levels, const SkillRatings& ratings) {
    MasteryCheck check;
    const MasteryRequirementRow* row = findMasteryRequirements(race, profession);
    if (row == nullptr) {
        return check;
    }
    for (const auto& requirement : row->required) {
        if (requirement.value.kind != Kind::None &&
            valueOf(requirement.value, levels, ratings) < requirement.minimum) {
            check.met = false;
            break;
        }
    }
    if (!check.met) {
        // Each "%i" in turn takes the next value the warning names.
        std::array<std::int32_t, std::tuple_size_v<decltype(row->averaged)>> values{};
        std::size_t count = 0;
        for (const auto& value : row->averaged) {
            values[count++] = valueOf(value, levels, ratings);
        }
        check.warning = formatInts(row->warning, std::span(values.data(), count));
        return check;
    }
    // Ratings read from a file may be anything: sum wide so the total cannot overflow.
    std::int64_t sum = 0;
    std::int64_t count = 0;
    for (const auto& value : row->averaged) {
        if (value.kind != Kind::None) {
            sum += valueOf(value, levels, ratings);
            ++count;
        }
    }
    check.professionLevel = static_cast<std::int32_t>(sum / count);
    return check;
}

} // namespace orthavel

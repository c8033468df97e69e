// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/advantages/ProfessionMinimums.h"

namespace orthavel {

namespace {

using enum Advantage;

// Kessari professions: code, profession, minimum levels (advantages in record order), warning.
// clang-format off
constexpr std::array kKessariMinimums{
    ProfessionMinimumsRow{0, "Medic", {{{Comprehension, 3}, {Logic, 2}}}, "You need Comprehension:3 and Logic:2 to be a Medic."},
    ProfessionMinimumsRow{1, "Mimic", {{{Awareness, 2}, {Logic, 1}, {Confidence, 1}}}, "You need Awareness:2, Confidence:1 and Logic:1 to be a Mimic."},
    ProfessionMinimumsRow{2, "Sage", {{{Comprehension, 2}, {Awareness, 2}, {Logic, 4}}}, "You need Comprehension:2, Logic:4, and Awareness:2 to be a Sage."},
    ProfessionMinimumsRow{3, "Guardian", {{{Reflex, 2}, {Awareness, 2}, {Logic, 1}, {Persevearance, 1}, {Confidence, 1}, {Etiquette, 1}}}, "You need Reflex:2, Awareness:2, Logic:1, Persevearance:1,\nConfidence:1, and Etiquette:1 to be a Guardian."},
    ProfessionMinimumsRow{4, "Meta Spy", {{{Awareness, 4}, {Avoidance, 2}}}, "You need Awareness:4 and Avoidance:2 to be a Meta Spy."},
    ProfessionMinimumsRow{5, "Surgeon", {{{Dexterity, 3}, {Logic, 5}, {Persevearance, 3}}}, "You need Persevearance:3, Dexterity:3, and Logic:5 to be a Surgeon."},
    ProfessionMinimumsRow{6, "Mind Master (Instructor)", {{{Awareness, 7}, {Logic, 5}, {Persevearance, 2}, {Confidence, 1}}}, "You need Awareness:7, Confidence:1, Persevearance:2, and Logic:5 to be a Mind Master."},
    ProfessionMinimumsRow{7, "Mind Master (Traveler)", {{{Awareness, 7}, {Logic, 3}, {Persevearance, 2}, {Confidence, 1}}}, "You need Awareness:7, Confidence:1, Persevearance:2, and Logic:3 to be a Mind Master."},
    ProfessionMinimumsRow{8, "Master Meta Spy", {{{Awareness, 7}, {Logic, 2}, {Persevearance, 4}, {Confidence, 3}, {Avoidance, 3}}}, "You need Awareness:7, Confidence:3, Logic:2, Avoidance:3, and \nPersevearance:4 to be a Master Meta Spy."},
    ProfessionMinimumsRow{9, "House Lord (Meta Lord)", {{{Comprehension, 3}, {Awareness, 10}, {Logic, 8}, {Persevearance, 5}, {Confidence, 6}, {Charisma, 3}, {Etiquette, 3}}}, "You need Awareness:10, Persevearance:5, Etiquette:3, Logic:8,\nCharisma:3, Comprehension:3, and Confidence:6 to be the House Lord (Meta Lord)."},
    ProfessionMinimumsRow{10, "Recruit", {{{Strength, 1}, {Stamina, 1}, {Reflex, 1}}}, "You need Strength:1, Stamina:1, and Reflex:1 to be a Recruit."},
    ProfessionMinimumsRow{11, "Warrior", {{{Strength, 2}, {Stamina, 3}, {Reflex, 2}}}, "You need Stamina:3, Reflex:2, and Strength:2 to be a Warrior."},
    ProfessionMinimumsRow{12, "Destrier", {{{Strength, 2}, {Agility, 2}, {Reflex, 3}}}, "You need Agility:2, Reflex:3, and Strength:2 to be a Destrier."},
    ProfessionMinimumsRow{13, "Archer", {{{Dexterity, 3}, {Stamina, 2}, {Confidence, 2}}}, "You need Dexterity:3, Stamina:2, and Confidence:2 to be a Archer."},
    ProfessionMinimumsRow{14, "Sergeant", {{{Persevearance, 2}, {Confidence, 2}}}, "You need Confidence:2, and Persevearance:2 to be a Sergeant."},
    ProfessionMinimumsRow{15, "Sergeant at Arms", {{{Persevearance, 3}, {Confidence, 3}}}, "You need Confidence:3, and Persevearance:3 to be a Sergeant at Arms."},
    ProfessionMinimumsRow{16, "Master Sergeant", {{{Logic, 1}, {Persevearance, 3}, {Confidence, 3}, {Etiquette, 1}, {Style, 1}}}, "You need Confidence:3, Persevearance:3, Etiquette:1,\nStyle:1, and Logic:1 to be a Master Sergeant."},
    ProfessionMinimumsRow{17, "Lieutenant", {{{Logic, 3}, {Persevearance, 3}, {Confidence, 3}, {Charisma, 1}, {Etiquette, 1}}}, "You need Confidence:3, Persevearance:3, \nCharisma:1, Etiquette:1, and Logic:3 to be a Lieutenant."},
    ProfessionMinimumsRow{18, "Captain", {{{Logic, 4}, {Persevearance, 3}, {Confidence, 3}, {Charisma, 2}, {Etiquette, 2}, {Style, 1}, {Avoidance, 1}}}, "You need Confidence:3, Persevearance:3, Charisma:2,\nEtiquette:2, Logic:4, Style:1, and Avoidance:1 to be a Captain."},
    ProfessionMinimumsRow{19, "Commander", {{{Logic, 5}, {Persevearance, 3}, {Confidence, 4}, {Charisma, 2}, {Etiquette, 2}, {Style, 2}, {Avoidance, 2}}}, "You need Confidence:4, Persevearance:3, Charisma:2,\nEtiquette:2, Logic:5, Style:2, and Avoidance:2 to be a Commander."},
    ProfessionMinimumsRow{20, "General", {{{Logic, 6}, {Persevearance, 4}, {Confidence, 5}, {Charisma, 3}, {Etiquette, 3}, {Style, 2}, {Avoidance, 2}}}, "You need Confidence:5, Persevearance:4, Charisma:3,\nEtiquette:3, Logic:6, Style:2, and Avoidance:2 to be a General."},
    ProfessionMinimumsRow{21, "Knight", {{{Strength, 2}, {Stamina, 2}, {Reflex, 2}, {Awareness, 1}, {Logic, 2}, {Persevearance, 2}, {Confidence, 2}, {Charisma, 1}, {Etiquette, 1}, {Style, 1}}}, "You need Stamina:2, Reflex:2, Strength:2, Awareness:1\nLogic:2, Confidence:2, Persevearance:2, Charisma:1\nStyle:1, and Etiquette:1 to be a Knight."},
    ProfessionMinimumsRow{22, "Sheriff", {{{Agility, 1}, {Stamina, 3}, {Awareness, 2}, {Logic, 1}, {Persevearance, 3}, {Confidence, 2}, {Charisma, 1}, {Avoidance, 1}}}, "You need Stamina:3, Agility:1, Awareness:2, Confidence:2,\nCharisma:1, Avoidance:1, Logic:1, and Persevearance:3 to be a Sheriff."},
    ProfessionMinimumsRow{23, "Ivory Guard", {{{Strength, 3}, {Agility, 3}, {Stamina, 3}, {Reflex, 3}, {Awareness, 3}, {Logic, 1}, {Persevearance, 2}, {Confidence, 2}, {Charisma, 2}}}, "You need Stamina:3, Reflex:3, Strength:3, Agility:3,\nAwareness:3, Confidence:2, Charisma:2, Logic:1, and Persevearance:2 to be an Ivory Guard."},
    ProfessionMinimumsRow{24, "Paladin", {{{Strength, 3}, {Agility, 2}, {Stamina, 3}, {Reflex, 3}, {Awareness, 2}, {Logic, 4}, {Persevearance, 2}, {Confidence, 2}, {Style, 2}, {Avoidance, 2}}}, "You need Stamina:3, Reflex:3, Strength:3, Agility:2,\nAwareness:2, Logic:4, Confidence:2, Persevearance:2,\nStyle:2, and Avoidance:2 to be a Paladin."},
    ProfessionMinimumsRow{25, "Initiate", {{{Comprehension, 1}, {Persevearance, 1}, {Confidence, 1}}}, "You need Comprehension:1, Confidence:1, and Persevearance:1 to be an Initiate."},
    ProfessionMinimumsRow{26, "Acolyte", {{{Comprehension, 2}, {Persevearance, 2}, {Confidence, 2}}}, "You need Comprehension:2, Confidence:2, and Persevearance:2 to be an Acolyte."},
    ProfessionMinimumsRow{27, "Temple Guard", {{{Reflex, 1}, {Awareness, 1}, {Persevearance, 3}, {Confidence, 3}}}, "You need Reflex:1, Awareness:1, Confidence:3, and Persevearance:3 to be a Temple Guard."},
    ProfessionMinimumsRow{28, "Holy Warrior", {{{Strength, 1}, {Stamina, 1}, {Reflex, 2}, {Awareness, 2}, {Persevearance, 4}, {Confidence, 4}}}, "You need Strength:1, Stamina:1, Reflex:2, Awareness:2,\nConfidence:4, and Persevearance:4 to be a Holy Warrior."},
    ProfessionMinimumsRow{29, "Pastor", {{{Comprehension, 3}, {Persevearance, 3}, {Confidence, 3}, {Charisma, 1}}}, "You need Comprehension:3, Confidence:3, Persevearance:3,\nand Charisma:1 to be a Pastor."},
    ProfessionMinimumsRow{30, "Priest", {{{Comprehension, 4}, {Logic, 1}, {Persevearance, 5}, {Confidence, 5}, {Charisma, 2}, {Etiquette, 1}, {Avoidance, 1}}}, "You need Comprehension:4, Confidence:5, Persevearance:5,\nCharisma:2, Etiquette:1, Avoidance:1, and Logic:1 to be a Priest."},
    ProfessionMinimumsRow{31, "High Priest", {{{Comprehension, 5}, {Logic, 2}, {Persevearance, 6}, {Confidence, 6}, {Charisma, 3}, {Etiquette, 2}, {Avoidance, 2}}}, "You need Comprehension:5, Confidence:6, Persevearance:6,\nCharisma:3, Etiquette:2, Avoidance:2, and Logic:2\nto be a High Priest."},
    ProfessionMinimumsRow{32, "House Lord (Lord High Priest)", {{{Comprehension, 6}, {Logic, 3}, {Persevearance, 7}, {Confidence, 7}, {Charisma, 4}, {Etiquette, 3}, {Style, 2}, {Avoidance, 3}}}, "You need Comprehension:6, Confidence:7, Persevearance:7,\nCharisma:4, Etiquette:3, Avoidance:3, Logic:3,\nand Style:2 to be House Lord (Lord High Priest)."},
    ProfessionMinimumsRow{33, "Wizard's Apprentice", {{{Comprehension, 1}, {Logic, 1}, {Persevearance, 1}}}, "You need Comprehension:1, Logic:1, and, Persevearance:1 to be a Wizard's Apprentice."},
    ProfessionMinimumsRow{34, "Alchemist", {{{Comprehension, 2}, {Logic, 5}, {Persevearance, 2}}}, "You need Comprehension:2, Logic:5, and, Persevearance:2 to be an Alchemist."},
    ProfessionMinimumsRow{35, "Ronin Wizard", {{{Comprehension, 1}, {Awareness, 1}, {Logic, 5}, {Persevearance, 1}}}, "You need Comprehension:1, Logic:5, Awareness:1, and, Persevearance:1 to be a Ronin Wizard."},
    ProfessionMinimumsRow{36, "Demonologist", {{{Comprehension, 2}, {Logic, 5}, {Persevearance, 2}, {Confidence, 1}}}, "You need Comprehension:2, Logic:5, Persevearance:2, and Confidence:1 to be a Demonologist."},
    ProfessionMinimumsRow{37, "Journeyman Wizard", {{{Comprehension, 3}, {Logic, 5}, {Persevearance, 3}, {Confidence, 1}, {Etiquette, 1}}}, "You need Comprehension:3, Logic:5, Persevearance:3, Etiquette:1, and Confidence:1 to be a Journeyman Wizard."},
    ProfessionMinimumsRow{38, "Wizard Adept", {{{Comprehension, 4}, {Logic, 5}, {Persevearance, 4}, {Confidence, 1}, {Etiquette, 1}, {Style, 1}, {Avoidance, 1}}}, "You need Comprehension:4, Logic:5, Persevearance:4, Etiquette:1,\nStyle:1, Avoidance:1, and Confidence:1 to be a Wizard Adept."},
    ProfessionMinimumsRow{39, "Master Wizard", {{{Comprehension, 5}, {Logic, 6}, {Persevearance, 5}, {Confidence, 2}, {Etiquette, 2}, {Style, 1}, {Avoidance, 2}}}, "You need Comprehension:5, Logic:6, Persevearance:5, Etiquette:2,\nStyle:1, Avoidance:2, and Confidence:2 to be a Master Wizard."},
    ProfessionMinimumsRow{40, "House Lord (Wizard Lord)", {{{Comprehension, 6}, {Logic, 8}, {Persevearance, 6}, {Confidence, 4}}}, "You need Comprehension:6, Logic:8, Persevearance:6, and Confidence:4 to be the House Lord (Wizard Lord)."},
    ProfessionMinimumsRow{41, "Itinerant", {{{Dexterity, 1}, {Appearance, 1}, {Charisma, 1}, {Style, 1}}}, "You need Dexterity:1, Charisma:1, Appearance:1, and Style:1 to be an Itinerant."},
    ProfessionMinimumsRow{42, "Musician", {{{Dexterity, 2}, {Appearance, 1}, {Charisma, 1}, {Style, 2}}}, "You need Dexterity:2, Charisma:1, Appearance:1, and Style:2 to be a Musician."},
    ProfessionMinimumsRow{43, "Actor", {{{Agility, 1}, {Appearance, 1}, {Charisma, 2}, {Style, 2}}}, "You need Agility:1, Charisma:2, Appearance:1, and Style:2 to be an Actor."},
    ProfessionMinimumsRow{44, "Painter", {{{Dexterity, 2}, {Awareness, 2}, {Style, 2}}}, "You need Dexterity:2, Awareness:2, and Style:2 to be a Painter/Sculptor."},
    ProfessionMinimumsRow{45, "Poet", {{{Dexterity, 1}, {Appearance, 1}, {Charisma, 2}, {Style, 2}}}, "You need Dexterity:1, Charisma:2, Appearance:1, and Style:2 to be a Poet."},
    ProfessionMinimumsRow{46, "Juggler", {{{Dexterity, 2}, {Reflex, 2}, {Charisma, 1}, {Style, 1}}}, "You need Dexterity:2, Reflex:2, Charisma:1, and Style:1 to be a Juggler."},
    ProfessionMinimumsRow{47, "Bard", {{{Dexterity, 4}, {Persevearance, 1}, {Appearance, 2}, {Charisma, 2}, {Style, 4}}}, "You need Dexterity:4, Charisma:2, Appearance:2, Style:4, and\nPersevearance:1 to be a Bard."},
    ProfessionMinimumsRow{48, "Troubadour", {{{Agility, 2}, {Persevearance, 1}, {Appearance, 2}, {Charisma, 4}, {Style, 4}}}, "You need Agility:2, Charisma:4, Appearance:2, Style:4, and\nPersevearance:1 to be a Troubadour."},
    ProfessionMinimumsRow{49, "Artist", {{{Dexterity, 4}, {Awareness, 4}, {Persevearance, 1}, {Style, 4}}}, "You need Dexterity:4, Awareness:4, Style:4, and Persevearance:1 to be an Artist."},
    ProfessionMinimumsRow{50, "Minstrel", {{{Dexterity, 2}, {Persevearance, 1}, {Appearance, 2}, {Charisma, 4}, {Style, 4}}}, "You need Dexterity:2, Charisma:4, Appearance:2, Style:4, and\nPersevearance:1 to be a Minstrel."},
    ProfessionMinimumsRow{51, "Acrobat", {{{Dexterity, 4}, {Reflex, 4}, {Persevearance, 1}, {Charisma, 2}, {Style, 2}}}, "You need Dexterity:4, Reflex:4, Charisma:2, Style:2, and\nPersevearance:1 to be an Acrobat."},
    ProfessionMinimumsRow{52, "House Lord (Lord of Arts)", {{{Dexterity, 5}, {Persevearance, 2}, {Appearance, 6}, {Charisma, 4}, {Style, 6}}}, "You need Dexterity:5, Charisma:4, Appearance:6, Style:6, and\nPersevearance:2 to be the House Lord (Lord of Arts)."},
    ProfessionMinimumsRow{53, "Employee", {{{Reflex, 1}, {Awareness, 1}}}, "You need Reflex:1 and Awareness:1 to be an Employee."},
    ProfessionMinimumsRow{54, "Bodyguard", {{{Strength, 1}, {Stamina, 1}, {Reflex, 2}, {Awareness, 2}}}, "You need Strength:1, Stamina:1, Reflex:2, and Awareness:2 to be a Bodyguard."},
    ProfessionMinimumsRow{55, "Mercenary", {{{Strength, 1}, {Stamina, 1}, {Reflex, 2}, {Awareness, 2}}}, "You need Strength:1, Stamina:1, Reflex:2, and Awareness:2 to be a Mercenary."},
    ProfessionMinimumsRow{56, "Foreman", {{{Reflex, 2}, {Awareness, 2}, {Confidence, 1}, {Avoidance, 1}}}, "You need Confidence:1, Avoidance:1, Reflex:2, and Awareness:2 to be a Foreman."},
    ProfessionMinimumsRow{57, "Spy", {{{Reflex, 2}, {Awareness, 2}, {Etiquette, 1}, {Avoidance, 2}}}, "You need Etiquette:1, Avoidance:2, Reflex:2, and Awareness:2 to be a Spy."},
    ProfessionMinimumsRow{58, "Thief", {{{Agility, 1}, {Dexterity, 1}, {Reflex, 3}, {Awareness, 3}, {Persevearance, 1}, {Style, 1}}}, "You need Reflex:3, Awareness:3, Agility:1, Dexterity:1,\nStyle:1, and Persevearance:1 to be a Thief."},
    ProfessionMinimumsRow{59, "Renegade Paladin", {{{Strength, 3}, {Stamina, 3}, {Reflex, 3}, {Awareness, 3}, {Persevearance, 2}, {Confidence, 2}, {Style, 2}, {Avoidance, 2}}}, "You need Strength:3, Stamina:3, Reflex:3, Awareness:3,\nConfidence:2, Persevearance:2, Style:2, and Avoidance:2 to be a Renegade Paladin."},
    ProfessionMinimumsRow{60, "Renegade Knight", {{{Strength, 2}, {Stamina, 2}, {Reflex, 3}, {Awareness, 3}, {Logic, 1}, {Persevearance, 2}, {Confidence, 2}, {Etiquette, 1}, {Style, 1}, {Avoidance, 1}}}, "You need Strength:2, Stamina:2, Reflex:3, Awareness:3,\nConfidence:2, Persevearance:2, Style:1,\nEtiquette:1, Avoidance:1, and Logic:1 to be a Renegade Knight."},
    ProfessionMinimumsRow{61, "Death Knight", {{{Strength, 3}, {Stamina, 3}, {Reflex, 3}, {Awareness, 3}, {Logic, 1}, {Persevearance, 3}, {Confidence, 3}, {Etiquette, 2}, {Style, 2}, {Avoidance, 3}}}, "You need Strength:3, Stamina:3, Reflex:3, Awareness:3,\nConfidence:3, Persevearance:3, Etiquette:2,\nStyle:2, Avoidance:3, and Logic:1 to be a Death Knight."},
    ProfessionMinimumsRow{62, "Assassin", {{{Agility, 2}, {Dexterity, 2}, {Reflex, 4}, {Awareness, 4}, {Persevearance, 2}, {Etiquette, 3}, {Style, 3}, {Avoidance, 3}}}, "You need Reflex:4, Awareness:4, Agility:2, Dexterity:2,\nEtiquette:3, Style:3, Avoidance:3,\n and Persevearance:2 to be an Assassin."},
    ProfessionMinimumsRow{63, "Guildmaster", {{{Reflex, 5}, {Awareness, 5}, {Logic, 2}, {Persevearance, 4}, {Confidence, 4}, {Etiquette, 4}, {Style, 4}, {Avoidance, 3}}}, "You need Reflex:5, Awareness:5, Confidence:4,\nPersevearance:4, Etiquette:4, Style:4, Avoidance:3,\n and Logic:2 to be a Guildmaster."},
    ProfessionMinimumsRow{64, "House Lord (Grandfather)", {{{Agility, 3}, {Dexterity, 3}, {Reflex, 6}, {Awareness, 6}, {Logic, 3}, {Persevearance, 5}, {Confidence, 5}, {Etiquette, 4}, {Style, 5}, {Avoidance, 3}}}, "You need Reflex:6, Awareness:6, Agility:3, \nDexterity:3, Confidence:5, Persevearance:5,\nEtiquette:4, Style:5, Avoidance:3,\n and Logic:3 to be the House Lord (Grandfather)."},
    ProfessionMinimumsRow{65, "Maiden", {{{Confidence, 1}, {Charisma, 1}}}, "You need Confidence:1 and Charisma:1 to be a Maiden."},
    ProfessionMinimumsRow{67, "Curator", {{{Agility, 2}, {Reflex, 2}, {Awareness, 2}, {Confidence, 2}}}, "You need Reflex:2, Awareness:2, Agility:2, and Confidence:2 to be a Curator."},
    ProfessionMinimumsRow{68, "Disciple", {{{Logic, 1}, {Persevearance, 2}, {Confidence, 2}, {Charisma, 2}}}, "You need Confidence:2, Charisma:2, Perseverance:2, and Logic:1 to be a Disciple."},
    ProfessionMinimumsRow{69, "Priestess", {{{Logic, 2}, {Persevearance, 4}, {Confidence, 4}, {Charisma, 3}}}, "You need Confidence:4, Perseverance:4, Charisma:3, and Logic:2 to be a Priestess."},
    ProfessionMinimumsRow{70, "Overseer", {{{Persevearance, 5}, {Confidence, 5}, {Charisma, 4}}}, "You need Confidence:5, Perseverance:5, and Charisma:4 to be an Overseer."},
    ProfessionMinimumsRow{71, "Maternal Mother", {{{Logic, 4}, {Persevearance, 6}, {Confidence, 6}}}, "You need Perseverance:6, Confidence:6, and Logic:4 to be the Maternal Mother."},
    ProfessionMinimumsRow{72, "Black Pawn", {{{Comprehension, 1}, {Persevearance, 1}, {Confidence, 1}}}, "You need Comprehension:1, Confidence:1, and Persevearance:1 to be a Black Pawn."},
    ProfessionMinimumsRow{73, "Flesh Master", {{{Comprehension, 2}, {Persevearance, 2}, {Confidence, 2}}}, "You need Comprehension:2, Confidence:2, and Perseverance:2 to be a Flesh Master."},
    ProfessionMinimumsRow{74, "Temple Guard (Rosenthal's)", {{{Reflex, 1}, {Awareness, 1}, {Persevearance, 2}, {Confidence, 2}}}, "You need Reflex:1, Awareness:1, Confidence:2, and Perseverance:2 to be a Temple Guard."},
    ProfessionMinimumsRow{75, "Unholy Warrior", {{{Strength, 1}, {Stamina, 1}, {Reflex, 2}, {Awareness, 2}, {Persevearance, 3}, {Confidence, 3}}}, "You need Strength:1, Stamina:1, Reflex:2,\nAwareness:2, Confidence:3, and Perseverance:3 to be an Unholy Warrior."},
    ProfessionMinimumsRow{76, "Sacrificer", {{{Comprehension, 3}, {Logic, 1}, {Persevearance, 4}, {Confidence, 4}}}, "You need Comprehension:3, Confidence:4, Perseverance:4, and Logic:1 to be a Sacrificer (Soul Thief)."},
    ProfessionMinimumsRow{77, "Inquisitor", {{{Comprehension, 4}, {Logic, 1}, {Persevearance, 5}, {Confidence, 5}, {Charisma, 2}, {Etiquette, 1}, {Avoidance, 1}}}, "You need Comprehension:4, Confidence:5, Logic:1,\nPerseverance:5, Charisma:2, Etiquette:1,\nand Avoidance:1 to be an Inquisitor."},
    ProfessionMinimumsRow{78, "Dark Magus", {{{Comprehension, 5}, {Logic, 2}, {Persevearance, 6}, {Confidence, 6}, {Charisma, 3}, {Etiquette, 2}, {Avoidance, 2}}}, "You need Comprehension:5, Confidence:6, Logic:2,\nPerseverance:6, Charisma:3, Etiquette:2,\nand Avoidance:2 to be a Dark Magus."},
    ProfessionMinimumsRow{79, "House Lord (Chaos Magus)", {{{Comprehension, 6}, {Logic, 3}, {Persevearance, 7}, {Confidence, 7}, {Charisma, 4}, {Etiquette, 3}, {Avoidance, 3}}}, "You need Comprehension:6, Confidence:7, Logic:3,\nPerseverance:7, Charisma:4, Etiquette:3,\nand Avoidance:3 to be the House Lord (Chaos Magus)."},
    ProfessionMinimumsRow{80, "Monk", {{{Comprehension, 1}, {Logic, 3}}}, "You need Comprehension:1 and Logic:3 to be a Monk."},
    ProfessionMinimumsRow{81, "Monitor", {{{Comprehension, 2}, {Logic, 3}}}, "You need Comprehension:2 and Logic:3 to be a Monitor."},
    ProfessionMinimumsRow{82, "Monastery Guard", {{{Strength, 1}, {Stamina, 1}, {Reflex, 1}, {Awareness, 1}}}, "You need Strength:1, Stamina:1, Reflex:1, and Awareness:1 to be a Monastery Guard."},
    ProfessionMinimumsRow{83, "Librarian", {{{Comprehension, 3}, {Logic, 4}, {Persevearance, 1}, {Confidence, 1}}}, "You need Comprehension:3, Logic:4, Perseverance:1, and Confidence:1 to be a Librarian."},
    ProfessionMinimumsRow{84, "Scribe", {{{Comprehension, 4}, {Awareness, 2}, {Logic, 5}, {Persevearance, 2}}}, "You need Comprehension:4, Logic:5, Perseverance:2, and Awareness:2 to be a Scribe."},
    ProfessionMinimumsRow{85, "Master Librarian", {{{Comprehension, 5}, {Awareness, 2}, {Logic, 6}, {Persevearance, 3}, {Confidence, 2}}}, "You need Comprehension:5, Logic:6, Perseverance:3, Awareness:2, and Confidence:2 to be a Master Librarian."},
    ProfessionMinimumsRow{86, "House Lord (Lord Curator)", {{{Comprehension, 7}, {Awareness, 3}, {Logic, 8}, {Persevearance, 3}, {Confidence, 3}}}, "You need Comprehension:7, Logic:8, Perseverance:3, Awareness:3, and Confidence:3 to be the House Lord (Lord Curator)."},
    ProfessionMinimumsRow{103, "Adventurer", {{}}, ""},
};

// Neuonian jobs.
constexpr std::array kNeuonianMinimums{
    ProfessionMinimumsRow{87, "City Guard", {{}}, ""},
    ProfessionMinimumsRow{88, "Bowman", {{{Strength, 1}, {Dexterity, 2}}}, "You need Dexterity:2 and Strength:1 to be a Bowman."},
    ProfessionMinimumsRow{89, "Crafter", {{}}, ""},
    ProfessionMinimumsRow{90, "Merchant", {{{Persevearance, 1}, {Charisma, 1}}}, "You need Persevearance:1 and Charisma:1 to be a Merchant."},
    ProfessionMinimumsRow{91, "Neonate Wizard", {{{Comprehension, 2}, {Logic, 1}}}, "You need Comprehension:2 and Logic:1 to be a Neonate Wizard."},
    ProfessionMinimumsRow{92, "Theologist", {{{Logic, 1}, {Confidence, 2}}}, "You need Confidence:2 and Logic:1 to be a Theologist."},
    ProfessionMinimumsRow{93, "Artist (Neuonian)", {{{Style, 1}}}, "You need Style:1 to be an Artist."},
    ProfessionMinimumsRow{94, "Archive Investigator", {{{Comprehension, 2}, {Logic, 1}}}, "You need Comprehension:2 and Logic:1 to be an Archive Investigator."},
    ProfessionMinimumsRow{95, "Scribe (Neuonian)", {{{Comprehension, 2}, {Logic, 1}}}, "You need Comprehension:2 and Logic:1 to be a Scribe."},
    ProfessionMinimumsRow{96, "Squire", {{{Comprehension, 1}, {Etiquette, 1}}}, "You need Comprehension:1 and Etiquette:1 to be a Squire."},
    ProfessionMinimumsRow{97, "Musician (Neuonian)", {{{Style, 1}}}, "You need Style:1 to be a Musician."},
    ProfessionMinimumsRow{98, "Mercenary Fighter", {{{Strength, 1}, {Agility, 1}, {Stamina, 1}, {Reflex, 1}}}, "You need Reflex:1, Agility:1, Strength:1,\n and Stamina:1 to be a Mercenary Fighter."},
    ProfessionMinimumsRow{99, "Thug", {{{Reflex, 2, static_cast<int>(Agility)}, {Awareness, 1}, {Avoidance, 1}}}, "You need Reflex:2 or Agility:2, Avoidance:1,\n and Awareness:1 to be a Thug."},
    ProfessionMinimumsRow{100, "Sailor", {{{Stamina, 1}}}, "You need Stamina:1 to be a Sailor."},
    ProfessionMinimumsRow{101, "Trapper", {{{Stamina, 1}, {Awareness, 1}}}, "You need Stamina:1 and Awareness:1 to be a Trapper."},
    ProfessionMinimumsRow{102, "Entertainer", {{{Appearance, 1}, {Charisma, 1}, {Style, 2}}}, "You need Style:2, Charisma:1 and Appearance:1 to be an Entertainer."},
    ProfessionMinimumsRow{103, "Adventurer", {{}}, ""},
};
// clang-format on

} // namespace

std::size_t ProfessionMinimumsRow::minimumCount() const {
    std::size_t count = 0;
    while (count < minimums.size() && minimums[count].level != 0) {
        ++count;
    }
    return count;
}

std::span<const ProfessionMinimumsRow> professionMinimumsRows(std::int32_t race) {
    if (race == kRaceNeuonian) {
        return kNeuonianMinimums;
    }
    return kKessariMinimums;
}

const ProfessionMinimumsRow* findProfessionMinimums(std::int32_t race, std::int32_t profession) {
    for (const auto& row : professionMinimumsRows(race)) {
        if (row.code == profession) {
            return &row;
        }
    }
    return nullptr;
}

bool meetsMinimums(std::int32_t race, std::int32_t profession, const AdvantageLevels& levels) {
    const ProfessionMinimumsRow* row = findProfessionMinimums(race, profession);
    if (row == nullptr) {
        return false;
    }
    for (std::size_t i = 0; i < row->minimumCount(); ++i) {
        const AdvantageMinimum& minimum = row->minimums[i];
        bool met = levels[static_cast<std::size_t>(minimum.advantage)] >= minimum.level;
        if (minimum.alternative >= 0) {
            met = met || levels[static_cast<std::size_t>(minimum.alternative)] >= minimum.level;
        }
        if (!met) {
            return false;
        }
    }
    return true;
}

std::string_view minimumsWarning(std::int32_t race, std::int32_t profession) {
    const ProfessionMinimumsRow* row = findProfessionMinimums(race, profession);
    if (row == nullptr || row->warning.empty()) {
        return kGenericMinimumsWarning;
    }
    return row->warning;
}

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace orthavel {

// The record's enumerations as tables of names, indexed by code: the names the record's texts
// take when a code is chosen. A code read from a file may be anything: check it before indexing.

inline constexpr std::array<std::string_view, 16> kCultureNames{
    "Balentin", "Calcese", "Cortez",   "Feznoth", "Groam",  "Harndin",   "Illiomis", "Jondric",
    "LeGlasse", "LeGonne", "Per-saal", "Porter",  "Raidir", "Rosenthal", "Wayne",    "Adventurer",
};

// The culture codes the rules single out, by name.
namespace culture {
inline constexpr std::int32_t kBalentin = 0;
inline constexpr std::int32_t kGroam = 4;
inline constexpr std::int32_t kRaidir = 12;
inline constexpr std::int32_t kAdventurer = 15;
} // namespace culture

// The profession codes the rules single out, by name: the Kessari jobs and professions run from 0
// to 86, the Neuonian jobs from 87 to 102.
namespace profession {
inline constexpr std::int32_t kMedic = 0;
inline constexpr std::int32_t kSpecialist = 66;
inline constexpr std::int32_t kMaternalMother = 71;
inline constexpr std::int32_t kLastKessariProfession = 86;
inline constexpr std::int32_t kCityGuard = 87;
inline constexpr std::int32_t kFirstNeuonianJob = 87;
inline constexpr std::int32_t kSquire = 96;
inline constexpr std::int32_t kLastNeuonianJob = 102;
inline constexpr std::int32_t kAdventurer = 103;
} // namespace profession

inline constexpr std::array<std::string_view, 104> kProfessionNames{
    // Balentin
    "Medic",
    "Mimic",
    "Sage",
    "Guardian",
    "Meta Spy",
    "Surgeon",
    "Mind Master (Instructor)",
    "Mind Master (Traveler)",
    "Master Meta Spy",
    "House Lord (Meta Lord)",
    // Cortez
    "Recruit",
    "Warrior",
    "Destrier",
    "Archer",
    "Sergeant",
    "Sergeant at Arms",
    "Master Sergeant",
    "Lieutenant",
    "Captain",
    "Commander",
    "General",
    "Knight",
    "Sheriff",
    "Ivory Guard",
    "Paladin",
    // Feznoth
    "Initiate",
    "Acolyte",
    "Temple Guard",
    "Holy Warrior",
    "Pastor",
    "Priest",
    "High Priest",
    "House Lord (Lord High Priest)",
    // Groam
    "Wizard's Apprentice",
    "Alchemist",
    "Ronin Wizard",
    "Demonologist",
    "Journeyman Wizard",
    "Wizard Adept",
    "Master Wizard",
    "House Lord (Wizard Lord)",
    // Illiomis
    "Itinerant",
    "Musician",
    "Actor",
    "Painter",
    "Poet",
    "Juggler",
    "Bard",
    "Troubadour",
    "Artist",
    "Minstrel",
    "Acrobat",
    "House Lord (Lord of Arts)",
    // Porter
    "Employee",
    "Bodyguard",
    "Mercenary",
    "Foreman",
    "Spy",
    "Thief",
    "Renegade Paladin",
    "Renegade Knight",
    "Death Knight",
    "Assassin",
    "Guildmaster",
    "House Lord (Grandfather)",
    // Raidir
    "Maiden",
    "Specialist",
    "Curator",
    "Disciple",
    "Priestess",
    "Overseer",
    "Maternal Mother",
    // Rosenthal
    "Black Pawn",
    "Flesh Master",
    "Temple Guard",
    "Unholy Warrior",
    "Sacrificer",
    "Inquisitor",
    "Dark Magus",
    "House Lord (Chaos Magus)",
    // Wayne
    "Monk",
    "Monitor",
    "Monastery Guard",
    "Librarian",
    "Scribe",
    "Master Librarian",
    "House Lord (Lord Curator)",
    // Neuonian starting jobs
    "City Guard",
    "Bowman",
    "Crafter",
    "Merchant",
    "Neonate Wizard",
    "Theologist",
    "Artist",
    "Archive Investigator",
    "Scribe",
    "Squire",
    "Musician",
    "Mercenary Fighter",
    "Thug",
    "Sailor",
    "Trapper",
    "Entertainer",
    // Adventurer
    "Adventurer (se)",
};

inline constexpr std::array<std::string_view, 12> kCategoryNames{
    "Combat", "Cultural Skills", "Dark Arts",   "Domestic", "Entertainment", "Leadership",
    "Magic",  "Myth & Lore",     "Prof Crafts", "Religion", "Scholastics",   "Travel",
};

inline constexpr std::array<std::string_view, 69> kSpecialSkillNames{
    "Sense Injury(20)",
    "Speedreading(10)",
    "Sense Deception(14)",
    "Analgesia(20)",
    "Unconscious Thought(20)",
    "Sense Metaphysical Power(20)",
    "Forced March(6)",
    "Flourentine Weapons",
    "Weapon Mastery (Blades)",
    "Forced Riding(10)",
    "Jousting",
    "Weapon Mastery (Lance)",
    "Fast Draw",
    "Weapon Mastery (Fired)",
    "Pain Mastery(15)",
    "Vital Points",
    "Art of War",
    "Allies",
    "Blindfighting(10)",
    "Magic Potions(20)",
    "Mimic Spell(20)",
    "Reveal Evil(20)",
    "Leech(20)",
    "Scry Spell (20)",
    "Eidetic Hearing(17)",
    "Impersonate(10)",
    "Eidetic Sight(17)",
    "Inspire(10)",
    "Dazzle(10)",
    "Incite(10)",
    "Illusionary Curtain(15)",
    "Awe",
    "Charm(10)",
    "Distraction(10)",
    "+40 OCF Defending Foreman",
    "Foreign Weapons(20)",
    "Appraise(12)",
    "Espionage",
    "Duplicate(15)",
    "Berserk",
    "Fear",
    "Deathblow",
    "Backstab",
    "Command",
    "Animal Friendship(17)",
    "Special Howling Wind",
    "+40 OCF Defend House Member",
    "Quickness",
    "Critical Damage",
    "Determine Natural Event",
    "Safe House",
    "Point of Contact",
    "Circle Message",
    "Champion",
    "Dragonfriend",
    "Veto",
    "Torture(13)",
    "Shorthand(10)",
    "Pacify",
    "Eidetic Memory(15)",
    "Wind Strike",
    "+20 OCF Secret Know",
    "+40 DCF against Porter",
    "+20 OCF/DCF Defending City",
    "Membership",
    "+20 OCF Defend Boss",
    "Armor/Weapon half price",
    "Secret Hideout",
    "Bonus SS",
};

} // namespace orthavel

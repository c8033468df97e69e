#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace orthavel {

// The record's enumerations as tables of names, indexed by code. A code read from a file may be
// anything, so the lookups below check it and answer an empty name for an unknown one.

inline constexpr std::array<std::string_view, 15> kAdvantageNames{
    "Strength",      "Agility",   "Dexterity", "Stamina",       "Reflex",
    "Comprehension", "Awareness", "Logic",     "Persevearance", "Confidence",
    "Appearance",    "Charisma",  "Etiquette", "Style",         "Avoidance",
};

inline constexpr std::array<std::string_view, 2> kRaceNames{"Kessari", "Neuonian"};

inline constexpr std::array<std::string_view, 16> kCultureNames{
    "Balentin", "Calcese", "Cortez",   "Feznoth", "Groam",  "Harndin",   "Illiomis", "Jondric",
    "LeGlasse", "LeGonne", "Per-saal", "Porter",  "Raidir", "Rosenthal", "Wayne",    "Adventurer",
};

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

inline constexpr std::array<std::string_view, 12> kArmorNames{
    "None",           "Padding",         "Soft Leather",
    "Hard Leather",   "Studded Leather", "Chain and Leather",
    "Plated Leather", "Full Chainmail",  "Double Mail",
    "Plate and Mail", "Full Plate",      "Field Plate",
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

// The name at index code of table, or an empty name when the code has no row.
template <std::size_t N>
constexpr std::string_view nameOf(const std::array<std::string_view, N>& table, std::int32_t code) {
    if (code < 0 || static_cast<std::size_t>(code) >= N) {
        return {};
    }
    return table[static_cast<std::size_t>(code)];
}

} // namespace orthavel

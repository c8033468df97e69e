// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The skill catalogue: every skill slot of the record's m_aSkill with its name and the category
// list it stands in, the forty emphases that group related skills, and the twelve masteries
// that average the emphases.
//
// Quick use:
//   skillName(3)                                   -> "Long Sword"
//   skillIndexByName(SkillCategory::Combat, "Brawling") -> 314
//   categoryOf(322)                                -> SkillCategory::Religion
//   emphasisOf(13, kRaceKessari)                   -> 4 (Hand to Hand); for a Neuonian: none
//   categoryEntries(SkillCategory::Religion)       -> the Religion list in its shown order
//   kEmphases[19].name                             -> "School (Wizardry)"
//   kMasteryNames[7]                               -> "Myth & Lore"

#include "core/record/CharacterRecord.h"
#include "core/record/Names.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace orthavel {

// Slots 0 to 322 hold named skills; 323 to 329 exist in the record but hold none.
inline constexpr int kNamedSkillCount = 323;
inline constexpr int kSkillCategoryCount = 13;
inline constexpr std::int32_t kLowestRating = 0;
inline constexpr std::int32_t kHighestRating = 100;

// The thirteen lists of the "Choose Skills" dialog, in their order there (left column top to
// bottom, then the right column).
enum class SkillCategory : int {
    Combat,
    CulturalSkills,
    DarkArts,
    Domestic,
    Entertainment,
    Leadership,
    Magic,
    MythAndLore,
    ProfCrafts,
    Religion,
    Endowments,
    Scholastics,
    Travel,
};

// The twelve masteries, in the order of m_aMastery.
enum MasteryIndex : int {
    kMasteryCombat,
    kMasteryCulturalSkills,
    kMasteryDarkArts,
    kMasteryDomestic,
    kMasteryEntertainment,
    kMasteryLeadership,
    kMasteryMagic,
    kMasteryMythAndLore,
    kMasteryProfCrafts,
    kMasteryReligion,
    kMasteryScholastics,
    kMasteryTravel,
};

inline constexpr const std::array<std::string_view, kMasteryCount>& kMasteryNames = kCategoryNames;

struct SkillCategoryInfo {
    std::string_view label; // as the dialog shows it, with its colon
    std::int32_t mastery;   // the mastery its skills count toward; -1 for none
};

inline constexpr std::array<SkillCategoryInfo, kSkillCategoryCount> kSkillCategories{{
    {"Combat:", kMasteryCombat},
    {"Cultural Skills:", kMasteryCulturalSkills},
    {"Dark Arts:", kMasteryDarkArts},
    {"Domestic:", kMasteryDomestic},
    {"Entertainment:", kMasteryEntertainment},
    {"Leadership:", kMasteryLeadership},
    {"Magic:", kMasteryMagic},
    {"Myth and Lore:", kMasteryMythAndLore},
    {"Prof Crafts:", kMasteryProfCrafts},
    {"Religion:", kMasteryReligion},
    {"Endowments:", -1},
    {"Scholastics:", kMasteryScholastics},
    {"Travel:", kMasteryTravel},
}};

// One entry of a category's list: the skill's slot and its name, which is the list's text.
struct CatalogueEntry {
    SkillCategory category;
    std::int16_t skill;
    std::string_view name;
};

// Every named skill, category by category, each category in the order of its drop-down list.
// clang-format off
inline constexpr std::array<CatalogueEntry, kNamedSkillCount> kSkillCatalogue = [] {
    using C = SkillCategory;
    return std::array<CatalogueEntry, kNamedSkillCount>{{
        // Combat:
        {C::Combat, 0, "Stilletto"},
        {C::Combat, 1, "Short Sword"},
        {C::Combat, 2, "Bastard Sword"},
        {C::Combat, 3, "Long Sword"},
        {C::Combat, 4, "Broad Sword"},
        {C::Combat, 5, "Great Sword"},
        {C::Combat, 6, "Steel Axe"},
        {C::Combat, 7, "Stone Axe"},
        {C::Combat, 8, "Metal Mace"},
        {C::Combat, 9, "Stone Mace"},
        {C::Combat, 10, "Staff"},
        {C::Combat, 11, "Flail"},
        {C::Combat, 12, "Morning Star"},
        {C::Combat, 13, "Howling Wind"},
        {C::Combat, 314, "Brawling"},
        {C::Combat, 315, "Fisticuffs"},
        {C::Combat, 14, "Bardiche"},
        {C::Combat, 15, "Glaive"},
        {C::Combat, 16, "Long Spear"},
        {C::Combat, 17, "Lance"},
        {C::Combat, 18, "Longbow"},
        {C::Combat, 19, "Shortbow"},
        {C::Combat, 20, "Crossbow"},
        {C::Combat, 21, "Throwing Spear"},
        {C::Combat, 22, "Throwing Dagger"},
        // Cultural Skills:
        {C::CulturalSkills, 23, "Natural Form"},
        {C::CulturalSkills, 24, "Grobber Gestures"},
        {C::CulturalSkills, 25, "High Speech"},
        {C::CulturalSkills, 26, "Kessari Speech"},
        {C::CulturalSkills, 27, "Kessari Literacy"},
        {C::CulturalSkills, 28, "Low Speech"},
        {C::CulturalSkills, 29, "Olde Human Literacy"},
        {C::CulturalSkills, 316, "Corner"},
        {C::CulturalSkills, 317, "Desire"},
        {C::CulturalSkills, 318, "Endure"},
        {C::CulturalSkills, 319, "Mind Guard"},
        {C::CulturalSkills, 320, "Sympathy"},
        {C::CulturalSkills, 321, "Synergy"},
        // Dark Arts:
        {C::DarkArts, 30, "Escape"},
        {C::DarkArts, 31, "Pick Pockets"},
        {C::DarkArts, 32, "Pick Locks"},
        {C::DarkArts, 33, "Pyrotechnics"},
        {C::DarkArts, 34, "Stage Magic"},
        {C::DarkArts, 35, "Ambush"},
        {C::DarkArts, 36, "Concealment"},
        {C::DarkArts, 37, "Pass w/o Trace"},
        {C::DarkArts, 38, "Prowling"},
        {C::DarkArts, 39, "Pursuit"},
        {C::DarkArts, 40, "Scaling"},
        {C::DarkArts, 41, "Traps"},
        // Domestic:
        {C::Domestic, 42, "Dowsing"},
        {C::Domestic, 43, "Husbandry"},
        {C::Domestic, 44, "Identify Vegetation"},
        {C::Domestic, 45, "Planting"},
        {C::Domestic, 46, "Antagonize Foreigners"},
        {C::Domestic, 47, "Cooking"},
        {C::Domestic, 48, "Fishing"},
        {C::Domestic, 49, "Herb Lore"},
        {C::Domestic, 50, "Hunting"},
        {C::Domestic, 51, "Repair"},
        {C::Domestic, 52, "Trapping"},
        // Entertainment:
        {C::Entertainment, 53, "Acrobatics"},
        {C::Entertainment, 54, "Tumbling"},
        {C::Entertainment, 55, "Cultural Dance"},
        {C::Entertainment, 56, "Cultural Games"},
        {C::Entertainment, 57, "Juggling"},
        {C::Entertainment, 58, "Running"},
        {C::Entertainment, 59, "Swimming"},
        {C::Entertainment, 60, "Wrestling"},
        {C::Entertainment, 61, "Acting"},
        {C::Entertainment, 62, "Captivation"},
        {C::Entertainment, 63, "Direction"},
        {C::Entertainment, 64, "Mime"},
        {C::Entertainment, 65, "Props and Costumes"},
        {C::Entertainment, 66, "Swordplay"},
        {C::Entertainment, 67, "Voice Control"},
        {C::Entertainment, 68, "Composition"},
        {C::Entertainment, 69, "Horn"},
        {C::Entertainment, 70, "Percussion"},
        {C::Entertainment, 71, "Singing"},
        {C::Entertainment, 72, "String"},
        {C::Entertainment, 73, "Wind"},
        // Leadership:
        {C::Leadership, 74, "Grapevine"},
        {C::Leadership, 75, "Public Speaking"},
        {C::Leadership, 76, "Discipline"},
        {C::Leadership, 77, "Motivation"},
        {C::Leadership, 78, "Strategy"},
        {C::Leadership, 79, "Commerce"},
        {C::Leadership, 80, "Foreign Affairs"},
        {C::Leadership, 81, "Law"},
        {C::Leadership, 82, "Politics"},
        {C::Leadership, 83, "Public Relations"},
        // Magic:
        {C::Magic, 84, "Magic Theory"},
        {C::Magic, 85, "Abolish Magic Defense"},
        {C::Magic, 86, "Annihilate Magic Item"},
        {C::Magic, 87, "Awful Truth"},
        {C::Magic, 88, "Behave"},
        {C::Magic, 89, "Chained Energy"},
        {C::Magic, 90, "Control Mental State"},
        {C::Magic, 91, "Dehydrate"},
        {C::Magic, 92, "Disks of Ledorian"},
        {C::Magic, 93, "Enchant Arrowhead"},
        {C::Magic, 94, "Ground Swallow"},
        {C::Magic, 95, "Immobilization"},
        {C::Magic, 96, "Invisibility"},
        {C::Magic, 97, "Invisible Horde"},
        {C::Magic, 98, "Naptime"},
        {C::Magic, 99, "Palms of Fire"},
        {C::Magic, 100, "Paralyzing Touch"},
        {C::Magic, 101, "Super Adhesion"},
        {C::Magic, 102, "Tholin's Whirling Hammers"},
        {C::Magic, 103, "Wicked Staff of Groam"},
        {C::Magic, 104, "Air of Darkness"},
        {C::Magic, 105, "Balk"},
        {C::Magic, 106, "Evil Bane"},
        {C::Magic, 107, "Expose Invisibility"},
        {C::Magic, 108, "Extreme Shield"},
        {C::Magic, 109, "Frey's Plates of Spellbinding"},
        {C::Magic, 110, "Frey's Spellbinder"},
        {C::Magic, 111, "Good Bane"},
        {C::Magic, 112, "Invocation of Disbelief"},
        {C::Magic, 113, "Intervening Shield"},
        {C::Magic, 114, "Invisible Prowl"},
        {C::Magic, 115, "Overrule Spell"},
        {C::Magic, 116, "Parabola"},
        {C::Magic, 117, "Prot from Elements"},
        {C::Magic, 118, "Prot from Mystical Creatures"},
        {C::Magic, 119, "Prot from Rune Weapons"},
        {C::Magic, 120, "Shadow Dancer"},
        {C::Magic, 121, "Wall of Black"},
        {C::Magic, 122, "Walls of Nature"},
        {C::Magic, 123, "Wizard's Seal"},
        {C::Magic, 124, "Anti-Matter Sphere"},
        {C::Magic, 125, "Clean"},
        {C::Magic, 126, "Continuum Shiftwalk"},
        {C::Magic, 127, "Detect Toxin"},
        {C::Magic, 128, "Gate Weave"},
        {C::Magic, 129, "Glamour"},
        {C::Magic, 130, "Green Soup"},
        {C::Magic, 131, "Groam's Owl"},
        {C::Magic, 132, "Instant Shelter"},
        {C::Magic, 133, "Literacy"},
        {C::Magic, 134, "Magic Laboratory"},
        {C::Magic, 135, "Marble Message"},
        {C::Magic, 136, "Metamorph"},
        {C::Magic, 137, "Mirror Image"},
        {C::Magic, 138, "Mystical Mount"},
        {C::Magic, 139, "Quickflight"},
        {C::Magic, 140, "Remove Petrification"},
        {C::Magic, 141, "Scrollbind"},
        {C::Magic, 142, "Skill Boost"},
        {C::Magic, 143, "Sleeping Teleport"},
        {C::Magic, 144, "Tempo"},
        {C::Magic, 145, "Translation"},
        {C::Magic, 146, "Water Walk"},
        // Myth and Lore:
        {C::MythAndLore, 147, "Ariela"},
        {C::MythAndLore, 148, "Black Forest"},
        {C::MythAndLore, 149, "Brown Sea"},
        {C::MythAndLore, 150, "Burning Lands of Jor"},
        {C::MythAndLore, 151, "City States of Neoun"},
        {C::MythAndLore, 152, "Eppela"},
        {C::MythAndLore, 153, "Heg Mtn Kingdom"},
        {C::MythAndLore, 154, "Icey Death Ocean"},
        {C::MythAndLore, 155, "Imp Lands of New Mulgra"},
        {C::MythAndLore, 156, "Isle of Lars"},
        {C::MythAndLore, 157, "Khybern Islands"},
        {C::MythAndLore, 158, "Majestic Empire"},
        {C::MythAndLore, 159, "Mt Kabi"},
        {C::MythAndLore, 160, "Nation of Yucazon"},
        {C::MythAndLore, 161, "Northern Wilds"},
        {C::MythAndLore, 162, "Ogre's Pot"},
        {C::MythAndLore, 163, "Olde Mulgra"},
        {C::MythAndLore, 164, "Ontonoma Plains"},
        {C::MythAndLore, 165, "Province of Winter"},
        {C::MythAndLore, 166, "Silver Gulf"},
        {C::MythAndLore, 167, "Southern Barrens"},
        {C::MythAndLore, 168, "Strongen Range"},
        {C::MythAndLore, 169, "Thokmolin"},
        {C::MythAndLore, 170, "World's Crown"},
        {C::MythAndLore, 171, "Astrology"},
        {C::MythAndLore, 172, "Bones"},
        {C::MythAndLore, 173, "Cards of Fate"},
        {C::MythAndLore, 174, "Crystals"},
        {C::MythAndLore, 175, "Palms"},
        {C::MythAndLore, 176, "Stones"},
        {C::MythAndLore, 177, "Heros:Beastish"},
        {C::MythAndLore, 178, "Heros:Dwarves"},
        {C::MythAndLore, 179, "Heros:Elves"},
        {C::MythAndLore, 180, "Heros:Giants"},
        {C::MythAndLore, 181, "Heros:Grobber"},
        {C::MythAndLore, 182, "Heros:Humanoids"},
        {C::MythAndLore, 183, "Heros:Kessari"},
        // Prof Crafts:
        {C::ProfCrafts, 184, "Chain"},
        {C::ProfCrafts, 185, "Helmets"},
        {C::ProfCrafts, 186, "Plates"},
        {C::ProfCrafts, 187, "Shields"},
        {C::ProfCrafts, 188, "Casting & Jewelry"},
        {C::ProfCrafts, 189, "Painting"},
        {C::ProfCrafts, 190, "Poetry, Prose, & Clgphy"},
        {C::ProfCrafts, 191, "Sculpting"},
        {C::ProfCrafts, 192, "Alcohol"},
        {C::ProfCrafts, 193, "Beer"},
        {C::ProfCrafts, 194, "Wine"},
        {C::ProfCrafts, 195, "Poisons"},
        {C::ProfCrafts, 196, "Potions"},
        {C::ProfCrafts, 197, "Armor"},
        {C::ProfCrafts, 198, "Barding"},
        {C::ProfCrafts, 199, "Outfitting"},
        {C::ProfCrafts, 200, "Shoes & Boots"},
        {C::ProfCrafts, 201, "Bronze"},
        {C::ProfCrafts, 202, "Farm Tools"},
        {C::ProfCrafts, 203, "Gold"},
        {C::ProfCrafts, 204, "Scientific Instruments"},
        {C::ProfCrafts, 205, "Siege Tools"},
        {C::ProfCrafts, 206, "Silver"},
        {C::ProfCrafts, 207, "Carpentry"},
        {C::ProfCrafts, 208, "Ceramics"},
        {C::ProfCrafts, 209, "Masonry"},
        {C::ProfCrafts, 210, "Roper"},
        {C::ProfCrafts, 211, "Ship Building"},
        {C::ProfCrafts, 212, "Tailoring & Weaving"},
        {C::ProfCrafts, 213, "Bladed"},
        {C::ProfCrafts, 214, "Blunt"},
        {C::ProfCrafts, 215, "Pointed"},
        {C::ProfCrafts, 216, "Bowyer & Fletcher"},
        // Religion:
        {C::Religion, 217, "Education"},
        {C::Religion, 218, "Order"},
        {C::Religion, 219, "Theology (Fidei Draconis)"},
        {C::Religion, 322, "Theology (Morning Light)"},
        {C::Religion, 220, "Opposing Deities"},
        {C::Religion, 221, "Patrons"},
        {C::Religion, 222, "Channeling Power"},
        {C::Religion, 223, "Dark Pawns"},
        {C::Religion, 224, "Demons"},
        {C::Religion, 225, "Devils"},
        {C::Religion, 226, "Legendary Evils"},
        // Endowments:
        {C::Endowments, 227, "Sunspot (Solaris)"},
        {C::Endowments, 228, "Harvest"},
        {C::Endowments, 229, "Resist Fear"},
        {C::Endowments, 230, "Dragon Sight"},
        {C::Endowments, 231, "Dragon Armor (Solaris)"},
        {C::Endowments, 232, "Solar Flare"},
        {C::Endowments, 233, "Prayer of Courage"},
        {C::Endowments, 234, "Prayer of Strength"},
        {C::Endowments, 235, "Wind Barrier"},
        {C::Endowments, 236, "True Sight"},
        {C::Endowments, 237, "Sunburst"},
        {C::Endowments, 238, "Sunbeam"},
        {C::Endowments, 239, "Dragon Flight"},
        {C::Endowments, 240, "Tears of Zariah"},
        {C::Endowments, 241, "Guardian"},
        {C::Endowments, 242, "Freeze Time"},
        {C::Endowments, 243, "Smite"},
        {C::Endowments, 244, "Shadow Claws (Lunaris)"},
        {C::Endowments, 245, "Shadow Leech"},
        {C::Endowments, 246, "Cause Fear"},
        {C::Endowments, 247, "Shadow Mask"},
        {C::Endowments, 248, "Dragon Armor (Lunaris)"},
        {C::Endowments, 249, "Nightshade"},
        {C::Endowments, 250, "Prayer of Knowledge"},
        {C::Endowments, 251, "Prayer of Power"},
        {C::Endowments, 252, "Moon Gate"},
        {C::Endowments, 253, "Dragon Breath"},
        {C::Endowments, 254, "Blackhole"},
        {C::Endowments, 255, "Moonbeam"},
        {C::Endowments, 256, "Shadow Flight"},
        {C::Endowments, 257, "Blood of Rabahd"},
        {C::Endowments, 258, "Slayer"},
        {C::Endowments, 259, "Kiss of Death"},
        {C::Endowments, 260, "Tangleroot (Terra)"},
        {C::Endowments, 261, "Living Tongue"},
        {C::Endowments, 262, "Soothing Savior"},
        {C::Endowments, 263, "Accelerate Growth"},
        {C::Endowments, 264, "Beastish Nature"},
        {C::Endowments, 265, "Essence Armor"},
        {C::Endowments, 266, "Call of the Wild"},
        {C::Endowments, 267, "Essence Ball"},
        {C::Endowments, 268, "Cellular Adjustment"},
        {C::Endowments, 269, "Thorny Barrier"},
        {C::Endowments, 270, "Adrenaline Boost"},
        {C::Endowments, 271, "Weapon Enchantment"},
        {C::Endowments, 272, "Earth Speak"},
        {C::Endowments, 273, "Blessed Event"},
        // Scholastics:
        {C::Scholastics, 274, "Algebra & Early Physics"},
        {C::Scholastics, 275, "Astronomy"},
        {C::Scholastics, 276, "Bandaging & Bones"},
        {C::Scholastics, 277, "Cartography"},
        {C::Scholastics, 278, "Chemistry"},
        {C::Scholastics, 279, "Disease"},
        {C::Scholastics, 280, "Engineering & Architect"},
        {C::Scholastics, 281, "Mathematics"},
        {C::Scholastics, 282, "Philosophy"},
        {C::Scholastics, 283, "Surgery"},
        {C::Scholastics, 284, "Age of Discovery"},
        {C::Scholastics, 285, "Age of Myth"},
        {C::Scholastics, 286, "Heraldry"},
        {C::Scholastics, 287, "Bookkeeping"},
        {C::Scholastics, 288, "Experimentation"},
        {C::Scholastics, 289, "Sage Science"},
        // Travel:
        {C::Travel, 290, "Barges, Traders, Fish Boats"},
        {C::Travel, 291, "Canoes/Rafts/etc"},
        {C::Travel, 292, "Carts, Wagons & Plows"},
        {C::Travel, 293, "Chariots"},
        {C::Travel, 294, "Longships"},
        {C::Travel, 295, "Royal Fleets"},
        {C::Travel, 296, "War - Rowing"},
        {C::Travel, 297, "War - Sailing"},
        {C::Travel, 298, "Breeding"},
        {C::Travel, 299, "Combat"},
        {C::Travel, 300, "Riding"},
        {C::Travel, 301, "Stunts"},
        {C::Travel, 302, "Training"},
        {C::Travel, 303, "Arctic"},
        {C::Travel, 304, "Cities"},
        {C::Travel, 305, "Desert"},
        {C::Travel, 306, "Dungeoneering"},
        {C::Travel, 307, "Fields/Plains"},
        {C::Travel, 308, "Forestry"},
        {C::Travel, 309, "Jungle"},
        {C::Travel, 310, "Mountains"},
        {C::Travel, 311, "Navigation"},
        {C::Travel, 312, "Spelunking"},
        {C::Travel, 313, "Swamp"},
    }};
}();
// clang-format on

// Which characters a run of emphasis members counts for.
enum class RaceScope : std::uint8_t { Both, Kessari, Neuonian };

// Skills first to last (inclusive) of an emphasis; first > last is an unused slot.
struct MemberRange {
    std::int16_t first = 0;
    std::int16_t last = -1;
    RaceScope scope = RaceScope::Both;
};

struct EmphasisInfo {
    std::string_view name; // as the "Emphasis and Mastery" dialog shows it
    std::int32_t mastery;
    std::array<MemberRange, 3> members;
    std::int32_t ratedNeeded; // least number of members rated above 0 for a non-zero level
};

namespace catalogue_detail {
constexpr MemberRange all(int first, int last) {
    return {static_cast<std::int16_t>(first), static_cast<std::int16_t>(last), RaceScope::Both};
}
constexpr MemberRange kessari(int first, int last) {
    return {static_cast<std::int16_t>(first), static_cast<std::int16_t>(last), RaceScope::Kessari};
}
constexpr MemberRange neuonian(int first, int last) {
    return {static_cast<std::int16_t>(first), static_cast<std::int16_t>(last), RaceScope::Neuonian};
}
} // namespace catalogue_detail

// The forty emphases of m_aEmphasis, in index order.
// clang-format off
inline constexpr std::array<EmphasisInfo, kEmphasisCount> kEmphases = [] {
    using namespace catalogue_detail;
    return std::array<EmphasisInfo, kEmphasisCount>{{
        {"Blades",                kMasteryCombat,         {all(0, 5)},                                              2},
        {"Axes/Hammers",          kMasteryCombat,         {all(6, 7)},                                              1},
        {"Blunt",                 kMasteryCombat,         {all(8, 10)},                                             2},
        {"Chains",                kMasteryCombat,         {all(11, 12)},                                            1},
        {"Hand to Hand",          kMasteryCombat,         {kessari(13, 13), neuonian(314, 315)},                    1},
        {"Lances/Pole Arms",      kMasteryCombat,         {all(14, 17)},                                            1},
        {"Fired Weapons",         kMasteryCombat,         {all(18, 20)},                                            2},
        {"Thrown Weapons",        kMasteryCombat,         {all(21, 22)},                                            2},
        {"Culture",               kMasteryCulturalSkills, {kessari(23, 29)},                                        4},
        {"Prestidigitation",      kMasteryDarkArts,       {all(30, 34)},                                            4},
        {"Subterfuge",            kMasteryDarkArts,       {all(35, 41)},                                            4},
        {"Farm",                  kMasteryDomestic,       {all(42, 45)},                                            4},
        {"Home",                  kMasteryDomestic,       {all(46, 52)},                                            5},
        {"Athletics",             kMasteryEntertainment,  {all(53, 60)},                                            4},
        {"Drama",                 kMasteryEntertainment,  {all(61, 67)},                                            4},
        {"Music",                 kMasteryEntertainment,  {all(68, 73)},                                            3},
        {"Civilian",              kMasteryLeadership,     {all(74, 75)},                                            2},
        {"Military",              kMasteryLeadership,     {all(76, 78)},                                            3},
        {"Statecraft",            kMasteryLeadership,     {all(79, 83)},                                            4},
        {"School (Wizardry)",     kMasteryMagic,          {all(84, 146)},                                           5},
        {"Fabled Lands & Beasts", kMasteryMythAndLore,    {all(147, 170)},                                          9},
        {"Fortune Telling",       kMasteryMythAndLore,    {all(171, 176)},                                          2},
        {"Heros & Heroines",      kMasteryMythAndLore,    {all(177, 183)},                                          4},
        {"Armorsmithing",         kMasteryProfCrafts,     {all(184, 187)},                                          4},
        {"Arts",                  kMasteryProfCrafts,     {all(188, 191)},                                          2},
        {"Brewing",               kMasteryProfCrafts,     {all(192, 196)},                                          3},
        {"Leatherworking",        kMasteryProfCrafts,     {all(197, 200)},                                          4},
        {"Smithing",              kMasteryProfCrafts,     {all(201, 206)},                                          3},
        {"Trades",                kMasteryProfCrafts,     {all(207, 212)},                                          1},
        {"Weaponsmithing",        kMasteryProfCrafts,     {all(213, 216)},                                          3},
        {"Church",                kMasteryReligion,       {all(217, 219)},                                          3},
        {"Gods",                  kMasteryReligion,       {all(220, 222)},                                          3},
        {"Demonology",            kMasteryReligion,       {all(223, 226)},                                          2},
        {"Archaic Science",       kMasteryScholastics,    {all(274, 283)},                                          6},
        {"History",               kMasteryScholastics,    {all(284, 286)},                                          3},
        {"Research",              kMasteryScholastics,    {all(287, 289)},                                          3},
        {"Carts & Ships",         kMasteryTravel,         {all(290, 297)},                                          3},
        {"Animalship",            kMasteryTravel,         {all(298, 302)},                                          3},
        {"Terrain Knowledge",     kMasteryTravel,         {all(303, 313)},                                          5},
        {"Neuonian",              kMasteryCulturalSkills, {neuonian(316, 321), neuonian(24, 25), neuonian(28, 29)}, 4},
    }};
}();
// clang-format on

// Whether a member range counts for a character of this race (0 Kessari, 1 Neuonian; any other
// code is held to the Kessari members, as the rest of the rules do).
constexpr bool countsFor(RaceScope scope, std::int32_t race) {
    const bool neuonian = race == kRaceNeuonian;
    return scope == RaceScope::Both || (scope == RaceScope::Neuonian) == neuonian;
}

// The entries of one category's list, in the order shown.
std::span<const CatalogueEntry> categoryEntries(SkillCategory category);

// The skill whose list text in that category is exactly name; nothing when there is none.
std::optional<std::int32_t> skillIndexByName(SkillCategory category, std::string_view name);
// The same over every category (names are unique across the catalogue).
std::optional<std::int32_t> skillIndexByName(std::string_view name);

// The name of a skill slot; empty for 323 to 329 and for anything outside the array.
std::string_view skillName(std::int32_t index);

// The list a skill stands in; nothing for slots without a skill.
std::optional<SkillCategory> categoryOf(std::int32_t index);

// The emphasis a skill counts toward for a character of that race; nothing for the Endowments,
// "Theology (Morning Light)", the race-bound skills under the other race and empty slots.
std::optional<std::int32_t> emphasisOf(std::int32_t index, std::int32_t race);

// The label a category's row shows, e.g. "Religion:".
constexpr std::string_view categoryLabel(SkillCategory category) {
    return kSkillCategories[static_cast<std::size_t>(category)].label;
}

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

namespace orthavel {

// The lines of the mastery list of skills (sheet pages 2 and 3), column by column, one row per
// line. A category heading carries a mastery, a group heading an emphasis (or nothing); skill
// lines follow a from() row that gives the first line's y and the step to the next. Labels are
// the sheet's own words, drawn exactly as written.

enum class SkillSheetKind {
    Category, // m_aMastery[index] in the bold font at c
    Group,    // m_aEmphasis[index] in the print font at c + 4
    Heading,  // a group heading without a value
    From,     // the following skill lines start at y, step apart
    Skill,    // m_aSkill[index] at c + 5, the label at c + 30
};

struct SkillSheetLine {
    SkillSheetKind kind;
    int y;     // Category, Group, Heading, From
    int index; // Category: mastery; Group: emphasis; Skill: skill index; From: the step
    std::string_view text;
};

constexpr SkillSheetLine category(int y, std::string_view text, int mastery) {
    return {SkillSheetKind::Category, y, mastery, text};
}
constexpr SkillSheetLine group(int y, std::string_view text, int emphasis) {
    return {SkillSheetKind::Group, y, emphasis, text};
}
constexpr SkillSheetLine heading(int y, std::string_view text) {
    return {SkillSheetKind::Heading, y, 0, text};
}
constexpr SkillSheetLine from(int y, int step) {
    return {SkillSheetKind::From, y, step, {}};
}
constexpr SkillSheetLine skill(int index, std::string_view label) {
    return {SkillSheetKind::Skill, 0, index, label};
}

// Page 2, column 1 down to "Hand To Hand"; then the race's own lines.
inline constexpr SkillSheetLine kPage2Column1[] = {
    category(85, "Combat: %i", 0),
    group(100, "Blades (2 min):%i", 0),
    from(115, 14),
    skill(0, "Stilletto (4)"),
    skill(1, "Short Sword (6)"),
    skill(2, "Bastard Sword (12)"),
    skill(3, "Long Sword (10)"),
    skill(4, "Broad Sword (12)"),
    skill(5, "Great Sword (16)"),
    group(200, "Axes/Hammers (1 min):%i", 1),
    from(215, 14),
    skill(6, "Steel Axe (11)"),
    skill(7, "Stone Axe (8)"),
    group(244, "Blunt (2 min):%i", 2),
    from(259, 14),
    skill(8, "Metal Mace (8)"),
    skill(9, "Stone Mace (8)"),
    skill(10, "Staff (5)"),
    group(302, "Chains (1 min):%i", 3),
    from(317, 14),
    skill(11, "Flail (12)"),
    skill(12, "Morning Star (9)"),
    group(346, "Hand To Hand(1 min):%i", 4),
};

// The rest of column 1 for a Neuonian character.
inline constexpr SkillSheetLine kPage2Column1Neuonian[] = {
    from(361, 14),
    skill(314, "Brawling (10)"),
    skill(315, "Fisticuffs (9)"),
    group(390, "Lance/Pole Arm(1 min):%i", 5),
    from(405, 14),
    skill(14, "Bardiche (14)"),
    skill(15, "Glaive (15)"),
    skill(16, "Long Spear (10)"),
    skill(17, "Lance (16)"),
    group(462, "Fired Weapons(2 min):%i", 6),
    from(477, 14),
    skill(18, "Longbow (12)"),
    skill(19, "Shortbow (10)"),
    skill(20, "Crossbow (10)"),
    group(520, "Thrown Weapons(2 min):%i", 7),
    from(535, 14),
    skill(21, "Throwing Spear (6)"),
    skill(22, "Throwing Dagger (2)"),
    category(569, "Cultural Skills: %i", 1),
    group(584, "Culture:Neuonian(4 min):%i", 39),
    from(599, 14),
    skill(316, "Corner (10) G"),
    skill(317, "Desire (8) G"),
    skill(318, "Endure (12) G"),
    skill(24, "Grobber Gestures (4)"),
    skill(25, "High Speech (10)"),
    skill(28, "Low Speech (6)"),
    skill(319, "Mind Guard (20) G"),
    skill(29, "Olde Human Literacy (12)"),
    skill(320, "Sympathy (15) G"),
    skill(321, "Synergy (10) G"),
    group(740, "Culture:Kessari(4 min):%i", 8),
    from(755, 14),
    skill(27, "Kessari Literacy (12)"),
    skill(26, "Kessari Speech (10)"),
};

// The rest of column 1 for a Kessari character.
inline constexpr SkillSheetLine kPage2Column1Kessari[] = {
    from(361, 14),
    skill(13, "Howling Wind (10)"),
    group(376, "Lance/Pole Arm(1 min):%i", 5),
    from(391, 14),
    skill(14, "Bardiche (14)"),
    skill(15, "Glaive (15)"),
    skill(16, "Long Spear (10)"),
    skill(17, "Lance (16)"),
    group(448, "Fired Weapons(2 min):%i", 6),
    from(463, 14),
    skill(18, "Longbow (12)"),
    skill(19, "Shortbow (10)"),
    skill(20, "Crossbow (10)"),
    group(506, "Thrown Weapons(2 min):%i", 7),
    from(520, 14),
    skill(21, "Throwing Spear (6)"),
    skill(22, "Throwing Dagger (2)"),
    category(554, "Cultural Skills: %i", 1),
    group(569, "Culture:Kessari(4 min):%i", 8),
    from(584, 14),
    skill(23, "Natural Form (12)"),
    skill(24, "Grobber Gestures (4)"),
    skill(25, "High Speech (10)"),
    skill(26, "Kessari Speech (10)"),
    skill(27, "Kessari Literacy (12)"),
    skill(28, "Low Speech (6)"),
    skill(29, "Olde Human Literacy (12)"),
};

// Page 2, column 2, for both races.
inline constexpr SkillSheetLine kPage2Column2[] = {
    category(85, "Dark Arts: %i", 2),
    group(100, "Prestidigitation(4 min):%i", 9),
    from(115, 14),
    skill(30, "Escape (5)"),
    skill(31, "Pick Pockets (3)"),
    skill(32, "Pick Locks (8)"),
    skill(33, "Pyrotechnics (11)"),
    skill(34, "Stage Magic (14)"),
    group(186, "Subterfuge (4 min):%i", 10),
    from(201, 14),
    skill(35, "Ambush (14)"),
    skill(36, "Concealment/Camoflage (12)"),
    skill(37, "Pass w/o Trace (9)"),
    skill(38, "Prowling (4)"),
    skill(39, "Pursuit & Evasion (13)"),
    skill(40, "Scaling (8)"),
    skill(41, "Traps (16)"),
    category(305, "Domestic: %i", 3),
    group(320, "Farm (All):%i", 11),
    from(335, 14),
    skill(42, "Dowsing (2)"),
    skill(43, "Husbandry (9)"),
    skill(44, "Identify Vegetation (12)"),
    skill(45, "Planting/Cultivation (18)"),
    group(392, "Home (5 min):%i", 12),
    from(407, 14),
    skill(46, "Antagonize Foreigners (1)"),
    skill(47, "Cooking (5)"),
    skill(48, "Fishing (4)"),
    skill(49, "Herb Lore (14)"),
    skill(50, "Hunting (11)"),
    skill(51, "Repair (12)"),
    skill(52, "Trapping/Fur Trade (8)"),
    category(511, "Entertainment: %i", 4),
    group(526, "Athletics (4 min):%i", 13),
    from(541, 14),
    skill(53, "Acrobatics (10)"),
    skill(54, "Tumbling (9)"),
    skill(55, "Cultural Dance (2)"),
    skill(56, "Cultural Games (5)"),
    skill(57, "Juggling (6)"),
    skill(58, "Running (6)"),
    skill(59, "Swimming (5)"),
    skill(60, "Wrestling (9)"),
    group(654, "Drama (4 min):%i", 14),
    from(669, 14),
    skill(61, "Acting (12)"),
    skill(62, "Captivation/Seduction (13)"),
    skill(63, "Direction/Scrpt Writing (15)"),
    skill(64, "Mime (9)"),
    skill(65, "Props & Costumes (11)"),
    skill(66, "Swordplay (4)"),
    skill(67, "Voice Control (13)"),
};

// Page 2, column 3; the spells follow "Theory (19)".
inline constexpr SkillSheetLine kPage2Column3[] = {
    group(85, "Music (3 min):%i", 15),
    from(100, 14),
    skill(68, "Composition (19)"),
    skill(69, "Horn (15)"),
    skill(70, "Percussion (14)"),
    skill(71, "Singing (13)"),
    skill(72, "String (14)"),
    skill(73, "Wind (15)"),
    category(190, "Leadership: %i", 5),
    group(205, "Civilian (Both):%i", 16),
    from(220, 14),
    skill(74, "Grapevine (6)"),
    skill(75, "Public Speaking (15)"),
    group(249, "Military (All):%i", 17),
    from(264, 14),
    skill(76, "Discipline (16)"),
    skill(77, "Motivation (17)"),
    skill(78, "Strategy (18)"),
    group(307, "Statecraft (4 min):%i", 18),
    from(322, 14),
    skill(79, "Commerce (18)"),
    skill(80, "Foreign Affairs (20)"),
    skill(81, "Law (19)"),
    skill(82, "Politics (18)"),
    skill(83, "Public Relations (17)"),
    category(398, "Magic: %i", 6),
    group(413, "School:Wizardry (5 min):%i", 19),
    from(428, 14),
    skill(84, "Theory (19)"),
};

// Page 3, column 1.
inline constexpr SkillSheetLine kPage3Column1[] = {
    category(30, "Myth & Lore: %i", 7),
    group(45, "Fabled Lands (9 min):%i", 20),
    from(60, 14),
    skill(147, "Ariela (13)"),
    skill(148, "Black Forest (10)"),
    skill(149, "Brown Sea (11)"),
    skill(150, "Burning Lands of Jor (10)"),
    skill(151, "City States of Neoun (9)"),
    skill(152, "Eppela (11)"),
    skill(153, "Heg Mtn Kingdom (10)"),
    skill(154, "Icey Death Ocean (10)"),
    skill(155, "Imp Lnd of New Mulgra(10)"),
    skill(156, "Isle of Lars (11)"),
    skill(157, "Khybern Islands (11)"),
    skill(158, "Majestic Empire (12)"),
    skill(159, "Mt Kabi (13))"),
    skill(160, "Nation of Yucazon (10)"),
    skill(161, "Northern Wilds (12)"),
    skill(162, "Ogre's Pot (10)"),
    skill(163, "Olde Mulgra (12)"),
    skill(164, "Ontonoma Plains (11)"),
    skill(165, "Province of Winter (13)"),
    skill(166, "Silver Gulf (10)"),
    skill(167, "Southern Barrens (12)"),
    skill(168, "Strongen Range (11)"),
    skill(169, "Thokmolin (10)"),
    skill(170, "World's Crown (10)"),
    group(397, "Fortune Telling(2 min):%i", 21),
    from(412, 14),
    skill(171, "Astrology (8)"),
    skill(172, "Bones (7)"),
    skill(173, "Cards of Fate (9)"),
    skill(174, "Crystals (14)"),
    skill(175, "Palms (12)"),
    skill(176, "Stones (6)"),
    group(497, "Heros/Heroines (4 min):%i", 22),
    from(512, 14),
    skill(177, "Beastish (13)"),
    skill(178, "Dwarves (12)"),
    skill(179, "Elves (11)"),
    skill(180, "Giants (14)"),
    skill(181, "Grobber (15)"),
    skill(182, "Humanoids (10)"),
    skill(183, "Kessari (15)"),
    category(611, "Prof Crafts: %i", 8),
    group(626, "Armorsmithing (All):%i", 23),
    from(641, 14),
    skill(184, "Chain (9)"),
    skill(185, "Helmets (10)"),
    skill(186, "Plates (9)"),
    skill(187, "Shields (8)"),
    group(698, "Arts (2 min):%i", 24),
    from(712, 14),
    skill(188, "Casting & Jewelry (18)"),
    skill(189, "Painting (13)"),
    skill(190, "Poetry,Prose, Clgphy (13)"),
    skill(191, "Sculpting (14)"),
};

// Page 3, column 2; the endowments follow its last heading.
inline constexpr SkillSheetLine kPage3Column2[] = {
    group(30, "Brewing (3 min):%i", 25),
    from(45, 15),
    skill(192, "Alcohol (6)"),
    skill(193, "Beer (5)"),
    skill(194, "Wine (7)"),
    skill(195, "Poisons (9)"),
    skill(196, "Potions (15)"),
    group(120, "Leatherworking (All):%i", 26),
    from(135, 14),
    skill(197, "Armor (9)"),
    skill(198, "Barding (9)"),
    skill(199, "Outfitting (8)"),
    skill(200, "Shoes & Boots (10)"),
    group(192, "Smithing (3 min):%i", 27),
    from(207, 14),
    skill(201, "Bronze (10)"),
    skill(202, "Farm Tools (9)"),
    skill(203, "Gold (14)"),
    skill(204, "Scientific Instr. (15)"),
    skill(205, "Siege Tools (8)"),
    skill(206, "Silver (14)"),
    group(292, "Trades (1 min):%i", 28),
    from(307, 14),
    skill(207, "Carpentry (9)"),
    skill(208, "Ceramics (7)"),
    skill(209, "Masonry (6)"),
    skill(210, "Roper (2)"),
    skill(211, "Ship Building (17)"),
    skill(212, "Tailoring & Weaving (10)"),
    group(392, "Weaponsmithing (3 min):%i", 29),
    from(407, 14),
    skill(213, "Bladed (14)"),
    skill(214, "Blunt (12)"),
    skill(215, "Pointed (13)"),
    skill(216, "Bowyer & Fletcher (9)"),
    category(464, "Religion: %i", 9),
    group(479, "Church (All):%i", 30),
    from(494, 14),
    skill(217, "Education (18)"),
    skill(218, "Order (13)"),
    skill(322, "Theology Morning Light(15)"),
    skill(219, "Theology Fidei Draconis(15)"),
    group(551, "Gods (All):%i", 31),
    from(566, 14),
    skill(220, "Opposing Deities (16)"),
    skill(221, "Patrons (15)"),
    skill(222, "Channeling Power (20)"),
    group(609, "Demonology (2 min):%i", 32),
    from(625, 14),
    skill(223, "Dark Pawns (10)"),
    skill(224, "Demons (11)"),
    skill(225, "Devils (12)"),
    skill(226, "Legendary Evils (8)"),
    heading(682, "Endowments (No Emphasis)"),
};

// Page 3, column 3.
inline constexpr SkillSheetLine kPage3Column3[] = {
    category(30, "Scholastics: %i", 10),
    group(45, "Archaic Science (6 min):%i", 33),
    from(60, 14),
    skill(274, "Algebra & Early Physics (19)"),
    skill(275, "Astronomy (18)"),
    skill(276, "Bandaging & Bones (17)"),
    skill(277, "Cartography (15)"),
    skill(278, "Chemistry (19)"),
    skill(279, "Disease (20)"),
    skill(280, "Engineering & Architect (19)"),
    skill(281, "Mathematics (15)"),
    skill(282, "Philosophy (16)"),
    skill(283, "Surgery (20)"),
    group(201, "History (All):%i", 34),
    from(216, 14),
    skill(284, "Age of Discovery (10)"),
    skill(285, "Age of Myth (14)"),
    skill(286, "Heraldry (13)"),
    group(259, "Research (All):%i", 35),
    from(274, 14),
    skill(287, "Bookkeeping (13)"),
    skill(288, "Experimentation (16)"),
    skill(289, "Sage Science (19)"),
    category(317, "Travel: %i", 11),
    group(332, "Carts & Ships (3 min):%i", 36),
    from(347, 14),
    skill(290, "Barges, Traders, Fish Boats (11)"),
    skill(291, "Canoes/Rafts/etc (10)"),
    skill(292, "Carts, Wagons & Plows (11)"),
    skill(293, "Chariots (13)"),
    skill(294, "Longships (15)"),
    skill(295, "Royal Fleets (15)"),
    skill(296, "War - Rowing (17)"),
    skill(297, "War - Sailing (18)"),
    group(460, "Animalship (3 min):%i", 37),
    from(475, 14),
    skill(298, "Breeding (13)"),
    skill(299, "Combat (10)"),
    skill(300, "Riding (5)"),
    skill(301, "Stunts (9)"),
    skill(302, "Training (16)"),
    group(546, "Terrain Knowledge (5 min):%i", 38),
    from(561, 14),
    skill(303, "Arctic (12)"),
    skill(304, "Cities (8)"),
    skill(305, "Desert (13)"),
    skill(306, "Dungeoneering (14)"),
    skill(307, "Fields/Plains (6)"),
    skill(308, "Forestry (7)"),
    skill(309, "Jungle (12)"),
    skill(310, "Mountains (11)"),
    skill(311, "Navigation (9)"),
    skill(312, "Spelunking (10)"),
    skill(313, "Swamp (10)"),
    heading(716, "Endowments (Continued)"),
};

// Sheet labels of the spells, skill indices 85 to 146, indexed by skill index minus 85.
inline constexpr std::array<std::string_view, 62> kSpellLabels{
    "Abolish Magic Defense (16)",         // 85
    "Annihilate Magic Item (17)",         // 86
    "Awful Truth (13)",                   // 87
    "Behave (16)",                        // 88
    "Chained Energy (15)",                // 89
    "Control Mental State (20)",          // 90
    "Dehydrate (15)",                     // 91
    "Disks of Ledorian (15)",             // 92
    "Enchant Arrowhead (12)",             // 93
    "Ground Swallow (18)",                // 94
    "Immobilization (19)",                // 95
    "Invisibility (20)",                  // 96
    "Invisible Horde (20)",               // 97
    "Naptime (11)",                       // 98
    "Palms of Fire (16)",                 // 99
    "Paralyzing Touch (16)",              // 100
    "Super Adhesion (17)",                // 101
    "Tholin's Whirling Hammers (15)",     // 102
    "Wicked Staff of Groam (11)",         // 103
    "Air of Darkness (10)",               // 104
    "Balk (18)",                          // 105
    "Evil Bane (13)",                     // 106
    "Expose Invisibility (15)",           // 107
    "Exterme Shield (12)",                // 108
    "Frey's Plates of Spellbinding (15)", // 109
    "Frey's Spellbinder (10)",            // 110
    "Good Bane (12)",                     // 111
    "Innvocation of Disbelief (20)",      // 112
    "Intervening Shield (20)",            // 113
    "Invisible Prowl (13)",               // 114
    "Overrule Spell (15)",                // 115
    "Parabola (19)",                      // 116
    "Prot from Elements/Elemental (20)",  // 117
    "Prot from Mystical Creatures (20)",  // 118
    "Prot from Rune Weapons (20)",        // 119
    "Shadow Dancer (11)",                 // 120
    "Wall of Black (18)",                 // 121
    "Walls of Nature (15)",               // 122
    "Wizard's Seal (19)",                 // 123
    "Anti-Matter Sphere (20)",            // 124
    "Clean (10)",                         // 125
    "Continuum Shiftwalk (18)",           // 126
    "Detect Toxin (15)",                  // 127
    "Gate Weave (19)",                    // 128
    "Glamour (15)",                       // 129
    "Green Soup (15)",                    // 130
    "Groam's Owl (18)",                   // 131
    "Instant Shelter (16)",               // 132
    "Literacy (10)",                      // 133
    "Magic Laboratory (13)",              // 134
    "Marble Message (15)",                // 135
    "Metamorph (19)",                     // 136
    "Mirror Image (16)",                  // 137
    "Mystical Mount (15)",                // 138
    "Quickflight (17)",                   // 139
    "Remove Petrification (19)",          // 140
    "Scrollbind (19)",                    // 141
    "Skill Boost (12)",                   // 142
    "Sleeping Teleport (17)",             // 143
    "Tempo (17)",                         // 144
    "Translation (10)",                   // 145
    "Water Walk (15)",                    // 146
};

// Sheet labels of the endowments, skill indices 227 to 273, indexed by skill index minus 227.
inline constexpr std::array<std::string_view, 47> kEndowmentLabels{
    "Sunspot (13)",             // 227
    "Harvest (10)",             // 228
    "Resist Fear (13)",         // 229
    "Dragon Sight (11)",        // 230
    "Dragon Armor (15)",        // 231
    "Solar Flare (12)",         // 232
    "Prayer of Courage (14)",   // 233
    "Prayer of Strength (14)",  // 234
    "Wind Barrier (13)",        // 235
    "True Sight (13)",          // 236
    "Sunburst (14)",            // 237
    "Sunbeam (14)",             // 238
    "Dragon Flight (14)",       // 239
    "Tears of Zariah (15)",     // 240
    "Guardian (15)",            // 241
    "Freeze Time (14)",         // 242
    "Smite (15)",               // 243
    "Shadow Claws (12)",        // 244
    "Shadow Leech (13)",        // 245
    "Cause Fear (13)",          // 246
    "Shadow Mask (14)",         // 247
    "Dragon Armor (15)",        // 248
    "Nightshade (10)",          // 249
    "Prayer of Knowledge (14)", // 250
    "Prayer of Power (14)",     // 251
    "Moon Gate (14)",           // 252
    "Dragon Breath (14)",       // 253
    "Blackhole (15)",           // 254
    "Moonbeam (14)",            // 255
    "Shadow Flight (15)",       // 256
    "Blood of Rabahd (15)",     // 257
    "Slayer (15)",              // 258
    "Kiss of Death (14)",       // 259
    "Tangleroot (13)",          // 260
    "Living Tongue (13)",       // 261
    "Soothing Savior (12)",     // 262
    "Accelerate Growth (15)",   // 263
    "Beastish Nature (12)",     // 264
    "Essence Armor (12)",       // 265
    "Call of the Wild (10)",    // 266
    "Essence Ball (11)",        // 267
    "Cellular Adjustment (15)", // 268
    "Thorny Barrier (10)",      // 269
    "Adrenaline Boost (12)",    // 270
    "Weapon Enchanment (14)",   // 271
    "Earth Speak (13)",         // 272
    "Blessed Event (10)",       // 273
};

inline constexpr int kFirstSpell = 85;
inline constexpr int kFirstEndowment = 227;

} // namespace orthavel

// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/skills/EmphasisDisplay.h"

#include <algorithm>

#include "core/skills/SkillCatalogue.h"

namespace orthavel {

namespace {

struct DisplayEntry {
    std::int32_t column; // 1 to 3
    bool heading;        // a mastery heading; otherwise one of its emphases
    std::int32_t index;  // the mastery's or the emphasis's index
    std::string_view label;
    RaceScope scope;
};

constexpr std::int32_t kColumnLeft[] = {10, 150, 290};
constexpr std::int32_t kTop = 15;
constexpr std::int32_t kLineStep = 15;
constexpr std::int32_t kHeadingGap = 5;
constexpr std::int32_t kIndent = 10;

constexpr auto B = RaceScope::Both;
constexpr auto K = RaceScope::Kessari;
constexpr auto N = RaceScope::Neuonian;

// Column by column, top to bottom.
// clang-format off
constexpr DisplayEntry kDisplayEntries[] = {
    {1, true,  kMasteryCombat,         "Combat",                B},
    {1, false, 0,                      "Blades",                B},
    {1, false, 1,                      "Axes/Hammers",          B},
    {1, false, 2,                      "Blunt",                 B},
    {1, false, 3,                      "Chains",                B},
    {1, false, 4,                      "Hand to Hand",          B},
    {1, false, 5,                      "Lances/Pole Arms",      B},
    {1, false, 6,                      "Fired Weapons",         B},
    {1, false, 7,                      "Thrown Weapons",        B},
    {1, true,  kMasteryCulturalSkills, "Cultural Skills",       B},
    {1, false, 8,                      "Culture",               K},
    {1, false, 39,                     "Neuonian",              N},
    {1, false, 8,                      "Kessari",               N},
    {1, true,  kMasteryDarkArts,       "Dark Arts",             B},
    {1, false, 9,                      "Prestidigitation",      B},
    {1, false, 10,                     "Subterfuge",            B},
    {1, true,  kMasteryDomestic,       "Domestic",              B},
    {1, false, 11,                     "Farm",                  B},
    {1, false, 12,                     "Home",                  B},
    {2, true,  kMasteryEntertainment,  "Entertainment",         B},
    {2, false, 13,                     "Athletics",             B},
    {2, false, 14,                     "Drama",                 B},
    {2, false, 15,                     "Music",                 B},
    {2, true,  kMasteryLeadership,     "Leadership",            B},
    {2, false, 16,                     "Civilian",              B},
    {2, false, 17,                     "Military",              B},
    {2, false, 18,                     "Statecraft",            B},
    {2, true,  kMasteryMagic,          "Magic",                 B},
    {2, false, 19,                     "School (Wizardry)",     B},
    {2, true,  kMasteryMythAndLore,    "Myth & Lore",           B},
    {2, false, 20,                     "Fabled Lands & Beasts", B},
    {2, false, 21,                     "Fortune Telling",       B},
    {2, false, 22,                     "Heros & Heroines",      B},
    {3, true,  kMasteryProfCrafts,     "Prof Crafts",           B},
    {3, false, 23,                     "Armorsmithing",         B},
    {3, false, 24,                     "Arts",                  B},
    {3, false, 25,                     "Brewing",               B},
    {3, false, 26,                     "Leatherworking",        B},
    {3, false, 27,                     "Smithing",              B},
    {3, false, 28,                     "Trades",                B},
    {3, false, 29,                     "Weaponsmithing",        B},
    {3, true,  kMasteryReligion,       "Religion",              B},
    {3, false, 30,                     "Church",                B},
    {3, false, 31,                     "Gods",                  B},
    {3, false, 32,                     "Demonology",            B},
    {3, true,  kMasteryScholastics,    "Scholastics",           B},
    {3, false, 33,                     "Archaic Science",       B},
    {3, false, 34,                     "History",               B},
    {3, false, 35,                     "Research",              B},
    {3, true,  kMasteryTravel,         "Travel",                B},
    {3, false, 36,                     "Carts & Ships",         B},
    {3, false, 37,                     "Animalship",            B},
    {3, false, 38,                     "Terrain Knowledge",     B},
};
// clang-format on

} // namespace

EmphasisDisplay layoutEmphasisDisplay(std::int32_t race, const MasteryResult& levels) {
    EmphasisDisplay display;
    display.race = race;
    display.levels = levels;
    std::int32_t column = 0;
    std::int32_t y = kTop;
    for (const DisplayEntry& entry : kDisplayEntries) {
        if (!countsFor(entry.scope, race)) {
            continue;
        }
        if (entry.column != column) {
            column = entry.column;
            y = kTop;
        } else if (entry.heading) {
            y += kHeadingGap;
        }
        const auto index = static_cast<std::size_t>(entry.index);
        const std::int32_t value = entry.heading ? levels.masteries[index] : levels.emphases[index];
        const std::int32_t left = kColumnLeft[column - 1] + (entry.heading ? 0 : kIndent);
        display.texts.push_back(
            {left, y, std::string(entry.label) + ": " + std::to_string(value), entry.heading});
        y += kLineStep;
    }
    return display;
}

void separateColumns(EmphasisDisplay& display,
                     const std::function<std::int32_t(std::string_view)>& width) {
    // A column is the run of texts from one heading's left edge to the next one's.
    std::vector<std::int32_t> starts;
    for (const auto& text : display.texts) {
        if (text.heading && std::find(starts.begin(), starts.end(), text.x) == starts.end()) {
            starts.push_back(text.x);
        }
    }
    std::sort(starts.begin(), starts.end());
    const auto columnOf = [&](std::int32_t x) {
        const auto after = std::upper_bound(starts.begin(), starts.end(), x);
        return after == starts.begin() ? std::size_t{0}
                                       : static_cast<std::size_t>(after - starts.begin() - 1);
    };
    // The room left between one column's longest text and the next column.
    constexpr std::int32_t kGap = 10;
    std::vector<std::int32_t> shifts(starts.size(), 0);
    std::int32_t right = 0; // where the column before ends, moved
    for (std::size_t column = 0; column < starts.size(); ++column) {
        if (column > 0) {
            shifts[column] = std::max(shifts[column - 1], right + kGap - starts[column]);
        }
        right = 0;
        for (const auto& text : display.texts) {
            if (columnOf(text.x) == column) {
                right = std::max(right, text.x + shifts[column] + width(text.text));
            }
        }
    }
    for (auto& text : display.texts) {
        text.x += shifts[columnOf(text.x)];
    }
}

} // namespace orthavel

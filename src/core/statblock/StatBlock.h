// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orthavel {

// A character as a stat block: what the four sheet pages show, in the sheet's own words and
// values, built once for every writer. Every text is UTF-8 without control characters.

struct StatValue {
    std::string label;
    std::string value;
    std::optional<std::int32_t> number = {}; // the value's number, where it leads the value
};

struct StatSection {
    std::string title;
    std::vector<StatValue> values;
};

struct StatSkill {
    std::string name; // the sheet's label, complexity included: "Long Sword (10)"
    std::int32_t rating = 0;
};

// An emphasis group of a mastery with its level ("Blades", 3), or the spells, which have none.
struct StatGroup {
    std::string name;
    std::optional<std::int32_t> emphasis;
    std::vector<StatSkill> skills; // the rated ones, in the sheet's order
};

struct StatMastery {
    std::string name;
    std::int32_t level = 0;
    std::vector<StatGroup> groups;
};

struct StatBlock {
    std::string name; // the character's name, or "Unnamed" for a character without one
    // Identity, Advantages, Derived Values, Combat, Armor, Special Skills and Endowments.
    std::vector<StatSection> sections;
    // The twelve masteries in the sheet's order, each with every emphasis group.
    std::vector<StatMastery> masteries;
    StatSection description; // the descriptive texts
};

StatBlock makeStatBlock(const CharacterRecord& record);

// Whether a mastery or group has anything to show: a level, or a rated skill.
bool shown(const StatMastery& mastery);
bool shown(const StatGroup& group);

// A record's text as the outside world reads it: UTF-8 without control characters.
std::string cleanText(std::string_view cp1252);

// The three writers. Texts are escaped for the format, so no name can break its layout.
// Plain text, no line longer than 80 characters.
std::string statBlockText(const StatBlock& block);
// GitHub-flavoured Markdown with tables.
std::string statBlockMarkdown(const StatBlock& block);
// One self-contained HTML page without scripts, for the screen and for paper.
std::string statBlockHtml(const StatBlock& block);
// The HTML body alone (the title and tables), for pages that hold several characters.
std::string statBlockHtmlBody(const StatBlock& block);
// A whole HTML page around bodies.
std::string htmlPage(std::string_view title, std::string_view bodies);

} // namespace orthavel

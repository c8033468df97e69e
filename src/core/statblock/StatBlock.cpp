// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/statblock/StatBlock.h"

#include "core/record/Cp1252.h"
#include "core/sheet/Page1Layout.h"
#include "core/sheet/Page4Layout.h"
#include "core/sheet/SkillSheetTables.h"

#include <algorithm>
#include <span>

namespace orthavel {

namespace {

// Page 1's values that say who the character is, and those that describe it; the rest of the
// page's values are derived.
constexpr std::string_view kIdentityLabels[] = {"Race",
                                                "Culture",
                                                "House",
                                                "City State",
                                                "Career",
                                                "Profess Level(PL)",
                                                "Age",
                                                "Played by",
                                                "Attitude",
                                                "Pathway",
                                                "Current Life Level",
                                                "Maximum Achieved Life Level"};
constexpr std::string_view kDescriptionLabels[] = {
    "Gender",     "Eye Color", "Hair Color", "Skin Color", "Handedness",
    "Birth Date", "Height",    "Weight",     "Build",      "Family Trade & Background"};

bool among(std::span<const std::string_view> labels, std::string_view label) {
    return std::find(labels.begin(), labels.end(), label) != labels.end();
}

StatValue statValue(const SheetValue& v) {
    return {cleanText(v.label), cleanText(v.value)};
}

StatSection section(std::string title, const std::vector<SheetValue>& values) {
    StatSection s{std::move(title), {}};
    for (const SheetValue& v : values) {
        s.values.push_back(statValue(v));
    }
    return s;
}

// "Blades (2 min):%i", "Combat: %i" and "School:Wizardry (5 min):%i" name Blades, Combat and
// School:Wizardry.
std::string headingName(std::string_view text) {
    text = text.substr(0, text.rfind(':'));
    text = text.substr(0, text.find('('));
    while (text.ends_with(' ')) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

template <std::size_t N>
std::int32_t valueAt(const std::array<std::int32_t, N>& values, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N
               ? values[static_cast<std::size_t>(index)]
               : 0;
}

// Adds one column of the mastery list: a category starts a mastery, a group an emphasis, and each
// rated skill joins the group above it. The headings without a value lead to no rated skill.
void addColumn(StatBlock& block, const CharacterRecord& r, std::span<const SkillSheetLine> lines) {
    for (const SkillSheetLine& line : lines) {
        switch (line.kind) {
        case SkillSheetKind::Category:
            block.masteries.push_back(
                {headingName(line.text), valueAt(r.m_aMastery, line.index), {}});
            break;
        case SkillSheetKind::Group:
            block.masteries.back().groups.push_back(
                {headingName(line.text), valueAt(r.m_aEmphasis, line.index), {}});
            break;
        case SkillSheetKind::Skill:
            if (const std::int32_t rating = valueAt(r.m_aSkill, line.index); rating > 0) {
                block.masteries.back().groups.back().skills.push_back(
                    {std::string(line.text), rating});
            }
            break;
        case SkillSheetKind::Heading:
        case SkillSheetKind::From:
            break;
        }
    }
}

// The held entries of a list of the record's skills (spells, endowments), rating first.
template <std::size_t N>
std::vector<StatSkill> held(const CharacterRecord& r, int first,
                            const std::array<std::string_view, N>& labels) {
    std::vector<StatSkill> skills;
    for (std::size_t i = 0; i < N; ++i) {
        if (const std::int32_t rating = valueAt(r.m_aSkill, first + static_cast<int>(i));
            rating > 0) {
            skills.push_back({std::string(labels[i]), rating});
        }
    }
    return skills;
}

} // namespace

std::string cleanText(std::string_view cp1252) {
    return cp1252ToUtf8(withoutControlCharacters(cp1252));
}

bool shown(const StatGroup& group) {
    return group.emphasis.value_or(0) != 0 || !group.skills.empty();
}

bool shown(const StatMastery& mastery) {
    return mastery.level != 0 || std::any_of(mastery.groups.begin(), mastery.groups.end(),
                                             [](const StatGroup& g) { return shown(g); });
}

StatBlock makeStatBlock(const CharacterRecord& r) {
    StatBlock block;
    block.name = cleanText(r.m_strName);
    if (block.name.find_first_not_of(' ') == std::string::npos) {
        block.name = "Unnamed";
    }
    StatSection identity{"Identity", {}};
    StatSection derived{"Derived Values", {}};
    block.description.title = "Description";
    for (const SheetValue& v : page1Values(r)) {
        if (v.label == "Character Name") {
            continue;
        }
        StatSection& into = among(kIdentityLabels, v.label)      ? identity
                            : among(kDescriptionLabels, v.label) ? block.description
                                                                 : derived;
        into.values.push_back(statValue(v));
    }
    block.sections.push_back(std::move(identity));
    StatSection advantages{"Advantages", {}};
    for (const SheetAdvantage& a : page1Advantages(r)) {
        advantages.values.push_back(
            {a.label,
             std::to_string(a.level) + " (max " + std::to_string(a.maximum) + ", adjust " +
                 (a.adjustment > 0 ? "+" : "") + std::to_string(a.adjustment) + ")",
             a.level});
    }
    block.sections.push_back(std::move(advantages));
    block.sections.push_back(std::move(derived));
    block.sections.push_back(section("Combat", page4Values(r)));
    block.sections.push_back(section("Armor", page4Armor(r)));
    StatSection special = section("Special Skills and Endowments", page1SpecialSkills(r));
    for (const StatSkill& endowment : held(r, kFirstEndowment, kEndowmentLabels)) {
        special.values.push_back({endowment.name, std::to_string(endowment.rating)});
    }
    block.sections.push_back(std::move(special));

    const bool neuonian = r.m_nRace == kRaceNeuonian;
    for (const std::span<const SkillSheetLine> column :
         {std::span<const SkillSheetLine>(kPage2Column1),
          neuonian ? std::span<const SkillSheetLine>(kPage2Column1Neuonian)
                   : std::span<const SkillSheetLine>(kPage2Column1Kessari),
          std::span<const SkillSheetLine>(kPage2Column2),
          std::span<const SkillSheetLine>(kPage2Column3)}) {
        addColumn(block, r, column);
    }
    // The spells follow the last group of the page's last column, Magic's.
    block.masteries.back().groups.push_back({"Spells", {}, held(r, kFirstSpell, kSpellLabels)});
    for (const std::span<const SkillSheetLine> column :
         {std::span<const SkillSheetLine>(kPage3Column1),
          std::span<const SkillSheetLine>(kPage3Column2),
          std::span<const SkillSheetLine>(kPage3Column3)}) {
        addColumn(block, r, column);
    }
    return block;
}

} // namespace orthavel

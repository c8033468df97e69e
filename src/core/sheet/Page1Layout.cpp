// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/sheet/Page1Layout.h"

#include "core/advantages/AdvantageTable.h"
#include "core/generation/CharacterDetailsDialog.h"
#include "core/record/Names.h"
#include "core/sheet/SheetWriter.h"

#include <array>
#include <cstdio>
#include <span>
#include <string_view>

namespace orthavel {

namespace {

using Record = CharacterRecord;
using ValueOf = std::string (*)(const Record&);

// A label and, right after it, a value of the record. A label that carries its own "%i" is
// drawn as one text with the number in its place; numbers are never cut. A text of the record
// has a field that ends at end (negative: counted from W): the next text on its line, or its
// box's edge. Rows without a value are left for the player.
struct DataRow {
    int x;
    int y;
    std::string_view label;
    ValueOf number = nullptr;
    Text Record::*text = nullptr;
    int end = 0;
};

constexpr int kToBoxEdge = -5;

constexpr int fromWidth(int value, int w) {
    return value < 0 ? w + value : value;
}

constexpr DataRow numberRow(int x, int y, std::string_view label, ValueOf number) {
    return {x, y, label, number};
}

constexpr DataRow textRow(int x, int y, std::string_view label, Text Record::*text, int end) {
    return {x, y, label, nullptr, text, end};
}

std::string moveRates(const Record& r) {
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%2.1f/%2.1f", static_cast<double>(r.m_fMoveRate),
                  static_cast<double>(r.m_fMoveRateAdj));
    return buffer.data();
}

// Boxes A and B, in the order they are drawn.
constexpr DataRow kIdentityRows[] = {
    textRow(20, 50, "Character Name:", &Record::m_strName, 350),
    textRow(350, 50, "Pathway:", &Record::m_strPathway, kToBoxEdge),
    textRow(20, 65, "Played by:", &Record::m_strPlayedBy, 350),
    textRow(350, 65, "Attitude:", &Record::m_strAttitude, kToBoxEdge),
    numberRow(350, 90, "Current Life Level:%i",
              [](const Record& r) { return intText(r.m_nLifeLevel); }),
    numberRow(350, 105, "Maximum Achieved Life Level:%i",
              [](const Record& r) { return intText(r.m_nMaxLifeLevel); }),
    textRow(350, 120, "Career:", &Record::m_strProfession, kToBoxEdge),
};

// Box D, column by column. The birth date has its line to itself as far as the box's line.
constexpr DataRow kPersonalRows[] = {
    numberRow(10, 278, "Age:", [](const Record& r) { return intText(r.m_nAge); }),
    textRow(10, 293, "Gender:", &Record::m_strGender, 190),
    textRow(10, 308, "Eye Color:", &Record::m_strEyeColor, 190),
    textRow(10, 323, "Hair Color:", &Record::m_strHairColor, 190),
    textRow(10, 338, "Skin Color:", &Record::m_strSkinColor, 190),
    textRow(10, 353, "Handedness:", &Record::m_strHandedness, 190),
    textRow(10, 368, "Birth Date:", &Record::m_strBirthDate, 345),
    textRow(10, 383, "Height:", &Record::m_strHeight, 190),

    numberRow(190, 278, "Move Rate:", moveRates),
    numberRow(190, 293, "Size Level:%i", [](const Record& r) { return intText(r.m_nSizeLevel); }),
    numberRow(190, 308,
              "Lift Cap:", [](const Record& r) { return pairText(r.m_nLiftCap, r.m_nLiftCapAdj); }),
    numberRow(190, 323, "Encumb Max:",
              [](const Record& r) { return pairText(r.m_nEncumbMax, r.m_nEncumbMaxAdj); }),
    textRow(190, 338, "Build:", &Record::m_strBuild, 345),
    numberRow(190, 353, "Sleep Level:",
              [](const Record& r) { return pairText(r.m_nSleepLevel, r.m_nSleepLevelAdj); }),
    textRow(190, 383, "Weight:", &Record::m_strWeight, 345),

    numberRow(355, 280, "Profess Level(PL):%i",
              [](const Record& r) { return intText(r.m_nProfessionLevel); }),
    numberRow(355, 299, "Social Pts:", [](const Record& r) { return intText(r.m_nSocialPoints); }),
    numberRow(355, 314,
              "Social Level(SL):", [](const Record& r) { return intText(r.m_nSocialLevel); }),
    numberRow(355, 333, "Fiscal Pts:", [](const Record& r) { return intText(r.m_nFiscalPoints); }),
    numberRow(355, 348, "Fiscal Level:%i",
              [](const Record& r) { return intText(r.m_nFiscalLevel); }),
    numberRow(355, 367,
              "Experience Pts:", [](const Record& r) { return intText(r.m_nExperience); }),
    numberRow(355, 382, "EP Bonus:", [](const Record& r) { return intText(r.m_nEPBonus); }),

    numberRow(525, 280, "Heal Rate:",
              [](const Record& r) { return pairText(r.m_nHealRate, r.m_nHealRateAdj); }),
    numberRow(525, 299, "Max Health Pts:",
              [](const Record& r) { return pairText(r.m_nMaxHealth, r.m_nMaxHealthAdj); }),
    numberRow(525, 314, "Max WP Pts:",
              [](const Record& r) { return pairText(r.m_nMaxWillpower, r.m_nMaxWillpowerAdj); }),
    numberRow(525, 333,
              "Power Tolerance:", [](const Record& r) { return intText(r.m_nPowerTolerance); }),
    {525, 352, "Magical Pbse:"},
    {525, 367, "Channeling Pbse:"},
    {525, 382, "Metaphysical Pbse:"},
};

// A text of the record in its field: as much of it as the player can type is drawn whole.
void drawRecordText(SheetWriter& w, int x, int y, std::string_view label, const Record& record,
                    Text Record::*text, int end) {
    w.labelValue(x, y, label, record.*text,
                 {fromWidth(end, w.sheetWidth()), typedTextLength(text)});
}

void drawRow(SheetWriter& w, const Record& record, const DataRow& row) {
    if (row.text != nullptr) {
        drawRecordText(w, row.x, row.y, row.label, record, row.text, row.end);
        return;
    }
    if (row.number == nullptr) {
        w.text(row.x, row.y, row.label);
        return;
    }
    const std::string value = row.number(record);
    if (const auto at = row.label.find("%i"); at != std::string_view::npos) {
        std::string whole(row.label);
        whole.replace(at, 2, value);
        w.text(row.x, row.y, whole);
    } else {
        w.labelValue(row.x, row.y, row.label, value);
    }
}

// The three advantage columns: where labels stand, where the current values end, and M, from
// which the maximum and adjustment texts are placed under the header's slashes.
struct AdvantageColumn {
    std::string_view title;
    int labelX;
    int headerEnd;  // the header's right end, counted from the sheet's right edge when negative
    int valueLimit; // the value ends here minus the width of valueTail (negative: from W)
    std::string_view valueTail;
    int m; // negative: counted from W
};

constexpr AdvantageColumn kAdvantageColumns[] = {
    {"PHYSICAL", 10, 247, 255, "urrent/ max/ adjust", 247},
    {"MENTAL", 255, 497, 505, "rent/ max/ adjust", 497},
    {"SOCIAL", 505, -13, -8, "urrent/ max/ adjust", -16},
};

// One advantage row: its label, column and line.
struct AdvantageRow {
    std::string_view label;
    int column;
    int y;
};

constexpr AdvantageRow kAdvantageRows[kAdvantageCount] = {
    {"Strength:", 0, 180},   {"Agility:", 0, 195},    {"Dexterity:", 0, 210},
    {"Stamina:", 0, 225},    {"Reflex:", 0, 240},     {"Comprehension:", 1, 180},
    {"Awareness:", 1, 195},  {"Logic:", 1, 210},      {"Persevearance:", 1, 225},
    {"Confidence:", 1, 240}, {"Appearance:", 2, 180}, {"Charisma:", 2, 195},
    {"Etiquette:", 2, 210},  {"Style:", 2, 225},      {"Avoidance:", 2, 240},
};

// "/ [5]": the race's maximum in brackets; a two-digit maximum takes the space.
std::string maximumText(std::int32_t maximum) {
    return maximum >= 10 || maximum < 0 ? concat({"/[", intText(maximum), "]"})
                                        : concat({"/ [", intText(maximum), "]"});
}

// "/ +2", "/ -3", or "/" alone where the race adjusts nothing.
std::string adjustmentText(std::int32_t adjustment) {
    if (adjustment == 0) {
        return "/";
    }
    return concat({"/ ", adjustment > 0 ? "+" : "", intText(adjustment)});
}

struct SaveColumn {
    int x;
    std::string_view label;
    int save;
};

constexpr SaveColumn kSaves[] = {
    {10, "Physical Save:", 0},
    {255, "Mental Save:", 1},
    {505, "Social Save:", 2},
};

constexpr std::string_view kPossessions = "BEGINNING PERSONAL POSSESIONS";
constexpr std::string_view kFamilyTradeLabel = "Family Trade & Background:";

struct HandRow {
    int y;
    std::string_view text;
};

// Boxes F and G, at x 10. The family trade follows its label.
constexpr HandRow kHandRows[] = {
    {526, kPossessions}, {605, "Career Assets:"},  {625, "Money/Furs/Trading Value:"},
    {645, "Friends:"},   {665, "Enemies:"},        {685, "Pawns:"},
    {705, "Followers:"}, {725, kFamilyTradeLabel}, {765, "Obligations:"},
    {785, "Mission:"},   {805, "Adventures:"},     {825, "Personal Goals:"},
};
constexpr int kFamilyTradeY = 725;

void drawFrame(SheetWriter& w) {
    const int W = w.sheetWidth();
    // A: name and pathway; B: race and career.
    w.frame(5, 45, W - 5, 84);
    w.frame(5, 88, W - 5, 138);
    // C: advantages (the line under the group titles comes with them).
    w.frame(5, 159, W - 5, 257);
    w.line(250, 159, 250, 257);
    w.line(500, 159, 500, 257);
    // D: personal data.
    w.frame(5, 275, W - 5, 405);
    w.line(345, 275, 345, 405);
    w.line(520, 275, 520, 405);
    w.frame(350, 279, 515, 401);
    for (const int y : {297, 331, 365}) {
        w.line(350, y, 515, y);
    }
    w.line(520, 331, W - 5, 331);
    w.line(520, 348, W - 5, 348);
    // E: special career skills.
    w.frame(5, 425, W - 5, 505);
    w.line(5, 441, W - 5, 441);
    w.line(390, 441, 390, 505);
    w.line(200, 441, 200, 505);
    w.line(5, 463, 390, 463);
    w.line(5, 485, 390, 485);
    // F: possessions, with the heading underlined.
    w.frame(5, 525, W - 5, 740);
    w.selectFont(FontId::CourierNew);
    const int underline = 526 + w.height();
    w.line(10, underline, 10 + w.width(kPossessions), underline);
    for (const int y : {623, 643, 663, 683, 703, 723}) {
        w.line(5, y, W - 5, y);
    }
    // G: obligations.
    w.frame(5, 760, W - 5, 850);
}

void drawTitle(SheetWriter& w) {
    const int W = w.sheetWidth();
    w.selectFont(FontId::CenturyGothic);
    constexpr std::string_view title = "Orthavel";
    w.centred(5, title);
    const int t = w.width(title);
    w.selectFont(FontId::CourierNew);
    w.centred(25, "Character Sheet");
    w.selectFont(FontId::CourierSmall);
    w.rightAligned(W - 10, 54, "Extra Chances:");
    w.text(W / 2 + t / 2 + 5, 0, "TM");
    w.rightAligned(W - 10, 90, "(PL+FL+SL)/3");
}

// What box B says of the race: its race and culture, and whether the sub culture is a city-state
// rather than a House.
struct RaceLabels {
    std::string_view race;
    std::string_view culture;
    bool cityState;
};

RaceLabels raceLabels(const Record& r) {
    const bool neuonian = r.m_nRace == kRaceNeuonian;
    return {neuonian ? "Human" : "Metamorphoun", neuonian ? "Neuonian" : "Kessari",
            r.m_nCulture == culture::kAdventurer || neuonian};
}

void drawIdentity(SheetWriter& w, const Record& r) {
    const RaceLabels race = raceLabels(r);
    w.selectFont(FontId::CourierPrint);
    for (const DataRow& row : kIdentityRows) {
        // The left column of box B carries no record text but the race's labels.
        if (row.y == 90) {
            w.text(20, 90, concat({"Race:", race.race}));
        } else if (row.y == 105) {
            w.text(20, 105, concat({"Culture:", race.culture}));
        } else if (row.y == 120) {
            drawRecordText(w, 20, 120,
                           race.cityState ? "Sub Culture: City State of " : "Sub Culture:House of ",
                           r, &Record::m_strCulture, 350);
        }
        drawRow(w, r, row);
    }
}

void drawAdvantages(SheetWriter& w, const Record& r) {
    const int W = w.sheetWidth();
    w.selectFont(FontId::CourierNew);
    w.centred(145, "ADVANTAGES");
    for (const AdvantageColumn& column : kAdvantageColumns) {
        w.text(column.labelX, 160, column.title);
    }
    const int under = 162 + w.height(); // the height of "PHYSICAL"
    w.line(5, under, W - 5, under);
    for (const AdvantageColumn& column : kAdvantageColumns) {
        w.rightAligned(fromWidth(column.headerEnd, W), 160, "current/ max/ adjust");
    }
    const std::vector<SheetAdvantage> advantages = page1Advantages(r);
    for (std::size_t k = 0; k < advantages.size(); ++k) {
        const SheetAdvantage& advantage = advantages[k];
        const AdvantageRow& row = kAdvantageRows[k];
        const AdvantageColumn& column = kAdvantageColumns[row.column];
        const int valueEnd = fromWidth(column.valueLimit, W) - w.width(column.valueTail);
        const int m = fromWidth(column.m, W);
        w.text(column.labelX, row.y, row.label);
        w.rightAligned(valueEnd, row.y,
                       advantage.level > 0 ? concat({"{", intText(advantage.level), "}"}) : " A");
        w.text(m - w.width("/ max/ adjust"), row.y, maximumText(advantage.maximum));
        w.text(m - w.width("/ adjust"), row.y, adjustmentText(advantage.adjustment));
    }
}

// A save and, after a bar, its second value.
std::string saveText(const Record& r, const SaveColumn& save) {
    const auto i = static_cast<std::size_t>(save.save);
    return concat({intText(r.m_aSave[i]), " | ", intText(r.m_aSave[i + 3])});
}

void drawSaves(SheetWriter& w, const Record& r) {
    w.selectFont(FontId::CourierNew);
    for (const SaveColumn& save : kSaves) {
        w.labelValue(save.x, 260, save.label, saveText(r, save));
    }
}

void drawPersonalData(SheetWriter& w, const Record& r) {
    w.selectFont(FontId::CourierNew);
    for (const DataRow& row : kPersonalRows) {
        drawRow(w, r, row);
    }
}

// Held special skills fill two rows per column, the columns in the order x 10, 205, 400 and then
// alternating between 205 and 400.
void drawSpecialSkills(SheetWriter& w, const Record& r) {
    w.selectFont(FontId::CourierNew);
    w.centred(426,
              "Special Career Skills: Skills that are not found on your Mastery List of Skills.");
    w.text(10, 442, "Lvl Skill Name/Comp");
    w.text(205, 442, "Lvl Skill Name/Comp");
    w.text(400, 442, "Special Bonuses:");
    int x = 10;
    int y = 465;
    for (const SheetValue& held : page1SpecialSkills(r)) {
        if (!held.value.empty()) {
            w.text(x, y, held.value);
            w.text(x + 25, y, held.label);
        } else {
            w.text(x, y, held.label);
        }
        y += 25;
        if (y >= 515) {
            y = 465;
            x = x != 205 ? 205 : 400;
        }
    }
}

void drawPossessions(SheetWriter& w, const Record& r) {
    w.selectFont(FontId::CourierNew);
    for (const HandRow& row : kHandRows) {
        if (row.y == kFamilyTradeY) {
            drawRecordText(w, 10, row.y, row.text, r, &Record::m_strFamilyTrade, kToBoxEdge);
        } else {
            w.text(10, row.y, row.text);
        }
    }
}

// "Current Life Level:%i" is labelled "Current Life Level", "Age:" "Age".
std::string labelOf(std::string_view label) {
    label = label.substr(0, label.find("%i"));
    while (label.ends_with(':') || label.ends_with(' ')) {
        label.remove_suffix(1);
    }
    return std::string(label);
}

void addValues(std::vector<SheetValue>& values, const Record& r, std::span<const DataRow> rows) {
    for (const DataRow& row : rows) {
        if (row.text != nullptr) {
            values.push_back({labelOf(row.label), r.*row.text});
        } else if (row.number != nullptr) {
            values.push_back({labelOf(row.label), row.number(r)});
        }
    }
}

} // namespace

std::vector<SheetValue> page1Values(const CharacterRecord& record) {
    const RaceLabels race = raceLabels(record);
    std::vector<SheetValue> values{{"Race", std::string(race.race)},
                                   {"Culture", std::string(race.culture)},
                                   {race.cityState ? "City State" : "House", record.m_strCulture}};
    addValues(values, record, kIdentityRows);
    for (const SaveColumn& save : kSaves) {
        values.push_back({labelOf(save.label), saveText(record, save)});
    }
    addValues(values, record, kPersonalRows);
    values.push_back({labelOf(kFamilyTradeLabel), record.m_strFamilyTrade});
    return values;
}

std::vector<SheetAdvantage> page1Advantages(const CharacterRecord& record) {
    const bool neuonian = record.m_nRace == kRaceNeuonian;
    std::vector<SheetAdvantage> advantages;
    for (std::size_t k = 0; k < std::size(kAdvantageRows); ++k) {
        const int a = static_cast<int>(k);
        // The maxima bind every raise; the Kessari adjustments are those the Kessari reset
        // gives. The sheet shows the race's, never the record's adjustment array.
        advantages.push_back(
            {labelOf(kAdvantageRows[k].label), record.m_aAdvantage[k],
             AdvantageMaximum(record.m_nRace, advantageAt(a)),
             neuonian ? 0 : kKessariAdjustments[static_cast<std::size_t>(adjustmentIndex(a))]});
    }
    return advantages;
}

std::vector<SheetValue> page1SpecialSkills(const CharacterRecord& record) {
    constexpr int kHeld = 200; // an ability held without a level
    std::vector<SheetValue> held;
    for (std::size_t i = 0; i < kSpecialSkillNames.size(); ++i) {
        if (const int value = record.m_aSpecialSkill[i]; value > 0) {
            held.push_back(
                {std::string(kSpecialSkillNames[i]), value != kHeld ? intText(value) : ""});
        }
    }
    return held;
}

DisplayList layoutPage1(const CharacterRecord& record, const TextMetrics& metrics) {
    DisplayList list;
    list.reserve(DisplayList::kPageItems);
    SheetWriter w(list, metrics, record.m_sizeDoc[0]);
    w.fill(0, 0, record.m_sizeDoc[0], record.m_sizeDoc[1], kWhite);
    drawFrame(w);
    drawTitle(w);
    drawIdentity(w, record);
    drawAdvantages(w, record);
    drawSaves(w, record);
    drawPersonalData(w, record);
    drawSpecialSkills(w, record);
    drawPossessions(w, record);
    return list;
}

} // namespace orthavel

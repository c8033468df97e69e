// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/sheet/Page4Layout.h"

#include "core/sheet/SheetWriter.h"

#include <array>
#include <span>
#include <string_view>

namespace orthavel {

namespace {

using Record = CharacterRecord;

struct PlacedText {
    int x;
    int y;
    std::string_view text;
};

// The armor row by armor type; type 0 (none) and unknown types draw no row.
constexpr std::array<ArmorRow, 12> kArmorRows{{
    {"", "", "", ""}, // 0: none
    {"Padding", "5", "", "3"},
    {"Soft leather", "2", "16", "4"},
    {"Hard leather", "4", "32", "8"},
    {"Studded leather", "5", "40", "12"},
    {"Chain&leather", "8", "64", "30"},
    {"Plated leather", "10", "80", "55"},
    {"Full chainmail", "14", "84", "70"},
    {"Double mail", "15", "90", "90"},
    {"Plate & mail", "18", "108", "120"},
    {"Full plate", "25", "250", "150"},
    {"Field plate", "35", "350", "180"},
}};

// The top block, in the print font. The values come between the labels and the explanations.
constexpr PlacedText kTopLabels[] = {
    {10, 40, "INITIATIVE BASE"},
    {250, 40, "5 x Reflex + 5 x Awareness - Encumbrance Difficulty"},
    {10, 70, "SOAK PER HIT"},
    {250, 70, "Size Level + Stamina.  You may soak this many Damage points"},
    {250, 85, "of each attack by exspending equal Willpower points instead."},
    {10, 100, "HEAL RATE"},
    {250, 100, "Pts Gained Per Month = "},
    {250, 115, "  (Health Factor + Stamina + Persevearance) x Size Level"},
    {10, 140, "BLOOD LOSS: Willpower Pts Lost Per Round (Total of ruptures)"},
    {10, 165, "1   2   3   4   5   6   7   8   9   10"},
    {10, 190, "11  12  13  14  15  16  17  18  19  20"},
    {10, 215, "21  22  23  24  25  26  27  28  29  30"},
};

// Box 1, the weapons table.
constexpr PlacedText kWeaponTexts[] = {
    {20, 262, "Init Cost"}, {105, 262, "WEAPON NAME"}, {195, 262, "Type"},    {234, 262, "Weight"},
    {287, 262, "WC"},       {315, 262, "Attack"},      {363, 262, " +Adv"},   {417, 262, "+Spec"},
    {458, 262, "-Diff"},    {496, 262, " ="},          {530, 262, "Defense"}, {584, 262, " +Adv"},
    {639, 262, "+Spec"},    {681, 262, "-Diff"},       {721, 262, " ="},      {10, 282, "Attack"},
    {57, 282, "Parry"},     {315, 282, "Skill"},       {364, 282, "Bonus"},   {417, 282, " OCF"},
    {496, 282, "OCF"},      {530, 282, " Skill"},      {585, 282, "Bonus"},   {639, 282, " DCF"},
    {721, 282, "DCF"},      {105, 422, "HTH:"},
};
constexpr int kWeaponRules[] = {300, 320, 340, 360, 380, 400, 420};
constexpr int kWeaponFullColumns[] = {100, 190, 310, 525};
constexpr int kWeaponColumns[] = {55, 230, 283, 358, 414, 455, 493, 579, 636, 678, 716};

// Box 2, the damage table.
constexpr int kDamageRules[] = {490, 510, 530, 550, 570, 590, 610};
constexpr int kDamageFullColumns[] = {100, 320, 425};
constexpr int kDamageColumns[] = {130, 155, 180, 209, 235, 264, 294, 355, 385};
constexpr PlacedText kDamageTexts[] = {
    {10, 612, "HTH:"},
    {195, 452, "Damage"},
    {110, 472, "A"},
    {135, 472, "B"},
    {160, 472, "C"},
    {186, 472, "D"},
    {215, 472, "E"},
    {240, 472, "F"},
    {270, 472, "G"},
    {300, 472, "H"},
    {325, 452, "Range in feet"},
    {328, 472, " S"},
    {358, 472, " M"},
    {388, 472, " L"},
    {435, 452, "# of Missles on Person"},
};

// Box 3, the armor headings after the armor row.
constexpr PlacedText kArmorTexts[] = {
    {115, 642, "Absorb"},  {115, 662, " Rate"},  {180, 642, " Max"},   {180, 662, "Points"},
    {245, 642, "Current"}, {245, 662, "Points"}, {315, 642, "Weight"},
};

// Box 4, relative to e = W/2 + 5.
constexpr PlacedText kEvasiveTexts[] = {
    {5, 645, "Init"},    {5, 665, "Cost"},     {45, 642, "EVASIVE"},  {45, 662, " MOVE"},
    {45, 682, " Dodge"}, {45, 702, " Duck"},   {45, 722, "Shld Blk"}, {110, 642, "1/2"},
    {110, 662, "HTH"},   {155, 642, "+Adv"},   {155, 662, "Bonus"},   {200, 642, "-Encum"},
    {200, 662, " Diff"}, {260, 642, "-Skill"}, {260, 662, " Diff"},   {320, 642, " = "},
    {320, 662, "DCF"},
};

// Box 5, the outcome summary: row titles, then one column per grade.
constexpr PlacedText kOutcomeTitles[] = {
    {10, 772, "ROLL"}, {10, 792, "Outcome"}, {10, 812, "Init Pts"}, {10, 832, "EP Pts"}};

struct OutcomeColumn {
    int x;
    std::string_view roll;
    std::string_view outcome;
    std::string_view initPoints;
    std::string_view epPoints;
};

constexpr OutcomeColumn kOutcomeColumns[] = {
    {110, "1-29", "miss", "  *", " --"},         {160, "30-39", "  A", " 50", " --"},
    {210, "40-49", "  B", " 67", " --"},         {260, "50-59", "  C", " 83", " --"},
    {310, "60-74", "  D", " 100", " --"},        {360, "75-89", "  E", " 120", "10 ep"},
    {410, "90-124", "  F", " 135", "25 ep"},     {470, "125-199", "   G", "  144", " 50 ep"},
    {540, "200-399", "   H", "  150", "100 ep"},
};
constexpr int kOutcomeColumnsX[] = {105, 155, 205, 255, 305, 355, 405, 465, 535};

constexpr PlacedText kNotes[] = {
    {10, 860,
     "Init Costs:  Melee 5WC, Thrown 6WC, Bow 7WC, Crossbow 9/1WC, Aimed 2x, HTH WCxSize Level"},
    {10, 880,
     "Init Costs:  Parry 2WC, Dodge 2SL+Enc Dif, Duck SL+Enc Dif, Block SL+1/10 Shield weight"},
    {10, 900, "Difficulty:  Melee, Bow, & HTH 2WC, Thrown 3WC, Crossbow WC"},
    // Below the sheet's height: on paper it falls under the 9-inch mark.
    {10, 920,
     "Advantage Bonuses: HTH, Melee & Thrown 5Ref + 5Strength, Missle 5Dex, Aiming + 10Confidence"},
};

void drawTexts(SheetWriter& w, std::span<const PlacedText> texts, int dx = 0) {
    for (const PlacedText& t : texts) {
        w.text(dx + t.x, t.y, t.text);
    }
}

// A ruled table: horizontal rules across [left, right], full-height columns and columns that
// start lower, at partTop.
void drawRules(SheetWriter& w, int left, int right, int top, int bottom, int partTop,
               std::span<const int> rules, std::span<const int> fullColumns,
               std::span<const int> partColumns) {
    w.frame(left, top, right, bottom);
    for (const int y : rules) {
        w.line(left, y, right, y);
    }
    for (const int x : fullColumns) {
        w.line(x, top, x, bottom);
    }
    for (const int x : partColumns) {
        w.line(x, partTop, x, bottom);
    }
}

// The values of the top block's first column, each beside its label at x 155, in the words a
// stat block gives them.
struct TopValue {
    int y;
    std::string_view label;
    std::string (*value)(const Record&);
};

constexpr TopValue kTopValues[] = {
    {40, "Initiative Base",
     [](const Record& r) { return pairText(r.m_nInitiative, r.m_nInitiativeAdj); }},
    {70, "Soak per Hit", [](const Record& r) { return pairText(r.m_nSoak, r.m_nSoakAdj); }},
    {100, "Heal Rate", [](const Record& r) { return pairText(r.m_nHealRate, r.m_nHealRateAdj); }},
};

// The damage bonus at a grade: a quarter at B, a half at C, whole from D on. Quarters and halves
// truncate towards zero, as integer division does.
struct DamageGrade {
    std::string_view grade;
    int divisor;
};

constexpr DamageGrade kDamageGrades[] = {{"B  ", 4}, {"C  ", 2}, {"D+ ", 1}};

std::string damageText(const Record& r, const DamageGrade& grade) {
    return pairText(r.m_nDamageBonus / grade.divisor, r.m_nDamageBonusAdj / grade.divisor);
}

void drawTopBlock(SheetWriter& w, const Record& r) {
    w.selectFont(FontId::CourierPrint);
    for (const PlacedText& t : kTopLabels) {
        w.text(t.x, t.y, t.text);
        // Each label of the first column is followed by its value at x 155.
        for (const TopValue& v : kTopValues) {
            if (t.x == 10 && t.y == v.y) {
                w.text(155, v.y, v.value(r));
            }
        }
    }
}

void drawWeaponsTable(SheetWriter& w) {
    const int W = w.sheetWidth();
    drawRules(w, 5, W - 5, 260, 440, 300, kWeaponRules, kWeaponFullColumns, kWeaponColumns);
    w.line(5, 280, 100, 280);
    w.selectFont(FontId::CourierNew);
    drawTexts(w, kWeaponTexts);
}

void drawDamageTable(SheetWriter& w, const Record& r) {
    const int W = w.sheetWidth();
    drawRules(w, 5, W - 145, 450, 630, 490, kDamageRules, kDamageFullColumns, kDamageColumns);
    w.line(100, 470, 425, 470);
    w.selectFont(FontId::CourierNew);
    w.text(10, 452, "WEAPON NAME");
    w.text(630, 452, "Damage Bonus");
    int y = 472;
    for (const DamageGrade& grade : kDamageGrades) {
        w.text(630, y, concat({grade.grade, damageText(r, grade)}));
        y += 20;
    }
    drawTexts(w, kDamageTexts);
}

void drawArmorBox(SheetWriter& w, const Record& r) {
    const int W = w.sheetWidth();
    w.selectFont(FontId::CourierNew);
    w.text(10, 642, "ARMOR TYPE");
    if (const ArmorRow* row = armorWorn(r.m_aEquipment[0])) {
        w.text(10, 682, row->name);
        w.text(127, 682, row->absorbRate);
        w.text(192, 682, row->maxPoints);
        w.text(325, 682, row->weight);
    }
    drawTexts(w, kArmorTexts);
    constexpr int kColumns[] = {110, 170, 240, 310};
    constexpr int kRules[] = {680, 700, 720, 740};
    drawRules(w, 5, W - 390, 640, 760, 640, kRules, kColumns, {});
}

void drawEvasiveBox(SheetWriter& w) {
    const int W = w.sheetWidth();
    const int e = W / 2 + 5;
    const int rules[] = {680, 700, 720};
    const int lowColumns[] = {e + 150, e + 195, e + 255, e + 310};
    const int fullColumns[] = {e + 40, e + 105};
    w.frame(e, 640, W - 5, 740);
    for (const int y : rules) {
        w.line(e, y, W - 5, y);
    }
    for (const int x : lowColumns) {
        w.line(x, 680, x, 740);
    }
    for (const int x : fullColumns) {
        w.line(x, 640, x, 740);
    }
    w.selectFont(FontId::CourierNew);
    drawTexts(w, kEvasiveTexts, e);
}

void drawOutcomeBox(SheetWriter& w) {
    const int W = w.sheetWidth();
    constexpr int kRules[] = {790, 810, 830};
    drawRules(w, 5, W - 120, 770, 850, 770, kRules, kOutcomeColumnsX, {});
    w.selectFont(FontId::CourierNew);
    drawTexts(w, kOutcomeTitles);
    for (const OutcomeColumn& column : kOutcomeColumns) {
        w.text(column.x, 772, column.roll);
        w.text(column.x, 792, column.outcome);
        w.text(column.x, 812, column.initPoints);
        w.text(column.x, 832, column.epPoints);
    }
}

} // namespace

const ArmorRow* armorWorn(std::int32_t type) {
    if (type > 0 && static_cast<std::size_t>(type) < kArmorRows.size()) {
        return &kArmorRows[static_cast<std::size_t>(type)];
    }
    return nullptr;
}

std::vector<SheetValue> page4Values(const CharacterRecord& record) {
    std::vector<SheetValue> values;
    for (const TopValue& v : kTopValues) {
        values.push_back({std::string(v.label), v.value(record)});
    }
    for (const DamageGrade& grade : kDamageGrades) {
        std::string_view name = grade.grade;
        name = name.substr(0, name.find(' '));
        values.push_back({concat({"Damage Bonus ", name}), damageText(record, grade)});
    }
    return values;
}

std::vector<SheetValue> page4Armor(const CharacterRecord& record) {
    const ArmorRow* row = armorWorn(record.m_aEquipment[0]);
    if (row == nullptr) {
        return {};
    }
    return {{"Armor Type", std::string(row->name)},
            {"Absorb Rate", std::string(row->absorbRate)},
            {"Max Points", std::string(row->maxPoints)},
            {"Weight", std::string(row->weight)}};
}

DisplayList layoutPage4(const CharacterRecord& record, const TextMetrics& metrics) {
    DisplayList list;
    list.reserve(DisplayList::kPageItems);
    SheetWriter w(list, metrics, record.m_sizeDoc[0]);
    w.fill(0, 0, record.m_sizeDoc[0], record.m_sizeDoc[1], kWhite);
    drawTopBlock(w, record);
    w.selectFont(FontId::CenturyGothic);
    w.text(365, 240, "OCF");
    w.text(580, 240, "DCF");
    drawWeaponsTable(w);
    drawDamageTable(w, record);
    drawArmorBox(w, record);
    drawEvasiveBox(w);
    drawOutcomeBox(w);
    w.selectFont(FontId::CourierNew);
    drawTexts(w, kNotes);
    return list;
}

} // namespace orthavel

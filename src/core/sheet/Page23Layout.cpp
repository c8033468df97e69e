// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/sheet/Page23Layout.h"

#include "core/sheet/SheetWriter.h"
#include "core/sheet/SkillSheetTables.h"
#include "core/skills/SkillCatalogue.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

namespace orthavel {

namespace {

// A group heading says how many of its emphasis' skills must be rated: "(n min)", or "(All)" and
// "(Both)" when that is every one of them, and the skills drawn under it are that emphasis'
// members or count toward none (Theology (Morning Light) stands under Church). The sheet's words
// and the rule must agree.
constexpr bool isMember(const EmphasisInfo& emphasis, int skill) {
    return std::ranges::any_of(emphasis.members, [skill](const MemberRange& range) {
        return skill >= range.first && skill <= range.last;
    });
}
constexpr bool groupsAgreeWithTheirEmphases(std::span<const SkillSheetLine> lines) {
    int group = -1; // an index, not a pointer: the sanitizer build cannot compare those here
    for (const SkillSheetLine& line : lines) {
        if (line.kind == SkillSheetKind::Skill && group >= 0 &&
            !isMember(kEmphases[static_cast<std::size_t>(group)], line.index) &&
            std::ranges::any_of(kEmphases, [&line](const EmphasisInfo& other) {
                return isMember(other, line.index);
            })) {
            return false;
        }
        if (line.kind == SkillSheetKind::Category || line.kind == SkillSheetKind::Heading) {
            group = -1;
        }
        if (line.kind != SkillSheetKind::Group) {
            continue;
        }
        const EmphasisInfo& emphasis = kEmphases[static_cast<std::size_t>(line.index)];
        group = line.index;
        int members = 0;
        for (const MemberRange& range : emphasis.members) {
            members += range.last < range.first ? 0 : range.last - range.first + 1;
        }
        const std::string_view count = line.text.substr(line.text.find('(') + 1);
        const bool every = count.starts_with("All") || count.starts_with("Both");
        if ((every ? members : count[0] - '0') != emphasis.ratedNeeded ||
            (!every && !count.substr(1).starts_with(" min)"))) {
            return false;
        }
    }
    return true;
}
static_assert(groupsAgreeWithTheirEmphases(kPage2Column1) &&
                  groupsAgreeWithTheirEmphases(kPage2Column1Neuonian) &&
                  groupsAgreeWithTheirEmphases(kPage2Column1Kessari) &&
                  groupsAgreeWithTheirEmphases(kPage2Column2) &&
                  groupsAgreeWithTheirEmphases(kPage2Column3) &&
                  groupsAgreeWithTheirEmphases(kPage3Column1) &&
                  groupsAgreeWithTheirEmphases(kPage3Column2) &&
                  groupsAgreeWithTheirEmphases(kPage3Column3),
              "every group heading names its emphasis' least number of rated skills, and only "
              "its members are drawn under it");

// A value of one of the record's arrays, or 0 for an index the array does not have.
template <std::size_t N>
std::int32_t valueAt(const std::array<std::int32_t, N>& values, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N
               ? values[static_cast<std::size_t>(index)]
               : 0;
}

void drawSkillLine(SheetWriter& w, std::vector<SkillLine>* lines, std::int32_t skill, int valueX,
                   int labelX, int y, std::int32_t rating, std::string_view label) {
    w.selectFont(FontId::CourierNew);
    w.text(valueX, y, intText(rating));
    w.text(labelX, y, label);
    if (lines != nullptr) {
        lines->push_back({skill, valueX, y, labelX + w.width(label), y + w.height()});
    }
}

// Draws one column's lines at base x c.
void drawColumn(SheetWriter& w, std::vector<SkillLine>* skillLines, const CharacterRecord& r, int c,
                std::span<const SkillSheetLine> lines) {
    int y = 0;
    int step = 0;
    for (const SkillSheetLine& line : lines) {
        switch (line.kind) {
        case SkillSheetKind::Category:
            w.selectFont(FontId::CourierBold);
            w.text(c, line.y, withInt(line.text, valueAt(r.m_aMastery, line.index)));
            break;
        case SkillSheetKind::Group:
            w.selectFont(FontId::CourierPrint);
            w.text(c + 4, line.y, withInt(line.text, valueAt(r.m_aEmphasis, line.index)));
            break;
        case SkillSheetKind::Heading:
            w.selectFont(FontId::CourierPrint);
            w.text(c + 4, line.y, line.text);
            break;
        case SkillSheetKind::From:
            y = line.y;
            step = line.index;
            break;
        case SkillSheetKind::Skill:
            drawSkillLine(w, skillLines, line.index, c + 5, c + 30, y,
                          valueAt(r.m_aSkill, line.index), line.text);
            y += step;
            break;
        }
    }
}

// A held spell or endowment: its rating and its sheet label.
struct HeldLine {
    std::int32_t skill;
    std::int32_t rating;
    std::string_view label;
};

template <std::size_t N>
std::vector<HeldLine> heldLines(const CharacterRecord& r, std::size_t first,
                                const std::array<std::string_view, N>& labels) {
    std::vector<HeldLine> held;
    for (std::size_t i = 0; i < N; ++i) {
        if (const std::int32_t rating = r.m_aSkill[first + i]; rating > 0) {
            held.push_back({static_cast<std::int32_t>(first + i), rating, labels[i]});
        }
    }
    return held;
}

// A stretch of a column a list runs down: the rating at x (the label 25 further right), lines
// 14 apart from top while they start above end.
struct ListRoom {
    int x;
    int top;
    int end;
};

constexpr int kListStep = 14;
// The last line of a list that runs to the page's foot starts here, so its cell ends on the page.
constexpr int kPageFoot = kSheetHeight - kListStep;

// The top of the free room at the foot of the column from x to x + 240: under its lowest text.
int freeRoomBelow(const DisplayList& list, int x) {
    int lowest = 0;
    for (const TextItem& t : list.texts()) {
        if (t.x >= x && t.x < x + 240) {
            lowest = std::max(lowest, t.y);
        }
    }
    return lowest + 2 * kListStep;
}

// Draws a list through its rooms, one after the other. What no room is left for is not drawn
// past the page or over another line: the last line that fits counts it ("... and 12 more").
void drawHeld(SheetWriter& w, std::vector<SkillLine>* lines, const std::vector<HeldLine>& held,
              std::span<const ListRoom> rooms) {
    std::vector<std::pair<int, int>> places;
    for (const ListRoom& room : rooms) {
        for (int y = room.top; y < room.end && places.size() < held.size(); y += kListStep) {
            places.emplace_back(room.x, y);
        }
    }
    const bool cut = places.size() < held.size();
    for (std::size_t i = 0; i < places.size(); ++i) {
        const auto [x, y] = places[i];
        if (cut && i + 1 == places.size()) {
            w.selectFont(FontId::CourierNew);
            w.text(x, y, "... and " + std::to_string(held.size() - i) + " more");
            break;
        }
        drawSkillLine(w, lines, held[i].skill, x, x + 25, y, held[i].rating, held[i].label);
    }
}

// The spells held, one under the other from y 442 in column 3; a list longer than the page goes
// on at the foot of column 2, then of column 1.
void drawSpells(SheetWriter& w, std::vector<SkillLine>* lines, const CharacterRecord& r,
                const DisplayList& list) {
    const ListRoom rooms[] = {{500, 442, kPageFoot + 1},
                              {250, freeRoomBelow(list, 245), kPageFoot + 1},
                              {10, freeRoomBelow(list, 5), kPageFoot + 1}};
    drawHeld(w, lines, heldLines(r, kFirstSpell, kSpellLabels), rooms);
}

// The endowments held, from (250, 697) down column 2; past y 877 they go on at (500, 731),
// under "Endowments (Continued)".
void drawEndowments(SheetWriter& w, std::vector<SkillLine>* lines, const CharacterRecord& r) {
    const ListRoom rooms[] = {{250, 697, 877}, {500, 731, 877}};
    drawHeld(w, lines, heldLines(r, kFirstEndowment, kEndowmentLabels), rooms);
}

void fillPage(SheetWriter& w, const CharacterRecord& r) {
    w.fill(0, 0, r.m_sizeDoc[0], r.m_sizeDoc[1], kWhite);
}

} // namespace

DisplayList layoutPage2(const CharacterRecord& record, const TextMetrics& metrics,
                        std::vector<SkillLine>* lines) {
    DisplayList list;
    list.reserve(DisplayList::kPageItems);
    SheetWriter w(list, metrics, record.m_sizeDoc[0]);
    const int W = w.sheetWidth();
    fillPage(w, record);
    w.frame(5, 20, W - 5, 80);
    w.selectFont(FontId::CenturyGothic);
    w.centred(23, "Mastery List of Skills");
    w.selectFont(FontId::CourierBold);
    constexpr std::string_view table = "Comp. Table:";
    constexpr std::string_view cost = "Cost to raise skills with EP's:";
    w.text(10, 45, table);
    w.text(60, 60, cost);
    const int tableWidth = w.width(table);
    const int costWidth = w.width(cost);
    w.selectFont(FontId::CourierNew);
    w.text(20 + tableWidth, 45, "Complex Bonus:");
    w.text(330, 45, "Max Skill Increase:");
    w.text(525, 45, "Days minus off learn time:");
    w.text(60 + costWidth, 60, "5 x Complexity (+/- bonus) per skill points.");

    drawColumn(w, lines, record, 5, kPage2Column1);
    if (record.m_nRace == kRaceNeuonian) {
        drawColumn(w, lines, record, 5, kPage2Column1Neuonian);
    } else {
        drawColumn(w, lines, record, 5, kPage2Column1Kessari);
    }
    drawColumn(w, lines, record, 245, kPage2Column2);
    drawColumn(w, lines, record, 495, kPage2Column3);
    drawSpells(w, lines, record, list);
    return list;
}

DisplayList layoutPage3(const CharacterRecord& record, const TextMetrics& metrics,
                        std::vector<SkillLine>* lines) {
    DisplayList list;
    list.reserve(DisplayList::kPageItems);
    SheetWriter w(list, metrics, record.m_sizeDoc[0]);
    fillPage(w, record);
    drawColumn(w, lines, record, 5, kPage3Column1);
    drawColumn(w, lines, record, 245, kPage3Column2);
    drawEndowments(w, lines, record);
    drawColumn(w, lines, record, 495, kPage3Column3);
    return list;
}

std::optional<std::int32_t> skillLineAt(const CharacterRecord& record, const TextMetrics& metrics,
                                        std::int32_t page, int x, int y) {
    if (page != 2 && page != 3) {
        return std::nullopt;
    }
    std::vector<SkillLine> lines;
    (page == 2 ? layoutPage2 : layoutPage3)(record, metrics, &lines);
    for (const SkillLine& line : lines) {
        if (x >= line.left && x < line.right && y >= line.top && y < line.bottom) {
            return line.skill;
        }
    }
    return std::nullopt;
}

} // namespace orthavel

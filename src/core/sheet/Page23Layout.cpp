#include "core/sheet/Page23Layout.h"

#include "core/sheet/SheetWriter.h"
#include "core/sheet/SkillSheetTables.h"
#include "core/skills/SkillCatalogue.h"

#include <span>

namespace orthavel {

namespace {

// A group heading says how many of its emphasis' skills must be rated: "(n min)", or "(All)" and
// "(Both)" when that is every one of them. The sheet's words and the rule must agree.
constexpr bool headingsNameTheRatedNeeded(std::span<const SkillSheetLine> lines) {
    for (const SkillSheetLine& line : lines) {
        if (line.kind != SkillSheetKind::Group) {
            continue;
        }
        const EmphasisInfo& emphasis = kEmphases[static_cast<std::size_t>(line.index)];
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
static_assert(headingsNameTheRatedNeeded(kPage2Column1) &&
                  headingsNameTheRatedNeeded(kPage2Column1Neuonian) &&
                  headingsNameTheRatedNeeded(kPage2Column1Kessari) &&
                  headingsNameTheRatedNeeded(kPage2Column2) &&
                  headingsNameTheRatedNeeded(kPage2Column3) &&
                  headingsNameTheRatedNeeded(kPage3Column1) &&
                  headingsNameTheRatedNeeded(kPage3Column2) &&
                  headingsNameTheRatedNeeded(kPage3Column3),
              "every group heading names its emphasis' least number of rated skills");

// A value of one of the record's arrays, or 0 for an index the array does not have.
template <std::size_t N>
std::int32_t valueAt(const std::array<std::int32_t, N>& values, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N
               ? values[static_cast<std::size_t>(index)]
               : 0;
}

void drawSkillLine(SheetWriter& w, int valueX, int labelX, int y, std::int32_t rating,
                   std::string_view label) {
    w.selectFont(FontId::CourierNew);
    w.text(valueX, y, intText(rating));
    w.text(labelX, y, label);
}

// Draws one column's lines at base x c.
void drawColumn(SheetWriter& w, const CharacterRecord& r, int c,
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
            drawSkillLine(w, c + 5, c + 30, y, valueAt(r.m_aSkill, line.index), line.text);
            y += step;
            break;
        }
    }
}

// The spells held, one under the other from y 442, with no column break.
void drawSpells(SheetWriter& w, const CharacterRecord& r) {
    int y = 442;
    for (std::size_t i = 0; i < kSpellLabels.size(); ++i) {
        const std::int32_t rating = r.m_aSkill[kFirstSpell + i];
        if (rating > 0) {
            drawSkillLine(w, 500, 525, y, rating, kSpellLabels[i]);
            y += 14;
        }
    }
}

// The endowments held, from (250, 697) down column 2; past y 877 they go on at (500, 731),
// under "Endowments (Continued)".
void drawEndowments(SheetWriter& w, const CharacterRecord& r) {
    int x = 250;
    int y = 697;
    for (std::size_t i = 0; i < kEndowmentLabels.size(); ++i) {
        const std::int32_t rating = r.m_aSkill[kFirstEndowment + i];
        if (rating > 0) {
            drawSkillLine(w, x, x + 25, y, rating, kEndowmentLabels[i]);
            y += 14;
            if (y >= 877) {
                x = 500;
                y = 731;
            }
        }
    }
}

void fillPage(SheetWriter& w, const CharacterRecord& r) {
    w.fill(0, 0, r.m_sizeDoc[0], r.m_sizeDoc[1], kWhite);
}

} // namespace

DisplayList layoutPage2(const CharacterRecord& record, const TextMetrics& metrics) {
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

    drawColumn(w, record, 5, kPage2Column1);
    if (record.m_nRace == kRaceNeuonian) {
        drawColumn(w, record, 5, kPage2Column1Neuonian);
    } else {
        drawColumn(w, record, 5, kPage2Column1Kessari);
    }
    drawColumn(w, record, 245, kPage2Column2);
    drawColumn(w, record, 495, kPage2Column3);
    drawSpells(w, record);
    return list;
}

DisplayList layoutPage3(const CharacterRecord& record, const TextMetrics& metrics) {
    DisplayList list;
    list.reserve(DisplayList::kPageItems);
    SheetWriter w(list, metrics, record.m_sizeDoc[0]);
    fillPage(w, record);
    drawColumn(w, record, 5, kPage3Column1);
    drawColumn(w, record, 245, kPage3Column2);
    drawEndowments(w, record);
    drawColumn(w, record, 495, kPage3Column3);
    return list;
}

} // namespace orthavel
